#include "support/TestRun.h"

#include <QFile>

TestRun::TestRun(const QString &mod, const QStringList &folders, const QString &stateFile, const QByteArray &state)
{
    for (const QString &folder : folders)
        games.write(QStringLiteral("Orvanthe/") + folder + QStringLiteral("/.keep"), "");
    programFolder.write(QStringLiteral("dir.ini"), game.toUtf8() + "\r\n");
    programFolder.write(QStringLiteral("dirMod.ini"), mod.toUtf8() + "\r\n");
    if (!state.isNull())
        programFolder.write(stateFile, state);
    showStartWindow(app);
}

QByteArray stockBytes(const QString &name)
{
    QFile file(QStringLiteral(VANTRAX_FIXTURES "/../../resources/stock/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing stock text %s", qPrintable(name));
    return file.readAll();
}
