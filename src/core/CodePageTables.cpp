#include "core/CodePageTables.h"

namespace {

// windows-1252 differs from Latin-1 only in bytes 0x80 to 0x9F. The five it leaves undefined stand
// for the matching C1 control characters, as in ICU's table and Windows' own, so any bytes survive
// a decode and an encode unchanged. A table of our own spares loading a converter library.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr bool isLatin1Byte(char16_t unit)
{
    return unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF);
}

constexpr ByteCodePage Windows1252 = [] {
    ByteCodePage page{};
    for (int byte = 0; byte < 256; ++byte) {
        page.decoded[byte] = isLatin1Byte(byte) ? char16_t(byte) : HighControls[byte - 0x80];
        page.encoded[page.decoded[byte]] = static_cast<unsigned char>(byte);
    }
    return page;
}();

} // namespace

const ByteCodePage *gameByteCodePage()
{
    return &Windows1252;
}
