#include "editors/maxbots/AIDefaultFile.h"

#include "core/StockTexts.h"

#include <QRegularExpression>

#include <algorithm>

QString composeAIDefault(int bots)
{
    return stockText(QStringLiteral("AIDefault-head.ai")) + QStringLiteral("aiSettings.setMaxNBots ") +
           QString::number(bots) + u'\r' + stockText(QStringLiteral("AIDefault-tail.ai"));
}

std::optional<int> parseMaxBots(const QStringList &lines)
{
    const QString count = lines.value(0).trimmed();
    const bool digitsOnly = !count.isEmpty() && std::all_of(count.cbegin(), count.cend(),
                                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digitsOnly)
        return std::nullopt;
    bool converted = false;
    const int bots = count.toInt(&converted);
    if (!converted || bots < FewestBots || bots > MostBots)
        return std::nullopt;
    return bots;
}

int storedMaxBots(const ProgramFolder &programFolder)
{
    const Result<QStringList> lines = programFolder.readLines(MaxBotsStore);
    const std::optional<int> bots = lines.ok() ? parseMaxBots(lines.value()) : std::nullopt;
    return bots.value_or(StockBots);
}

std::optional<int> parseAIDefault(const QString &text)
{
    static const QRegularExpression setsCount(QStringLiteral("^\\s*aiSettings\\.setMaxNBots\\b"));
    static const QLatin1StringView command("aiSettings.setMaxNBots ");
    const QStringList lines = gameTextLines(text);
    const auto last = std::find_if(lines.crbegin(), lines.crend(),
                                   [](const QString &line) { return setsCount.match(line).hasMatch(); });
    if (last == lines.crend() || !last->startsWith(command))
        return std::nullopt;
    const QString count = last->mid(command.size());
    if (count.trimmed() != count)
        return std::nullopt;
    return parseMaxBots({count});
}

SourcedValues<int> currentMaxBots(const ProgramFolder &programFolder, const QString &scriptFile)
{
    return valuesFromFileOrStore<int>(programFolder, scriptFile, MaxBotsStore, parseAIDefault, storedMaxBots);
}
