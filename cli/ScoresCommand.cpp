#include "CommandParser.h"
#include "Commands.h"
#include "GameFiles.h"

#include "editors/scores/ScoringModule.h"

#include <QDir>

namespace {

// The scores by the names they are given with, in the order of the state file.
const QStringList ScoreNames = {"kill", "teamkill", "suicide", "revive", "heal", "resupply", "repair"};

// Why a score value cannot be written, if it cannot: longer than three characters, holding a line
// break or another control character, or, unless forced, not a number.
std::optional<QString> refusedScore(const QString &name, const QString &value, bool force)
{
    if (value.size() > ScoreValueLength)
        return QStringLiteral("the value of %1 is longer than %2 characters: \"%3\"")
            .arg(name)
            .arg(ScoreValueLength)
            .arg(value);
    if (!isPlainValue(value))
        return QStringLiteral("the value of %1 cannot hold a line break or another control character")
            .arg(name);
    if (!force && !isScoreNumber(value))
        return QStringLiteral("%1 \"%2\" is not a number: a score is an optional minus and digits "
                              "(--force writes it anyway)")
            .arg(name, value);
    return std::nullopt;
}

// Puts the "name=value" values given into the lines; refuses a value in another form, an unknown
// name, a name given twice and a value refusedScore refuses. Marks the rows given.
std::optional<QString> applyScores(const QStringList &given, bool force, QStringList &lines,
                                   QList<bool> &isGiven)
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
        if (isGiven.at(row))
            return QStringLiteral("%1 is given twice").arg(ScoreNames.at(row));
        if (const std::optional<QString> refused = refusedScore(ScoreNames.at(row), value, force))
            return *refused;
        lines[row] = value;
        isGiven[row] = true;
    }
    return std::nullopt;
}

// The values not given are written as they were found, so they pass the same test.
std::optional<QString> checkKept(const QStringList &lines, const QList<bool> &isGiven, bool force,
                                 const QString &source)
{
    for (qsizetype row = 0; row < ScoreNames.size(); ++row) {
        if (isGiven.at(row))
            continue;
        if (const std::optional<QString> refused = refusedScore(ScoreNames.at(row), lines.at(row), force))
            return QStringLiteral("%1; the value was kept from \"%2\": give it, or --reset writes the stock "
                                  "values")
                .arg(*refused, QDir::toNativeSeparators(source));
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
                       "given keep the values of the selected mod's python/game/scoringCommon.py where\n"
                       "it sets all seven as this program writes them, else the stored values, else the\n"
                       "stock ones shown above; a kept value passes the same test as a given one. A\n"
                       "score given twice is refused. Writes the scoring module, then stores the\n"
                       "values. --reset\n"
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
    const bool force = parser.isSet(QStringLiteral("force"));
    QList<bool> isGiven(ScoreNames.size(), false);
    QStringList lines = scoreStateLines(ScoreValues());
    if (const std::optional<QString> refused = applyScores(given, force, lines, isGiven))
        return parser.refuse(call.console, *refused);

    const bool printing = !reset && given.isEmpty();
    const Result<std::optional<GameLocation>> location = valuesLocation(parser, call.stored, !printing);
    if (!location.ok())
        return parser.refuse(call.console, location.error());
    const QString path = location.value() ? location.value()->modFile(ScoringModuleSuffix) : QString();
    if (!reset) {
        const SourcedValues<ScoreValues> current = currentScores(call.programFolder, path);
        const QStringList found = scoreStateLines(current.values);
        for (qsizetype row = 0; row < ScoreNames.size(); ++row)
            if (!isGiven.at(row))
                lines[row] = found.at(row);
        if (printing) {
            for (qsizetype row = 0; row < ScoreNames.size(); ++row)
                call.console.print(ScoreNames.at(row) + u'=' + lines.at(row));
            return Succeeded;
        }
        if (const std::optional<QString> refused = checkKept(lines, isGiven, force, current.source))
            return parser.refuse(call.console, *refused);
    }
    ScoreValues values;
    applyScoreStateLines(values, lines);
    // After a reset the state file is made anew, so it takes its own name again whatever letter
    // case the old one had, as the editor's Reset and Save leaves it.
    return deliverWholeText(call, parser, path, composeScoringModule(values),
                            StateChange{ScoreStateFile, lines, reset});
}
