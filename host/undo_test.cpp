// Undo during a stroke: each drag message can take back what the previous
// drag message changed; mouse down's changes stay; mouse up commits.
#include <gtest/gtest.h>

#include "host/test_support.h"

namespace kavro::host {
namespace {

using testing::LinkedHostTest;
using testing::Seam;
using Art = std::vector<std::vector<int>>;

class UndoTest : public LinkedHostTest {
 protected:
  UndoTest() {
    for (const char *name : {"square", "circle", "star"}) host.AddBuiltinSymbol(name);
  }

  // A drag message as the tools make it: take back the previous step, then
  // place the given symbols.
  void Redraw(std::vector<int> symbols) {
    Drag([symbols](Seam &seam) {
      EXPECT_EQ(seam.Undo().UndoChanges(), kvNoErr);
      for (const int symbol : symbols) seam.Place(symbol, {0, 0});
    });
  }
};

TEST_F(UndoTest, EachDragTakesBackThePreviousDrag) {
  Down();
  Redraw({0, 1});
  EXPECT_EQ(ArtSymbols(), (Art{{0, 1}}));
  Redraw({2, 2, 2});
  EXPECT_EQ(ArtSymbols(), (Art{{2, 2, 2}}));
  Redraw({1});
  EXPECT_EQ(ArtSymbols(), (Art{{1}}));
  // Mouse up commits: its undo takes back nothing.
  Up([](Seam &seam) { EXPECT_EQ(seam.Undo().UndoChanges(), kvNoErr); });
  EXPECT_EQ(ArtSymbols(), (Art{{1}}));
  // Nor does the next stroke reach back into this one.
  Down();
  Redraw({0});
  EXPECT_EQ(ArtSymbols(), (Art{{1, 0}}));
}

TEST_F(UndoTest, MouseDownChangesAreNeverTakenBack) {
  Down([](Seam &seam) {
    KvLayerHandle layer = nullptr;
    seam.Layer().InsertLayer(nullptr, kvPlaceAboveAll, &layer);
    seam.Layer().SetLayerTitle(layer, " Kavro*");
    seam.Place(0, {0, 0});
    // Undo in mouse down takes back nothing either.
    seam.Undo().UndoChanges();
  });
  Redraw({1});
  Redraw({2});
  EXPECT_EQ(ArtSymbols(), (Art{{}, {0, 2}}));
  EXPECT_EQ(host.Layers()[1].title, " Kavro*");
  EXPECT_EQ(host.CurrentLayerIndex(), 1);
}

TEST_F(UndoTest, ADragThatDoesNotUndoLeavesATrail) {
  Down();
  Redraw({0});
  Drag([](Seam &seam) { seam.Place(1, {0, 0}); });  // paints over
  Drag([](Seam &seam) { seam.Place(2, {0, 0}); });
  EXPECT_EQ(ArtSymbols(), (Art{{0, 1, 2}}));
  // Only the previous message's art goes; earlier messages are committed.
  Redraw({});
  EXPECT_EQ(ArtSymbols(), (Art{{0, 1}}));
  // A second undo in the same message finds nothing more to take back.
  Drag([](Seam &seam) {
    seam.Undo().UndoChanges();
    seam.Undo().UndoChanges();
  });
  EXPECT_EQ(ArtSymbols(), (Art{{0, 1}}));
}

TEST_F(UndoTest, NewLayersAndTheCurrentLayerGoBack) {
  auto layerStep = [](Seam &seam) {
    EXPECT_EQ(seam.Undo().UndoChanges(), kvNoErr);
    KvLayerHandle layer = nullptr;
    ASSERT_EQ(seam.Layer().InsertLayer(nullptr, kvPlaceAboveAll, &layer), kvNoErr);
    ASSERT_EQ(seam.Layer().SetLayerTitle(layer, " Kavro*"), kvNoErr);
    seam.Place(1, {0, 0});
    seam.Place(2, {0, 0});
  };
  Down();
  for (int i = 0; i < 4; ++i) Drag(layerStep);
  Up();
  const auto layers = host.Layers();
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(layers[0].title, "Layer 1");
  EXPECT_EQ(layers[1].title, " Kavro*");
  EXPECT_EQ(ArtSymbols(), (Art{{}, {1, 2}}));
  EXPECT_EQ(host.CurrentLayerIndex(), 1);

  Down();
  Drag([](Seam &seam) {
    KvLayerHandle layer = nullptr;
    seam.Layer().InsertLayer(nullptr, kvPlaceBelowAll, &layer);
    seam.Place(0, {0, 0});
  });
  EXPECT_EQ(host.CurrentLayerIndex(), 0);
  Redraw({});
  // The layer made by the taken-back message is gone and the layer that was
  // current before it is current again.
  EXPECT_EQ(host.Layers().size(), 2u);
  EXPECT_EQ(host.CurrentLayerIndex(), 1);
}

TEST_F(UndoTest, DeletionsMatrixWritesAndTitlesComeBackInOrder) {
  KvArtHandle placed[3] = {};
  Down([&](Seam &seam) {
    for (int i = 0; i < 3; ++i) placed[i] = seam.Place(i, {0, 0});
  });
  Drag([&](Seam &seam) {
    KvMatrix m{2, 0, 0, 2, 7, 7};
    ASSERT_EQ(seam.Symbol().SetInstanceMatrix(placed[1], &m), kvNoErr);
    m.tx = 9;
    ASSERT_EQ(seam.Symbol().SetInstanceMatrix(placed[1], &m), kvNoErr);
    KvArtHandle expanded = nullptr;
    ASSERT_EQ(seam.Symbol().ExpandInstance(placed[1], kvPlaceBelowAll, nullptr, &expanded),
              kvNoErr);
    ASSERT_EQ(seam.Art().DisposeArt(placed[1]), kvNoErr);
    ASSERT_EQ(seam.Art().DisposeArt(placed[0]), kvNoErr);
    KvLayerHandle layer = nullptr;
    seam.Layer().InsertLayer(nullptr, kvPlaceAboveAll, &layer);
    seam.Layer().SetLayerTitle(layer, "renamed");
    seam.Layer().SetLayerTitle(layer, "renamed again");
  });
  EXPECT_EQ(ArtSymbols(), (Art{{1, 2}, {}}));
  EXPECT_EQ(host.Layers()[0].art[0].kind, ArtKind::Expanded);
  Redraw({});
  EXPECT_EQ(ArtSymbols(), (Art{{0, 1, 2}}));
  const auto art = host.Layers()[0].art;
  EXPECT_EQ(art[1].kind, ArtKind::Instance);
  EXPECT_EQ(art[1].matrix.a, 1);
  EXPECT_EQ(art[1].matrix.tx, 0);
  EXPECT_EQ(host.Layers()[0].title, "Layer 1");
  // The restored art is live again: the plug-in's handles work on it.
  Drag([&](Seam &seam) {
    KvMatrix m{};
    EXPECT_EQ(seam.Symbol().GetInstanceMatrix(placed[0], &m), kvNoErr);
  });
}

TEST_F(UndoTest, RetitlingAnOlderLayerGoesBack) {
  KvLayerHandle layer = nullptr;
  Down([&](Seam &seam) {
    seam.Layer().InsertLayer(nullptr, kvPlaceAboveAll, &layer);
    seam.Layer().SetLayerTitle(layer, "kept");
  });
  Drag([&](Seam &seam) { seam.Layer().SetLayerTitle(layer, "changed"); });
  EXPECT_EQ(host.Layers()[1].title, "changed");
  Redraw({});
  EXPECT_EQ(host.Layers()[1].title, "kept");
}

TEST_F(UndoTest, UndoOutsideADragTakesBackNothing) {
  Down();
  Redraw({0, 1});
  // A message between drags (the cursor moving, for instance) neither takes
  // back nor commits the step.
  const auto undo = [](const char *, const char *, Seam &seam) {
    return seam.Undo().UndoChanges();
  };
  EXPECT_EQ(Tool(kvSelectorTrackCursor, undo), kvNoErr);
  EXPECT_EQ(Interface("Other", undo), kvNoErr);
  EXPECT_EQ(ArtSymbols(), (Art{{0, 1}}));
  Redraw({2});
  EXPECT_EQ(ArtSymbols(), (Art{{2}}));
}

}  // namespace
}  // namespace kavro::host
