#include "support/TestFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder()
{
    Q_ASSERT(dir_.isValid());
}

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

bool TestFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(filePath(relative));
}

QStringList TestFolder::entries() const
{
    QStringList found;
    QDirIterator it(path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(path()).relativeFilePath(it.next());
    found.sort();
    return found;
}

QString TestFolder::copyFixture(const QString &fixture, const QString &as) const
{
    const QString source = QStringLiteral(VANTRAX_FIXTURES "/") + fixture;
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            qFatal("cannot read fixture %s", qPrintable(file));
        write(as + u'/' + QDir(source).relativeFilePath(file), in.readAll());
    }
    return filePath(as);
}
