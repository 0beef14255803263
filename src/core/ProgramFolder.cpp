#include "core/ProgramFolder.h"

#include "core/TextFiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

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

Status ProgramFolder::whileLocked(const std::function<Status()> &steps, std::chrono::milliseconds wait) const
{
    QDir().mkpath(path_);
    QLockFile lock(filePath(QStringLiteral("vantrax.lock")));
    // Tried every few milliseconds: QLockFile's own waiting starts at a tenth of a second.
    const QDeadlineTimer deadline(wait);
    while (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError && !deadline.hasExpired())
        QThread::msleep(5);
    if (!lock.isLocked()) {
        const QString shown = QDir::toNativeSeparators(path_);
        return Status::failure(
            lock.error() == QLockFile::LockFailedError
                ? QStringLiteral(
                      "Nothing was saved: another Vantrax Editor or vantrax call is saving in \"%1\" "
                      "and has not finished. Try again once it has.")
                      .arg(shown)
                : QStringLiteral("Nothing was saved: cannot make the lock file in \"%1\".").arg(shown));
    }
    return steps();
}
