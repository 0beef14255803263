#pragma once

#include "CommandParser.h"
#include "Commands.h"
#include "Console.h"

#include "core/FileVersions.h"
#include "core/GameLocation.h"
#include "core/ProgramFolder.h"
#include "core/Result.h"

#include <QString>

#include <optional>

// The folder given with the program's own argument, as the selection window holds a folder:
// absolute, without "." or ".." steps.
QString absoluteFolder(const QString &folder);

// The mod of one call in the game folder: --mod when given, else the stored mod where it has a
// folder there, else the game's own "Vantrax". Fails for a --mod that is not one folder below
// "mods", or that has no folder there.
Result<QString> callModName(const CommandParser &parser, const StoredLocation &stored,
                            const QString &gameFolder);

// The game location of one call: --game when given, else the stored folder, with the call's
// mod. Fails when there is neither, when checkLocation refuses them, or when the folder is no
// game installation (the test of the selection window's Select).
Result<GameLocation> callLocation(const CommandParser &parser, const StoredLocation &stored);

// The location whose game files hold the values a call keeps or prints: the call's location; for
// a call that only prints, none where no game folder is given or stored (the stored values then
// stand alone).
Result<std::optional<GameLocation>> valuesLocation(const CommandParser &parser, const StoredLocation &stored,
                                                   bool writes);

// Writes the whole-text file, keeping the bytes it replaces as a version, with the state change
// (which stores the values); with --stdout prints the file's bytes instead and does neither. A
// text the code page cannot hold is refused; a failure is reported by its message, which names
// the file and the reason. Without the writers' lock, returns NeedsLock before writing.
int deliverWholeText(const Call &call, const CommandParser &parser, const QString &path, const QString &text,
                     const std::optional<StateChange> &state = std::nullopt);
