// The document and drawing suites: math, art, symbols, layers, undo, random
// numbers, tools and number texts.
#include <cmath>
#include <cstring>
#include <optional>

#include "host/host_impl.h"
#include "host/number_text.h"
#include "host/real_math.h"

namespace kavro::host {
namespace {

// --- handles -------------------------------------------------------------------

ArtObject *ArtOf(KvArtHandle handle) { return reinterpret_cast<ArtObject *>(handle); }
KvArtHandle HandleOf(ArtObject &art) { return reinterpret_cast<KvArtHandle>(&art); }
SymbolEntry *SymbolOf(KvSymbolHandle handle) { return reinterpret_cast<SymbolEntry *>(handle); }
KvSymbolHandle HandleOf(SymbolEntry &symbol) { return reinterpret_cast<KvSymbolHandle>(&symbol); }
Layer *LayerOf(KvLayerHandle handle) { return reinterpret_cast<Layer *>(handle); }
KvLayerHandle HandleOf(Layer &layer) { return reinterpret_cast<KvLayerHandle>(&layer); }
KvDocumentHandle HandleOf(Document &document) {
  return reinterpret_cast<KvDocumentHandle>(&document);
}

// Art the document shows (or a symbol's defining art); null otherwise.
ArtObject *LiveArt(KvArtHandle handle) {
  ArtObject *art = ArtOf(handle);
  return art != nullptr && art->state == ArtState::Live ? art : nullptr;
}

ArtObject *LiveInstance(KvArtHandle handle) {
  ArtObject *art = LiveArt(handle);
  return art != nullptr && art->role == ArtRole::Instance ? art : nullptr;
}

// Only "above all" and "below all" without a reference object are served.
std::optional<PaintOrder> OrderOf(int16_t code, const void *reference) {
  if (reference != nullptr) return std::nullopt;
  if (code == kvPlaceAboveAll) return PaintOrder::AboveAll;
  if (code == kvPlaceBelowAll) return PaintOrder::BelowAll;
  return std::nullopt;
}

bool IsFinite(const KvMatrix &m) {
  return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
         std::isfinite(m.tx) && std::isfinite(m.ty);
}

// --- AI Real Math Suite ----------------------------------------------------

float KV_CALL DegreesToRadiansOp(float degrees) {
  return ServeValue(Op::DegreesToRadians, 0.0f,
                    [&](Host::Impl &) { return DegreesToRadians(degrees); });
}

float KV_CALL PointAngleOp(const KvPoint *p1, const KvPoint *p2) {
  return ServeValue(Op::PointAngle, 0.0f, [&](Host::Impl &host) {
    if (p1 == nullptr || p2 == nullptr) {
      ReportMisuse(host, Op::PointAngle, "null point");
      return 0.0f;
    }
    return PointAngle(*p1, *p2);
  });
}

float KV_CALL SqrtOp(float value) {
  return ServeValue(Op::Sqrt, 0.0f, [&](Host::Impl &) { return Sqrt(value); });
}

float KV_CALL SinOp(float radians) {
  return ServeValue(Op::Sin, 0.0f, [&](Host::Impl &) { return Sin(radians); });
}

float KV_CALL CosOp(float radians) {
  return ServeValue(Op::Cos, 0.0f, [&](Host::Impl &) { return Cos(radians); });
}

template <class Append>
void ServeMatrix(Op op, KvMatrix *matrix, Append &&append) {
  ServeVoid(op, [&](Host::Impl &host) {
    if (matrix == nullptr) {
      ReportMisuse(host, op, "null matrix");
      return;
    }
    append(*matrix);
  });
}

void KV_CALL MatrixConcatTranslate(KvMatrix *matrix, float tx, float ty) {
  ServeMatrix(Op::MatrixConcatTranslate, matrix, [&](KvMatrix &m) { AppendTranslate(m, tx, ty); });
}

void KV_CALL MatrixConcatScale(KvMatrix *matrix, float sx, float sy) {
  ServeMatrix(Op::MatrixConcatScale, matrix, [&](KvMatrix &m) { AppendScale(m, sx, sy); });
}

void KV_CALL MatrixConcatRotate(KvMatrix *matrix, float radians) {
  ServeMatrix(Op::MatrixConcatRotate, matrix, [&](KvMatrix &m) { AppendRotate(m, radians); });
}

// --- AI Art Suite ------------------------------------------------------------

KvError KV_CALL GetArtBounds(KvArtHandle handle, KvRect *bounds) {
  return Serve(Op::GetArtBounds, [&](Host::Impl &host) {
    const ArtObject *art = LiveArt(handle);
    if (art == nullptr || bounds == nullptr) return kvBadParameterErr;
    *bounds = host.document.Bounds(*art);
    return kvNoErr;
  });
}

KvError KV_CALL DisposeArt(KvArtHandle handle) {
  return Serve(Op::DisposeArt, [&](Host::Impl &host) {
    ArtObject *art = LiveArt(handle);
    // A symbol's defining art belongs to the symbol.
    if (art == nullptr || art->role == ArtRole::Definition) return kvBadParameterErr;
    host.document.Dispose(*art);
    return kvNoErr;
  });
}

// --- AI User Suite -----------------------------------------------------------

KvError KV_CALL NumberToText(float value, int16_t decimals, unsigned char *text) {
  return Serve(Op::NumberToText, [&](Host::Impl &) {
    if (text == nullptr) return kvBadParameterErr;
    const std::optional<std::string> formatted = FormatNumber(value, decimals);
    if (!formatted || formatted->size() > 255) return kvBadParameterErr;
    text[0] = static_cast<unsigned char>(formatted->size());
    std::memcpy(text + 1, formatted->data(), formatted->size());
    return kvNoErr;
  });
}

KvError KV_CALL TextToNumber(const unsigned char *text, float *value) {
  return Serve(Op::TextToNumber, [&](Host::Impl &) {
    if (text == nullptr || value == nullptr) return kvBadParameterErr;
    const std::optional<float> number =
        ParseNumber(std::string_view(reinterpret_cast<const char *>(text + 1), text[0]));
    if (!number) return kvBadParameterErr;
    *value = *number;
    return kvNoErr;
  });
}

// --- AI Undo Suite -----------------------------------------------------------

KvError KV_CALL UndoChanges() {
  return Serve(Op::UndoChanges, [&](Host::Impl &host) {
    host.document.Undo().UndoPreviousDrag(host.document);
    return kvNoErr;
  });
}

// --- AI Random Suite ---------------------------------------------------------

float KV_CALL FloatRnd() {
  return ServeValue(Op::FloatRnd, 0.0f, [&](Host::Impl &host) { return host.random.Next(); });
}

// --- AI Symbol Suite ---------------------------------------------------------

bool IsDocument(Host::Impl &host, KvDocumentHandle document) {
  return document == HandleOf(host.document);
}

KvError KV_CALL CountSymbols(int32_t *count, KvDocumentHandle document) {
  return Serve(Op::CountSymbols, [&](Host::Impl &host) {
    if (count == nullptr || !IsDocument(host, document)) return kvBadParameterErr;
    *count = host.document.SymbolCount();
    return kvNoErr;
  });
}

KvError KV_CALL GetNthSymbol(int32_t index, KvSymbolHandle *symbol, KvDocumentHandle document) {
  return Serve(Op::GetNthSymbol, [&](Host::Impl &host) {
    if (symbol == nullptr || !IsDocument(host, document) || index < 0 ||
        index >= host.document.SymbolCount()) {
      return kvBadParameterErr;
    }
    *symbol = HandleOf(host.document.SymbolAt(index));
    return kvNoErr;
  });
}

KvError KV_CALL GetSymbolDefinition(KvSymbolHandle symbol, KvArtHandle *art) {
  return Serve(Op::GetSymbolDefinition, [&](Host::Impl &) {
    if (symbol == nullptr || art == nullptr) return kvBadParameterErr;
    *art = HandleOf(SymbolOf(symbol)->definition);
    return kvNoErr;
  });
}

KvError KV_CALL NewInstance(KvSymbolHandle symbol, KvPoint at, int16_t paintOrder,
                            KvArtHandle reference, KvArtHandle *instance) {
  return Serve(Op::NewInstance, [&](Host::Impl &host) {
    const std::optional<PaintOrder> order = OrderOf(paintOrder, reference);
    if (symbol == nullptr || instance == nullptr || !order || !std::isfinite(at.x) ||
        !std::isfinite(at.y)) {
      return kvBadParameterErr;
    }
    *instance = HandleOf(host.document.NewInstance(*SymbolOf(symbol), at, *order));
    return kvNoErr;
  });
}

KvError KV_CALL GetInstanceMatrix(KvArtHandle handle, KvMatrix *matrix) {
  return Serve(Op::GetInstanceMatrix, [&](Host::Impl &) {
    const ArtObject *art = LiveInstance(handle);
    if (art == nullptr || matrix == nullptr) return kvBadParameterErr;
    *matrix = art->matrix;
    return kvNoErr;
  });
}

KvError KV_CALL SetInstanceMatrix(KvArtHandle handle, const KvMatrix *matrix) {
  return Serve(Op::SetInstanceMatrix, [&](Host::Impl &host) {
    ArtObject *art = LiveInstance(handle);
    // No infinite or undefined matrix reaches the document.
    if (art == nullptr || matrix == nullptr || !IsFinite(*matrix)) return kvBadParameterErr;
    host.document.SetMatrix(*art, *matrix);
    return kvNoErr;
  });
}

KvError KV_CALL ExpandInstance(KvArtHandle handle, int16_t paintOrder, KvArtHandle reference,
                               KvArtHandle *expanded) {
  return Serve(Op::ExpandInstance, [&](Host::Impl &host) {
    const ArtObject *art = LiveInstance(handle);
    const std::optional<PaintOrder> order = OrderOf(paintOrder, reference);
    if (art == nullptr || expanded == nullptr || !order) return kvBadParameterErr;
    *expanded = HandleOf(host.document.Expand(*art, *order));
    return kvNoErr;
  });
}

// --- AI Symbol Palette Suite ------------------------------------------------

KvError KV_CALL GetSelectedSymbol(KvSymbolHandle *symbol) {
  return Serve(Op::GetSelectedSymbol, [&](Host::Impl &host) {
    if (symbol == nullptr) return kvBadParameterErr;
    if (host.selectedSymbol == nullptr) {
      *symbol = nullptr;
      return kvBadParameterErr;
    }
    *symbol = HandleOf(*host.selectedSymbol);
    return kvNoErr;
  });
}

// --- AI Document Suite -------------------------------------------------------

KvError KV_CALL GetDocument(KvDocumentHandle *document) {
  return Serve(Op::GetDocument, [&](Host::Impl &host) {
    if (document == nullptr) return kvBadParameterErr;
    *document = HandleOf(host.document);
    return kvNoErr;
  });
}

// --- AI Layer Suite ----------------------------------------------------------

KvError KV_CALL InsertLayer(KvLayerHandle reference, int16_t paintOrder, KvLayerHandle *layer) {
  return Serve(Op::InsertLayer, [&](Host::Impl &host) {
    const std::optional<PaintOrder> order = OrderOf(paintOrder, reference);
    if (layer == nullptr || !order) return kvBadParameterErr;
    *layer = HandleOf(host.document.InsertLayer(*order));
    return kvNoErr;
  });
}

KvError KV_CALL SetLayerTitle(KvLayerHandle handle, const char *title) {
  return Serve(Op::SetLayerTitle, [&](Host::Impl &host) {
    Layer *layer = LayerOf(handle);
    if (layer == nullptr || title == nullptr || !layer->inDocument) return kvBadParameterErr;
    host.document.SetLayerTitle(*layer, title);
    return kvNoErr;
  });
}

// --- AI Tool Suite -----------------------------------------------------------

bool IsToolNumber(const Host::Impl &host, int16_t number) {
  return number >= 1 && number <= static_cast<int>(host.tools.size());
}

bool IsIcon(const Host::Impl &host, KvIconRef icon) {
  return icon >= kFirstIconRef && icon - kFirstIconRef < host.icons.size();
}

KvError KV_CALL AddTool(KvPluginRef plugin, const char *title, const KvAddToolData *data,
                        int32_t options, KvToolHandle *tool) {
  return Serve(Op::AddTool, [&](Host::Impl &host) {
    if (plugin != &host.plugin || title == nullptr || data == nullptr || tool == nullptr ||
        !IsIcon(host, data->icon) || host.tools.size() >= 0x7FFF) {
      return kvBadParameterErr;
    }
    // A tool joins a new group, or the group of a tool already in the box.
    for (const int16_t group : {data->group, data->toolset}) {
      if (group != kvNewToolGroup && !IsToolNumber(host, group)) return kvBadParameterErr;
    }
    const auto handle = static_cast<KvToolHandle>(kFirstToolHandle + host.tools.size());
    const auto number = static_cast<int16_t>(host.tools.size() + 1);
    host.tools.push_back({title, data->tooltip != nullptr ? data->tooltip : "", handle, number,
                          data->group, data->toolset, data->icon, options});
    *tool = handle;
    return kvNoErr;
  });
}

KvError KV_CALL GetToolNumberFromName(const char *title, int16_t *number) {
  return Serve(Op::GetToolNumberFromName, [&](Host::Impl &host) {
    if (title == nullptr || number == nullptr) return kvBadParameterErr;
    // The newest tool of that title: a module started again registers its
    // tools again.
    for (auto tool = host.tools.rbegin(); tool != host.tools.rend(); ++tool) {
      if (tool->title == title) {
        *number = tool->number;
        return kvNoErr;
      }
    }
    return kvBadParameterErr;
  });
}

}  // namespace

const KvAIRealMathSuite kRealMathSuite{
    DegreesToRadiansOp, PointAngleOp,      SqrtOp, SinOp, CosOp, MatrixConcatTranslate,
    MatrixConcatScale,  MatrixConcatRotate};
const KvAIArtSuite kArtSuite{GetArtBounds, DisposeArt};
const KvAIUserSuite kUserSuite{NumberToText, TextToNumber};
const KvAIUndoSuite kUndoSuite{UndoChanges};
const KvAIRandomSuite kRandomSuite{FloatRnd};
const KvAISymbolSuite kSymbolSuite{CountSymbols,  GetNthSymbol,      GetSymbolDefinition,
                                   NewInstance,   GetInstanceMatrix, SetInstanceMatrix,
                                   ExpandInstance};
const KvAISymbolPaletteSuite kSymbolPaletteSuite{GetSelectedSymbol};
const KvAIDocumentSuite kDocumentSuite{GetDocument};
const KvAILayerSuite kLayerSuite{InsertLayer, SetLayerTitle};
const KvAIToolSuite kToolSuite{AddTool, GetToolNumberFromName};

}  // namespace kavro::host
