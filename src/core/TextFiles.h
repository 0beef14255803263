#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Every file access of the program goes through here. Each path is first resolved without
// regard to letter case; each failure names the file and the reason. Only regular files are
// read. Writes are atomic: the new content goes to a temporary file beside the target, which
// then replaces it, so a failed write leaves the previous file byte for byte. A replaced file
// keeps its owner and permissions (less set-user-ID and set-group-ID) where the system allows.

// Reads the whole file; with a `limit`, a larger file is refused unread.
Result<QByteArray> readFileBytes(const QString &path, qint64 limit = -1);
Status writeFileBytes(const QString &path, const QByteArray &bytes);
Status removeFile(const QString &path);

// Whole-text files: the text in the game's code page, then one CR LF, so a written file ends
// with one line break more than its text.
Result<QString> readWholeText(const QString &path);
// The bytes of the text as its file at `path` holds it (replaceGameText writes them); a failure
// names that file.
Result<QByteArray> wholeTextBytes(const QString &path, const QString &text);
// The same for a text given in parts, each call of `nextPart` the next one and an empty one at the
// end, so that a large text needs no second whole copy on its way to the disk; `size` is about
// the number of characters.
Result<QByteArray> wholeTextBytes(const QString &path, qsizetype size,
                                  const std::function<QString()> &nextPart);

// Line-record files, the program's own small state files: one value per line, each followed by
// CR LF. They are in the game's code page, but for values it cannot hold (a folder named in
// Polish or Cyrillic), which are written in UTF-8 after a byte-order mark. Reading takes a file
// that starts with that mark as UTF-8, accepts CR LF, LF or CR as line ends and returns the
// lines without them; a file larger than any state file (64 KiB) is refused.
Result<QStringList> readLines(const QString &path);
Status writeLines(const QString &path, const QStringList &values);
// Whether the file holds exactly what writeLines would write for these values.
bool holdsLines(const QString &path, const QStringList &values);
