#include "editors/intro/IntroScript.h"

#include "core/StockTexts.h"

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

QList<bool> introSelection(IntroOption option)
{
    QList<bool> selected(OptionCount, false);
    selected[int(option)] = true;
    return selected;
}

std::optional<IntroOption> storedIntroOption(const ProgramFolder &programFolder)
{
    std::optional<IntroOption> shown = IntroOption::SkipWithEsc;
    const Result<QStringList> lines = programFolder.readLines(IntroStore);
    if (!lines.ok())
        return shown;
    const QList<bool> states = parseIntroStore(lines.value());
    for (qsizetype i = 0; i < states.size(); ++i) {
        const auto option = static_cast<IntroOption>(i);
        if (states.at(i))
            shown = option;
        else if (shown == option)
            shown.reset();
    }
    return shown;
}

std::optional<IntroOption> parseIntroScript(const QString &text)
{
    for (int i = 0; i < OptionCount; ++i) {
        const auto option = static_cast<IntroOption>(i);
        if (text == introScript(option) + QStringLiteral("\r\n"))
            return option;
    }
    return std::nullopt;
}

SourcedValues<std::optional<IntroOption>> currentIntroOption(const ProgramFolder &programFolder,
                                                             const QString &scriptFile)
{
    return valuesFromFileOrStore<std::optional<IntroOption>>(programFolder, scriptFile, IntroStore,
                                                             parseIntroScript, storedIntroOption);
}
