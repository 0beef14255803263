#include "core/GameLocation.h"

#include "core/PathResolver.h"
#include "core/TextFiles.h"

#include <QDir>
#include <QFileInfo>

#include <tuple>

#ifdef Q_OS_WIN
#include <QRegularExpression>
#endif

Status testGameFolder(const QString &gameFolder)
{
    const Result<QByteArray> script =
        readFileBytes(GameLocation{gameFolder, QString()}.gameFile(StockStartupScript));
    return script.ok() ? Status::success() : Status::failure(script.error());
}

namespace {

// Windows gives these names to devices in every folder, whatever follows a dot: a mod folder
// named so would be the console or a port.
bool isDeviceName([[maybe_unused]] const QString &name)
{
#ifdef Q_OS_WIN
    static const QRegularExpression devices(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return devices.match(name.trimmed()).hasMatch();
#else
    return false;
#endif
}

} // namespace

Status checkLocation(const GameLocation &location)
{
    const auto hasLineBreak = [](const QString &name) {
        return name.contains(u'\n') || name.contains(u'\r');
    };
    if (hasLineBreak(location.gameFolder))
        return Status::failure(QStringLiteral("The game folder \"%1\" has a line break in its name, which "
                                              "cannot be stored.")
                                   .arg(QDir::toNativeSeparators(location.gameFolder)));
    const QString &mod = location.modName;
    if (mod.isEmpty() || mod == u"." || mod == u".." || mod.contains(u'/') || mod.contains(u'\\') ||
        hasLineBreak(mod) || isDeviceName(mod))
        return Status::failure(
            QStringLiteral("The mod \"%1\" is not the name of one folder in the game's \"mods\" folder.")
                .arg(mod));
    return Status::success();
}

Status testModFolder(const GameLocation &location)
{
    const QString folder = location.modFile(QString());
    const Result<QString> found = resolvePath(folder);
    if (found.ok() && QFileInfo(found.value()).isDir())
        return Status::success();
    return Status::failure(QStringLiteral("The mod \"%1\" has no folder: \"%2\" was not found.")
                               .arg(location.modName, QDir::toNativeSeparators(QDir::cleanPath(folder))));
}

namespace {

// Whether the stored file is there in any letter case; a path that cannot be looked up counts
// as there, so that reading it reports why.
bool isStored(const ProgramFolder &programFolder, const QString &name)
{
    const Result<QString> resolved = resolvePath(programFolder.filePath(name));
    return !resolved.ok() || QFileInfo::exists(resolved.value()) || QFileInfo(resolved.value()).isSymLink();
}

// The first line of a stored file; nothing for a missing file or an empty line.
Result<std::optional<QString>> readStoredValue(const ProgramFolder &programFolder, const QString &name)
{
    using Value = Result<std::optional<QString>>;
    if (!isStored(programFolder, name))
        return Value::success(std::nullopt);
    const Result<QStringList> lines = programFolder.readLines(name);
    if (!lines.ok())
        return Value::failure(lines);
    const QString value = lines.value().value(0);
    // No name of a folder or mod holds a NUL, which the system could not even pass on.
    if (value.contains(QChar(u'\0')))
        return Value::failure(
            QStringLiteral("Cannot read \"%1\": it holds a NUL byte, so it is no stored name.")
                .arg(QDir::toNativeSeparators(programFolder.filePath(name))));
    return Value::success(value.isEmpty() ? std::nullopt : std::optional<QString>(value));
}

} // namespace

Result<StoredLocation> readStoredLocation(const ProgramFolder &programFolder)
{
    const Result<std::optional<QString>> folder = readStoredValue(programFolder, GameFolderStore);
    if (!folder.ok())
        return Result<StoredLocation>::failure(folder);
    const Result<std::optional<QString>> mod = readStoredValue(programFolder, ModNameStore);
    if (!mod.ok())
        return Result<StoredLocation>::failure(mod);
    StoredLocation stored{folder.value(), mod.value()};
    if (stored.modName &&
        (!checkLocation(GameLocation{QString(), *stored.modName}).ok() ||
         (stored.gameFolder && !testModFolder(GameLocation{*stored.gameFolder, *stored.modName}).ok())))
        stored.modName.reset();
    return Result<StoredLocation>::success(stored);
}

// The mod is written second; when that fails, the game folder's file gets its old bytes back.
Status storeGameLocation(const ProgramFolder &programFolder, const GameLocation &location)
{
    const QString folderFile = programFolder.filePath(GameFolderStore);
    const bool hadFolder = isStored(programFolder, GameFolderStore);
    const Result<QByteArray> before = hadFolder ? readFileBytes(folderFile) : Result<QByteArray>::success({});
    if (!before.ok())
        return before;
    const Status folder = programFolder.writeLines(GameFolderStore, {location.gameFolder});
    if (!folder.ok())
        return folder;
    const Status mod = programFolder.writeLines(ModNameStore, {location.modName});
    if (!mod.ok())
        std::ignore = hadFolder ? writeFileBytes(folderFile, before.value()) : removeFile(folderFile);
    return mod;
}

bool holdsGameLocation(const ProgramFolder &programFolder, const GameLocation &location)
{
    return programFolder.holdsLines(GameFolderStore, {location.gameFolder}) &&
           programFolder.holdsLines(ModNameStore, {location.modName});
}
