#include "core/CommandLineHelp.h"

#include "core/ProgramInfo.h"

QString commandLineHelp()
{
    return QStringLiteral(R"(Usage: vantrax <command> [values] [options]

Changes the files of the game Orvanthe that Vantrax Editor changes, from a shell: the same bytes
in the same files, and the same stored values, so the editor's windows show what vantrax stored
and vantrax starts from what the windows saved.

Commands:
  location                         Print the stored game folder and mod.
  location set <folder> [--mod <name>]
                                   Test the folder as the editor's Select does, then store it
                                   with the mod (the stored one, else "Vantrax"), which must
                                   have its folder below mods.
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
  versions [<file>]                The game files with earlier versions kept, or one file's
                                   versions, numbered, newest first.
  restore <file> [--version <n>]   Write a kept version back (the newest unless given).

A command without values prints the current ones, one per line as name=value (the text
commands print the stock mod's file). Values not given keep the stored ones. Scores and
strategy weights that are not numbers, which the game may not read, are refused unless
--force is given.
"vantrax <command> --help" describes a command and its values.

Options:
  --game <folder>  Use this game folder for this call, without storing it.
  --mod <name>     Use this mod for this call, without storing it.
  --stdout         Print the file that would be written, byte for byte; write nothing.
  --force          Write scores and strategy weights that are not numbers as given.
  -h, --help       Show this help.
  --version        Show the version.

Before a game file is replaced with other bytes, its previous bytes are kept as a version (the
last 20 of each file), which "vantrax restore" or the editors' "Restore Previous Version..."
write back.

Without --game, the game folder and mod stored by Vantrax Editor or by "vantrax location set"
are used; they and the stored values are kept in $XDG_CONFIG_HOME/vantrax-editor
(~/.config/vantrax-editor).

Exit codes: 0 done; 1 a file could not be read or written, or the output could not be
printed (the message names it and why, and the previous file stays whole); 2 the call was
refused: a wrong or missing value, a missing --from file, a character the game's code page
cannot hold, a number the game may not read without --force (nothing was written).

Examples:
  vantrax location set /srv/orvanthe --mod Desert
  vantrax max-bots 32
  vantrax strategies --guard 0,0,4 --defend 0,1,3
  vantrax scores kill=2 teamkill=-5
  vantrax intro skip
  vantrax bot-names --from names.txt
  vantrax score-module --reset --stdout > scoringCommon.py
  vantrax restore mods/Desert/AI/BotNames.ai --version 2)");
}

std::optional<QString> requestedInformation(const QStringList &arguments)
{
    const QStringList given = arguments.mid(1);
    if (given.contains(QStringLiteral("-h")) || given.contains(QStringLiteral("--help")))
        return commandLineHelp() + u'\n';
    if (given.contains(QStringLiteral("--version")))
        return ProgramVersion + u'\n';
    return std::nullopt;
}
