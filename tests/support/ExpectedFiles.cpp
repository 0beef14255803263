#include "support/ExpectedFiles.h"

#include "core/FileVersions.h"

#include <QFile>

#include <cstdlib>

namespace {

// The stock text's first `count` lines, or for a negative count all but the first -`count`.
QByteArray stockLines(const QString &name, int count)
{
    const QByteArray text = stockBytes(name);
    qsizetype end = 0;
    for (int line = 0; line < std::abs(count); ++line)
        end = text.indexOf('\n', end) + 1;
    return count < 0 ? text.mid(end) : text.left(end);
}

} // namespace

QByteArray stockBytes(const QString &name)
{
    QFile file(QStringLiteral(":/stock/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing stock text %s", qPrintable(name));
    return file.readAll();
}

QByteArray everyByte()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes += value == '\n' ? QByteArray("\r\n") : QByteArray(1, char(value));
    return bytes;
}

QByteArray expectedAIDefault(const QByteArray &countLine)
{
    return stockBytes("AIDefault-head.ai") + countLine + stockBytes("AIDefault-tail.ai") + "\r\n";
}

// The conditions and prerequisites before the first strategy are the stock script's first 45
// lines; the four strategies follow, Attack Neutral active, each with an empty line after its
// values, and the stamp in place of the closing remarks.
QByteArray expectedStrategies(const QStringList &v)
{
    const QString strategies = QStringLiteral(
        "aiStrategy.Aggression %10\r\naiStrategy.NumberOfAttacks %11\r\naiStrategy.NumberOfDefences "
        "%12\r\n\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Owned\r\naiStrategy.setPrerequisite "
        "guardPrereq\r\n\r\naiStrategy.createStrategy basicAttackEnemy\r\naiStrategy.Aggression %1\r\n"
        "aiStrategy.NumberOfAttacks %2\r\naiStrategy.NumberOfDefences %3\r\n\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      12.0 Neutral\r\n"
        "aiStrategy.setPrerequisite basicEnemyPrereq\r\n\r\naiStrategy.createStrategy basicAttackNeutral\r\n"
        "aiStrategy.Aggression %4\r\naiStrategy.NumberOfAttacks %5\r\naiStrategy.NumberOfDefences %6\r\n\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      12.0 Neutral\r\n"
        "aiStrategy.setPrerequisite basicNeutralPrereq\r\n\r\n\r\naiStrategy.createStrategy basicDefend\r\n"
        "aiStrategy.Aggression %7\r\naiStrategy.NumberOfAttacks %8\r\naiStrategy.NumberOfDefences %9\r\n\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile\r\n"
        "aiStrategy.setStrategicObjectsModifier ControlPoint      20.0 Neutral\r\n"
        "aiStrategy.setPrerequisite basicPrereq\r\n\r\n\r\n\r\nrem Made with Orvanthe Editor by "
        "vantrax@mods.example\r\n"
        "\r\n");
    return stockLines("AIDefaultStrategies.ai", 45) +
           strategies.arg(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11])
               .toLatin1();
}

QByteArray expectedScoringModule(const QByteArray &assignments)
{
    return stockLines("scoringCommon.py", 9) + assignments + stockLines("scoringCommon.py", -16) + "\r\n";
}

QList<QByteArray> keptVersions(const QString &programFolder, const QString &file)
{
    const ProgramFolder folder(programFolder);
    QList<QByteArray> kept;
    for (const FileVersion &version : fileVersions(folder, file))
        kept << versionBytes(folder, file, version).value();
    return kept;
}
