#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every file access of the program goes through here. Each path is first resolved without
// regard to letter case; each failure names the file and the reason. Writes are atomic: the
// new content goes to a temporary file beside the target, which then replaces it, so a failed
// write leaves the previous file byte for byte.

Result<QByteArray> readFileBytes(const QString &path);
Status writeFileBytes(const QString &path, const QByteArray &bytes);
Status removeFile(const QString &path);

// Whole-text files: the text in the game's code page, then one CR LF, so a written file ends
// with one line break more than its text.
Result<QString> readWholeText(const QString &path);
Status writeWholeText(const QString &path, const QString &text);
// The bytes writeWholeText writes to the file at `path`; a failure names that file.
Result<QByteArray> wholeTextBytes(const QString &path, const QString &text);

// Line-record files: one value per line, each followed by CR LF. Reading accepts CR LF, LF or
// CR as line ends and returns the lines without them.
Result<QStringList> readLines(const QString &path);
Status writeLines(const QString &path, const QStringList &values);
