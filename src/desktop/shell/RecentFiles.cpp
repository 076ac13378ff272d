#include "desktop/shell/RecentFiles.h"

#include <QSettings>

namespace lumaret::desktop {
namespace {

constexpr const char* kKey = "Recent Open Files/files";

void Store(const QStringList& entries) {
  QSettings settings("Lumaret", "Lumaret");
  settings.setValue(kKey, entries);
}

}  // namespace

QStringList RecentFiles::Entries() const {
  QStringList entries = QSettings("Lumaret", "Lumaret").value(kKey).toStringList();
  while (entries.size() > kMaxEntries) entries.removeLast();
  return entries;
}

void RecentFiles::Add(const QString& path) {
  QStringList entries = Entries();
  entries.removeAll(path);
  entries.prepend(path);
  while (entries.size() > kMaxEntries) entries.removeLast();
  Store(entries);
}

void RecentFiles::Remove(const QString& path) {
  QStringList entries = Entries();
  entries.removeAll(path);
  Store(entries);
}

}  // namespace lumaret::desktop
