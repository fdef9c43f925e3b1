// The host's document: the symbols of the palette, the layers and the art in
// paint order, with the undo of a stroke. The suites work on it through
// handles that are the objects' addresses.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "host/art_store.h"
#include "host/document.h"
#include "host/undo.h"

namespace kavro::host {

enum class PaintOrder { AboveAll, BelowAll };

class Document {
 public:
  Document();
  Document(const Document &) = delete;
  Document &operator=(const Document &) = delete;

  // --- symbols -----------------------------------------------------------
  // Throws HostError for an empty or duplicate name, no shapes, or bad path
  // data (naming the symbol and the shape).
  SymbolEntry &AddSymbol(const std::string &name, const std::vector<PathShape> &art);
  const std::vector<Symbol> &Symbols() const { return symbols_; }
  int SymbolCount() const { return static_cast<int>(symbols_.size()); }
  SymbolEntry &SymbolAt(int index) { return entries_[static_cast<size_t>(index)]; }
  // Null when there is no symbol of that name.
  SymbolEntry *FindSymbol(std::string_view name);

  // --- layers ------------------------------------------------------------
  Layer &CurrentLayer() const { return *current_; }
  int CurrentLayerIndex() const;
  // Inserts a layer above or below all others and makes it current.
  Layer &InsertLayer(PaintOrder order);
  void SetLayerTitle(Layer &layer, std::string_view title);
  // Bottom to top.
  std::vector<LayerView> Views() const;

  // --- art ---------------------------------------------------------------
  // A new instance whose symbol bounds are centred on `at`, in the current
  // layer.
  ArtObject &NewInstance(SymbolEntry &symbol, KvPoint at, PaintOrder order);
  // Plain art showing the instance as drawn, in the current layer.
  ArtObject &Expand(const ArtObject &instance, PaintOrder order);
  void Dispose(ArtObject &art);
  void SetMatrix(ArtObject &art, const KvMatrix &matrix);
  // The art as drawn: its symbol's geometry under its matrix.
  KvRect Bounds(const ArtObject &art) const;

  StrokeUndo &Undo() { return undo_; }

 private:
  friend class ChangeLog;

  ArtObject &Place(ArtRole role, SymbolEntry &symbol, const KvMatrix &matrix, PaintOrder order);
  // The primitives with which changes are taken back.
  void Release(ArtObject *art) { pool_.Release(art); }
  void Restore(ArtObject *art, ArtObject *below);
  void RemoveLayer(Layer *layer, Layer *previousCurrent);

  std::vector<Symbol> symbols_;      // what the writers see
  std::deque<SymbolEntry> entries_;  // the same symbols as the suites see them
  std::deque<Layer> layerStore_;     // every layer ever made; never moves
  std::vector<Layer *> layers_;      // the document's layers, bottom to top
  Layer *current_ = nullptr;
  int layersMade_ = 0;
  ArtPool pool_;
  StrokeUndo undo_;
};

}  // namespace kavro::host
