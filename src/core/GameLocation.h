#pragma once

#include "core/ProgramFolder.h"
#include "core/Result.h"

#include <QString>

#include <optional>

// Which installation of the game, and which of its mods, the editors work on. Paths below it
// are plain concatenations, the way the game's own scripts name its files.
struct GameLocation {
    QString gameFolder;
    QString modName;

    // A file of the selected mod, named by its path below the mod folder ("/AI/BotNames.ai").
    QString modFile(const QString &suffix) const
    {
        return gameFolder + QStringLiteral("/mods/") + modName + suffix;
    }
    // A file named by its whole path below the game folder ("/mods/vantrax/init.con").
    QString gameFile(const QString &relativePath) const { return gameFolder + relativePath; }
};

// The game's own mod, which every installation has.
inline const QString StockMod = QStringLiteral("vantrax");
inline const QString DefaultModName = QStringLiteral("Vantrax");
// The stock mod's start-up script: a folder that holds it is a game installation.
inline const QString StockStartupScript = QStringLiteral("/mods/vantrax/init.con");

// The stored location: one line each in the program folder.
inline const QString GameFolderStore = QStringLiteral("dir.ini");
inline const QString ModNameStore = QStringLiteral("dirMod.ini");

// Fails with the reason when the folder holds no readable stock start-up script.
Status testGameFolder(const QString &gameFolder);

// Fails with the reason when the mod is not one folder below "mods" (empty, "." or "..", or
// with a separator or line break in it), or the game folder has a line break in its name,
// which its stored file could not hold.
Status checkLocation(const GameLocation &location);

// Fails, naming the folder looked for, when the mod has no folder below the game's "mods"
// (found without regard to letter case): every write of the mod's files would fail.
Status testModFolder(const GameLocation &location);

// What the program folder holds of the location. A value whose file is missing or empty, or a
// mod that checkLocation refuses or that has no folder in the stored game folder, counts as not
// stored.
struct StoredLocation {
    std::optional<QString> gameFolder;
    std::optional<QString> modName;
};
// Fails, naming the file, when a stored file exists but cannot be read.
Result<StoredLocation> readStoredLocation(const ProgramFolder &programFolder);

// Writes both stored files, or, when either cannot be written, leaves both as they were.
Status storeGameLocation(const ProgramFolder &programFolder, const GameLocation &location);
// Whether both stored files hold exactly what storeGameLocation would write.
bool holdsGameLocation(const ProgramFolder &programFolder, const GameLocation &location);
