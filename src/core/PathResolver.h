#pragma once

#include "core/Result.h"

#include <QString>

// The game was made for a file system that ignores letter case, and its files name each other
// in whatever case their authors typed ("init.con" for "Init.con"). On a case-sensitive file
// system this finds the file such a path means, one component at a time: the exact name when
// it exists, otherwise the one entry that differs from it only in letter case, otherwise the
// name as given (for a file or folder still to be made). Two or more entries that differ only
// in case, none of them exact, are an error naming them, since the game could read either.
// Doubled separators, such as a game folder at a root followed by "/mods/...", count as one.
Result<QString> resolvePath(const QString &path);

// The path with the letter case found on disk, or as given where it cannot be looked up: how
// messages name a file.
QString pathAsFound(const QString &path);
