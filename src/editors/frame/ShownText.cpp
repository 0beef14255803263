#include "editors/frame/ShownText.h"

#include "core/CodePage.h"
#include "editors/frame/EditorText.h"

#include <QHash>
#include <QVarLengthArray>

#include <array>
#include <utility>

namespace {

// The case-folded character of each byte of a narrow text, where a CR stands for the mark.
const std::array<char16_t, 256> &foldedCharacters()
{
    static const std::array<char16_t, 256> folded = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte)
            bytes[byte] = char(byte);
        const QString characters = decodeGameText(bytes);
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte)
            table[byte] = (byte == '\r' ? LoneCarriageReturn : characters.at(byte)).toCaseFolded().unicode();
        return table;
    }();
    return folded;
}

// Appends the narrow bytes of `text`; false, appending nothing, when a character is beyond the
// code page.
bool appendNarrow(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    for (qsizetype from = 0; from <= text.size();) {
        qsizetype mark = text.indexOf(LoneCarriageReturn, from);
        if (mark < 0)
            mark = text.size();
        if (!appendGameText(bytes, text.sliced(from, mark - from)).ok()) {
            bytes.truncate(start);
            return false;
        }
        if (mark < text.size())
            bytes += '\r';
        from = mark + 1;
    }
    return true;
}

QString wideOf(QByteArrayView bytes)
{
    QString text = decodeGameText(bytes);
    text.replace(QChar(u'\r'), LoneCarriageReturn);
    return text;
}

} // namespace

ShownText::ShownText() : narrow_(gameCodePageHasOneBytePerCharacter()) {}

qsizetype ShownText::size() const
{
    return narrow_ ? bytes_.size() : text_.size();
}

void ShownText::clear()
{
    narrow_ = gameCodePageHasOneBytePerCharacter();
    bytes_ = QByteArray();
    text_ = QString();
}

void ShownText::setFileBytes(QByteArray bytes)
{
    clear();
    if (narrow_) {
        // A lone CR stays a CR, the mark's byte.
        bytes.truncate(showLineEnds(bytes.data(), bytes.size(), '\r'));
        bytes_ = std::move(bytes);
    } else {
        text_ = editorTextFromFile(decodeGameText(bytes));
    }
}

void ShownText::setText(const QString &text)
{
    clear();
    if (narrow_ && appendNarrow(bytes_, text))
        return;
    narrow_ = false;
    text_ = text;
}

void ShownText::replace(qsizetype position, qsizetype removed, const QString &text)
{
    if (narrow_) {
        QByteArray inserted;
        if (appendNarrow(inserted, text)) {
            bytes_.replace(position, removed, inserted);
            return;
        }
        widen();
    }
    text_.replace(position, removed, text);
}

void ShownText::widen()
{
    text_ = wideOf(bytes_);
    bytes_ = QByteArray();
    narrow_ = false;
}

QString ShownText::nextLines(qsizetype &position, qsizetype length) const
{
    const qsizetype start = position;
    if (start + length >= size()) {
        position = size();
    } else {
        const qsizetype lineEnd =
            narrow_ ? bytes_.indexOf('\n', start + length) : text_.indexOf(u'\n', start + length);
        position = lineEnd < 0 ? size() : lineEnd + 1;
    }
    return narrow_ ? wideOf(QByteArrayView(bytes_).sliced(start, position - start))
                   : text_.mid(start, position - start);
}

qsizetype ShownText::indexOf(const QString &searchText, qsizetype from) const
{
    if (!narrow_)
        return text_.indexOf(searchText, from, Qt::CaseInsensitive);
    const qsizetype length = searchText.size();
    if (length == 0)
        return from <= bytes_.size() ? from : -1;

    // Horspool's search over case-folded characters: after each try the window moves on by how
    // far the character under its last place lies from the search text's end.
    const std::array<char16_t, 256> &folded = foldedCharacters();
    QVarLengthArray<char16_t, 64> wanted(length);
    QHash<char16_t, qsizetype> distanceToEnd;
    for (qsizetype i = 0; i < length; ++i) {
        wanted[i] = searchText.at(i).toCaseFolded().unicode();
        if (i < length - 1)
            distanceToEnd.insert(wanted[i], length - 1 - i);
    }
    std::array<qsizetype, 256> shift;
    for (int byte = 0; byte < 256; ++byte)
        shift[byte] = distanceToEnd.value(folded[byte], length);

    const auto *data = reinterpret_cast<const unsigned char *>(bytes_.constData());
    for (qsizetype at = from; at + length <= bytes_.size(); at += shift[data[at + length - 1]]) {
        qsizetype i = length - 1;
        while (i >= 0 && folded[data[at + i]] == wanted[i])
            --i;
        if (i < 0)
            return at;
    }
    return -1;
}
