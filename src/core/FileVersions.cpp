#include "core/FileVersions.h"

#include "core/CodePage.h"
#include "core/PathResolver.h"
#include "core/TextFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include "core/WindowsFiles.h"
#endif

namespace {

const QString VersionsFolder = QStringLiteral("versions");
const QString PathFile = QStringLiteral("file");
const QString GivenPathsFile = QStringLiteral("given");
const QString TimeFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz");
const QString VersionSuffix = QStringLiteral(".version");
// "<n>-<time>.version", and the earlier "<time>-<process>-<n>.version".
const QRegularExpression NumberedName(QStringLiteral("^(\\d{10})-(\\d{8}T\\d{9})\\.version$"));
const QRegularExpression TimedName(QStringLiteral("^(\\d{8}T\\d{9})-\\d+-\\d+\\.version$"));

QString versionsOf(const ProgramFolder &folder, const QString &onDisk)
{
    const QByteArray key = QCryptographicHash::hash(onDisk.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder.filePath(VersionsFolder + u'/' + QString::fromLatin1(key));
}

// A version's place in the order of keeping: the earlier names first, by their time, then the
// numbered ones by their number; its time of keeping, as its name says.
struct VersionName {
    QString name;
    bool numbered = false;
    qint64 number = 0;
    QString time;
};

std::optional<VersionName> parsedName(const QString &name)
{
    if (const QRegularExpressionMatch numbered = NumberedName.match(name); numbered.hasMatch())
        return VersionName{name, true, numbered.captured(1).toLongLong(), numbered.captured(2)};
    if (const QRegularExpressionMatch timed = TimedName.match(name); timed.hasMatch())
        return VersionName{name, false, 0, timed.captured(1)};
    return std::nullopt;
}

QList<VersionName> versionsNewestFirst(const QString &versions)
{
    QList<VersionName> found;
    for (const QString &name : QDir(versions).entryList({u'*' + VersionSuffix}, QDir::Files))
        if (const std::optional<VersionName> parsed = parsedName(name))
            found << *parsed;
    std::sort(found.begin(), found.end(), [](const VersionName &a, const VersionName &b) {
        if (a.numbered != b.numbered)
            return a.numbered;
        return a.numbered ? a.number > b.number : a.name > b.name;
    });
    return found;
}

// The next number in the order of keeping, under a name no version has.
QString newVersionPath(const QString &versions)
{
    const QList<VersionName> kept = versionsNewestFirst(versions);
    qint64 number = kept.isEmpty() ? 0 : kept.first().number;
    QString path;
    do {
        path = QStringLiteral("%1/%2-%3%4")
                   .arg(versions)
                   .arg(++number, 10, 10, QChar(u'0'))
                   .arg(QDateTime::currentDateTimeUtc().toString(TimeFormat), VersionSuffix);
    } while (QFileInfo::exists(path) || QFileInfo(path).isSymLink());
    return path;
}

// The path a save was given, where it differs from the path on disk, so that the versions can be
// listed under it.
Status rememberGivenPath(const QString &versions, const QString &onDisk, const QString &given)
{
    const QString path = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
    if (path == onDisk)
        return Status::success();
    const QString file = versions + u'/' + GivenPathsFile;
    QStringList paths = QFileInfo::exists(file) ? readLines(file).value() : QStringList();
    if (paths.contains(path))
        return Status::success();
    paths << path;
    return writeLines(file, paths);
}

struct KeptVersion {
    QString path;      // the newest version, which holds the bytes the file had
    bool made = false; // made by this save
    bool linked = false;
};

#ifdef Q_OS_UNIX
bool mayLink(const QString &onDisk)
{
    struct stat file {};
    return ::lstat(QFile::encodeName(onDisk).constData(), &file) == 0 && file.st_nlink == 1 &&
           file.st_uid == ::geteuid();
}
#endif

void makeReadOnly(const QString &version)
{
    QFile::setPermissions(version, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

// Keeps the file's present bytes as its newest version, unless that version holds them already.
// Where it may, the version is a second name for the file's data: the new file takes the file's
// name by renaming over it, so the data stays, and keeping it costs no copy. Elsewhere (a file
// with other names, another file system) it is copied, a part at a time.
Result<KeptVersion> keepVersion(const ProgramFolder &folder, const QString &onDisk, const QString &given)
{
    const QString versions = versionsOf(folder, onDisk);
    const QList<VersionName> names = versionsNewestFirst(versions);
    if (!names.isEmpty() && holdSameBytes(versions + u'/' + names.first().name, onDisk))
        return Result<KeptVersion>::success({versions + u'/' + names.first().name});
    QDir().mkpath(versions);
    Status named = QFileInfo::exists(versions + u'/' + PathFile)
                       ? Status::success()
                       : writeFileBytes(versions + u'/' + PathFile, onDisk.toUtf8());
    if (named.ok())
        named = rememberGivenPath(versions, onDisk, given);
    if (!named.ok())
        return Result<KeptVersion>::failure(named);
    const QString version = newVersionPath(versions);
    const Status replaceable = checkReplaceable(version);
    if (!replaceable.ok())
        return Result<KeptVersion>::failure(replaceable);
#ifdef Q_OS_UNIX
    if (mayLink(onDisk) &&
        ::link(QFile::encodeName(onDisk).constData(), QFile::encodeName(version).constData()) == 0)
        return Result<KeptVersion>::success({version, true, true});
#endif
#ifdef Q_OS_WIN
    // A file with another name could be changed through it, and the version with it.
    if (hardLinkCount(onDisk) == 1 && makeHardLink(onDisk, version))
        return Result<KeptVersion>::success({version, true, true});
#endif
    const Status copied = copyFileBytes(onDisk, version);
    if (!copied.ok())
        return Result<KeptVersion>::failure(copied);
    makeReadOnly(version);
    return Result<KeptVersion>::success({version, true, false});
}

// Versions are read-only, and Windows deletes no read-only file: one with no other name is made
// writable first.
void removeVersion(const QString &version)
{
#ifdef Q_OS_WIN
    if (hardLinkCount(version) == 1)
        QFile::setPermissions(version, QFile::ReadOwner | QFile::WriteOwner);
#endif
    QFile::remove(version);
}

void dropOldVersions(const QString &versions)
{
    for (const VersionName &old : versionsNewestFirst(versions).mid(KeptVersions))
        removeVersion(versions + u'/' + old.name);
}

// What can be prepared of the state change before the game file is replaced: new lines. A
// deletion, and a file made anew, are done after it.
Status prepareState(const ProgramFolder &folder, const std::optional<StateChange> &state,
                    PreparedWrite &write)
{
    if (!state || !state->lines || state->anew)
        return Status::success();
    QDir().mkpath(folder.path());
    return write.prepareLines(folder.filePath(state->name), *state->lines);
}

Status finishState(const ProgramFolder &folder, const std::optional<StateChange> &state, PreparedWrite &write)
{
    if (!state)
        return Status::success();
    if (!state->lines)
        return folder.remove(state->name);
    if (state->anew) {
        const Status removed = folder.remove(state->name);
        return removed.ok() ? folder.writeLines(state->name, *state->lines) : removed;
    }
    return write.commit();
}

// Replaces the game file with what `prepareGame` writes, keeping its present bytes as a version
// first, together with the state change; `holdsAlready` says whether the file holds the new
// bytes, so that nothing but the state file needs writing.
Status replaceKeepingVersion(const ProgramFolder &folder, const QString &path,
                             const std::function<bool(const QString &)> &holdsAlready,
                             const std::function<Status(PreparedWrite &)> &prepareGame,
                             const std::optional<StateChange> &state)
{
    const QString onDisk = pathOnDisk(path);
    const bool exists = QFileInfo(onDisk).isFile();
    const QString shown = QDir::toNativeSeparators(path);
    PreparedWrite stateWrite;
    if (exists && holdsAlready(onDisk)) {
        const Status prepared = prepareState(folder, state, stateWrite);
        return prepared.ok() ? finishState(folder, state, stateWrite) : prepared;
    }
#ifdef Q_OS_WIN
    // A file held open by the game, or marked read-only, cannot be replaced; a version kept as a
    // second name of it could then not be taken back.
    if (const QString refusal = exists ? windowsRefusal(onDisk) : QString(); !refusal.isEmpty())
        return Status::failure(QStringLiteral("Cannot write \"%1\": %2.").arg(shown, refusal));
#endif
    PreparedWrite game;
    const Status prepared = prepareGame(game);
    if (!prepared.ok())
        return prepared;
    const Status statePrepared = prepareState(folder, state, stateWrite);
    if (!statePrepared.ok())
        return Status::failure(
            QStringLiteral("%1 \"%2\" was left as it was.").arg(statePrepared.error(), shown));

    Result<KeptVersion> kept = Result<KeptVersion>::success({});
    if (exists)
        kept = keepVersion(folder, onDisk, path);
    if (!kept.ok())
        return Status::failure(QStringLiteral("Nothing was saved: the bytes \"%1\" holds now could not be "
                                              "kept as a version first. %2")
                                   .arg(QDir::toNativeSeparators(onDisk), kept.error()));
    const KeptVersion &version = kept.value();
    const Status written = game.commit();
    if (!written.ok()) {
        // A version that shares the file's data must not stay when the file keeps its data.
        if (version.made)
            removeVersion(version.path);
        return written;
    }
    if (version.linked)
        makeReadOnly(version.path);
    if (exists)
        dropOldVersions(QFileInfo(version.path).absolutePath());

    const Status stateWritten = finishState(folder, state, stateWrite);
    if (stateWritten.ok())
        return stateWritten;
    const Status putBack = exists ? copyFileBytes(version.path, path) : removeFile(path);
    return Status::failure(
        putBack.ok()
            ? QStringLiteral("%1 \"%2\" was put back as it was before.").arg(stateWritten.error(), shown)
            : QStringLiteral("%1 \"%2\" could not be put back as it was: %3")
                  .arg(stateWritten.error(), shown, putBack.error()));
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

Status replaceGameFile(const ProgramFolder &folder, const QString &path, const QByteArray &bytes,
                       const std::optional<StateChange> &state)
{
    return replaceKeepingVersion(
        folder, path,
        [&](const QString &onDisk) {
            // Writing the same bytes again would only wait for the disk.
            if (QFileInfo(onDisk).size() != bytes.size())
                return false;
            const Result<QByteArray> present = readFileBytes(onDisk);
            return present.ok() && present.value() == bytes;
        },
        [&](PreparedWrite &game) { return game.prepare(path, bytes); }, state);
}

Status replaceGameText(const ProgramFolder &folder, const QString &path, const QString &text,
                       const std::optional<StateChange> &state)
{
    const Result<QByteArray> bytes = wholeTextBytes(path, text);
    return bytes.ok() ? replaceGameFile(folder, path, bytes.value(), state) : Status(bytes);
}

Status restoreVersion(const ProgramFolder &folder, const QString &path, const FileVersion &version)
{
    const QString kept = versionsOf(folder, pathOnDisk(path)) + u'/' + version.name;
    QFile source(kept);
    if (!source.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("Cannot read \"%1\": %2.")
                                   .arg(QDir::toNativeSeparators(kept), source.errorString()));
    return replaceKeepingVersion(
        folder, path, [&](const QString &onDisk) { return holdSameBytes(onDisk, kept); },
        [&](PreparedWrite &game) {
            return game.prepare(path, [&] {
                const QByteArray part = source.read(1024 * 1024);
                return source.error() == QFileDevice::NoError
                           ? Result<QByteArray>::success(part)
                           : Result<QByteArray>::failure(
                                 QStringLiteral("Cannot read \"%1\": %2.")
                                     .arg(QDir::toNativeSeparators(kept), source.errorString()));
            });
        },
        std::nullopt);
}

QString shownBelow(const QString &gameFolder, const QString &file)
{
    for (const QString &folder :
         {pathOnDisk(gameFolder), QDir::cleanPath(QFileInfo(gameFolder).absoluteFilePath())}) {
        const QString below = folder + u'/';
        if (file.startsWith(below))
            return QDir::toNativeSeparators(file.mid(below.size()));
    }
    return QDir::toNativeSeparators(file);
}

QStringList filesWithVersions(const ProgramFolder &folder, const QString &gameFolder)
{
    const QString onDisk = pathOnDisk(gameFolder) + u'/',
                  given = QDir::cleanPath(QFileInfo(gameFolder).absoluteFilePath()) + u'/';
    QStringList files;
    const QDir versions(folder.filePath(VersionsFolder));
    for (const QString &key : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (versionsNewestFirst(versions.filePath(key)).isEmpty())
            continue;
        const Result<QByteArray> path = readFileBytes(versions.filePath(key + u'/' + PathFile), 64 * 1024);
        const QString file = path.ok() ? QString::fromUtf8(path.value()) : QString();
        if (file.startsWith(onDisk)) {
            files << file;
            continue;
        }
        const QString givenPaths = versions.filePath(key + u'/' + GivenPathsFile);
        const QStringList paths =
            QFileInfo::exists(givenPaths) ? readLines(givenPaths).value() : QStringList();
        for (const QString &path : paths) {
            if (path.startsWith(given) || path.startsWith(onDisk)) {
                files << path;
                break;
            }
        }
    }
    files.sort();
    return files;
}

QList<FileVersion> fileVersions(const ProgramFolder &folder, const QString &path)
{
    const QString versions = versionsOf(folder, pathOnDisk(path));
    QList<FileVersion> found;
    for (const VersionName &name : versionsNewestFirst(versions)) {
        QDateTime kept = QDateTime::fromString(name.time, TimeFormat);
        kept.setTimeSpec(Qt::UTC);
        found.append({name.name, kept.toLocalTime(), QFileInfo(versions + u'/' + name.name).size()});
    }
    return found;
}

Result<QByteArray> versionBytes(const ProgramFolder &folder, const QString &path, const FileVersion &version)
{
    return readFileBytes(versionsOf(folder, pathOnDisk(path)) + u'/' + version.name);
}
