#pragma once

#include "core/GameFileValues.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

#include <optional>

// The game's AI settings script, below the game folder. It always belongs to the stock mod:
// it is written there whatever mod is selected.
inline const QString AIDefaultFile = QStringLiteral("/mods/vantrax/AI/AIDefault.ai");
// The last count chosen, one line in the program folder.
inline const QString MaxBotsStore = QStringLiteral("MaxBots.ini");

constexpr int FewestBots = 0;
constexpr int MostBots = 256;
constexpr int StockBots = 16;

// The whole script for the count: the stock head, the count command and the stock tail. The
// command ends with a lone carriage return, so in the file it is followed by CR CR LF; the
// head's own "aiSettings.setMaxNBots 16" stays, before it.
QString composeAIDefault(int bots);

// The count stored in the first line: digits only (blanks around them allowed), from 0 to 256.
// Anything else, or no line at all, gives no count.
std::optional<int> parseMaxBots(const QStringList &lines);

// The count the editor opens with: the stored one, else the stock count.
int storedMaxBots(const ProgramFolder &programFolder);

// The count the game reads from an AI settings script: that of its last "aiSettings.setMaxNBots"
// line, where that line is one the editor writes (the command, one blank, the count from 0 to
// 256); none for any other text.
std::optional<int> parseAIDefault(const QString &text);

// The count the editor and vantrax start from: that of the script at `scriptFile` where it holds
// one, else the stored one.
SourcedValues<int> currentMaxBots(const ProgramFolder &programFolder, const QString &scriptFile);
