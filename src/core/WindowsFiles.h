#pragma once

#include <QString>

// What Windows says of a file beyond Qt's own messages, and its hard links. Built on Windows only.

// Why the file at `path` cannot be replaced or read, where Windows knows a reason a player can act
// on: another program (such as the running game) holds it open without sharing it, or it is
// marked read-only. Empty otherwise.
QString windowsRefusal(const QString &path);

// The name of the existing file or folder at `path` in the letter case it has on disk.
QString nameOnDisk(const QString &path);

// Makes `link` a second name of the file `existing` on the same NTFS volume; false where the file
// system or the volumes do not allow it.
bool makeHardLink(const QString &existing, const QString &link);
// How many names the file has (1 for a file without hard links); 0 when it cannot be opened.
int hardLinkCount(const QString &path);
