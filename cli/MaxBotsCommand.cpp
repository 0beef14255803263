#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "editors/maxbots/AIDefaultFile.h"

int runMaxBots(const Call &call)
{
    CommandParser parser(
        QStringLiteral("max-bots"),
        {"max-bots", "max-bots <count> [--stdout]", "max-bots --reset [--stdout]"},
        QStringLiteral("The number of bots the game spawns, as the editor's \"Change Max Bots\" sets it.\n"
                       "<count> is a whole number from 0 to 256; --reset takes the stock count, 16. The\n"
                       "count is written into the stock mod's AI/AIDefault.ai (whichever mod is\n"
                       "selected), then stored. Without a value, prints the count as \"max-bots=<count>\":\n"
                       "that of AI/AIDefault.ai where its last setMaxNBots line is one this program\n"
                       "writes, else the stored count (16 when none is stored)."));
    parser.addOption(
        QCommandLineOption(QStringLiteral("reset"), QStringLiteral("Write the stock count, 16.")));
    parser.addLocationOptions();
    parser.addStdoutOption();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;

    const QStringList values = parser.positional();
    const bool reset = parser.isSet(QStringLiteral("reset"));
    if (values.size() > 1 || (reset && !values.isEmpty()))
        return parser.refuse(
            call.console, QStringLiteral("expected one count or --reset, not \"%1\"").arg(values.join(u' ')));
    if (values.isEmpty() && !reset) {
        const Result<std::optional<GameLocation>> location = valuesLocation(parser, call.stored, false);
        if (!location.ok())
            return parser.refuse(call.console, location.error());
        const QString path = location.value() ? location.value()->gameFile(AIDefaultFile) : QString();
        call.console.print(
            QStringLiteral("max-bots=%1").arg(currentMaxBots(call.programFolder, path).values));
        return Succeeded;
    }

    int bots = StockBots;
    if (!reset) {
        const std::optional<int> given = parseMaxBots(values);
        if (!given)
            return parser.refuse(call.console,
                                 QStringLiteral("the count must be a whole number from %1 to %2, "
                                                "not \"%3\"")
                                     .arg(FewestBots)
                                     .arg(MostBots)
                                     .arg(values.first()));
        bots = *given;
    }
    const Result<GameLocation> location = callLocation(parser, call.stored);
    if (!location.ok())
        return parser.refuse(call.console, location.error());
    return deliverWholeText(call, parser, location.value().gameFile(AIDefaultFile), composeAIDefault(bots),
                            StateChange{MaxBotsStore, QStringList{QString::number(bots)}});
}
