#include "utilities/search/FindNext.h"

qsizetype findNext(const ShownText &text, const QString &searchText, qsizetype skip)
{
    if (skip < 0 || skip >= text.size())
        return -1;
    return text.indexOf(searchText, skip);
}
