#include "editors/strategies/StrategiesFile.h"

#include "core/ProgramInfo.h"

#include <QRegularExpression>

#include <array>

namespace {

// The fixed pieces of the script between the values. Each begins with an empty line and ends
// with a line break; the last line of each piece creates the strategy whose values follow it.
constexpr QLatin1StringView
    txtVoorstuk("\r\n"
                "rem *******************\r\n"
                "rem ** Default stuff **\r\n"
                "rem *******************\r\n"
                "\r\n"
                "rem ** Create Conditions **\r\n"
                "\r\n"
                "aiStrategy.createConstantCondition basicEnemyCPCond Crisp EqualGreater "
                "Enemy ControlPoint 1\r\n"
                "rem aiStrategy.setConditionStrength Required\r\n"
                "aiStrategy.setConditionStrength Advisory\r\n"
                "\r\n"
                "aiStrategy.createConstantCondition basicNeutralCPCond Crisp EqualGreater "
                "Friendly NumberOfNeutralAreas 1\r\n"
                "rem aiStrategy.setConditionStrength Required\r\n"
                "aiStrategy.setConditionStrength Advisory\r\n"
                "\r\n"
                "aiStrategy.createConstantCondition noEnemyCond Crisp Equal Enemy "
                "ControlPoint 0\r\n"
                "aiStrategy.setConditionStrength Required\r\n"
                "\r\n"
                "aiStrategy.createConstantCondition noNeutralCond Crisp Equal Friendly "
                "NumberOfNeutralAreas 0\r\n"
                "aiStrategy.setConditionStrength Required\r\n"
                "\r\n"
                "\r\n"
                "\r\n"
                "\r\n"
                "rem *** Create Prerequisites ***\r\n"
                "\r\n"
                "aiStrategy.createPrerequisite basicEnemyPrereq\r\n"
                "aiStrategy.addCondition basicEnemyCPCond    20.0\r\n"
                "aiStrategy.addCondition basicNeutralCPCond  20.0\r\n"
                "\r\n"
                "rem aiStrategy.createPrerequisite basicNeutralPrereq\r\n"
                "rem aiStrategy.addCondition basicNeutralCPCond  20.0\r\n"
                "\r\n"
                "aiStrategy.createPrerequisite guardPrereq\r\n"
                "aiStrategy.addCondition noEnemyCond   2.0\r\n"
                "aiStrategy.addCondition noNeutralCond   2.0\r\n"
                "\r\n"
                "\r\n"
                "\r\n"
                "\r\n"
                "\r\n"
                "rem *** Create Strategies ***\r\n"
                "\r\n"
                "\r\n"
                "aiStrategy.createStrategy basicGuard\r\n");

constexpr QLatin1StringView
    txtTussenstuk1("\r\n"
                   "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Owned\r\n"
                   "aiStrategy.setPrerequisite guardPrereq\r\n"
                   "\r\n"
                   "aiStrategy.createStrategy basicAttackEnemy\r\n");

constexpr QLatin1StringView
    txtTussenstuk2("\r\n"
                   "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile\r\n"
                   "aiStrategy.setStrategicObjectsModifier ControlPoint      12.0 Neutral\r\n"
                   "aiStrategy.setPrerequisite basicEnemyPrereq\r\n"
                   "\r\n"
                   "aiStrategy.createStrategy basicAttackNeutral\r\n");

constexpr QLatin1StringView
    txtTussenstuk3("\r\n"
                   "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile\r\n"
                   "aiStrategy.setStrategicObjectsModifier ControlPoint      12.0 Neutral\r\n"
                   "aiStrategy.setPrerequisite basicNeutralPrereq\r\n"
                   "\r\n"
                   "\r\n"
                   "aiStrategy.createStrategy basicDefend\r\n");

// The end piece closes with the editor's stamp, which names the author's contact address.
QString txtEinde()
{
    return QStringLiteral("\r\n"
                          "aiStrategy.setStrategicObjectsModifier ControlPoint      10.0 Hostile\r\n"
                          "aiStrategy.setStrategicObjectsModifier ControlPoint      20.0 Neutral\r\n"
                          "aiStrategy.setPrerequisite basicPrereq\r\n"
                          "\r\n"
                          "\r\n"
                          "\r\n"
                          "rem Made with Orvanthe Editor by ") +
           ContactAddress + QStringLiteral("\r\n");
}

// Each value stands on a line of its own: the keyword, the value as typed, a line break.
QString valueLines(const QString &aggression, const QString &attacks, const QString &defences)
{
    return QStringLiteral("aiStrategy.Aggression ") + aggression + QStringLiteral("\r\n") +
           QStringLiteral("aiStrategy.NumberOfAttacks ") + attacks + QStringLiteral("\r\n") +
           QStringLiteral("aiStrategy.NumberOfDefences ") + defences + QStringLiteral("\r\n");
}

// The state file keeps the blocks in the order Attack Enemy, Attack Neutral, Defend, Guard.
constexpr std::array<QString StrategyValues::*, 12> StateOrder = {
    &StrategyValues::attackEnemyAgression, &StrategyValues::attackEnemyAttacks,
    &StrategyValues::attackEnemyDefences,  &StrategyValues::attackNeutralAgression,
    &StrategyValues::attackNeutralAttacks, &StrategyValues::attackNeutralDefences,
    &StrategyValues::defendAgression,      &StrategyValues::defendAttacks,
    &StrategyValues::defendDefences,       &StrategyValues::guardAgression,
    &StrategyValues::guardAttacks,         &StrategyValues::guardDefences,
};

struct StrategyBlock {
    QLatin1StringView name;
    std::array<QString StrategyValues::*, 3> values;
};

// The strategies the script creates, each followed by its three values.
constexpr std::array<StrategyBlock, 4> Blocks = {{
    {QLatin1StringView("basicGuard"),
     {&StrategyValues::guardAgression, &StrategyValues::guardAttacks, &StrategyValues::guardDefences}},
    {QLatin1StringView("basicAttackEnemy"),
     {&StrategyValues::attackEnemyAgression, &StrategyValues::attackEnemyAttacks,
      &StrategyValues::attackEnemyDefences}},
    {QLatin1StringView("basicAttackNeutral"),
     {&StrategyValues::attackNeutralAgression, &StrategyValues::attackNeutralAttacks,
      &StrategyValues::attackNeutralDefences}},
    {QLatin1StringView("basicDefend"),
     {&StrategyValues::defendAgression, &StrategyValues::defendAttacks, &StrategyValues::defendDefences}},
}};

constexpr std::array<QLatin1StringView, 3> ValueKeywords = {
    QLatin1StringView("aiStrategy.Aggression "),
    QLatin1StringView("aiStrategy.NumberOfAttacks "),
    QLatin1StringView("aiStrategy.NumberOfDefences "),
};

} // namespace

bool isStrategyNumber(const QString &value)
{
    static const QRegularExpression number(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return number.match(value).hasMatch();
}

QString composeStrategies(const StrategyValues &values)
{
    const StrategyValues &v = values;
    QString text(txtVoorstuk);
    text += valueLines(v.guardAgression, v.guardAttacks, v.guardDefences);
    text += txtTussenstuk1;
    text += valueLines(v.attackEnemyAgression, v.attackEnemyAttacks, v.attackEnemyDefences);
    text += txtTussenstuk2;
    text += valueLines(v.attackNeutralAgression, v.attackNeutralAttacks, v.attackNeutralDefences);
    text += txtTussenstuk3;
    text += valueLines(v.defendAgression, v.defendAttacks, v.defendDefences);
    text += txtEinde();
    return text;
}

QStringList strategyStateLines(const StrategyValues &values)
{
    QStringList lines;
    for (QString StrategyValues::*field : StateOrder)
        lines << values.*field;
    return lines;
}

void applyStrategyStateLines(StrategyValues &values, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size() && i < qsizetype(StateOrder.size()); ++i)
        values.*StateOrder[i] = lines.at(i);
}

StrategyValues storedStrategies(const ProgramFolder &programFolder)
{
    StrategyValues values;
    const Result<QStringList> lines = programFolder.readLines(StrategiesStateFile);
    if (lines.ok())
        applyStrategyStateLines(values, lines.value());
    return values;
}

std::optional<StrategyValues> parseStrategies(const QString &text)
{
    StrategyValues values;
    const QStringList lines = gameTextLines(text);
    for (const StrategyBlock &block : Blocks) {
        const QString creates = QStringLiteral("aiStrategy.createStrategy ") + block.name;
        // Every line that creates the strategy counts, however it is spaced, so a second one
        // the game would also read is never overlooked.
        const QRegularExpression createsAny(QStringLiteral("^\\s*aiStrategy\\.createStrategy\\s+") +
                                            block.name + QStringLiteral("\\s*$"));
        qsizetype found = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!createsAny.match(lines.at(i)).hasMatch())
                continue;
            if (++found > 1 || lines.at(i) != creates || i + 3 >= lines.size())
                return std::nullopt;
            for (qsizetype row = 0; row < 3; ++row) {
                const QString &line = lines.at(i + 1 + row);
                const QString value = line.mid(ValueKeywords[row].size());
                if (!line.startsWith(ValueKeywords[row]) || !isPlainValue(value))
                    return std::nullopt;
                values.*block.values[row] = value;
            }
        }
        if (found == 0)
            return std::nullopt;
    }
    return values;
}

SourcedValues<StrategyValues> currentStrategies(const ProgramFolder &programFolder, const QString &scriptFile)
{
    return valuesFromFileOrStore<StrategyValues>(programFolder, scriptFile, StrategiesStateFile,
                                                 parseStrategies, storedStrategies);
}
