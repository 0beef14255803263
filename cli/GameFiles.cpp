#include "GameFiles.h"

#include "core/FileVersions.h"
#include "core/TextFiles.h"

#include <QDir>
#include <QFileInfo>

QString absoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

Result<QString> callModName(const CommandParser &parser, const StoredLocation &stored,
                            const QString &gameFolder)
{
    if (!parser.isSet(QStringLiteral("mod"))) {
        const bool storedHere =
            stored.modName && testModFolder(GameLocation{gameFolder, *stored.modName}).ok();
        return Result<QString>::success(storedHere ? *stored.modName : DefaultModName);
    }
    const GameLocation location{gameFolder, parser.value(QStringLiteral("mod"))};
    Status usable = checkLocation(location);
    if (usable.ok())
        usable = testModFolder(location);
    return usable.ok() ? Result<QString>::success(location.modName) : Result<QString>::failure(usable);
}

Result<GameLocation> callLocation(const CommandParser &parser, const StoredLocation &stored)
{
    if (parser.isSet(QStringLiteral("game")) && parser.value(QStringLiteral("game")).isEmpty())
        return Result<GameLocation>::failure(QStringLiteral("--game names no folder"));
    if (!parser.isSet(QStringLiteral("game")) && !stored.gameFolder)
        return Result<GameLocation>::failure(
            QStringLiteral("no game folder is stored; give one with --game <folder> or store one with "
                           "\"vantrax location set <folder>\""));
    const QString gameFolder = absoluteFolder(
        parser.isSet(QStringLiteral("game")) ? parser.value(QStringLiteral("game")) : *stored.gameFolder);
    const Status usable = checkLocation(GameLocation{gameFolder, DefaultModName});
    if (!usable.ok())
        return Result<GameLocation>::failure(usable);
    const Status test = testGameFolder(gameFolder);
    if (!test.ok())
        return Result<GameLocation>::failure(QStringLiteral("\"%1\" is no game installation: %2")
                                                 .arg(QDir::toNativeSeparators(gameFolder), test.error()));
    const Result<QString> mod = callModName(parser, stored, gameFolder);
    if (!mod.ok())
        return Result<GameLocation>::failure(mod);
    return Result<GameLocation>::success(GameLocation{gameFolder, mod.value()});
}

Result<std::optional<GameLocation>> valuesLocation(const CommandParser &parser, const StoredLocation &stored,
                                                   bool writes)
{
    using Found = Result<std::optional<GameLocation>>;
    if (!writes && !parser.isSet(QStringLiteral("game")) && !stored.gameFolder)
        return Found::success(std::nullopt);
    const Result<GameLocation> location = callLocation(parser, stored);
    return location.ok() ? Found::success(location.value()) : Found::failure(location);
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
