// Undo during a stroke: what each drag message changed, so that the next drag
// message can take it back.
//
// A stroke is mouse down, drag messages, mouse up. Only drag messages are
// logged: the changes of mouse down are never taken back, and mouse up
// commits the stroke. The undo operation, called in a drag message, takes
// back the log of the previous drag message in reverse order; its cost is in
// proportion to what that message changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/art_store.h"

namespace kavro::host {

class Document;

// The changes of one drag message, oldest first.
class ChangeLog {
 public:
  ChangeLog() { changes_.reserve(4096); }

  void ArtCreated(ArtObject *object) { changes_.push_back(Change::For(Kind::ArtCreated, object)); }
  void ArtDeleted(ArtObject *object, ArtObject *below);
  void MatrixWritten(ArtObject *object, const KvMatrix &old);
  void LayerInserted(Layer *layer, Layer *previousCurrent);
  void LayerRetitled(Layer *layer, std::string oldTitle);

  bool Empty() const { return changes_.empty(); }
  // Takes the changes back, newest first, and forgets them.
  void Revert(Document &document);
  // Keeps the changes for good: deleted art can no longer come back.
  void Commit(Document &document);

 private:
  enum class Kind : uint8_t { ArtCreated, ArtDeleted, MatrixWritten, LayerInserted, LayerRetitled };
  struct Change {
    Kind kind;
    uint32_t generation;  // of the art object, when the change is about one
    union {
      ArtObject *art;
      Layer *layer;
    };
    union {
      ArtObject *below;  // ArtDeleted: the art it was above
      Layer *previousCurrent;
      size_t title;  // LayerRetitled: index into titles_
      KvMatrix matrix;
    };
    static Change For(Kind kind, ArtObject *object) {
      Change change;
      change.kind = kind;
      change.generation = object->generation;
      change.art = object;
      change.below = nullptr;
      return change;
    }
  };
  void RevertOne(Document &document, const Change &change);
  void Clear();

  std::vector<Change> changes_;
  std::vector<std::string> titles_;
};

// The stroke's state across tool messages.
class StrokeUndo {
 public:
  void StartStroke(Document &document);   // mouse down
  void StartDrag(Document &document);     // each drag message
  void FinishStroke(Document &document);  // mouse up
  void StartOtherMessage();               // any other message
  void EndMessage();
  // The undo operation; takes back nothing outside a drag message.
  void UndoPreviousDrag(Document &document);

  // Whether changes are logged now (inside a drag message).
  bool Logging() const { return logging_; }
  uint32_t Step() const { return step_; }
  ChangeLog &Log() { return current_; }

 private:
  ChangeLog previous_;  // the previous drag message's changes
  ChangeLog current_;
  uint32_t step_ = 0;
  bool logging_ = false;
  bool inDrag_ = false;
};

}  // namespace kavro::host
