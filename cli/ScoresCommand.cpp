#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "editors/scores/ScoringModule.h"

namespace {

// The scores by the names they are given with, in the order of the state file.
const QStringList ScoreNames = {"kill", "teamkill", "suicide", "revive", "heal", "resupply", "repair"};

// Puts the "name=value" values given into the state file's lines; refuses a value in another
// form, an unknown name, a value longer than three characters, one that holds a line break, or,
// unless forced, one that is not a number.
std::optional<QString> applyScores(const QStringList &given, bool force, QStringList &lines)
{
    for (const QString &assignment : given) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals < 0)
            return QStringLiteral("values are given as name=value, such as kill=1, not \"%1\"")
                .arg(assignment);
        const QString name = assignment.left(equals);
        const QString value = assignment.mid(equals + 1);
        const qsizetype row = ScoreNames.indexOf(name.toLower());
        if (row < 0)
            return QStringLiteral("unknown score \"%1\"; the scores are %2").arg(name, ScoreNames.join(u' '));
        if (value.size() > ScoreValueLength)
            return QStringLiteral("the value of %1 is longer than %2 characters: \"%3\"")
                .arg(ScoreNames.at(row))
                .arg(ScoreValueLength)
                .arg(value);
        if (value.contains(u'\n') || value.contains(u'\r'))
            return QStringLiteral("the value of %1 cannot hold a line break").arg(ScoreNames.at(row));
        if (!force && !isScoreNumber(value))
            return QStringLiteral("%1 \"%2\" is not a number: a score is an optional minus and digits "
                                  "(--force writes it anyway)")
                .arg(ScoreNames.at(row), value);
        lines[row] = value;
    }
    return std::nullopt;
}

} // namespace

int runScores(const Call &call)
{
    CommandParser parser(
        QStringLiteral("scores"),
        {"scores",
         "scores [kill=1] [teamkill=-3] [suicide=-2] [revive=1] [heal=1] [resupply=1] [repair=1] "
         "[--force] [--stdout]",
         "scores --reset [--stdout]"},
        QStringLiteral("The seven basic score values, as the editor's \"Score Editor\" sets them. Each is\n"
                       "given as name=value, the value written as given, at most three characters. A\n"
                       "value that is not a number (an optional minus and digits; an empty value is not\n"
                       "one), which the game may not read, is refused unless --force is given. Scores not\n"
                       "given keep their stored values, else the stock ones shown above. Writes the\n"
                       "selected mod's python/game/scoringCommon.py, then stores the values. --reset\n"
                       "writes the stock values and stores them. Without values, prints the current ones\n"
                       "as \"name=value\", one per line."));
    parser.addOption(
        QCommandLineOption(QStringLiteral("reset"), QStringLiteral("Write and store the stock values.")));
    parser.addOption(QCommandLineOption(QStringLiteral("force"),
                                        QStringLiteral("Write values that are not numbers as given.")));
    parser.addLocationOptions();
    parser.addStdoutOption();
    if (const std::optional<int> done = parser.parse(call.arguments, call.console))
        return *done;

    const QStringList given = parser.positional();
    const bool reset = parser.isSet(QStringLiteral("reset"));
    if (reset && !given.isEmpty())
        return parser.refuse(call.console, QStringLiteral("--reset takes no values"));
    QStringList lines = scoreStateLines(reset ? ScoreValues() : storedScores(call.programFolder));
    if (!reset && given.isEmpty()) {
        for (qsizetype row = 0; row < ScoreNames.size(); ++row)
            call.console.print(ScoreNames.at(row) + u'=' + lines.at(row));
        return Succeeded;
    }
    if (const std::optional<QString> refused =
            applyScores(given, parser.isSet(QStringLiteral("force")), lines))
        return parser.refuse(call.console, *refused);

    const Result<GameLocation> location = callLocation(parser, call.stored);
    if (!location.ok())
        return parser.refuse(call.console, location.error());
    ScoreValues values;
    applyScoreStateLines(values, lines);
    // After a reset the state file is made anew, so it takes its own name again whatever letter
    // case the old one had, as the editor's Reset and Save leaves it.
    return deliverWholeText(call, parser, location.value().modFile(ScoringModuleSuffix),
                            composeScoringModule(values), StateChange{ScoreStateFile, lines, reset});
}
