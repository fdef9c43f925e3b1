#include <algorithm>

#include "host/document_model.h"
#include "host/host.h"

namespace kavro::host {

Document::Document() { InsertLayer(PaintOrder::AboveAll); }

SymbolEntry &Document::AddSymbol(const std::string &name, const std::vector<PathShape> &art) {
  if (name.empty()) throw HostError("a symbol needs a name");
  if (FindSymbol(name) != nullptr) throw HostError("symbol '" + name + "' already exists");
  if (art.empty()) throw HostError("symbol '" + name + "' has no shapes");
  std::vector<PathSegment> geometry;
  for (size_t i = 0; i < art.size(); ++i) {
    const auto shape =
        ParsePathData(art[i].pathData, "symbol '" + name + "', shape " + std::to_string(i + 1));
    geometry.insert(geometry.end(), shape.begin(), shape.end());
  }
  SymbolEntry &entry = entries_.emplace_back();
  entry.index = SymbolCount();
  entry.geometry = std::move(geometry);
  entry.bounds = SegmentBounds(entry.geometry, kIdentityMatrix);
  entry.centreX = (entry.bounds.left + entry.bounds.right) / 2.0f;
  entry.centreY = (entry.bounds.top + entry.bounds.bottom) / 2.0f;
  entry.definition.role = ArtRole::Definition;
  entry.definition.state = ArtState::Live;
  entry.definition.symbol = &entry;
  entry.definition.matrix = kIdentityMatrix;
  symbols_.push_back({name, art, entry.bounds});
  return entry;
}

SymbolEntry *Document::FindSymbol(std::string_view name) {
  for (size_t i = 0; i < symbols_.size(); ++i) {
    if (symbols_[i].name == name) return &entries_[i];
  }
  return nullptr;
}

int Document::CurrentLayerIndex() const {
  const auto at = std::find(layers_.begin(), layers_.end(), current_);
  return static_cast<int>(at - layers_.begin());
}

Layer &Document::InsertLayer(PaintOrder order) {
  Layer &layer = layerStore_.emplace_back();
  layer.title = "Layer " + std::to_string(++layersMade_);
  layer.inDocument = true;
  if (order == PaintOrder::AboveAll) {
    layers_.push_back(&layer);
  } else {
    layers_.insert(layers_.begin(), &layer);
  }
  if (undo_.Logging()) undo_.Log().LayerInserted(&layer, current_);
  current_ = &layer;
  return layer;
}

void Document::SetLayerTitle(Layer &layer, std::string_view title) {
  if (undo_.Logging()) undo_.Log().LayerRetitled(&layer, std::move(layer.title));
  layer.title = title;
}

std::vector<LayerView> Document::Views() const {
  std::vector<LayerView> views;
  views.reserve(layers_.size());
  for (const Layer *layer : layers_) {
    LayerView &view = views.emplace_back();
    view.title = layer->title;
    for (const ArtObject *art = layer->bottom; art != nullptr; art = art->above) {
      view.art.push_back({art->role == ArtRole::Expanded ? ArtKind::Expanded : ArtKind::Instance,
                          art->symbol->index, art->matrix});
    }
  }
  return views;
}

ArtObject &Document::NewInstance(SymbolEntry &symbol, KvPoint at, PaintOrder order) {
  const KvMatrix placed{1, 0, 0, 1, at.x - symbol.centreX, at.y - symbol.centreY};
  return Place(ArtRole::Instance, symbol, placed, order);
}

ArtObject &Document::Expand(const ArtObject &instance, PaintOrder order) {
  return Place(ArtRole::Expanded, *instance.symbol, instance.matrix, order);
}

ArtObject &Document::Place(ArtRole role, SymbolEntry &symbol, const KvMatrix &matrix,
                           PaintOrder order) {
  ArtObject *art = pool_.Allocate();
  art->role = role;
  art->state = ArtState::Live;
  art->symbol = &symbol;
  art->matrix = matrix;
  art->createdStep = undo_.Step();
  if (order == PaintOrder::AboveAll) {
    LinkTop(*current_, art);
  } else {
    LinkBottom(*current_, art);
  }
  if (undo_.Logging()) undo_.Log().ArtCreated(art);
  return *art;
}

void Document::Dispose(ArtObject &art) {
  ArtObject *below = art.below;
  Unlink(&art);
  // Art made in this same drag message goes at once: taking the message back
  // would only remove it again.
  if (undo_.Logging() && art.createdStep != undo_.Step()) {
    art.state = ArtState::Deleted;
    undo_.Log().ArtDeleted(&art, below);
  } else {
    pool_.Release(&art);
  }
}

void Document::SetMatrix(ArtObject &art, const KvMatrix &matrix) {
  if (undo_.Logging() && art.createdStep != undo_.Step()) {
    undo_.Log().MatrixWritten(&art, art.matrix);
  }
  art.matrix = matrix;
}

KvRect Document::Bounds(const ArtObject &art) const {
  if (art.role == ArtRole::Definition) return art.symbol->bounds;
  return SegmentBounds(art.symbol->geometry, art.matrix);
}

void Document::Restore(ArtObject *art, ArtObject *below) {
  Layer *layer = art->layer;
  if (!layer->inDocument) {
    // Its layer was taken back meanwhile: nothing can show it any more.
    pool_.Release(art);
    return;
  }
  // The art below normally is exactly where it was, since changes are taken
  // back newest first; if it has gone, the restored art goes to the bottom.
  if (below != nullptr && (below->state != ArtState::Live || below->layer != layer)) {
    below = nullptr;
  }
  art->state = ArtState::Live;
  LinkAbove(*layer, below, art);
}

void Document::RemoveLayer(Layer *layer, Layer *previousCurrent) {
  // A layer that holds art made after the taken-back message stays, so that
  // no art is lost; only which layer is current goes back.
  if (layer->bottom == nullptr && layers_.size() > 1) {
    layers_.erase(std::find(layers_.begin(), layers_.end(), layer));
    layer->inDocument = false;
  }
  if (previousCurrent != nullptr && previousCurrent->inDocument) current_ = previousCurrent;
  if (!current_->inDocument) current_ = layers_.back();
}

}  // namespace kavro::host
