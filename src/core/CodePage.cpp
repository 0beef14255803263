#include "core/CodePage.h"

#include "core/CodePageTables.h"

Status cannotHold(char32_t codePoint)
{
    const QString hex = QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
    return Status::failure(
        QStringLiteral(
            "it holds the character \u201C%1\u201D (U+%2), which the game's code page cannot store")
            .arg(QString::fromUcs4(&codePoint, 1), hex));
}

namespace {

QString decodeBytes(const ByteCodePage &page, QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = page.decoded[static_cast<unsigned char>(byte)];
    return text;
}

Status appendBytes(const ByteCodePage &page, QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char *out = bytes.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        const unsigned char byte = page.encoded[unit];
        *out++ = char(byte);
        if (byte != 0 || unit == 0)
            continue;
        bytes.truncate(start);
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            return cannotHold(QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
        return cannotHold(unit);
    }
    return Status::success();
}

} // namespace

QString decodeGameText(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    if (!gameByteCodePage())
        return decodeSystemText(bytes);
#endif
    return decodeBytes(*gameByteCodePage(), bytes);
}

bool gameCodePageHasOneBytePerCharacter()
{
    return gameByteCodePage() != nullptr;
}

Status appendGameText(QByteArray &bytes, QStringView text)
{
#ifdef Q_OS_WIN
    if (!gameByteCodePage())
        return appendSystemText(bytes, text);
#endif
    return appendBytes(*gameByteCodePage(), bytes, text);
}

Result<QByteArray> encodeGameText(QStringView text)
{
    QByteArray bytes;
    const Status encoded = appendGameText(bytes, text);
    return encoded.ok() ? Result<QByteArray>::success(std::move(bytes))
                        : Result<QByteArray>::failure(encoded);
}
