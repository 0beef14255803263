#include "core/FileVersions.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"
#include "core/TextFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <functional>
#include <optional>
#include <tuple>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include "core/WindowsFiles.h"
#endif

namespace {

const QString VersionsFolder = QStringLiteral("versions");
const QString PathFile = QStringLiteral("file");
const QString TimeFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz");
// The length of a time in that format, which starts a version's name.
constexpr int TimeLength = 18;
const QString VersionSuffix = QStringLiteral(".version");

QString versionsOf(const ProgramFolder &folder, const QString &onDisk)
{
    const QByteArray key = QCryptographicHash::hash(onDisk.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder.filePath(VersionsFolder + u'/' + QString::fromLatin1(key));
}

// Names that sort by the time they were kept; the process and a counter keep two writers in the
// same millisecond apart.
QString newVersionName()
{
    static std::atomic<int> counter = 0;
    return QStringLiteral("%1-%2-%3%4")
        .arg(QDateTime::currentDateTimeUtc().toString(TimeFormat))
        .arg(QCoreApplication::applicationPid(), 10, 10, QChar(u'0'))
        .arg(counter++, 6, 10, QChar(u'0'))
        .arg(VersionSuffix);
}

QStringList versionNamesNewestFirst(const QString &versions)
{
    QStringList names = QDir(versions).entryList({u'*' + VersionSuffix}, QDir::Files, QDir::Name);
    std::reverse(names.begin(), names.end());
    return names;
}

// Keeps the file's present bytes as its newest version, unless that version holds them already;
// the new version's path, or an empty one when none was needed. Where it can, the version is a
// second name for the file's data: the new file takes the file's name by renaming over it, so
// the data stays, and keeping it costs no copy. Elsewhere (another file system) it is copied.
// `present` gives the file's bytes, which are read only where they are needed: to compare them
// with a newest version of their size, or to copy them.
Result<QString> keepVersion(const ProgramFolder &folder, const QString &onDisk, qint64 size,
                            const std::function<Result<QByteArray>()> &present)
{
    const QString versions = versionsOf(folder, onDisk);
    const QStringList names = versionNamesNewestFirst(versions);
    if (!names.isEmpty() && QFileInfo(versions + u'/' + names.first()).size() == size) {
        const Result<QByteArray> newest = readFileBytes(versions + u'/' + names.first());
        if (newest.ok() && present().ok() && newest.value() == present().value())
            return Result<QString>::success(QString());
    }
    QDir().mkpath(versions);
    const Status named = QFileInfo::exists(versions + u'/' + PathFile)
                             ? Status::success()
                             : writeFileBytes(versions + u'/' + PathFile, onDisk.toUtf8());
    if (!named.ok())
        return Result<QString>::failure(named);
    const QString version = versions + u'/' + newVersionName();
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(onDisk).constData(), QFile::encodeName(version).constData()) == 0)
        return Result<QString>::success(version);
#endif
#ifdef Q_OS_WIN
    // A file with another name could be changed through it, and the version with it.
    if (hardLinkCount(onDisk) == 1 && makeHardLink(onDisk, version))
        return Result<QString>::success(version);
#endif
    if (!present().ok())
        return Result<QString>::failure(present());
    const Status copied = writeFileBytes(version, present().value());
    return copied.ok() ? Result<QString>::success(version) : Result<QString>::failure(copied);
}

void dropOldVersions(const QString &version)
{
    const QString versions = QFileInfo(version).absolutePath();
    for (const QString &old : versionNamesNewestFirst(versions).mid(KeptVersions))
        std::ignore = removeFile(versions + u'/' + old);
}

} // namespace

QString firstDifference(const QByteArray &version, const QByteArray &now)
{
    if (version == now)
        return QStringLiteral("the same bytes as now");
    // Lines without their LF; a last line break ends the last line rather than starting one.
    const auto lines = [](const QByteArray &bytes) {
        QList<QByteArray> all = bytes.split('\n');
        if (all.last().isEmpty())
            all.removeLast();
        return all;
    };
    const QList<QByteArray> before = lines(version), after = lines(now);
    qsizetype line = 0;
    while (line < before.size() && line < after.size() && before.at(line) == after.at(line))
        ++line;
    if (line == before.size())
        return QStringLiteral("line %1: (ends before it)").arg(line + 1);
    QString text = decodeGameText(before.at(line));
    text.remove(u'\r');
    constexpr int Shown = 60;
    if (text.size() > Shown)
        text = text.left(Shown) + QChar(0x2026);
    return QStringLiteral("line %1: %2").arg(line + 1).arg(text);
}

QString pathOnDisk(const QString &path)
{
    const Result<QString> resolved = resolvePath(path);
    const QFileInfo file(resolved.ok() ? resolved.value() : path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}

Status replaceGameFile(const ProgramFolder &folder, const QString &path, const QByteArray &bytes)
{
    const QString onDisk = pathOnDisk(path);
    const QFileInfo file(onDisk);
    if (file.isFile()) {
        std::optional<Result<QByteArray>> before;
        const auto present = [&]() -> const Result<QByteArray> & {
            if (!before)
                before = readFileBytes(onDisk);
            return *before;
        };
        // The file holds the bytes already: writing them again would only wait for the disk.
        if (file.size() == bytes.size()) {
            if (!present().ok())
                return present();
            if (present().value() == bytes)
                return Status::success();
        }
#ifdef Q_OS_WIN
        // A file held open by the game, or marked read-only, cannot be replaced; a version kept as a
        // second name of it could then not be taken back.
        if (const QString refusal = windowsRefusal(onDisk); !refusal.isEmpty())
            return Status::failure(
                QStringLiteral("Cannot write \"%1\": %2.").arg(QDir::toNativeSeparators(path), refusal));
#endif
        const Result<QString> kept = keepVersion(folder, onDisk, file.size(), present);
        if (!kept.ok())
            return Status::failure(
                QStringLiteral("Nothing was saved: the bytes \"%1\" holds now could not be "
                               "kept as a version first. %2")
                    .arg(QDir::toNativeSeparators(onDisk), kept.error()));
        // A version that shares the file's data must not stay when the file keeps its data.
        const Status written = writeFileBytes(path, bytes);
        if (!kept.value().isEmpty() && written.ok())
            dropOldVersions(kept.value());
        else if (!kept.value().isEmpty())
            QFile::remove(kept.value());
        return written;
    }
    return writeFileBytes(path, bytes);
}

Status replaceGameText(const ProgramFolder &folder, const QString &path, const QString &text)
{
    const Result<QByteArray> bytes = wholeTextBytes(path, text);
    return bytes.ok() ? replaceGameFile(folder, path, bytes.value()) : Status(bytes);
}

QString shownBelow(const QString &gameFolder, const QString &file)
{
    const QString below = pathOnDisk(gameFolder) + u'/';
    return QDir::toNativeSeparators(file.startsWith(below) ? file.mid(below.size()) : file);
}

QStringList filesWithVersions(const ProgramFolder &folder, const QString &gameFolder)
{
    const QString below = pathOnDisk(gameFolder) + u'/';
    QStringList files;
    const QDir versions(folder.filePath(VersionsFolder));
    for (const QString &key : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const Result<QByteArray> path = readFileBytes(versions.filePath(key + u'/' + PathFile), 64 * 1024);
        const QString file = path.ok() ? QString::fromUtf8(path.value()) : QString();
        if (file.startsWith(below) && !versionNamesNewestFirst(versions.filePath(key)).isEmpty())
            files << file;
    }
    files.sort();
    return files;
}

QList<FileVersion> fileVersions(const ProgramFolder &folder, const QString &path)
{
    const QString versions = versionsOf(folder, pathOnDisk(path));
    QList<FileVersion> found;
    for (const QString &name : versionNamesNewestFirst(versions)) {
        QDateTime kept = QDateTime::fromString(name.left(TimeLength), TimeFormat);
        kept.setTimeSpec(Qt::UTC);
        found.append({name, kept.toLocalTime(), QFileInfo(versions + u'/' + name).size()});
    }
    return found;
}

Result<QByteArray> versionBytes(const ProgramFolder &folder, const QString &path, const FileVersion &version)
{
    return readFileBytes(versionsOf(folder, pathOnDisk(path)) + u'/' + version.name);
}
