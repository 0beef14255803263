#include "core/TextFiles.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <utility>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include "core/WindowsFiles.h"
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

// Qt's reason for a failed access, unless the system knows one the player can act on: on Windows,
// the running game holding the file open, or the file marked read-only.
QString reasonFor([[maybe_unused]] const QString &path, const QString &qtReason)
{
#ifdef Q_OS_WIN
    if (const QString refusal = windowsRefusal(path); !refusal.isEmpty())
        return refusal;
#endif
    return qtReason;
}

QString missingFolderReason(const QString &folder)
{
    return QStringLiteral("the folder \"%1\" does not exist").arg(QDir::toNativeSeparators(folder));
}

#ifdef Q_OS_UNIX
// Gives the new file the replaced one's owner and permissions, as an edit in place keeps them,
// less set-user-ID and set-group-ID. Only a privileged writer may give a file to another user;
// anyone else's replacement stays theirs, as a file they make does, but keeps the replaced
// file's group where they belong to it, so that the others sharing the file can still read it.
void keepOwnerAndMode(const QString &path, int handle)
{
    struct stat replaced {};
    if (::stat(QFile::encodeName(path).constData(), &replaced) != 0)
        return;
    if (::fchown(handle, replaced.st_uid, replaced.st_gid) != 0)
        std::ignore = ::fchown(handle, uid_t(-1), replaced.st_gid);
    std::ignore = ::fchmod(handle, replaced.st_mode & 01777);
}

QString userName(uid_t user)
{
    const passwd *entry = ::getpwuid(user);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(user);
}

// Walks the path as the system does, link by link, and refuses the first link that belongs to
// neither the user saving nor the owner of what it points to.
Status followsOnlyTrustedLinks(const QString &path)
{
    QStringList pending = QFileInfo(path).absoluteFilePath().split(u'/', Qt::SkipEmptyParts);
    std::reverse(pending.begin(), pending.end());
    QString here;
    // More links than the system follows end in its own error when the file is opened.
    for (int links = 0; !pending.isEmpty() && links < 40;) {
        const QString name = pending.takeLast();
        if (name == u".")
            continue;
        if (name == u"..") {
            here.truncate(std::max<qsizetype>(here.lastIndexOf(u'/'), 0));
            continue;
        }
        const QString next = here + u'/' + name;
        const QByteArray encoded = QFile::encodeName(next);
        struct stat link {};
        if (::lstat(encoded.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            here = next;
            continue;
        }
        struct stat target {};
        const bool reached = ::stat(encoded.constData(), &target) == 0;
        // A link of root's was made by the one user who could write anywhere anyway.
        if (link.st_uid != ::geteuid() && link.st_uid != 0 && !(reached && target.st_uid == link.st_uid))
            return Status::failure(failedTo(
                "write", path,
                QStringLiteral("the link \"%1\" on its way belongs to %2, who is neither you nor the "
                               "owner of what it points to, so it is not followed")
                    .arg(next, userName(link.st_uid))));
        ++links;
        QByteArray to(link.st_size > 0 ? link.st_size : PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(encoded.constData(), to.data(), to.size());
        if (length < 0)
            return Status::success();
        const QString linkTarget = QFile::decodeName(to.left(length));
        if (linkTarget.startsWith(u'/'))
            here.clear();
        QStringList steps = linkTarget.split(u'/', Qt::SkipEmptyParts);
        std::reverse(steps.begin(), steps.end());
        pending += steps;
    }
    return Status::success();
}
#endif

} // namespace

Status checkReplaceable(const QString &path)
{
#ifdef Q_OS_UNIX
    const Status links = followsOnlyTrustedLinks(path);
    if (!links.ok())
        return links;
#endif
    const QFileInfo target(path);
    if (target.isDir())
        return Status::failure(
            failedTo("write", path, QStringLiteral("a folder of that name is in its place")));
    if (target.exists() && !target.isFile())
        return Status::failure(failedTo("write", path, QStringLiteral("it is no regular file")));
    if (!QFileInfo(target.absolutePath()).isDir())
        return Status::failure(failedTo("write", path, missingFolderReason(target.absolutePath())));
    return Status::success();
}

PreparedWrite::PreparedWrite() = default;
PreparedWrite::~PreparedWrite() = default;

// Writes through an unbuffered QSaveFile: a buffered one can report a successful commit
// although the last flush ran out of disk space, leaving a truncated file behind.
Status PreparedWrite::prepare(const QString &path, const std::function<Result<QByteArray>()> &nextPart)
{
    file_.reset();
    const Result<QString> resolved = resolvePath(path);
    if (!resolved.ok())
        return Status::failure(failedTo("write", path, resolved.error()));
    const Status replaceable = checkReplaceable(resolved.value());
    if (!replaceable.ok())
        return replaceable;

    path_ = path;
    auto file = std::make_unique<QSaveFile>(resolved.value());
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(failedTo("write", path, reasonFor(resolved.value(), file->errorString())));
#ifdef Q_OS_UNIX
    if (QFileInfo::exists(resolved.value()))
        keepOwnerAndMode(resolved.value(), file->handle());
#endif
    for (Result<QByteArray> part = nextPart();; part = nextPart()) {
        if (!part.ok())
            return part;
        if (part.value().isEmpty())
            break;
        errno = 0;
        const qint64 written = file->write(part.value());
        const int writeError = errno;
        if (written != part.value().size() || file->error() != QFileDevice::NoError) {
            // Qt reports a write that stopped part way (a full disk, a file size limit) as an
            // unknown error; the system's own reason says what happened.
            const QString reason = writeError ? qt_error_string(writeError) : file->errorString();
            file->cancelWriting();
            return Status::failure(failedTo("write", path, reason));
        }
    }
    file_ = std::move(file);
    return Status::success();
}

Status PreparedWrite::prepare(const QString &path, const QByteArray &bytes)
{
    QByteArray rest = bytes;
    return prepare(path, [&] { return Result<QByteArray>::success(std::exchange(rest, QByteArray())); });
}

Status PreparedWrite::commit()
{
    if (!file_)
        return Status::success();
    const std::unique_ptr<QSaveFile> file = std::move(file_);
    if (!file->commit())
        return Status::failure(failedTo("write", path_, reasonFor(path_, file->errorString())));
    return Status::success();
}

namespace {

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
        return Result<QByteArray>::failure(
            failedTo("read", path, reasonFor(resolved.value(), file.errorString())));
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
    PreparedWrite write;
    const Status prepared = write.prepare(path, bytes);
    return prepared.ok() ? write.commit() : prepared;
}

namespace {

constexpr qint64 PartSize = 1024 * 1024;

} // namespace

Status copyFileBytes(const QString &source, const QString &path)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return Status::failure(failedTo("read", source, from.errorString()));
    PreparedWrite write;
    const Status prepared = write.prepare(path, [&] {
        const QByteArray part = from.read(PartSize);
        return from.error() == QFileDevice::NoError
                   ? Result<QByteArray>::success(part)
                   : Result<QByteArray>::failure(failedTo("read", source, from.errorString()));
    });
    return prepared.ok() ? write.commit() : prepared;
}

bool holdSameBytes(const QString &one, const QString &other)
{
    QFile first(one), second(other);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.size() != second.size())
        return false;
    while (true) {
        const QByteArray part = first.read(PartSize);
        if (part != second.read(PartSize) || first.error() != QFileDevice::NoError ||
            second.error() != QFileDevice::NoError)
            return false;
        if (part.isEmpty())
            return true;
    }
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
        return Status::failure(failedTo("delete", path, reasonFor(resolved.value(), file.errorString())));
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

Status PreparedWrite::prepareLines(const QString &path, const QStringList &values)
{
    file_.reset();
    return holdsLines(path, values) ? Status::success() : prepare(path, lineRecordBytes(values));
}
