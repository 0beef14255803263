#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QSaveFile;

// Every file access of the program goes through here. Each path is first resolved without
// regard to letter case; each failure names the file and the reason. Only regular files are
// read. Writes are atomic: the new content goes to a temporary file beside the target, which
// then replaces it, so a failed write leaves the previous file byte for byte. A replaced file
// keeps its owner and permissions (less set-user-ID and set-group-ID) where the system allows,
// and its group at least where only that may be kept.
//
// Only a regular file is replaced (after following links), or a file made where none is; a
// device, a pipe or a folder in its place is refused. On Unix a link on the way to a written
// file, its own or a folder's, is followed only when it belongs to the user saving or to the
// owner of what it points to, the rule the kernel applies in sticky folders: a link someone else
// planted in a folder they may write never sends a save to a file of another user.

// Reads the whole file; with a `limit`, a larger file is refused unread.
Result<QByteArray> readFileBytes(const QString &path, qint64 limit = -1);
Status writeFileBytes(const QString &path, const QByteArray &bytes);
// Writes the bytes of `source` to `path`, a part at a time, so that a file of any size fits.
Status copyFileBytes(const QString &source, const QString &path);
Status removeFile(const QString &path);
// Whether the two files hold the same bytes, read a part at a time; false when either cannot be read.
bool holdSameBytes(const QString &one, const QString &other);
// Fails, naming the file and the reason, where a write to the file would be refused.
Status checkReplaceable(const QString &path);

// A write made ready: the new bytes wait in a temporary file beside the file, which replaces it
// on commit(). Dropped before that, it leaves the file as it was. One that needs no write (the
// file holds the bytes already) commits as nothing.
class PreparedWrite {
public:
    PreparedWrite();
    ~PreparedWrite();
    PreparedWrite(const PreparedWrite &) = delete;
    PreparedWrite &operator=(const PreparedWrite &) = delete;

    // `nextPart` gives the bytes a part per call and an empty part at the end.
    Status prepare(const QString &path, const std::function<Result<QByteArray>()> &nextPart);
    Status prepare(const QString &path, const QByteArray &bytes);
    // The lines as writeLines writes them; nothing when the file holds them already.
    Status prepareLines(const QString &path, const QStringList &values);
    Status commit();

private:
    std::unique_ptr<QSaveFile> file_;
    QString path_;
};

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
