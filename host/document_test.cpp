// The document as the plug-in sees it through the suites: placing, paint
// order, layers, expanding and deleting, bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "host/test_support.h"
#include "hostapi/ai_symbol_palette_suite.h"

namespace kavro::host {
namespace {

using testing::LinkedHostTest;
using testing::Seam;

class DocumentTest : public LinkedHostTest {
 protected:
  DocumentTest() {
    // Bounds 2..8 by 4..10: centre (5, 7).
    host.AddSymbol("box", {{"M 2 4 H 8 V 10 H 2 Z", "#000"}});
    host.AddBuiltinSymbol("arrow");
    host.AddBuiltinSymbol("leaf");
  }
};

TEST_F(DocumentTest, StartsWithOneLayerTitledLayer1) {
  const auto layers = host.Layers();
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0].title, "Layer 1");
  EXPECT_TRUE(layers[0].art.empty());
  EXPECT_EQ(host.CurrentLayerIndex(), 0);
}

TEST_F(DocumentTest, NewInstanceCentresTheSymbolBoundsOnThePoint) {
  Down([](Seam &seam) {
    KvArtHandle art = seam.Place(0, {100, 50});
    KvMatrix m{};
    ASSERT_EQ(seam.Symbol().GetInstanceMatrix(art, &m), kvNoErr);
    EXPECT_EQ(m.a, 1);
    EXPECT_EQ(m.b, 0);
    EXPECT_EQ(m.c, 0);
    EXPECT_EQ(m.d, 1);
    EXPECT_EQ(m.tx, 95);
    EXPECT_EQ(m.ty, 43);
    KvRect bounds{};
    ASSERT_EQ(seam.Art().GetArtBounds(art, &bounds), kvNoErr);
    EXPECT_EQ(bounds.left, 97);
    EXPECT_EQ(bounds.top, 53);
    EXPECT_EQ(bounds.right, 103);
    EXPECT_EQ(bounds.bottom, 47);
  });
  ASSERT_EQ(host.Layers()[0].art.size(), 1u);
  EXPECT_EQ(host.Layers()[0].art[0].kind, ArtKind::Instance);
}

TEST_F(DocumentTest, DefiningArtHasTheSymbolsTightBounds) {
  Down([](Seam &seam) {
    KvArtHandle definition = nullptr;
    ASSERT_EQ(seam.Symbol().GetSymbolDefinition(seam.NthSymbol(2), &definition), kvNoErr);
    KvRect bounds{};
    ASSERT_EQ(seam.Art().GetArtBounds(definition, &bounds), kvNoErr);
    // The leaf's quadratic curves peak at 6, below their control points.
    EXPECT_EQ(bounds.left, -10);
    EXPECT_EQ(bounds.top, 6);
    EXPECT_EQ(bounds.right, 10);
    EXPECT_EQ(bounds.bottom, -6);
    // It belongs to the symbol: it cannot be deleted.
    EXPECT_EQ(seam.Art().DisposeArt(definition), kvBadParameterErr);
  });
  EXPECT_EQ(host.Symbols()[2].bounds.top, 6);
}

TEST_F(DocumentTest, InstanceBoundsFollowItsMatrix) {
  Down([](Seam &seam) {
    KvArtHandle art = seam.Place(2, {0, 0});
    KvMatrix m{};
    seam.Symbol().GetInstanceMatrix(art, &m);
    seam.Math().MatrixConcatRotate(&m, seam.Math().DegreesToRadians(90));
    ASSERT_EQ(seam.Symbol().SetInstanceMatrix(art, &m), kvNoErr);
    KvRect bounds{};
    ASSERT_EQ(seam.Art().GetArtBounds(art, &bounds), kvNoErr);
    EXPECT_FLOAT_EQ(bounds.left, -6);
    EXPECT_FLOAT_EQ(bounds.top, 10);
    EXPECT_FLOAT_EQ(bounds.right, 6);
    EXPECT_FLOAT_EQ(bounds.bottom, -10);
  });
}

TEST_F(DocumentTest, PaintOrderCodesPlaceAboveOrBelowAll) {
  Down([](Seam &seam) {
    seam.Place(0, {0, 0}, kvPlaceAboveAll);
    seam.Place(1, {0, 0}, kvPlaceAboveAll);
    seam.Place(2, {0, 0}, kvPlaceBelowAll);
    seam.Place(1, {0, 0}, kvPlaceBelowAll);
    seam.Place(2, {0, 0}, kvPlaceAboveAll);
    KvArtHandle art = nullptr;
    EXPECT_EQ(seam.Symbol().NewInstance(seam.NthSymbol(0), {0, 0}, 4, nullptr, &art),
              kvBadParameterErr);
    EXPECT_EQ(art, nullptr);
  });
  EXPECT_EQ(ArtSymbols(), (std::vector<std::vector<int>>{{1, 2, 0, 1, 2}}));
}

TEST_F(DocumentTest, InsertedLayerBecomesCurrentAboveOrBelowAll) {
  Down([](Seam &seam) {
    KvLayerHandle top = nullptr;
    ASSERT_EQ(seam.Layer().InsertLayer(nullptr, kvPlaceAboveAll, &top), kvNoErr);
    ASSERT_EQ(seam.Layer().SetLayerTitle(top, "top"), kvNoErr);
    seam.Place(0, {0, 0});
    KvLayerHandle bottom = nullptr;
    ASSERT_EQ(seam.Layer().InsertLayer(nullptr, kvPlaceBelowAll, &bottom), kvNoErr);
    ASSERT_EQ(seam.Layer().SetLayerTitle(bottom, "bottom"), kvNoErr);
    seam.Place(1, {0, 0});
    seam.Place(2, {0, 0});
    KvLayerHandle refused = nullptr;
    EXPECT_EQ(seam.Layer().InsertLayer(top, kvPlaceAboveAll, &refused), kvBadParameterErr);
    EXPECT_EQ(seam.Layer().InsertLayer(nullptr, 1, &refused), kvBadParameterErr);
    EXPECT_EQ(refused, nullptr);
  });
  const auto layers = host.Layers();
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[0].title, "bottom");
  EXPECT_EQ(layers[1].title, "Layer 1");
  EXPECT_EQ(layers[2].title, "top");
  EXPECT_EQ(host.CurrentLayerIndex(), 0);
  EXPECT_EQ(ArtSymbols(), (std::vector<std::vector<int>>{{1, 2}, {}, {0}}));
}

TEST_F(DocumentTest, ExpandingKeepsTheInstanceAndAddsPlainArt) {
  Down([](Seam &seam) {
    KvArtHandle instance = seam.Place(1, {10, 20});
    KvArtHandle below = seam.Place(0, {0, 0}, kvPlaceBelowAll);
    KvArtHandle expanded = nullptr;
    ASSERT_EQ(seam.Symbol().ExpandInstance(instance, kvPlaceAboveAll, nullptr, &expanded), kvNoErr);
    // Plain art is no instance: it has no matrix to read and cannot expand.
    KvMatrix m{};
    EXPECT_EQ(seam.Symbol().GetInstanceMatrix(expanded, &m), kvBadParameterErr);
    KvArtHandle again = nullptr;
    EXPECT_EQ(seam.Symbol().ExpandInstance(expanded, kvPlaceAboveAll, nullptr, &again),
              kvBadParameterErr);
    ASSERT_EQ(seam.Art().DisposeArt(instance), kvNoErr);
    // The handle of deleted art is no longer valid.
    EXPECT_EQ(seam.Symbol().GetInstanceMatrix(instance, &m), kvBadParameterErr);
    EXPECT_EQ(seam.Art().DisposeArt(instance), kvBadParameterErr);
    EXPECT_EQ(seam.Art().DisposeArt(below), kvNoErr);
  });
  const auto art = host.Layers()[0].art;
  ASSERT_EQ(art.size(), 1u);
  EXPECT_EQ(art[0].kind, ArtKind::Expanded);
  EXPECT_EQ(art[0].symbolIndex, 1);
  EXPECT_EQ(art[0].matrix.tx, 10);
  EXPECT_EQ(art[0].matrix.ty, 20);
}

TEST_F(DocumentTest, NonFiniteMatricesNeverReachTheDocument) {
  Down([](Seam &seam) {
    KvArtHandle art = seam.Place(0, {0, 0});
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const KvMatrix &bad : {KvMatrix{inf, 0, 0, 1, 0, 0}, KvMatrix{1, 0, 0, 1, 0, nan},
                                KvMatrix{1, 0, -inf, 1, 0, 0}}) {
      EXPECT_EQ(seam.Symbol().SetInstanceMatrix(art, &bad), kvBadParameterErr);
    }
    KvArtHandle refused = nullptr;
    EXPECT_EQ(
        seam.Symbol().NewInstance(seam.NthSymbol(0), {nan, 0}, kvPlaceAboveAll, nullptr, &refused),
        kvBadParameterErr);
  });
  const auto art = host.Layers()[0].art;
  ASSERT_EQ(art.size(), 1u);
  EXPECT_EQ(art[0].matrix.a, 1);
  EXPECT_EQ(art[0].matrix.ty, -7);
}

TEST_F(DocumentTest, NullHandlesAndPlacesAreRefused) {
  Down([](Seam &seam) {
    const KvAISymbolSuite &symbol = seam.Symbol();
    KvDocumentHandle document = seam.Document();
    KvArtHandle art = seam.Place(0, {0, 0});
    KvMatrix m{};
    KvRect r{};
    int32_t count = 0;
    KvSymbolHandle s = nullptr;
    KvLayerHandle layer = nullptr;
    const KvError results[] = {
        symbol.CountSymbols(nullptr, document),
        symbol.CountSymbols(&count, nullptr),
        symbol.GetNthSymbol(0, nullptr, document),
        symbol.GetNthSymbol(3, &s, document),
        symbol.GetNthSymbol(-1, &s, document),
        symbol.GetSymbolDefinition(nullptr, &art),
        symbol.NewInstance(nullptr, {0, 0}, kvPlaceAboveAll, nullptr, &art),
        symbol.NewInstance(seam.NthSymbol(0), {0, 0}, kvPlaceAboveAll, art, &art),
        symbol.GetInstanceMatrix(nullptr, &m),
        symbol.GetInstanceMatrix(art, nullptr),
        symbol.SetInstanceMatrix(nullptr, &m),
        symbol.SetInstanceMatrix(art, nullptr),
        symbol.ExpandInstance(nullptr, kvPlaceAboveAll, nullptr, &art),
        seam.Art().GetArtBounds(nullptr, &r),
        seam.Art().GetArtBounds(art, nullptr),
        seam.Art().DisposeArt(nullptr),
        seam.Layer().InsertLayer(nullptr, kvPlaceAboveAll, nullptr),
        seam.Layer().SetLayerTitle(nullptr, "x"),
        seam.Layer().SetLayerTitle(layer, nullptr),
    };
    for (size_t i = 0; i < std::size(results); ++i) {
      EXPECT_EQ(results[i], kvBadParameterErr) << "call " << i;
    }
    EXPECT_EQ(s, nullptr);
  });
  EXPECT_EQ(host.Layers()[0].art.size(), 1u);
}

TEST_F(DocumentTest, SymbolsAreCountedAndSelectedByName) {
  host.SelectSymbol("leaf");
  Down([](Seam &seam) {
    int32_t count = 0;
    ASSERT_EQ(seam.Symbol().CountSymbols(&count, seam.Document()), kvNoErr);
    EXPECT_EQ(count, 3);
    const auto &palette =
        seam.Get<KvAISymbolPaletteSuite>(kvAISymbolPaletteSuiteName, kvAISymbolPaletteSuiteVersion);
    KvSymbolHandle selected = nullptr;
    ASSERT_EQ(palette.GetSelectedSymbol(&selected), kvNoErr);
    EXPECT_EQ(selected, seam.NthSymbol(2));
  });
  host.SelectSymbol("");
  Down([](Seam &seam) {
    const auto &palette =
        seam.Get<KvAISymbolPaletteSuite>(kvAISymbolPaletteSuiteName, kvAISymbolPaletteSuiteVersion);
    KvSymbolHandle selected = seam.NthSymbol(0);
    EXPECT_EQ(palette.GetSelectedSymbol(&selected), kvBadParameterErr);
    EXPECT_EQ(selected, nullptr);
  });
  EXPECT_THROW(host.SelectSymbol("nothing"), HostError);
}

TEST_F(DocumentTest, BadSymbolsAreRefusedWithTheirNames) {
  EXPECT_THROW(host.AddBuiltinSymbol("arrow"), HostError);  // already there
  EXPECT_THROW(host.AddBuiltinSymbol("no such symbol"), HostError);
  EXPECT_THROW(host.AddSymbol("", {{"M 0 0 L 1 1", "#000"}}), HostError);
  EXPECT_THROW(host.AddSymbol("empty", {}), HostError);
  try {
    host.AddSymbol("blob", {{"M 0 0 L 1 1", "#000"}, {"M 0 0 L 1 1 T 4 4", "#111"}});
    FAIL();
  } catch (const HostError &error) {
    EXPECT_STREQ(error.what(), "symbol 'blob', shape 2: unexpected 'T' at offset 12");
  }
  EXPECT_EQ(host.Symbols().size(), 3u);
}

TEST(BuiltinSymbols, AreDistinctSmallAndCentred) {
  Host host;
  std::vector<std::string> fills;
  for (const std::string &name : Host::BuiltinSymbolNames()) host.AddBuiltinSymbol(name);
  ASSERT_GE(host.Symbols().size(), 5u);
  for (const Symbol &symbol : host.Symbols()) {
    const KvRect &b = symbol.bounds;
    EXPECT_NEAR(b.right - b.left, 20, 4) << symbol.name;
    EXPECT_NEAR(b.top - b.bottom, 20, 8) << symbol.name;
    EXPECT_NEAR((b.left + b.right) / 2, 0, 2) << symbol.name;
    EXPECT_NEAR((b.top + b.bottom) / 2, 0, 2) << symbol.name;
    for (const PathShape &shape : symbol.art) fills.push_back(shape.fill);
  }
  std::sort(fills.begin(), fills.end());
  EXPECT_EQ(std::adjacent_find(fills.begin(), fills.end()), fills.end());
  // The arrow points along +x: its right half is its head, wider than its tail.
  const Symbol &arrow = host.Symbols()[0];
  EXPECT_EQ(arrow.name, "arrow");
  EXPECT_EQ(arrow.bounds.right, 10);
  EXPECT_NE(arrow.art[0].pathData.find("L 10 0"), std::string::npos);
}

}  // namespace
}  // namespace kavro::host
