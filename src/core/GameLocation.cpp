#include "core/GameLocation.h"

#include "core/TextFiles.h"

Status testGameFolder(const QString &gameFolder)
{
    const Result<QByteArray> script = readFileBytes(GameLocation{gameFolder, QString()}.gameFile(StockStartupScript));
    return script.ok() ? Status::success() : Status::failure(script.error());
}

Status storeGameLocation(const ProgramFolder &programFolder, const GameLocation &location)
{
    const Status folder = programFolder.writeLines(GameFolderStore, {location.gameFolder});
    const Status mod = programFolder.writeLines(ModNameStore, {location.modName});
    return folder.ok() ? mod : folder;
}

Result<QString> readStoredValue(const ProgramFolder &programFolder, const QString &name)
{
    const Result<QStringList> lines = programFolder.readLines(name);
    if (!lines.ok())
        return Result<QString>::failure(lines);
    return Result<QString>::success(lines.value().value(0));
}
