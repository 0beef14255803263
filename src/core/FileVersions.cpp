#include "core/FileVersions.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"
#include "core/TextFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <tuple>

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

Status keepVersion(const ProgramFolder &folder, const QString &onDisk, const QByteArray &bytes)
{
    const QString versions = versionsOf(folder, onDisk);
    const QStringList names = versionNamesNewestFirst(versions);
    if (!names.isEmpty()) {
        const Result<QByteArray> newest = readFileBytes(versions + u'/' + names.first());
        if (newest.ok() && newest.value() == bytes)
            return Status::success();
    }
    QDir().mkpath(versions);
    Status kept = writeFileBytes(versions + u'/' + PathFile, onDisk.toUtf8());
    if (kept.ok())
        kept = writeFileBytes(versions + u'/' + newVersionName(), bytes);
    if (!kept.ok())
        return kept;
    for (const QString &old : versionNamesNewestFirst(versions).mid(KeptVersions))
        std::ignore = removeFile(versions + u'/' + old);
    return Status::success();
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
    if (QFileInfo(onDisk).isFile()) {
        const Result<QByteArray> before = readFileBytes(onDisk);
        if (!before.ok())
            return before;
        // The file holds the bytes already: writing them again would only wait for the disk.
        if (before.value() == bytes)
            return Status::success();
        const Status kept = keepVersion(folder, onDisk, before.value());
        if (!kept.ok())
            return Status::failure(
                QStringLiteral("Nothing was saved: the bytes \"%1\" holds now could not be "
                               "kept as a version first. %2")
                    .arg(QDir::toNativeSeparators(onDisk), kept.error()));
    }
    return writeFileBytes(path, bytes);
}

Status replaceGameText(const ProgramFolder &folder, const QString &path, const QString &text)
{
    const Result<QByteArray> bytes = wholeTextBytes(path, text);
    return bytes.ok() ? replaceGameFile(folder, path, bytes.value()) : Status(bytes);
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
