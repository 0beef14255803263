#include "support/ExpectedFiles.h"

#include "support/TestRun.h"

#include <QList>

namespace {

// The stock module's lines from `first` (counted from 1) to `last`, each with its CR LF.
QByteArray stockLines(int first, int last)
{
    const QList<QByteArray> lines = stockBytes(QStringLiteral("scoringCommon.py")).split('\n');
    QByteArray text;
    for (int i = first - 1; i < last && i < lines.size() - 1; ++i)
        text += lines.at(i) + '\n';
    return text;
}

} // namespace

QByteArray expectedAIDefault(const QByteArray &countLine)
{
    return stockBytes("AIDefault-head.ai") + countLine + stockBytes("AIDefault-tail.ai") + "\r\n";
}

// The conditions and prerequisites before the first strategy are the stock script's first 45 lines.
QByteArray expectedStrategies(const QStringList &v)
{
    const auto value = [&v](int i) { return v.at(i).toLatin1(); };
    const QList<QByteArray> lines = {"aiStrategy.Aggression " + value(9),
                                     "aiStrategy.NumberOfAttacks " + value(10),
                                     "aiStrategy.NumberOfDefences " + value(11),
                                     "",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Owned",
                                     "aiStrategy.setPrerequisite guardPrereq",
                                     "",
                                     "aiStrategy.createStrategy basicAttackEnemy",
                                     "aiStrategy.Aggression " + value(0),
                                     "aiStrategy.NumberOfAttacks " + value(1),
                                     "aiStrategy.NumberOfDefences " + value(2),
                                     "",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      12.0 Neutral",
                                     "aiStrategy.setPrerequisite basicEnemyPrereq",
                                     "",
                                     "aiStrategy.createStrategy basicAttackNeutral",
                                     "aiStrategy.Aggression " + value(3),
                                     "aiStrategy.NumberOfAttacks " + value(4),
                                     "aiStrategy.NumberOfDefences " + value(5),
                                     "",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      12.0 Neutral",
                                     "aiStrategy.setPrerequisite basicNeutralPrereq",
                                     "",
                                     "",
                                     "aiStrategy.createStrategy basicDefend",
                                     "aiStrategy.Aggression " + value(6),
                                     "aiStrategy.NumberOfAttacks " + value(7),
                                     "aiStrategy.NumberOfDefences " + value(8),
                                     "",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile",
                                     "aiStrategy.setStrategicObjectsModifier ControlPoint      20.0 Neutral",
                                     "aiStrategy.setPrerequisite basicPrereq",
                                     "",
                                     "",
                                     "",
                                     "rem Made with Orvanthe Editor by vantrax@mods.example",
                                     ""};
    const QList<QByteArray> stock = stockBytes(QStringLiteral("AIDefaultStrategies.ai")).split('\n');
    QByteArray text;
    for (int i = 0; i < 45; ++i)
        text += stock.at(i) + '\n';
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

QByteArray expectedScoringModule(const QByteArray &assignments)
{
    return stockLines(1, 9) + assignments + stockLines(17, 1000) + "\r\n";
}
