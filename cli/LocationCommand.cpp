#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include <QDir>

namespace {

int printLocation(const CommandParser &parser, const Call &call)
{
    if (!call.stored.gameFolder)
        return parser.refuse(call.console,
                             QStringLiteral("no game folder is stored; store one with \"vantrax "
                                            "location set <folder>\""));
    const Result<QString> mod = callModName(parser, call.stored, *call.stored.gameFolder);
    if (!mod.ok())
        return parser.refuse(call.console, mod.error());
    call.console.print(QStringLiteral("game=") + QDir::toNativeSeparators(*call.stored.gameFolder));
    call.console.print(QStringLiteral("mod=") + mod.value());
    return Succeeded;
}

// As the selection window's Select: a folder without the game's own start-up script is refused.
int storeLocation(const CommandParser &parser, const Call &call, const QString &folder)
{
    if (folder.isEmpty())
        return parser.refuse(call.console, QStringLiteral("\"set\" needs a game folder, not an empty name"));
    const QString gameFolder = absoluteFolder(folder);
    const QString mod = parser.isSet(QStringLiteral("mod")) ? parser.value(QStringLiteral("mod"))
                                                            : call.stored.modName.value_or(DefaultModName);
    const GameLocation location{gameFolder, mod};
    const Status usable = checkLocation(location);
    if (!usable.ok())
        return parser.refuse(call.console, usable.error());
    const Status test = testGameFolder(location.gameFolder);
    if (!test.ok())
        return parser.refuse(call.console,
                             QStringLiteral("\"%1\" is no game installation: %2")
                                 .arg(QDir::toNativeSeparators(location.gameFolder), test.error()));
    // Every later write would fail on a mod without a folder.
    const Status modFolder = testModFolder(location);
    if (!modFolder.ok())
        return parser.refuse(call.console, modFolder.error());
    if (!call.locked)
        return NeedsLock;
    const Status stored = storeGameLocation(call.programFolder, location);
    return stored.ok() ? Succeeded : call.console.fail(stored.error());
}

} // namespace

int runLocation(const Call &call)
{
    CommandParser parser(
        QStringLiteral("location"), {"location", "location set <game-folder> [--mod <name>]"},
        QStringLiteral("Without values, prints the stored game folder and mod as \"game=<folder>\" and\n"
                       "\"mod=<name>\". \"set\" tests <game-folder> as Vantrax Editor's Select does (it\n"
                       "must hold mods/vantrax/init.con) and stores it with the mod: --mod when given,\n"
                       "else the stored mod, else \"Vantrax\". Every command then works on them, and so\n"
                       "does Vantrax Editor at its next start."));
    parser.addOption(QCommandLineOption(QStringLiteral("mod"), QStringLiteral("The mod to store."),
                                        QStringLiteral("name")));
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;

    const QStringList values = parser.positional();
    if (values.isEmpty())
        return printLocation(parser, call);
    if (values.size() == 2 && values.first() == QStringLiteral("set"))
        return storeLocation(parser, call, values.at(1));
    return parser.refuse(
        call.console,
        QStringLiteral("expected nothing or \"set <game-folder>\", not \"%1\"").arg(values.join(u' ')));
}
