#pragma once

#include "Console.h"

#include "core/GameLocation.h"
#include "core/ProgramFolder.h"

#include <QStringList>

// One call of a command: its arguments (the program's name first, the command's name left out),
// the program folder shared with Vantrax Editor and the location stored there, and where to print.
struct Call {
    QStringList arguments;
    const ProgramFolder &programFolder;
    const StoredLocation &stored;
    Console &console;
};

// Each command returns the program's exit code.
int runLocation(const Call &call);
int runMaxBots(const Call &call);
int runStrategies(const Call &call);
int runScores(const Call &call);
int runIntro(const Call &call);
int runBotNames(const Call &call);
int runScoreModule(const Call &call);
int runVersions(const Call &call);
int runRestore(const Call &call);
