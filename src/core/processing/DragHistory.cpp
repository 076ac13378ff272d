#include "processing/DragHistory.h"

#include "processing/MainPolarization.h"

namespace lumaret::processing {

namespace {

// Puts the snapshot at the index back and analyses the file again, so that the results
// always describe the samples on screen.
void Restore(ProcessingDocument& doc, data::PatternFile& file, std::size_t index) {
  file.points = doc.processing.dragSnapshots[index];
  Reanalyse(doc, file);
}

}  // namespace

void BeginDrag(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys) {
  data::PatternFile* file = FirstLoaded(doc, displayedKeys);
  if (!file) return;
  ProcessingState& s = doc.processing;
  if (s.dragKey != file->key) s.dragSnapshots.clear();
  s.dragKey = file->key;
  if (s.dragIndex >= 0 && s.dragSnapshots.size() > static_cast<std::size_t>(s.dragIndex) + 1)
    s.dragSnapshots.resize(static_cast<std::size_t>(s.dragIndex) + 1);
  s.dragSnapshots.push_back(file->points);
  s.dragIndex = -1;
}

bool UndoDrag(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys) {
  data::PatternFile* file = FirstLoaded(doc, displayedKeys);
  ProcessingState& s = doc.processing;
  if (!file || s.dragSnapshots.empty() || s.dragKey != file->key) return false;
  if (s.dragIndex == -1) {
    s.dragSnapshots.push_back(file->points);
    s.dragIndex = static_cast<std::int32_t>(s.dragSnapshots.size()) - 2;
  } else if (s.dragIndex > 0) {
    --s.dragIndex;
  } else {
    return false;
  }
  Restore(doc, *file, static_cast<std::size_t>(s.dragIndex));
  return true;
}

bool RedoDrag(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys) {
  data::PatternFile* file = FirstLoaded(doc, displayedKeys);
  ProcessingState& s = doc.processing;
  // Index -1 means nothing has been undone since the last drag: there is nothing to redo.
  if (!file || s.dragKey != file->key || s.dragIndex < 0 || static_cast<std::size_t>(s.dragIndex) + 1 >= s.dragSnapshots.size())
    return false;
  ++s.dragIndex;
  Restore(doc, *file, static_cast<std::size_t>(s.dragIndex));
  return true;
}

void ResetDragHistory(ProcessingDocument& doc) {
  doc.processing.dragSnapshots.clear();
  doc.processing.dragIndex = -1;
}

void KeepCurrentDragSnapshot(ProcessingDocument& doc) {
  ProcessingState& s = doc.processing;
  if (s.dragIndex < 0 || static_cast<std::size_t>(s.dragIndex) >= s.dragSnapshots.size()) {
    ResetDragHistory(doc);
    return;
  }
  data::PointSequence current = std::move(s.dragSnapshots[static_cast<std::size_t>(s.dragIndex)]);
  s.dragSnapshots.clear();
  s.dragSnapshots.push_back(std::move(current));
  s.dragIndex = 0;
}

}  // namespace lumaret::processing
