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
                                   The bots' four strategies: aggression, attacks, defences.
  strategies --reset               The stock strategies.
  scores [kill=1] [teamkill=-3] [suicide=-2] [revive=1] [heal=1] [resupply=1] [repair=1]
                                   The seven score values, at most three characters each.
  scores --reset                   The stock score values.
  intro skip | remove | reset      The intro movies: skippable with Esc, removed, or
                                   stock.
  bot-names [--from <file> | --reset]
                                   The computer players' names.
  score-module [--from <file> | --reset]
                                   The whole scoring module.
  versions [<file>]                The game files with earlier versions kept, or one file's
                                   versions, numbered, newest first.
  restore <file> [--version <n>]   Write a kept version back (the newest unless given).

A command without values prints the current ones, one per line as name=value (the text
commands print the stock mod's file). Values not given keep those of the game file the
command writes, where it holds them all as vantrax writes them, else the stored ones. Scores
and strategy weights that are not numbers, which the game may not read, are refused unless
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
                                   Store the game folder and the mod.
  vantrax max-bots 32              Let the game spawn up to 32 bots.
  vantrax strategies --guard 0,0,4 --defend 0,1,3
                                   Set two of the four strategies.
  vantrax scores kill=2 teamkill=-5
                                   Set two of the seven score values.
  vantrax intro skip               Make every intro movie skippable with Esc.
  vantrax bot-names --from names.txt
                                   Write the bots' names from a text file.
  vantrax score-module --reset --stdout > scoringCommon.py
                                   Print the stock scoring module into a file.
  vantrax restore mods/Desert/AI/BotNames.ai --version 2
                                   Write the second newest version back.)");
}

QString editorHelp()
{
    return QStringLiteral(R"(Usage: vantrax-editor [FILE.tweak]

Vantrax Editor, the desktop program for the game Orvanthe. It asks once for the game's
installation folder and a mod, then offers one small window per configuration file of the
game: the number of bots, their strategies and names, the score values, the intro movies, the
scoring module and any tweak file. It writes exactly the bytes the game expects.

The value windows show the values of the game file they write, where that file holds them all
as the program writes them; otherwise the values last saved.

Given a FILE.tweak (as a file manager gives it), it starts as usual and opens that file in its
tweak editor.

Options:
  -h, --help  Show this help.
  --version   Show the version.

The game folder, the mod and the values last saved are kept in
$XDG_CONFIG_HOME/vantrax-editor (~/.config/vantrax-editor), and earlier versions of the game
files it replaced in its "versions" folder; the command line program vantrax(1) shares them and
changes the same files from a shell.)");
}

std::optional<QString> requestedInformation(const QStringList &arguments)
{
    const QStringList given = arguments.mid(1);
    if (given.contains(QStringLiteral("-h")) || given.contains(QStringLiteral("--help")))
        return editorHelp() + u'\n';
    if (given.contains(QStringLiteral("--version")))
        return ProgramVersion + u'\n';
    return std::nullopt;
}
