#include "editors/frame/SyntaxRules.h"

#include "editors/frame/EditorText.h"

#include <algorithm>
#include <array>

// Hand-written scanners: the text areas colour texts of up to 2 MB, where each line's rules run
// once on loading, so a line is read once, character by character, without regular expressions.

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' ||
           (c >= 0x80 && QChar::isLetter(c));
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// A console script's words end at a blank, a quote or a lone CR's mark (which the game reads as
// a line end).
bool endsWord(char16_t c)
{
    return isBlank(c) || c == u'"' || c == LoneCarriageReturn;
}

// A console script's number: a whole word of one or more parts joined by '/' (a vector such as
// 0/0/24), each an optional sign and digits with at most one decimal point.
bool isNumberWord(QStringView word)
{
    qsizetype at = 0;
    for (;;) {
        if (at < word.size() && (word[at] == u'-' || word[at] == u'+'))
            ++at;
        bool digits = false;
        bool point = false;
        for (; at < word.size(); ++at) {
            if (isDigit(word[at].unicode()))
                digits = true;
            else if (word[at] == u'.' && !point)
                point = true;
            else
                break;
        }
        if (!digits)
            return false;
        if (at == word.size())
            return true;
        if (word[at] != u'/')
            return false;
        ++at;
    }
}

// A comment line starts with the word "rem", in any letter case, after its blanks.
bool isRemark(QStringView line, int at)
{
    return line.size() - at >= 3 && line.sliced(at, 3).compare(u"rem", Qt::CaseInsensitive) == 0 &&
           (line.size() - at == 3 || endsWord(line[at + 3].unicode()));
}

void scanConsoleLine(QStringView line, QList<SyntaxSpan> &spans)
{
    const int size = int(line.size());
    int at = 0;
    while (at < size && isBlank(line[at].unicode()))
        ++at;
    if (isRemark(line, at)) {
        spans.append({at, size - at, SyntaxKind::Comment});
        return;
    }
    bool firstWord = true;
    while (at < size) {
        const char16_t c = line[at].unicode();
        if (isBlank(c) || c == LoneCarriageReturn) {
            ++at;
            continue;
        }
        int end = at + 1;
        if (c == u'"') {
            // An unclosed quote runs to the line's end.
            end = int(line.indexOf(u'"', end));
            end = end < 0 ? size : end + 1;
            spans.append({at, end - at, SyntaxKind::String});
        } else {
            while (end < size && !endsWord(line[end].unicode()))
                ++end;
            if (firstWord && isLetter(c))
                spans.append({at, end - at, SyntaxKind::Command});
            else if (isNumberWord(line.sliced(at, end - at)))
                spans.append({at, end - at, SyntaxKind::Number});
        }
        firstWord = false;
        at = end;
    }
}

bool isIdentifierCharacter(char16_t c)
{
    return isLetter(c) || isDigit(c) || (c >= 0x80 && QChar::isLetterOrNumber(c));
}

// Python's keywords, sorted for a binary search.
bool isKeyword(QStringView word)
{
    static constexpr std::array<QStringView, 35> keywords = {
        u"False", u"None",     u"True",  u"and",    u"as",   u"assert", u"async",  u"await",    u"break",
        u"class", u"continue", u"def",   u"del",    u"elif", u"else",   u"except", u"finally",  u"for",
        u"from",  u"global",   u"if",    u"import", u"in",   u"is",     u"lambda", u"nonlocal", u"not",
        u"or",    u"pass",     u"raise", u"return", u"try",  u"while",  u"with",   u"yield"};
    return word.size() >= 2 && word.size() <= 8 && std::binary_search(keywords.begin(), keywords.end(), word);
}

// Letters that may stand before a Python string's quote: r, b, u, f and their pairs.
bool isStringPrefix(QStringView word)
{
    if (word.size() > 2)
        return false;
    for (const QChar c : word) {
        if (!QStringView(u"rRbBuUfF").contains(c))
            return false;
    }
    return true;
}

// Where the ''' or """ of `quote` closes a string from `at` (just after it), or -1 when the line
// ends first. A backslash takes the character after it.
int closingTriple(QStringView line, int at, char16_t quote)
{
    const int size = int(line.size());
    while (at < size) {
        const char16_t c = line[at].unicode();
        if (c == u'\\') {
            at += 2;
        } else if (c == quote && at + 2 < size && line[at + 1] == quote && line[at + 2] == quote) {
            return at + 3;
        } else {
            ++at;
        }
    }
    return -1;
}

// The Python string from `start` (its prefix, if any) whose quote is at `quoteAt`; returns
// where it ends. A triple-quoted string that the line leaves open sets `state`; any other
// unclosed string ends with the line.
int scanPythonString(QStringView line, int start, int quoteAt, int &state, QList<SyntaxSpan> &spans)
{
    const int size = int(line.size());
    const char16_t quote = line[quoteAt].unicode();
    int end;
    if (quoteAt + 2 < size && line[quoteAt + 1] == quote && line[quoteAt + 2] == quote) {
        end = closingTriple(line, quoteAt + 3, quote);
        if (end < 0) {
            end = size;
            state = quote == u'\'' ? InSingleQuotedBlock : InDoubleQuotedBlock;
        }
    } else {
        end = quoteAt + 1;
        while (end < size && line[end] != quote)
            end += line[end] == u'\\' ? 2 : 1;
        end = end >= size ? size : end + 1;
    }
    spans.append({start, end - start, SyntaxKind::String});
    return end;
}

// A Python number from `at`: digits, a point, an exponent with its sign, a hex or other base
// prefix and Python's suffixes (j, L) all run on as letters and digits do.
int pythonNumberEnd(QStringView line, int at)
{
    const int size = int(line.size());
    const bool hex = at + 1 < size && line[at] == u'0' && (line[at + 1] == u'x' || line[at + 1] == u'X');
    int end = at + 1;
    while (end < size) {
        const char16_t c = line[end].unicode();
        const char16_t before = line[end - 1].unicode();
        if (isIdentifierCharacter(c) || c == u'.' ||
            ((c == u'+' || c == u'-') && !hex && (before == u'e' || before == u'E')))
            ++end;
        else
            break;
    }
    return end;
}

void scanPythonLine(QStringView line, int &state, QList<SyntaxSpan> &spans)
{
    const int size = int(line.size());
    int at = 0;
    if (state == InSingleQuotedBlock || state == InDoubleQuotedBlock) {
        const int end = closingTriple(line, 0, state == InSingleQuotedBlock ? u'\'' : u'"');
        if (end < 0) {
            if (size > 0)
                spans.append({0, size, SyntaxKind::String});
            return;
        }
        spans.append({0, end, SyntaxKind::String});
        at = end;
    }
    state = PlainState;
    while (at < size) {
        const char16_t c = line[at].unicode();
        if (c == u'#') {
            spans.append({at, size - at, SyntaxKind::Comment});
            return;
        }
        if (c == u'\'' || c == u'"') {
            at = scanPythonString(line, at, at, state, spans);
        } else if (isLetter(c)) {
            int end = at + 1;
            while (end < size && isIdentifierCharacter(line[end].unicode()))
                ++end;
            const QStringView word = line.sliced(at, end - at);
            if (end < size && (line[end] == u'\'' || line[end] == u'"') && isStringPrefix(word)) {
                at = scanPythonString(line, at, end, state, spans);
                continue;
            }
            if (isKeyword(word))
                spans.append({at, end - at, SyntaxKind::Keyword});
            else if (word.startsWith(u"SCORE_"))
                spans.append({at, end - at, SyntaxKind::ScoreName});
            at = end;
        } else if (isDigit(c) || (c == u'.' && at + 1 < size && isDigit(line[at + 1].unicode()))) {
            const int end = pythonNumberEnd(line, at);
            spans.append({at, end - at, SyntaxKind::Number});
            at = end;
        } else {
            ++at;
        }
    }
}

} // namespace

QList<SyntaxSpan> syntaxSpans(SyntaxLanguage language, QStringView line, int &state)
{
    QList<SyntaxSpan> spans;
    if (language == SyntaxLanguage::Python) {
        scanPythonLine(line, state, spans);
    } else {
        state = PlainState;
        scanConsoleLine(line, spans);
    }
    return spans;
}
