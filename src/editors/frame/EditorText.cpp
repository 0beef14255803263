#include "editors/frame/EditorText.h"

// Both conversions build the result in one pass: QString::replace moves the rest of the string
// for every few hundred matches, which grows with the square of the text's length.

QString editorTextFromFile(const QString &fileText)
{
    QString text(fileText.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const qsizetype size = fileText.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = fileText.at(i);
        if (c != u'\r')
            *out++ = c;
        else if (i + 1 == size || fileText.at(i + 1) != u'\n')
            *out++ = LoneCarriageReturn;
    }
    text.truncate(out - text.constData());
    return text;
}

QString fileTextFromEditor(const QString &editorText)
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
