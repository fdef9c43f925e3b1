// The objects of the document as the suites hand them out: art objects in a
// pool, layers, symbols. A handle given to the plug-in is the object's
// address; objects are never returned to the system while the document
// lives, so a stale handle reads a dead object rather than freed memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/path_data.h"
#include "hostapi/kv_types.h"

namespace kavro::host {

struct Layer;
struct SymbolEntry;

enum class ArtRole : uint8_t { Definition, Instance, Expanded };
// Free: in the pool. Live: in its layer's paint order. Deleted: out of the
// paint order but kept, because undo may bring it back.
enum class ArtState : uint8_t { Free, Live, Deleted };

struct ArtObject {
  ArtObject *below = nullptr;  // paint order within the layer; `above` also
  ArtObject *above = nullptr;  // links the pool's free list
  Layer *layer = nullptr;
  SymbolEntry *symbol = nullptr;
  KvMatrix matrix{};
  // Counts the object's lives in the pool: a change record that names an
  // older life no longer applies to it.
  uint32_t generation = 0;
  uint32_t createdStep = 0;
  ArtRole role = ArtRole::Instance;
  ArtState state = ArtState::Free;
};

struct Layer {
  std::string title;
  ArtObject *bottom = nullptr;
  ArtObject *top = nullptr;
  bool inDocument = false;
};

struct SymbolEntry {
  int index = 0;  // palette position
  std::vector<PathSegment> geometry;
  KvRect bounds{};
  float centreX = 0;  // centre of the bounds, computed in float
  float centreY = 0;
  ArtObject definition;  // the art that defines the symbol; in no layer
};

// Art objects allocated in chunks and recycled through a free list.
class ArtPool {
 public:
  ArtObject *Allocate() {
    if (free_ == nullptr) Grow();
    ArtObject *object = free_;
    free_ = object->above;
    object->above = nullptr;
    return object;
  }
  void Release(ArtObject *object) {
    ++object->generation;
    object->state = ArtState::Free;
    object->below = nullptr;
    object->layer = nullptr;
    object->above = free_;
    free_ = object;
  }

 private:
  static constexpr size_t kChunkSize = 4096;
  void Grow() {
    chunks_.push_back(std::make_unique<ArtObject[]>(kChunkSize));
    ArtObject *chunk = chunks_.back().get();
    for (size_t i = kChunkSize; i-- > 0;) {
      chunk[i].above = free_;
      free_ = &chunk[i];
    }
  }
  std::vector<std::unique_ptr<ArtObject[]>> chunks_;
  ArtObject *free_ = nullptr;
};

// Paint order: a doubly-linked list per layer, bottom to top.
inline void LinkAbove(Layer &layer, ArtObject *below, ArtObject *object) {
  object->layer = &layer;
  object->below = below;
  object->above = below != nullptr ? below->above : layer.bottom;
  (object->above != nullptr ? object->above->below : layer.top) = object;
  (below != nullptr ? below->above : layer.bottom) = object;
}
inline void LinkTop(Layer &layer, ArtObject *object) { LinkAbove(layer, layer.top, object); }
inline void LinkBottom(Layer &layer, ArtObject *object) { LinkAbove(layer, nullptr, object); }
inline void Unlink(ArtObject *object) {
  Layer &layer = *object->layer;
  (object->below != nullptr ? object->below->above : layer.bottom) = object->above;
  (object->above != nullptr ? object->above->below : layer.top) = object->below;
  object->below = nullptr;
  object->above = nullptr;
}

}  // namespace kavro::host
