#include "core/TextFiles.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#endif

namespace {

const QString LineEnd = QStringLiteral("\r\n");
const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
// The largest state file read: a stored folder path and a few short values fit many times over.
constexpr qint64 StateFileLimit = 64 * 1024;

QString failedTo(const char *verb, const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot %1 \"%2\": %3.")
        .arg(QLatin1String(verb), QDir::toNativeSeparators(pathAsFound(path)), reason);
}

QString missingFolderReason(const QString &folder)
{
    return QStringLiteral("the folder \"%1\" does not exist").arg(QDir::toNativeSeparators(folder));
}

#ifdef Q_OS_UNIX
// Gives the new file the replaced one's owner and permissions, as an edit in place keeps them,
// less set-user-ID and set-group-ID. Only a privileged writer may give a file to another user;
// anyone else's replacement stays theirs, as a file they make does.
void keepOwnerAndMode(const QString &path, int handle)
{
    struct stat replaced {};
    if (::stat(QFile::encodeName(path).constData(), &replaced) != 0)
        return;
    std::ignore = ::fchown(handle, replaced.st_uid, replaced.st_gid);
    std::ignore = ::fchmod(handle, replaced.st_mode & 01777);
}
#endif

// Writes through an unbuffered QSaveFile: a buffered one can report a successful commit
// although the last flush ran out of disk space, leaving a truncated file behind.
Status replaceFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Status::failure(
            failedTo("write", path, QStringLiteral("a folder of that name is in its place")));
    if (!QFileInfo(target.absolutePath()).isDir())
        return Status::failure(failedTo("write", path, missingFolderReason(target.absolutePath())));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(failedTo("write", path, file.errorString()));
#ifdef Q_OS_UNIX
    if (target.exists())
        keepOwnerAndMode(path, file.handle());
#endif
    errno = 0;
    const qint64 written = file.write(bytes);
    const int writeError = errno;
    if (written != bytes.size() || file.error() != QFileDevice::NoError) {
        // Qt reports a write that stopped part way (a full disk, a file size limit) as an
        // unknown error; the system's own reason says what happened.
        const QString reason = writeError ? qt_error_string(writeError) : file.errorString();
        file.cancelWriting();
        return Status::failure(failedTo("write", path, reason));
    }
    if (!file.commit())
        return Status::failure(failedTo("write", path, file.errorString()));
    return Status::success();
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

} // namespace

Result<QByteArray> readFileBytes(const QString &path, qint64 limit)
{
    const Result<QString> resolved = resolvePath(path);
    if (!resolved.ok())
        return Result<QByteArray>::failure(failedTo("read", path, resolved.error()));

    const QFileInfo info(resolved.value());
    if (info.isDir())
        return Result<QByteArray>::failure(failedTo("read", path, QStringLiteral("it is a folder")));
    if (!info.exists())
        return Result<QByteArray>::failure(failedTo("read", path, QStringLiteral("the file does not exist")));
    // A pipe would never end, a device such as /dev/zero never stop giving bytes.
    if (!info.isFile())
        return Result<QByteArray>::failure(failedTo("read", path, QStringLiteral("it is no regular file")));

    QFile file(resolved.value());
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(failedTo("read", path, file.errorString()));
    QByteArray bytes = limit < 0 ? file.readAll() : file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(failedTo("read", path, file.errorString()));
    if (limit >= 0 && bytes.size() > limit)
        return Result<QByteArray>::failure(
            failedTo("read", path, QStringLiteral("it is larger than %1 KiB").arg(limit / 1024)));
    return Result<QByteArray>::success(bytes);
}

Status writeFileBytes(const QString &path, const QByteArray &bytes)
{
    const Result<QString> resolved = resolvePath(path);
    if (!resolved.ok())
        return Status::failure(failedTo("write", path, resolved.error()));
    return replaceFile(resolved.value(), bytes);
}

Status removeFile(const QString &path)
{
    const Result<QString> resolved = resolvePath(path);
    if (!resolved.ok())
        return Status::failure(failedTo("delete", path, resolved.error()));

    QFile file(resolved.value());
    if (!file.exists())
        return Status::success();
    if (!file.remove())
        return Status::failure(failedTo("delete", path, file.errorString()));
    return Status::success();
}

Result<QString> readWholeText(const QString &path)
{
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes.ok())
        return Result<QString>::failure(bytes);
    return Result<QString>::success(decodeGameText(bytes.value()));
}

Result<QByteArray> wholeTextBytes(const QString &path, const QString &text)
{
    QString rest = text;
    return wholeTextBytes(path, text.size(), [&] { return std::exchange(rest, QString()); });
}

Result<QByteArray> wholeTextBytes(const QString &path, qsizetype size,
                                  const std::function<QString()> &nextPart)
{
    QByteArray bytes;
    bytes.reserve(size + 2);
    for (QString part = nextPart(); !part.isEmpty(); part = nextPart()) {
        const Status encoded = appendGameText(bytes, part);
        if (!encoded.ok())
            return Result<QByteArray>::failure(failedTo("write", path, encoded.error()));
    }
    bytes += "\r\n";
    return Result<QByteArray>::success(std::move(bytes));
}

Result<QStringList> readLines(const QString &path)
{
    const Result<QByteArray> bytes = readFileBytes(path, StateFileLimit);
    if (!bytes.ok())
        return Result<QStringList>::failure(bytes);
    const QByteArray &raw = bytes.value();
    const QString text =
        raw.startsWith(Utf8Mark) ? QString::fromUtf8(raw.mid(Utf8Mark.size())) : decodeGameText(raw);
    return Result<QStringList>::success(splitLines(text));
}

namespace {

// A text whose code-page bytes would start like the mark is written in UTF-8 too, so that it
// reads back as it was.
QByteArray lineRecordBytes(const QStringList &values)
{
    QString text;
    for (const QString &value : values)
        text += value + LineEnd;
    const Result<QByteArray> encoded = encodeGameText(text);
    const bool inCodePage = encoded.ok() && !encoded.value().startsWith(Utf8Mark);
    return inCodePage ? encoded.value() : Utf8Mark + text.toUtf8();
}

} // namespace

bool holdsLines(const QString &path, const QStringList &values)
{
    const Result<QByteArray> current = readFileBytes(path, StateFileLimit);
    return current.ok() && current.value() == lineRecordBytes(values);
}

// A file that holds the bytes already is left alone: a write waits for the disk.
Status writeLines(const QString &path, const QStringList &values)
{
    return holdsLines(path, values) ? Status::success() : writeFileBytes(path, lineRecordBytes(values));
}
