#pragma once

#include "core/ProgramFolder.h"

#include <QStringList>

#include <functional>

// The tweak editor's recent files, stored in the program folder as a line-record file: one whole
// path a line, in native separators, newest first.
inline const QString RecentTweaksStore = QStringLiteral("recentTweaks.ini");
constexpr qsizetype RecentFilesKept = 8;

// Whether the two paths name one file, as the program finds game files: through links, in the
// letter case on disk, and on Windows in any letter case, also for a file that is gone.
bool sameFile(const QString &one, const QString &other);
// The list with the file at its top, as a whole path in the letter case on disk, taken from where
// it stood before; the oldest beyond the number kept fall off.
QStringList withRecentFile(const QStringList &files, const QString &path);
QStringList withoutRecentFile(const QStringList &files, const QString &path);

// The stored list; empty when there is none or it cannot be read.
QStringList readRecentFiles(const ProgramFolder &folder);
// Changes the stored list while no other writer runs, reading it afresh so that what another
// running copy stored stays, and returns the changed list. When it cannot be stored the changed
// list is still returned, unstored: it only helps to find files again, and the load or save that
// changed it has succeeded all the same.
QStringList changeRecentFiles(const ProgramFolder &folder,
                              const std::function<QStringList(const QStringList &)> &change);
