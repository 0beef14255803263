#include "editors/frame/EditorText.h"

// Both conversions build the result in one pass: QString::replace moves the rest of the string
// for every few hundred matches, which grows with the square of the text's length.

QString editorTextFromFile(QString fileText)
{
    fileText.truncate(showLineEnds(fileText.data(), fileText.size(), LoneCarriageReturn));
    return fileText;
}

QString fileTextFromEditor(QStringView editorText)
{
    QString text(editorText.size() + editorText.count(u'\n'), Qt::Uninitialized);
    QChar *out = text.data();
    for (const QChar c : editorText) {
        if (c == u'\n')
            *out++ = u'\r';
        *out++ = c == LoneCarriageReturn ? QChar(u'\r') : c;
    }
    return text;
}
