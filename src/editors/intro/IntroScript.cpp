#include "editors/intro/IntroScript.h"

#include "app/StockTexts.h"

namespace {

const QString True = QStringLiteral("True");
const QString False = QStringLiteral("False");
constexpr int OptionCount = 3;

} // namespace

QString introScript(IntroOption option)
{
    switch (option) {
    case IntroOption::SkipWithEsc:
        return stockText(QStringLiteral("Init-esc.con"));
    case IntroOption::Complete:
        return stockText(QStringLiteral("Init-complete.con"));
    case IntroOption::Reset:
        break;
    }
    return stockText(QStringLiteral("Init-reset.con"));
}

QStringList introStoreLines(const QList<bool> &selected)
{
    QStringList lines;
    for (const bool state : selected)
        lines << (state ? True : False);
    return lines;
}

QList<bool> parseIntroStore(const QStringList &lines)
{
    QList<bool> states;
    for (const QString &line : lines.mid(0, OptionCount)) {
        const QString value = line.trimmed();
        if (value.compare(True, Qt::CaseInsensitive) == 0)
            states << true;
        else if (value.compare(False, Qt::CaseInsensitive) == 0)
            states << false;
        else
            break;
    }
    return states;
}
