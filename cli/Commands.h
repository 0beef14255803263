#pragma once

#include "Console.h"

#include "core/GameLocation.h"
#include "core/ProgramFolder.h"

#include <QStringList>

// One call of a command: its arguments (the program's name first, the command's name left out),
// the program folder shared with Vantrax Editor and the location stored there, and where to print.
// A call runs first without the writers' lock, so that one that only reads takes none and works in
// a program folder it may not write; one that comes to a write returns NeedsLock before writing
// or printing anything and runs again, from the start, holding the lock (`locked`).
struct Call {
    QStringList arguments;
    const ProgramFolder &programFolder;
    const StoredLocation &stored;
    Console &console;
    bool locked = false;
};

inline constexpr int NeedsLock = -1;

// Each command returns the program's exit code, or NeedsLock.
int runLocation(const Call &call);
int runMaxBots(const Call &call);
int runStrategies(const Call &call);
int runScores(const Call &call);
int runIntro(const Call &call);
int runBotNames(const Call &call);
int runScoreModule(const Call &call);
int runVersions(const Call &call);
int runRestore(const Call &call);
