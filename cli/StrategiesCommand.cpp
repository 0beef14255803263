#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "core/StockTexts.h"
#include "editors/strategies/StrategiesFile.h"

#include <QDir>

#include <algorithm>
#include <array>

namespace {

struct Strategy {
    QLatin1StringView option;
    // Where the strategy's three values stand in the state file's lines.
    qsizetype firstLine;
};

// In the order of the script; the state file holds Attack Enemy, Attack Neutral, Defend, Guard.
constexpr std::array<Strategy, 4> Strategies = {{
    {QLatin1StringView("guard"), 9},
    {QLatin1StringView("attack-enemy"), 0},
    {QLatin1StringView("attack-neutral"), 3},
    {QLatin1StringView("defend"), 6},
}};

const char *const PartNames[] = {"aggression", "attacks", "defences"};

// Why a weight cannot be written, if it cannot: holding a line break or another control
// character, which the state file could not keep, or, unless forced, not a number.
std::optional<QString> refusedWeight(const QString &value, bool force)
{
    if (!isPlainValue(value))
        return QStringLiteral("cannot hold a line break or another control character");
    if (!force && !isStrategyNumber(value))
        return QStringLiteral("\"%1\" is not a number: a weight is digits with an optional decimal point "
                              "(--force writes it anyway)")
            .arg(value);
    return std::nullopt;
}

// Puts the values given into the state file's lines; refuses a strategy given twice, a value
// that is not three comma-separated parts, and one refusedWeight refuses.
std::optional<QString> applyTriples(const CommandParser &parser, QStringList &lines)
{
    const bool force = parser.isSet(QStringLiteral("force"));
    for (const Strategy &strategy : Strategies) {
        if (!parser.isSet(strategy.option))
            continue;
        if (parser.values(strategy.option).size() > 1)
            return QStringLiteral("--%1 is given twice").arg(strategy.option);
        const QString triple = parser.value(strategy.option);
        const QStringList parts = triple.split(u',');
        if (parts.size() != 3)
            return QStringLiteral(
                       "--%1 takes three values separated by commas (aggression,attacks,defences), "
                       "not \"%2\"")
                .arg(strategy.option, triple);
        for (qsizetype i = 0; i < 3; ++i) {
            if (const std::optional<QString> refused = refusedWeight(parts.at(i), force))
                return QStringLiteral("--%1 %2 %3")
                    .arg(strategy.option, QLatin1StringView(PartNames[i]), *refused);
            lines[strategy.firstLine + i] = parts.at(i);
        }
    }
    return std::nullopt;
}

// The values not given are written as they were found, so they pass the same test.
std::optional<QString> checkKept(const CommandParser &parser, const QStringList &lines, const QString &source)
{
    const bool force = parser.isSet(QStringLiteral("force"));
    for (const Strategy &strategy : Strategies) {
        if (parser.isSet(strategy.option))
            continue;
        for (qsizetype i = 0; i < 3; ++i)
            if (const std::optional<QString> refused = refusedWeight(lines.at(strategy.firstLine + i), force))
                return QStringLiteral("%1 %2 %3; the value was kept from \"%4\": give it, or --reset writes "
                                      "the stock script")
                    .arg(strategy.option, QLatin1StringView(PartNames[i]), *refused,
                         QDir::toNativeSeparators(source));
    }
    return std::nullopt;
}

bool anyTripleGiven(const CommandParser &parser)
{
    return std::any_of(Strategies.cbegin(), Strategies.cend(),
                       [&](const Strategy &strategy) { return parser.isSet(strategy.option); });
}

void printStrategies(const QStringList &lines, Console &console)
{
    for (const Strategy &strategy : Strategies)
        console.print(QString(strategy.option) + u'=' + lines.mid(strategy.firstLine, 3).join(u','));
}

} // namespace

int runStrategies(const Call &call)
{
    CommandParser parser(
        QStringLiteral("strategies"),
        {"strategies",
         "strategies [--guard A,T,D] [--attack-enemy A,T,D] [--attack-neutral A,T,D] "
         "[--defend A,T,D] [--force] [--stdout]",
         "strategies --reset [--stdout]"},
        QStringLiteral("The three weights of the bots' four strategies, as the editor's \"Change Bot\n"
                       "Strategies\" sets them: A,T,D is the aggression, the number of attacks and the\n"
                       "number of defences, exactly three values separated by commas, each written as\n"
                       "given. A value that is not a number (digits with an optional decimal point),\n"
                       "which the game may not read, is refused unless --force is given. Strategies not\n"
                       "given keep the values of the selected mod's AI/AIDefaultStrategies.ai where it\n"
                       "sets all four as this program writes them, else the stored values, else the\n"
                       "stock ones (guard=0,0,4 attack-enemy=1,3,0 attack-neutral=1,3,0 defend=0,1,3);\n"
                       "a kept value passes the same test as a given one. A strategy given twice is\n"
                       "refused. Writes the script, then stores the values. --reset writes the game's stock\n"
                       "script and forgets the stored values. Without values, prints the current ones as\n"
                       "\"<strategy>=A,T,D\", one strategy per line."));
    for (const Strategy &strategy : Strategies)
        parser.addOption(QCommandLineOption(strategy.option,
                                            QStringLiteral("The %1 strategy's values.").arg(strategy.option),
                                            QStringLiteral("A,T,D")));
    parser.addOption(QCommandLineOption(QStringLiteral("reset"),
                                        QStringLiteral("Write the stock script; forget the stored values.")));
    parser.addOption(QCommandLineOption(QStringLiteral("force"),
                                        QStringLiteral("Write values that are not numbers as given.")));
    parser.addLocationOptions();
    parser.addStdoutOption();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;

    const bool reset = parser.isSet(QStringLiteral("reset"));
    if (!parser.positional().isEmpty())
        return parser.refuse(call.console,
                             QStringLiteral("unexpected value \"%1\"; values are given with "
                                            "--guard, --attack-enemy, --attack-neutral and --defend")
                                 .arg(parser.positional().first()));
    if (reset && anyTripleGiven(parser))
        return parser.refuse(call.console, QStringLiteral("--reset takes no values"));

    QStringList lines = strategyStateLines(StrategyValues());
    if (const std::optional<QString> refused = applyTriples(parser, lines))
        return parser.refuse(call.console, *refused);

    const bool printing = !reset && !anyTripleGiven(parser);
    const Result<std::optional<GameLocation>> location = valuesLocation(parser, call.stored, !printing);
    if (!location.ok())
        return parser.refuse(call.console, location.error());
    const QString path = location.value() ? location.value()->modFile(StrategiesFileSuffix) : QString();
    if (reset)
        return deliverWholeText(call, parser, path, stockText(StockStrategiesText),
                                StateChange{StrategiesStateFile, std::nullopt});
    const SourcedValues<StrategyValues> current = currentStrategies(call.programFolder, path);
    const QStringList found = strategyStateLines(current.values);
    for (const Strategy &strategy : Strategies)
        if (!parser.isSet(strategy.option))
            for (qsizetype i = 0; i < 3; ++i)
                lines[strategy.firstLine + i] = found.at(strategy.firstLine + i);
    if (printing) {
        printStrategies(lines, call.console);
        return Succeeded;
    }
    if (const std::optional<QString> refused = checkKept(parser, lines, current.source))
        return parser.refuse(call.console, *refused);
    StrategyValues values;
    applyStrategyStateLines(values, lines);
    return deliverWholeText(call, parser, path, composeStrategies(values),
                            StateChange{StrategiesStateFile, lines});
}
