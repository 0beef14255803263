#include "CommandLine.h"

#include "Commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace {

struct Command {
    QLatin1StringView name;
    int (*run)(const Call &);
};

constexpr std::array<Command, 7> Commands = {{
    {QLatin1StringView("location"), runLocation},
    {QLatin1StringView("max-bots"), runMaxBots},
    {QLatin1StringView("strategies"), runStrategies},
    {QLatin1StringView("scores"), runScores},
    {QLatin1StringView("intro"), runIntro},
    {QLatin1StringView("bot-names"), runBotNames},
    {QLatin1StringView("score-module"), runScoreModule},
}};

const QString ProgramHelp = QStringLiteral(R"(Usage: vantrax <command> [values] [options]

Changes the files of the game Orvanthe that Vantrax Editor changes, from a shell: the same bytes
in the same files, and the same stored values, so the editor's windows show what vantrax stored
and vantrax starts from what the windows saved.

Commands:
  location                         Print the stored game folder and mod.
  location set <folder> [--mod <name>]
                                   Test the folder as the editor's Select does, then store it
                                   with the mod (the stored one, else "Vantrax").
  max-bots [<count> | --reset]     The number of bots, 0 to 256 (stock: 16).
  strategies [--guard A,T,D] [--attack-enemy A,T,D] [--attack-neutral A,T,D] [--defend A,T,D]
  strategies --reset               The bots' four strategies: aggression, attacks, defences.
  scores [kill=1] [teamkill=-3] [suicide=-2] [revive=1] [heal=1] [resupply=1] [repair=1]
  scores --reset                   The seven score values, at most three characters each.
  intro skip | remove | reset      The intro movies: skippable with Esc, removed, or stock.
  bot-names [--from <file> | --reset]
                                   The computer players' names.
  score-module [--from <file> | --reset]
                                   The whole scoring module.

A command without values prints the current ones, one per line as name=value (the text
commands print the stock mod's file). Values not given keep the stored ones.
"vantrax <command> --help" describes a command and its values.

Options:
  --game <folder>  Use this game folder for this call, without storing it.
  --mod <name>     Use this mod for this call, without storing it.
  --stdout         Print the file that would be written, byte for byte; write nothing.
  -h, --help       Show this help.
  --version        Show the version.

Without --game, the game folder and mod stored by Vantrax Editor or by "vantrax location set"
are used; they and the stored values are kept in $XDG_CONFIG_HOME/vantrax-editor
(~/.config/vantrax-editor).

Exit codes: 0 done; 1 a file could not be read or written (the message names it and why, and
the previous file stays whole); 2 the call was refused (nothing was written).

Examples:
  vantrax location set /srv/orvanthe --mod Desert
  vantrax max-bots 32
  vantrax strategies --guard 0,0,4 --defend 0,1,3
  vantrax scores kill=2 teamkill=-5
  vantrax intro skip
  vantrax bot-names --from names.txt
  vantrax score-module --reset --stdout > scoringCommon.py)");

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
            console.print(QCoreApplication::applicationVersion());
            return Succeeded;
        }
        if (parser.isSet(help)) {
            console.print(ProgramHelp);
            return Succeeded;
        }
        return console.refuse(QStringLiteral("no command given. See \"vantrax --help\"."));
    }
    for (const Command &command : Commands) {
        if (rest.first() != command.name)
            continue;
        QStringList commandArguments = arguments;
        commandArguments.removeAt(arguments.size() - rest.size());
        // The whole call, from reading the stored values to writing the files, is one step
        // for every other writer.
        int exitCode = Succeeded;
        const Status locked = programFolder.whileLocked([&] {
            const Result<StoredLocation> stored = readStoredLocation(programFolder);
            if (!stored.ok())
                return Status(stored);
            exitCode = command.run(Call{commandArguments, programFolder, stored.value(), console});
            return Status::success();
        });
        return locked.ok() ? exitCode : console.fail(locked.error());
    }
    return console.refuse(
        QStringLiteral("unknown command \"%1\". See \"vantrax --help\".").arg(rest.first()));
}
