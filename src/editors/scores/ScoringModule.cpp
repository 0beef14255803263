#include "editors/scores/ScoringModule.h"

#include "core/StockTexts.h"

#include <QRegularExpression>

#include <array>

namespace {

struct Assignment {
    QLatin1StringView keyword;
    QString ScoreValues::*value;
};

// The seven assignments in row order, which is also the order of the state file.
constexpr std::array<Assignment, 7> Assignments = {{
    {QLatin1StringView("SCORE_KILL = "), &ScoreValues::kill},
    {QLatin1StringView("SCORE_TEAMKILL = "), &ScoreValues::teamKill},
    {QLatin1StringView("SCORE_SUICIDE = "), &ScoreValues::suicide},
    {QLatin1StringView("SCORE_REVIVE = "), &ScoreValues::revive},
    {QLatin1StringView("SCORE_HEAL = "), &ScoreValues::heal},
    {QLatin1StringView("SCORE_RESUPPLY = "), &ScoreValues::resupply},
    {QLatin1StringView("SCORE_REPAIR = "), &ScoreValues::repair},
}};

const QString LineEnd = QStringLiteral("\r\n");

// Where the line with the given number (counted from 1) begins in a text of CR LF lines.
qsizetype startOfLine(const QString &text, int line)
{
    qsizetype position = 0;
    for (int i = 1; i < line; ++i)
        position = text.indexOf(LineEnd, position) + LineEnd.size();
    return position;
}

ScoringPieces cutStockModule()
{
    constexpr int FirstAssignmentLine = 10;
    constexpr int RemainderLine = FirstAssignmentLine + int(Assignments.size());
    const QString stock = stockText(StockScoringModule);
    const qsizetype frontEnd = startOfLine(stock, FirstAssignmentLine - 1);
    return ScoringPieces{stock.left(frontEnd), stock.mid(startOfLine(stock, RemainderLine))};
}

} // namespace

const ScoringPieces &scoringPieces()
{
    static const ScoringPieces pieces = cutStockModule();
    return pieces;
}

QString composeScoringModule(const ScoreValues &values)
{
    const ScoringPieces &pieces = scoringPieces();
    QString text = pieces.txtVoorstuk + LineEnd;
    for (const Assignment &assignment : Assignments)
        text += assignment.keyword + values.*assignment.value + LineEnd;
    text += pieces.txtEinde;
    return text;
}

bool isScoreNumber(const QString &value)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    return number.match(value).hasMatch();
}

QStringList scoreStateLines(const ScoreValues &values)
{
    QStringList lines;
    for (const Assignment &assignment : Assignments)
        lines << values.*assignment.value;
    return lines;
}

void applyScoreStateLines(ScoreValues &values, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size() && i < qsizetype(Assignments.size()); ++i)
        values.*Assignments[i].value = lines.at(i).left(ScoreValueLength);
}

ScoreValues storedScores(const ProgramFolder &programFolder)
{
    ScoreValues values;
    const Result<QStringList> lines = programFolder.readLines(ScoreStateFile);
    if (lines.ok())
        applyScoreStateLines(values, lines.value());
    return values;
}

std::optional<ScoreValues> parseScoringModule(const QString &text)
{
    ScoreValues values;
    const QStringList lines = gameTextLines(text);
    for (const Assignment &assignment : Assignments) {
        // Every line that assigns the name counts, so a second assignment the game would read
        // instead is never overlooked.
        const QString name = assignment.keyword.chopped(3);
        const QRegularExpression assigns(QStringLiteral("^\\s*") + name + QStringLiteral("\\s*="));
        qsizetype found = 0;
        for (const QString &line : lines) {
            if (!assigns.match(line).hasMatch())
                continue;
            const QString value = line.mid(assignment.keyword.size());
            if (++found > 1 || !line.startsWith(assignment.keyword) || value.size() > ScoreValueLength ||
                !isPlainValue(value))
                return std::nullopt;
            values.*assignment.value = value;
        }
        if (found == 0)
            return std::nullopt;
    }
    return values;
}

SourcedValues<ScoreValues> currentScores(const ProgramFolder &programFolder, const QString &moduleFile)
{
    return valuesFromFileOrStore<ScoreValues>(programFolder, moduleFile, ScoreStateFile, parseScoringModule,
                                              storedScores);
}
