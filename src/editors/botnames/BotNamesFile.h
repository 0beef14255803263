#pragma once

#include <QString>

// The console script that lists the names the game gives its computer players, below a mod's
// folder. The editor reads it from the stock mod and writes it into the selected one.
inline const QString BotNamesSuffix = QStringLiteral("/AI/BotNames.ai");
// The game's stock list of 100 names, as the program carries it.
inline const QString StockBotNames = QStringLiteral("BotNames.ai");
