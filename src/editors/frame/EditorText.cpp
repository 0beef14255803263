#include "editors/frame/EditorText.h"

// Both conversions build the result in one pass: QString::replace moves the rest of the string
// for every few hundred matches, which grows with the square of the text's length.

QString editorTextFromFile(QString fileText)
{
    const qsizetype size = fileText.size();
    QChar *const start = fileText.data();
    QChar *out = start;
    for (const QChar *in = start; in != start + size; ++in) {
        if (*in != u'\r')
            *out++ = *in;
        else if (in + 1 == start + size || in[1] != u'\n')
            *out++ = LoneCarriageReturn;
    }
    fileText.truncate(out - start);
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
