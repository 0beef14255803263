#include "core/ProgramFolder.h"

#include "core/TextFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cstdlib>

ProgramFolder::ProgramFolder(QString path) : path_(std::move(path)) {}

QString ProgramFolder::standardPath()
{
#ifdef Q_OS_WIN
    // Installed under "Program Files", the executable's folder is not the user's to write: the
    // files live in the user's application data. A portable copy carries a marker file that keeps
    // them beside the executable.
    const QString programs = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(programs + QStringLiteral("/portable.txt")))
        return programs;
    const QString appData = qEnvironmentVariable("APPDATA");
    const QString base = appData.isEmpty() ? QDir::homePath() + QStringLiteral("/AppData/Roaming")
                                           : QDir::fromNativeSeparators(appData);
    return base + QStringLiteral("/Vantrax Editor");
#else
    // Named here rather than taken from the application's name, so that every program of the
    // project shares the one folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantrax-editor");
#endif
}

QString ProgramFolder::filePath(const QString &name) const
{
    return path_ + u'/' + name;
}

Result<QStringList> ProgramFolder::readLines(const QString &name) const
{
    return ::readLines(filePath(name));
}

Status ProgramFolder::writeLines(const QString &name, const QStringList &values) const
{
    // A folder that cannot be made shows up as the write's own failure, naming the folder.
    QDir().mkpath(path_);
    return ::writeLines(filePath(name), values);
}

bool ProgramFolder::holdsLines(const QString &name, const QStringList &values) const
{
    return ::holdsLines(filePath(name), values);
}

// Names match in any letter case, so a file copied in beside its twin ("score.ini" beside
// "Score.ini") would be read once the other is gone: every one goes.
Status ProgramFolder::remove(const QString &name) const
{
    const QStringList files =
        QDir(path_).entryList({name}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    for (const QString &file : files) {
        const Status removed = removeFile(filePath(file));
        if (!removed.ok())
            return removed;
    }
    return Status::success();
}

namespace {

// The temporary files of a writer killed part way: a state file's, a version's or a version
// folder's path file's, each with the six letters or digits a temporary file name ends in.
const QRegularExpression
    LeftTemporary(QStringLiteral("^(.+\\.ini|.+\\.version|file|given)\\.[A-Za-z0-9]{6}$"));

void removeLeftTemporaries(const QString &folder)
{
    QDirIterator found(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString path = found.next();
        if (LeftTemporary.match(found.fileName()).hasMatch() && !found.fileInfo().isSymLink())
            QFile::remove(path);
    }
}

// Who holds the lock, for the message of a writer that gives up on it.
QString holderOf(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host, program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return QString();
    // Host names are one in any letter case; Windows names the machine by its computer name.
    const bool here = host.isEmpty() || host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0 ||
                      host.compare(qEnvironmentVariable("COMPUTERNAME"), Qt::CaseInsensitive) == 0;
    return here ? QStringLiteral(" (process %1)").arg(pid)
                : QStringLiteral(" (process %1 on %2)").arg(pid).arg(host);
}

} // namespace

Status ProgramFolder::whileLocked(const std::function<Status()> &steps, std::chrono::milliseconds wait) const
{
    QDir().mkpath(path_);
    QLockFile lock(filePath(QStringLiteral("vantrax.lock")));
    // A lock of a process that no longer runs is taken over at once (QLockFile finds it stale),
    // and so is one that names no process at all, as a writer killed between making the file and
    // writing its name into it leaves one, once it is a second old: a writer that is alive names
    // itself right after making the file, unless the system holds it back for a moment.
    // Tried every few milliseconds: QLockFile's own waiting starts at a tenth of a second.
    const QString lockFile = filePath(QStringLiteral("vantrax.lock"));
    const auto nameless = [&] {
        qint64 pid = 0;
        QString host, program;
        const qint64 age = QFileInfo(lockFile).lastModified().msecsTo(QDateTime::currentDateTime());
        return !lock.getLockInfo(&pid, &host, &program) && std::abs(age) > 1000;
    };
    const QDeadlineTimer deadline(wait);
    while (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        if (nameless() && lock.removeStaleLockFile())
            continue;
        if (deadline.hasExpired())
            break;
        QThread::msleep(5);
    }
    if (!lock.isLocked()) {
        const QString shown = QDir::toNativeSeparators(path_);
        return Status::failure(
            lock.error() == QLockFile::LockFailedError
                ? QStringLiteral(
                      "Nothing was saved: another Vantrax Editor or vantrax call is saving in \"%1\"%2 "
                      "and has not finished. Try again once it has.")
                      .arg(shown, holderOf(lock))
                : QStringLiteral("Nothing was saved: cannot make the lock file in \"%1\".").arg(shown));
    }
    removeLeftTemporaries(path_);
    return steps();
}
