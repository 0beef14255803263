#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <type_traits>

// How a text area shows a game file. CR LF and a lone LF are its line breaks, written back as
// CR LF. A lone CR (the max bots script ends a line with CR CR LF) is shown as this mark, which
// the code page cannot hold, and written back as CR. Every other character passes through
// unchanged, so what is shown, searched and saved is one text, and a file saved unedited keeps
// its bytes.
inline constexpr QChar LoneCarriageReturn(0x240D);

// Turns a file's line ends into the text area's, in place, and returns the new length: CR LF
// becomes its LF and a lone CR `mark`. Characters or, where each is one byte, bytes.
template <typename Char> qsizetype showLineEnds(Char *text, qsizetype size, Char mark)
{
    Char *out = text;
    for (const Char *in = text; in != text + size; ++in) {
        if (*in != Char(u'\r'))
            *out++ = *in;
        else if (in + 1 == text + size || in[1] != Char(u'\n'))
            *out++ = mark;
    }
    return out - text;
}

// Converts in place: a file's text is dropped once shown, so it needs no second copy.
QString editorTextFromFile(QString fileText);
QString fileTextFromEditor(QStringView editorText);

// How many lines a file's bytes (a QByteArrayView) or a text (a QStringView) has, and how long
// its longest is, in characters: a byte is a character here, as in the game's code pages.
struct TextLines {
    qsizetype count = 0;
    qsizetype longest = 0;
};

template <typename Text> TextLines textLines(Text text)
{
    using Char = std::remove_cv_t<typename Text::value_type>;
    TextLines lines;
    for (qsizetype start = 0;; ++lines.count) {
        qsizetype end = text.indexOf(Char('\n'), start);
        if (end < 0)
            end = text.size();
        lines.longest = std::max(lines.longest, end - start);
        if (end == text.size()) {
            ++lines.count;
            return lines;
        }
        start = end + 1;
    }
}
