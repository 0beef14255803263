#include "support/TestFolders.h"

#include <QDirIterator>
#include <QFile>

void TestFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QByteArray TestFolder::read(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TestFolder::entries() const
{
    QStringList found;
    QDirIterator it(path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(path()).relativeFilePath(it.next());
    found.sort();
    return found;
}

QString TestFolder::copyGame(const QString &name) const
{
    QFile script(QStringLiteral(VANTRAX_FIXTURES "/game/mods/vantrax/init.con"));
    if (!script.open(QIODevice::ReadOnly))
        qFatal("cannot read the fixture game");
    write(name + "/mods/vantrax/init.con", script.readAll());
    return filePath(name);
}
