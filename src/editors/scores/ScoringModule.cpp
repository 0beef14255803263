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
