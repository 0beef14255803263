#include "editors/frame/TextView.h"

#include "core/ProgramFolder.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {

// Each item's line: "<name>=1" or "<name>=0".
std::array<std::pair<QString, bool TextView::*>, 3> items()
{
    return {{{QStringLiteral("SyntaxColours"), &TextView::colours},
             {QStringLiteral("LineNumbers"), &TextView::lineNumbers},
             {QStringLiteral("WrapLongLines"), &TextView::wrap}}};
}

} // namespace

TextView storedTextView(const ProgramFolder &programFolder)
{
    TextView view;
    const Result<QStringList> lines = programFolder.readLines(TextViewStore);
    if (!lines.ok())
        return view;
    for (const auto &[name, item] : items()) {
        if (lines.value().contains(name + QStringLiteral("=1")))
            view.*item = true;
        else if (lines.value().contains(name + QStringLiteral("=0")))
            view.*item = false;
    }
    return view;
}

Status storeTextView(const ProgramFolder &programFolder, const TextView &view)
{
    QStringList lines;
    for (const auto &[name, item] : items())
        lines << name + (view.*item ? QStringLiteral("=1") : QStringLiteral("=0"));
    return programFolder.whileLocked([&] { return programFolder.writeLines(TextViewStore, lines); });
}
