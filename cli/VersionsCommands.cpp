#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "core/FileVersions.h"

#include <QDir>

namespace {

const QString VersionsHelp = QStringLiteral(
    "Before the editor or vantrax replaces a game file with other bytes, it keeps the file's\n"
    "previous bytes as a version, in the \"versions\" folder of the program folder\n"
    "($XDG_CONFIG_HOME/vantrax-editor), apart for each installation and file; the last %1\n"
    "versions of each file stay. <file> is a path below the game folder, as \"vantrax versions\"\n"
    "lists it (in any letter case), or a whole path.");

// The game file a call names: a path below the game folder, or a whole one.
QString namedFile(const GameLocation &location, const QString &given)
{
    return pathOnDisk(QDir::isAbsolutePath(given) ? given : location.gameFolder + u'/' + given);
}

// The file's versions; a file without any is refused.
Result<QList<FileVersion>> versionsOf(const Call &call, const GameLocation &location, const QString &path)
{
    const QList<FileVersion> versions = fileVersions(call.programFolder, path);
    if (versions.isEmpty())
        return Result<QList<FileVersion>>::failure(
            QStringLiteral("no versions of \"%1\" are kept").arg(shownBelow(location.gameFolder, path)));
    return Result<QList<FileVersion>>::success(versions);
}

} // namespace

int runVersions(const Call &call)
{
    CommandParser parser(
        QStringLiteral("versions"), {"versions", "versions <file>"},
        QStringLiteral("Lists the game files of the installation that have versions, one per "
                       "line, or the\nversions of one file, newest first: its number, when "
                       "it was kept, its size.\n") +
            VersionsHelp.arg(KeptVersions));
    parser.addLocationOptions();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;
    const QStringList values = parser.positional();
    if (values.size() > 1)
        return parser.refuse(call.console,
                             QStringLiteral("expected one file, not \"%1\"").arg(values.join(u' ')));
    const Result<GameLocation> location = callLocation(parser, call.stored);
    if (!location.ok())
        return parser.refuse(call.console, location.error());

    if (values.isEmpty()) {
        for (const QString &file : filesWithVersions(call.programFolder, location.value().gameFolder))
            call.console.print(shownBelow(location.value().gameFolder, file));
        return Succeeded;
    }
    const Result<QList<FileVersion>> versions =
        versionsOf(call, location.value(), namedFile(location.value(), values.first()));
    if (!versions.ok())
        return parser.refuse(call.console, versions.error());
    for (qsizetype i = 0; i < versions.value().size(); ++i) {
        const FileVersion &version = versions.value().at(i);
        call.console.print(QStringLiteral("%1  %2  %3 bytes")
                               .arg(i + 1, 2)
                               .arg(version.kept.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                               .arg(version.size));
    }
    return Succeeded;
}

int runRestore(const Call &call)
{
    CommandParser parser(
        QStringLiteral("restore"), {"restore <file> [--version <n>] [--stdout]"},
        QStringLiteral("Writes a kept version of the game file back, the newest unless --version "
                       "gives\nits number as \"vantrax versions <file>\" lists it. The bytes "
                       "the file holds now are\nkept as a version first.\n") +
            VersionsHelp.arg(KeptVersions));
    parser.addOption(QCommandLineOption(QStringLiteral("version"),
                                        QStringLiteral("Write the version of this number (1 is the newest)."),
                                        QStringLiteral("n"), QStringLiteral("1")));
    parser.addLocationOptions();
    parser.addStdoutOption();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;
    const QStringList values = parser.positional();
    if (values.size() != 1)
        return parser.refuse(call.console, QStringLiteral("expected one file"));
    const Result<GameLocation> location = callLocation(parser, call.stored);
    if (!location.ok())
        return parser.refuse(call.console, location.error());
    const QString path = namedFile(location.value(), values.first());
    const Result<QList<FileVersion>> versions = versionsOf(call, location.value(), path);
    if (!versions.ok())
        return parser.refuse(call.console, versions.error());
    bool isNumber = false;
    const int number = parser.value(QStringLiteral("version")).toInt(&isNumber);
    if (!isNumber || number < 1 || number > versions.value().size())
        return parser.refuse(call.console,
                             QStringLiteral("--version must be a number from 1 to %1, not \"%2\"")
                                 .arg(versions.value().size())
                                 .arg(parser.value(QStringLiteral("version"))));

    const FileVersion &version = versions.value().at(number - 1);
    if (parser.toStdout()) {
        const Result<QByteArray> bytes = versionBytes(call.programFolder, path, version);
        if (!bytes.ok())
            return call.console.fail(bytes.error());
        call.console.printBytes(bytes.value());
        return Succeeded;
    }
    if (!call.locked)
        return NeedsLock;
    const Status written = restoreVersion(call.programFolder, path, version);
    return written.ok() ? Succeeded : call.console.fail(written.error());
}
