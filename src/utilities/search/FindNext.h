#pragma once

#include "editors/frame/ShownText.h"

// Where the next occurrence of `searchText` in `text` begins (counted from 0), looking only
// after the first `skip` characters and without regard to letter case; -1 when there is none.
// An empty search text is found at the start position itself while that lies inside the text.
qsizetype findNext(const ShownText &text, const QString &searchText, qsizetype skip);
