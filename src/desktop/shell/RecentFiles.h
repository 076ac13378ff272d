#pragma once

#include <QString>
#include <QStringList>

namespace lumaret::desktop {

// The "Recent Open Files" list, kept in the user's settings (QSettings, organisation and
// application "Lumaret"): the four paths opened last, the newest first.
class RecentFiles {
 public:
  static constexpr int kMaxEntries = 4;
  QStringList Entries() const;
  // Puts the path first; an entry already in the list moves up instead of repeating.
  void Add(const QString& path);
  void Remove(const QString& path);
};

}  // namespace lumaret::desktop
