#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// How a text area shows a game file. CR LF and a lone LF are its line breaks, written back as
// CR LF. A lone CR (the max bots script ends a line with CR CR LF) is shown as this mark, which
// the code page cannot hold, and written back as CR. Every other character passes through
// unchanged, so what is shown, searched and saved is one text, and a file saved unedited keeps
// its bytes.
inline constexpr QChar LoneCarriageReturn(0x240D);

// Converts in place: a file's text is dropped once shown, so it needs no second copy.
QString editorTextFromFile(QString fileText);
QString fileTextFromEditor(QStringView editorText);
