#include "GameFiles.h"

#include "core/FileVersions.h"
#include "core/TextFiles.h"

#include <QDir>
#include <QFileInfo>

QString absoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

Result<QString> callModName(const CommandParser &parser, const StoredLocation &stored)
{
    if (!parser.isSet(QStringLiteral("mod")))
        return Result<QString>::success(stored.modName.value_or(DefaultModName));
    const QString mod = parser.value(QStringLiteral("mod"));
    const Status usable = checkLocation(GameLocation{QString(), mod});
    return usable.ok() ? Result<QString>::success(mod) : Result<QString>::failure(usable);
}

Result<GameLocation> callLocation(const CommandParser &parser, const StoredLocation &stored)
{
    if (parser.isSet(QStringLiteral("game")) && parser.value(QStringLiteral("game")).isEmpty())
        return Result<GameLocation>::failure(QStringLiteral("--game names no folder"));
    if (!parser.isSet(QStringLiteral("game")) && !stored.gameFolder)
        return Result<GameLocation>::failure(
            QStringLiteral("no game folder is stored; give one with --game <folder> or store one with "
                           "\"vantrax location set <folder>\""));
    const Result<QString> mod = callModName(parser, stored);
    if (!mod.ok())
        return Result<GameLocation>::failure(mod);
    const GameLocation location{absoluteFolder(parser.isSet(QStringLiteral("game"))
                                                   ? parser.value(QStringLiteral("game"))
                                                   : *stored.gameFolder),
                                mod.value()};
    const Status usable = checkLocation(location);
    if (!usable.ok())
        return Result<GameLocation>::failure(usable);
    const Status test = testGameFolder(location.gameFolder);
    if (!test.ok())
        return Result<GameLocation>::failure(
            QStringLiteral("\"%1\" is no game installation: %2")
                .arg(QDir::toNativeSeparators(location.gameFolder), test.error()));
    return Result<GameLocation>::success(location);
}

int deliverWholeText(const Call &call, const CommandParser &parser, const QString &path, const QString &text,
                     const std::optional<StateChange> &state)
{
    Console &console = call.console;
    // A character the code page cannot hold is in the values given: the call is refused.
    const Result<QByteArray> bytes = wholeTextBytes(path, text);
    if (!bytes.ok())
        return parser.refuse(console, bytes.error());
    if (parser.toStdout()) {
        console.printBytes(bytes.value());
        return Succeeded;
    }
    if (!call.locked)
        return NeedsLock;
    const Status written = replaceGameFile(call.programFolder, path, bytes.value(), state);
    return written.ok() ? Succeeded : console.fail(written.error());
}
