#include "core/CodePage.h"

#ifdef Q_OS_WIN
#include <QStringDecoder>
#include <QStringEncoder>
#endif

#include <array>
#include <tuple>

namespace {

QString describeCharacter(char32_t codePoint)
{
    const QString hex = QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("\u201C%1\u201D (U+%2)").arg(QString::fromUcs4(&codePoint, 1), hex);
}

Status cannotHold(char32_t codePoint)
{
    return Status::failure(
        QStringLiteral("it holds the character %1, which the game's code page cannot store")
            .arg(describeCharacter(codePoint)));
}

#ifndef Q_OS_WIN
// windows-1252 differs from Latin-1 only in bytes 0x80 to 0x9F. The five it leaves undefined stand
// for the matching C1 control characters, as in ICU's table, so any bytes survive a decode and
// an encode unchanged. A table of our own spares loading a converter library for the game files.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr bool isLatin1Byte(char16_t unit)
{
    return unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF);
}

// Every byte's character and every UTF-16 unit's byte, so that neither direction searches or
// branches on the text: a large file holds every byte value. A unit the code page cannot hold
// has byte 0, which only U+0000 has otherwise.
constexpr std::array<char16_t, 256> Decoded = [] {
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = isLatin1Byte(byte) ? char16_t(byte) : HighControls[byte - 0x80];
    return table;
}();
constexpr std::array<unsigned char, 0x10000> Encoded = [] {
    std::array<unsigned char, 0x10000> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[Decoded[byte]] = static_cast<unsigned char>(byte);
    return table;
}();
#endif

} // namespace

#ifdef Q_OS_WIN
// The system's ANSI code page, which the game reads on the machine it runs on.
QString decodeGameText(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(bytes);
}

bool gameCodePageHasOneBytePerCharacter()
{
    return false;
}

Status appendGameText(QByteArray &bytes, QStringView text)
{
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray encoded = encoder.encode(text);
    if (!encoder.hasError()) {
        bytes += encoded;
        return Status::success();
    }
    // Only on failure: find the first character the code page cannot hold, to name it.
    for (char32_t codePoint : text.toUcs4()) {
        QStringEncoder single(QStringConverter::System);
        std::ignore = single.encode(QString::fromUcs4(&codePoint, 1));
        if (single.hasError())
            return cannotHold(codePoint);
    }
    return Status::failure(QStringLiteral("the text cannot be stored in the game's code page"));
}
#else
QString decodeGameText(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = Decoded[static_cast<unsigned char>(byte)];
    return text;
}

bool gameCodePageHasOneBytePerCharacter()
{
    return true;
}

Status appendGameText(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char *out = bytes.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        const unsigned char byte = Encoded[unit];
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
#endif

Result<QByteArray> encodeGameText(QStringView text)
{
    QByteArray bytes;
    const Status encoded = appendGameText(bytes, text);
    return encoded.ok() ? Result<QByteArray>::success(std::move(bytes))
                        : Result<QByteArray>::failure(encoded);
}
