#include "CommandLine.h"

#include "Commands.h"

#include "core/CommandLineHelp.h"
#include "core/ProgramInfo.h"

#include <QCommandLineParser>

#include <array>

namespace {

struct Command {
    QLatin1StringView name;
    int (*run)(const Call &);
};

constexpr std::array<Command, 9> Commands = {{
    {QLatin1StringView("location"), runLocation},
    {QLatin1StringView("max-bots"), runMaxBots},
    {QLatin1StringView("strategies"), runStrategies},
    {QLatin1StringView("scores"), runScores},
    {QLatin1StringView("intro"), runIntro},
    {QLatin1StringView("bot-names"), runBotNames},
    {QLatin1StringView("score-module"), runScoreModule},
    {QLatin1StringView("versions"), runVersions},
    {QLatin1StringView("restore"), runRestore},
}};
} // namespace

// The options every command shares may stand before the command's name; everything after it
// belongs to the command, whose own parser reads the shared options too.
int runCommandLine(const QStringList &arguments, const ProgramFolder &programFolder, Console &console)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOptions({help, version,
                       QCommandLineOption(QStringLiteral("game"), QString(), QStringLiteral("folder")),
                       QCommandLineOption(QStringLiteral("mod"), QString(), QStringLiteral("name")),
                       QCommandLineOption(QStringLiteral("stdout"))});
    if (!parser.parse(arguments))
        return console.refuse(parser.errorText() + QStringLiteral(" See \"vantrax --help\"."));

    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        if (parser.isSet(version)) {
            console.print(ProgramVersion);
            return Succeeded;
        }
        if (parser.isSet(help)) {
            console.print(commandLineHelp());
            return Succeeded;
        }
        return console.refuse(QStringLiteral("no command given. See \"vantrax --help\"."));
    }
    for (const Command &command : Commands) {
        if (rest.first() != command.name)
            continue;
        QStringList commandArguments = arguments;
        commandArguments.removeAt(arguments.size() - rest.size());
        const Result<StoredLocation> read = readStoredLocation(programFolder);
        if (!read.ok())
            return console.fail(read.error());
        const int readOnly = command.run(Call{commandArguments, programFolder, read.value(), console});
        if (readOnly != NeedsLock)
            return readOnly;
        // A call that writes, from reading the stored values to writing the files, is one step
        // for every other writer.
        int exitCode = Succeeded;
        const Status locked = programFolder.whileLocked([&] {
            const Result<StoredLocation> stored = readStoredLocation(programFolder);
            if (!stored.ok())
                return Status(stored);
            exitCode = command.run(Call{commandArguments, programFolder, stored.value(), console, true});
            return Status::success();
        });
        return locked.ok() ? exitCode : console.fail(locked.error());
    }
    return console.refuse(
        QStringLiteral("unknown command \"%1\". See \"vantrax --help\".").arg(rest.first()));
}
