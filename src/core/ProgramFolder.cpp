#include "core/ProgramFolder.h"

#include "core/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

ProgramFolder::ProgramFolder(QString path) : path_(std::move(path)) {}

QString ProgramFolder::standardPath()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath();
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

Status ProgramFolder::remove(const QString &name) const
{
    return removeFile(filePath(name));
}
