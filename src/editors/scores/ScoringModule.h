#pragma once

#include "core/GameFileValues.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

// The seven basic score values, as the user typed them: free text of at most three characters,
// nothing converted or trimmed. The starting values are those of the game's stock module.
struct ScoreValues {
    QString kill = QStringLiteral("1");
    QString teamKill = QStringLiteral("-3");
    QString suicide = QStringLiteral("-2");
    QString revive = QStringLiteral("1");
    QString heal = QStringLiteral("1");
    QString resupply = QStringLiteral("1");
    QString repair = QStringLiteral("1");
};

constexpr int ScoreValueLength = 3;

// The scoring module, below the selected mod's folder.
inline const QString ScoringModuleSuffix = QStringLiteral("/python/game/scoringCommon.py");
// The game's stock module, as the program carries it.
inline const QString StockScoringModule = QStringLiteral("scoringCommon.py");
// The editor's last values in the program folder, one per line in row order.
inline const QString ScoreStateFile = QStringLiteral("Score.ini");

// The two fixed pieces of the module, cut at line boundaries from the stock module the program
// carries: the front piece (its first eight lines: the header comment and the imports) and the
// remainder after the seven assignments (from its seventeenth line, "SCORE_STRATEGIC = 1", on).
struct ScoringPieces {
    QString txtVoorstuk;
    QString txtEinde;
};
const ScoringPieces &scoringPieces();

// The whole module: the front piece, an empty line, the seven assignments ("SCORE_KILL = "
// and the value as typed, each on a line of its own), then the remainder. With the starting
// values this is the stock module.
QString composeScoringModule(const ScoreValues &values);

// Whether the game reads the value as a score: an optional minus, then digits.
bool isScoreNumber(const QString &value);

// The state file's lines, in row order.
QStringList scoreStateLines(const ScoreValues &values);
// Takes the lines read from a state file in row order. A short file sets only the values it
// holds; lines after the seventh are ignored. A line longer than a value holds is cut to its
// first three characters.
void applyScoreStateLines(ScoreValues &values, const QStringList &lines);

// The values the editor opens with: the starting values, with those the state file holds in
// their place. A missing or unreadable state file leaves the starting values.
ScoreValues storedScores(const ProgramFolder &programFolder);

// The seven values of a scoring module that assigns each of them once, on a line as the editor
// writes it ("SCORE_KILL = " and the value, at most three characters); none for any other text.
std::optional<ScoreValues> parseScoringModule(const QString &text);

// The values the editor and vantrax start from: those of the module at `moduleFile` where it
// holds them all, else the stored ones.
SourcedValues<ScoreValues> currentScores(const ProgramFolder &programFolder, const QString &moduleFile);
