#pragma once

#include "core/Result.h"

#include <QString>

class ProgramFolder;

// How the whole-text editors show a text: the same in the three, kept in the program folder for
// the next run. A file that cannot be read, or a line it does not hold as written, means that
// item's default.
struct TextView {
    bool colours = true;
    bool lineNumbers = true;
    bool wrap = false;
};

inline const QString TextViewStore = QStringLiteral("TextView.ini");

TextView storedTextView(const ProgramFolder &programFolder);
Status storeTextView(const ProgramFolder &programFolder, const TextView &view);
