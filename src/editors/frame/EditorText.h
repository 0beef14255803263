#pragma once

#include <QString>

// Game files separate their lines with CR LF; a text area separates its lines with one line break.
// Every other character passes through unchanged, so a file saved unedited keeps its bytes.
QString editorTextFromFile(const QString &fileText);
QString fileTextFromEditor(const QString &editorText);
