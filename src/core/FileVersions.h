#pragma once

#include "core/ProgramFolder.h"
#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Earlier bytes of the game files the program replaced, kept in the program folder so that any
// of them can be written back. Every file has a folder of its own below "versions", named by a
// checksum of the file's path on disk (found without regard to letter case, links followed), so
// two installations or two mods never share one, and a name typed in another letter case finds
// the same. That folder holds the path ("file") and the versions, one file each, named by the
// time they were kept (UTC) and the process that kept them; the newest `KeptVersions` stay.
//
// Keeping a version and replacing the file is one step for other writers only while the caller
// holds the program folder's lock (ProgramFolder::whileLocked), as every save and vantrax call does.

inline constexpr int KeptVersions = 20;

struct FileVersion {
    QString name;
    QDateTime kept;
    qint64 size = 0;
};

// Writes the bytes to the game file, unless it holds them already. When the file exists with other
// bytes, they are first kept as its newest version, unless that version holds them already; when
// they cannot be kept, the file is not written and the failure names it and the reason.
Status replaceGameFile(const ProgramFolder &folder, const QString &path, const QByteArray &bytes);
// The same for a whole text: in the game's code page, then one CR LF.
Status replaceGameText(const ProgramFolder &folder, const QString &path, const QString &text);

// The files in the game folder, or below it, that have versions, as their paths on disk, sorted.
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
