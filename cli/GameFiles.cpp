#include "GameFiles.h"

#include "core/TextFiles.h"

#include <QDir>
#include <QFileInfo>

QString absoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

QString callModName(const CommandParser &parser, const ProgramFolder &programFolder)
{
    if (parser.isSet(QStringLiteral("mod")))
        return parser.value(QStringLiteral("mod"));
    const Result<QString> stored = readStoredValue(programFolder, ModNameStore);
    return stored.ok() ? stored.value() : DefaultModName;
}

Result<GameLocation> callLocation(const CommandParser &parser, const ProgramFolder &programFolder)
{
    QString folder = parser.value(QStringLiteral("game"));
    if (!parser.isSet(QStringLiteral("game"))) {
        const Result<QString> stored = readStoredValue(programFolder, GameFolderStore);
        if (!stored.ok() || stored.value().isEmpty())
            return Result<GameLocation>::failure(
                QStringLiteral("no game folder is stored; give one with --game <folder> or store one with "
                               "\"vantrax location set <folder>\""));
        folder = stored.value();
    }
    folder = absoluteFolder(folder);
    const Status test = testGameFolder(folder);
    if (!test.ok())
        return Result<GameLocation>::failure(QStringLiteral("\"%1\" is no game installation: %2")
                                                 .arg(QDir::toNativeSeparators(folder), test.error()));
    return Result<GameLocation>::success(GameLocation{folder, callModName(parser, programFolder)});
}

int deliverWholeText(const CommandParser &parser, Console &console, const QString &path, const QString &text,
                     const std::function<Status()> &remember)
{
    if (parser.toStdout()) {
        const Result<QByteArray> bytes = wholeTextBytes(path, text);
        if (!bytes.ok())
            return console.fail(bytes.error());
        console.printBytes(bytes.value());
        return Succeeded;
    }
    const Status written = writeWholeText(path, text);
    if (!written.ok())
        return console.fail(written.error());
    if (remember) {
        const Status stored = remember();
        if (!stored.ok())
            return console.fail(stored.error());
    }
    return Succeeded;
}
