#include "host/test_support.h"

#include <fstream>
#include <iterator>

namespace kavro::host::testing {
namespace {

Handler gHandler;

KvError KV_CALL LinkedEntry(const char *caller, const char *selector, void *record) {
  if (!gHandler) return kvNoErr;
  Seam seam(static_cast<KvMessage *>(record));
  return gHandler(caller, selector, seam);
}

std::function<KvError(const char *, const char *, Seam &)> Body(std::function<void(Seam &)> body) {
  return [body = std::move(body)](const char *, const char *, Seam &seam) {
    if (body) body(seam);
    return kvNoErr;
  };
}

}  // namespace

std::vector<uint8_t> TestResources() {
  std::ifstream in(KAVRO_HOST_TEST_RES, std::ios::binary);
  EXPECT_TRUE(in.good()) << "cannot read " << KAVRO_HOST_TEST_RES;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Seam::~Seam() {
  for (const auto &[name, version] : held_) message_->basic->ReleaseSuite(name, version);
}

const void *Seam::Acquire(const char *name, int32_t version) {
  const void *suite = nullptr;
  const KvError error = message_->basic->AcquireSuite(name, version, &suite);
  EXPECT_EQ(error, kvNoErr) << name;
  if (suite != nullptr) held_.emplace_back(name, version);
  return suite;
}

KvDocumentHandle Seam::Document() {
  KvDocumentHandle document = nullptr;
  EXPECT_EQ(Get<KvAIDocumentSuite>(kvAIDocumentSuiteName, kvAIDocumentSuiteVersion)
                .GetDocument(&document),
            kvNoErr);
  return document;
}

KvSymbolHandle Seam::NthSymbol(int32_t index) {
  KvSymbolHandle symbol = nullptr;
  EXPECT_EQ(Symbol().GetNthSymbol(index, &symbol, Document()), kvNoErr);
  return symbol;
}

KvArtHandle Seam::Place(int32_t index, KvPoint at, int16_t order) {
  KvArtHandle art = nullptr;
  EXPECT_EQ(Symbol().NewInstance(NthSymbol(index), at, order, nullptr, &art), kvNoErr);
  return art;
}

LinkedHostTest::LinkedHostTest() { host.UseLinkedModule(LinkedEntry, TestResources()); }

LinkedHostTest::~LinkedHostTest() { gHandler = nullptr; }

KvError LinkedHostTest::Tool(const char *selector, Handler handler, KvPoint cursor,
                             KvToolHandle tool) {
  gHandler = std::move(handler);
  return host.SendTool(selector, tool, cursor);
}

KvError LinkedHostTest::Interface(const char *selector, Handler handler) {
  gHandler = std::move(handler);
  return host.SendInterface(selector);
}

KvError LinkedHostTest::Raw(const char *caller, const char *selector, Handler handler) {
  gHandler = std::move(handler);
  return host.SendRaw(caller, selector);
}

KvError LinkedHostTest::Down(std::function<void(Seam &)> body) {
  return Tool(kvSelectorMouseDown, Body(std::move(body)));
}

KvError LinkedHostTest::Drag(std::function<void(Seam &)> body) {
  return Tool(kvSelectorMouseDrag, Body(std::move(body)));
}

KvError LinkedHostTest::Up(std::function<void(Seam &)> body) {
  return Tool(kvSelectorMouseUp, Body(std::move(body)));
}

std::vector<std::vector<int>> LinkedHostTest::ArtSymbols() const {
  std::vector<std::vector<int>> layers;
  for (const LayerView &layer : host.Layers()) {
    auto &symbols = layers.emplace_back();
    for (const ArtView &art : layer.art) symbols.push_back(art.symbolIndex);
  }
  return layers;
}

}  // namespace kavro::host::testing
