#pragma once

#include "core/ProgramFolder.h"
#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Earlier bytes of the game files the program replaced, kept in the program folder so that any
// of them can be written back. Every file has a folder of its own below "versions", named by a
// checksum of the file's path on disk (found without regard to letter case, links followed), so
// two installations or two mods never share one, and a name typed in another letter case finds
// the same. That folder holds the path ("file"), the other paths the file was saved by where they
// differ from it ("given", one a line, such as a path through a linked mod folder), and the
// versions, one file each, named by their number in the order they were kept and the time (UTC):
// "<n>-<time>.version". The last `KeptVersions` kept stay, whatever the clock said. Versions of
// earlier releases ("<time>-<process>-<n>.version") count as kept before those, in their time's
// order.
//
// A version is never writable (mode 0444) and never changes: it is a second name of the replaced
// file's data only where that file had no other name (and belongs to the user saving), so nothing
// else can write to it; elsewhere it is a copy.
//
// Keeping a version and replacing the file is one step for other writers only while the caller
// holds the program folder's lock (ProgramFolder::whileLocked), as every save and vantrax call does.

inline constexpr int KeptVersions = 20;

struct FileVersion {
    QString name;
    QDateTime kept;
    qint64 size = 0;
};

// The state file that remembers a save's values, changed with the game file: its new lines, or,
// without any, it is deleted. `anew` deletes it before writing, so that it takes its own name
// again whatever letter case the old one had.
struct StateChange {
    QString name;
    std::optional<QStringList> lines;
    bool anew = false;
};

// Writes the bytes to the game file, unless it holds them already. When the file exists with other
// bytes, they are first kept as its newest version, unless that version holds them already; when
// they cannot be kept, the file is not written and the failure names it and the reason.
// With a state change, both files are written to their temporary files before either is
// replaced; where the state file then cannot be written after all, the game file is put back
// from its version and the failure names both files.
Status replaceGameFile(const ProgramFolder &folder, const QString &path, const QByteArray &bytes,
                       const std::optional<StateChange> &state = std::nullopt);
// The same for a whole text: in the game's code page, then one CR LF.
Status replaceGameText(const ProgramFolder &folder, const QString &path, const QString &text,
                       const std::optional<StateChange> &state = std::nullopt);
// Writes the version back as replaceGameFile writes bytes, a part at a time.
Status restoreVersion(const ProgramFolder &folder, const QString &path, const FileVersion &version);

// The files in the game folder, or below it, that have versions, as their paths on disk, or as
// they were given where only that is below the game folder (through a link that leads out of
// it), sorted.
QStringList filesWithVersions(const ProgramFolder &folder, const QString &gameFolder);
// The file's versions, newest first.
QList<FileVersion> fileVersions(const ProgramFolder &folder, const QString &path);
Result<QByteArray> versionBytes(const ProgramFolder &folder, const QString &path, const FileVersion &version);

// Where a version's bytes first differ from the file's bytes now, for a person choosing one:
// "line <n>: <the version's line>", with a long line cut short.
QString firstDifference(const QByteArray &version, const QByteArray &now);

// How the versions list a file: its path below the game folder where it is there, else its whole
// path, in native separators.
QString shownBelow(const QString &gameFolder, const QString &file);

// The file's path on disk, by which its versions are kept.
QString pathOnDisk(const QString &path);
