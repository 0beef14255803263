#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "editors/intro/IntroScript.h"

namespace {

// The options by the names they are given with, in the order of IntroOption.
const QStringList OptionNames = {"skip", "remove", "reset"};

} // namespace

int runIntro(const Call &call)
{
    CommandParser parser(
        QStringLiteral("intro"), {"intro", "intro skip|remove|reset [--stdout]"},
        QStringLiteral("The intro movies, as the editor's \"Remove intro\" sets them: \"skip\" makes every\n"
                       "movie skippable with Esc, \"remove\" plays none, \"reset\" writes the game's own\n"
                       "script. Writes the selected mod's Init.con, then stores the choice. Without a\n"
                       "value, prints the choice as \"intro=<choice>\": the script Init.con is, where it\n"
                       "is one of the three, else the stored choice (\"skip\" when none is stored,\n"
                       "\"none\" when the stored states select no option)."));
    parser.addLocationOptions();
    parser.addStdoutOption();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;

    const QStringList values = parser.positional();
    if (values.isEmpty()) {
        const Result<std::optional<GameLocation>> location = valuesLocation(parser, call.stored, false);
        if (!location.ok())
            return parser.refuse(call.console, location.error());
        const QString path = location.value() ? location.value()->modFile(IntroScriptFile) : QString();
        const std::optional<IntroOption> shown = currentIntroOption(call.programFolder, path).values;
        call.console.print(QStringLiteral("intro=") +
                           (shown ? OptionNames.at(int(*shown)) : QStringLiteral("none")));
        return Succeeded;
    }
    const qsizetype chosen = OptionNames.indexOf(values.first());
    if (values.size() > 1 || chosen < 0)
        return parser.refuse(
            call.console,
            QStringLiteral("expected skip, remove or reset, not \"%1\"").arg(values.join(u' ')));

    const Result<GameLocation> location = callLocation(parser, call.stored);
    if (!location.ok())
        return parser.refuse(call.console, location.error());
    const auto option = static_cast<IntroOption>(chosen);
    return deliverWholeText(call, parser, location.value().modFile(IntroScriptFile), introScript(option),
                            StateChange{IntroStore, introStoreLines(introSelection(option))});
}
