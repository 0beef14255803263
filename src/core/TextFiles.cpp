#include "core/TextFiles.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString failedTo(const char *verb, const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot %1 \"%2\": %3.")
        .arg(QLatin1String(verb), QDir::toNativeSeparators(path), reason);
}

QString missingFolderReason(const QString &folder)
{
    return QStringLiteral("the folder \"%1\" does not exist").arg(QDir::toNativeSeparators(folder));
}

// Writes through an unbuffered QSaveFile: a buffered one can report a successful commit
// although the last flush ran out of disk space, leaving a truncated file behind.
Status replaceFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Status::failure(failedTo("write", path, QStringLiteral("a folder of that name is in its place")));
    if (!QFileInfo(target.absolutePath()).isDir())
        return Status::failure(failedTo("write", path, missingFolderReason(target.absolutePath())));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(failedTo("write", path, file.errorString()));
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
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

Result<QByteArray> readFileBytes(const QString &path)
{
    const Result<QString> resolved = resolvePath(path);
    if (!resolved.ok())
        return Result<QByteArray>::failure(failedTo("read", path, resolved.error()));

    const QFileInfo info(resolved.value());
    if (info.isDir())
        return Result<QByteArray>::failure(failedTo("read", path, QStringLiteral("it is a folder")));
    if (!info.exists())
        return Result<QByteArray>::failure(failedTo("read", path, QStringLiteral("the file does not exist")));

    QFile file(resolved.value());
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(failedTo("read", path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(failedTo("read", path, file.errorString()));
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

Status writeWholeText(const QString &path, const QString &text)
{
    const Result<QByteArray> bytes = wholeTextBytes(path, text);
    if (!bytes.ok())
        return bytes;
    return writeFileBytes(path, bytes.value());
}

Result<QByteArray> wholeTextBytes(const QString &path, const QString &text)
{
    const Result<QByteArray> encoded = encodeGameText(text + LineEnd);
    if (!encoded.ok())
        return Result<QByteArray>::failure(failedTo("write", path, encoded.error()));
    return encoded;
}

Result<QStringList> readLines(const QString &path)
{
    const Result<QString> text = readWholeText(path);
    if (!text.ok())
        return Result<QStringList>::failure(text);
    return Result<QStringList>::success(splitLines(text.value()));
}

Status writeLines(const QString &path, const QStringList &values)
{
    QString text;
    for (const QString &value : values)
        text += value + LineEnd;
    const Result<QByteArray> encoded = encodeGameText(text);
    if (!encoded.ok())
        return Status::failure(failedTo("write", path, encoded.error()));
    return writeFileBytes(path, encoded.value());
}
