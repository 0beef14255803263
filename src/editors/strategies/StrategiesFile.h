#pragma once

#include "core/GameFileValues.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

#include <optional>

// The three weights of each of the bots' four standard strategies, as the user typed them: free
// text, nothing converted or trimmed. The starting values are those of the game's stock file.
struct StrategyValues {
    QString attackEnemyAgression = QStringLiteral("1");
    QString attackEnemyAttacks = QStringLiteral("3");
    QString attackEnemyDefences = QStringLiteral("0");
    QString attackNeutralAgression = QStringLiteral("1");
    QString attackNeutralAttacks = QStringLiteral("3");
    QString attackNeutralDefences = QStringLiteral("0");
    QString guardAgression = QStringLiteral("0");
    QString guardAttacks = QStringLiteral("0");
    QString guardDefences = QStringLiteral("4");
    QString defendAgression = QStringLiteral("0");
    QString defendAttacks = QStringLiteral("1");
    QString defendDefences = QStringLiteral("3");
};

// The strategy script, below the selected mod's folder.
inline const QString StrategiesFileSuffix = QStringLiteral("/AI/AIDefaultStrategies.ai");
// The game's own strategy script, among the stock texts.
inline const QString StockStrategiesText = QStringLiteral("AIDefaultStrategies.ai");
// The editor's last values in the program folder, one per line.
inline const QString StrategiesStateFile = QStringLiteral("strategies.ini");

// Whether the game reads the value as a weight: digits with an optional decimal point.
bool isStrategyNumber(const QString &value);

// The whole strategy script: the fixed conditions and prerequisites, then the four strategies
// (Guard, Attack Enemy, Attack Neutral, Defend), all active, each with its three values, and
// the editor's stamp at the end.
QString composeStrategies(const StrategyValues &values);

// The state file's lines: Attack Enemy, Attack Neutral, Defend, Guard, three values each.
QStringList strategyStateLines(const StrategyValues &values);
// Takes the lines read from a state file in the same order. A short file sets only the values
// it holds; lines after the twelfth are ignored.
void applyStrategyStateLines(StrategyValues &values, const QStringList &lines);

// The values the editor opens with: the starting values, with those the state file holds in
// their place. A missing or unreadable state file leaves the starting values.
StrategyValues storedStrategies(const ProgramFolder &programFolder);

// The twelve values of a strategy script that creates each of the four strategies once, followed
// by its three values on lines as the editor writes them ("aiStrategy.Aggression " and the
// value, then NumberOfAttacks, then NumberOfDefences); none for any other text.
std::optional<StrategyValues> parseStrategies(const QString &text);

// The values the editor and vantrax start from: those of the script at `scriptFile` where it
// holds them all, else the stored ones.
SourcedValues<StrategyValues> currentStrategies(const ProgramFolder &programFolder,
                                                const QString &scriptFile);
