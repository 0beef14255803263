#include "editors/maxbots/AIDefaultFile.h"

#include "core/StockTexts.h"

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
