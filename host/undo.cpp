#include "host/undo.h"

#include <utility>

#include "host/document_model.h"

namespace kavro::host {

void ChangeLog::ArtDeleted(ArtObject *object, ArtObject *below) {
  Change change = Change::For(Kind::ArtDeleted, object);
  change.below = below;
  changes_.push_back(change);
}

void ChangeLog::MatrixWritten(ArtObject *object, const KvMatrix &old) {
  Change change = Change::For(Kind::MatrixWritten, object);
  change.matrix = old;
  changes_.push_back(change);
}

void ChangeLog::LayerInserted(Layer *layer, Layer *previousCurrent) {
  Change change;
  change.kind = Kind::LayerInserted;
  change.generation = 0;
  change.layer = layer;
  change.previousCurrent = previousCurrent;
  changes_.push_back(change);
}

void ChangeLog::LayerRetitled(Layer *layer, std::string oldTitle) {
  Change change;
  change.kind = Kind::LayerRetitled;
  change.generation = 0;
  change.layer = layer;
  change.title = titles_.size();
  titles_.push_back(std::move(oldTitle));
  changes_.push_back(change);
}

void ChangeLog::Revert(Document &document) {
  for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
    RevertOne(document, *change);
  }
  Clear();
}

void ChangeLog::RevertOne(Document &document, const Change &change) {
  switch (change.kind) {
    case Kind::ArtCreated:
      // Art released since (deleted in the same message) is already gone.
      if (change.art->generation != change.generation) return;
      if (change.art->state == ArtState::Live) Unlink(change.art);
      document.Release(change.art);
      return;
    case Kind::ArtDeleted:
      if (change.art->generation == change.generation && change.art->state == ArtState::Deleted) {
        document.Restore(change.art, change.below);
      }
      return;
    case Kind::MatrixWritten:
      if (change.art->generation == change.generation) change.art->matrix = change.matrix;
      return;
    case Kind::LayerInserted:
      document.RemoveLayer(change.layer, change.previousCurrent);
      return;
    case Kind::LayerRetitled:
      change.layer->title = std::move(titles_[change.title]);
      return;
  }
}

void ChangeLog::Commit(Document &document) {
  for (const Change &change : changes_) {
    if (change.kind == Kind::ArtDeleted && change.art->generation == change.generation &&
        change.art->state == ArtState::Deleted) {
      document.Release(change.art);
    }
  }
  Clear();
}

void ChangeLog::Clear() {
  changes_.clear();
  titles_.clear();
}

void StrokeUndo::StartStroke(Document &document) {
  previous_.Commit(document);
  current_.Commit(document);
  ++step_;
  logging_ = false;
  inDrag_ = false;
}

void StrokeUndo::StartDrag(Document &document) {
  // The message before the previous one can no longer be taken back.
  previous_.Commit(document);
  std::swap(previous_, current_);
  ++step_;
  logging_ = true;
  inDrag_ = true;
}

void StrokeUndo::FinishStroke(Document &document) { StartStroke(document); }

void StrokeUndo::StartOtherMessage() {
  logging_ = false;
  inDrag_ = false;
}

void StrokeUndo::EndMessage() { StartOtherMessage(); }

void StrokeUndo::UndoPreviousDrag(Document &document) {
  if (inDrag_) previous_.Revert(document);
}

}  // namespace kavro::host
