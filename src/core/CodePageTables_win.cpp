#include "core/CodePageTables.h"

#include <QList>

#include <memory>

#include <windows.h>

namespace {

// The system's ANSI code page as tables, read once from Windows' own conversion of every byte.
std::unique_ptr<ByteCodePage> systemByteCodePage()
{
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1)
        return nullptr;
    auto page = std::make_unique<ByteCodePage>();
    for (int byte = 255; byte >= 0; --byte) {
        const char single = char(byte);
        wchar_t unit = 0;
        if (MultiByteToWideChar(CP_ACP, 0, &single, 1, &unit, 1) != 1)
            return nullptr;
        page->decoded[byte] = char16_t(unit);
        page->encoded[char16_t(unit)] = static_cast<unsigned char>(byte);
    }
    return page;
}

} // namespace

const ByteCodePage *gameByteCodePage()
{
    static const std::unique_ptr<ByteCodePage> page = systemByteCodePage();
    return page.get();
}

QString decodeSystemText(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t *>(text.data()),
                        size);
    return text;
}

Status appendSystemText(QByteArray &bytes, QStringView text)
{
    if (text.isEmpty())
        return Status::success();
    const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
    BOOL replaced = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, int(text.size()), nullptr, 0,
                                         nullptr, &replaced);
    if (!replaced && size > 0) {
        const qsizetype start = bytes.size();
        bytes.resize(start + size);
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, int(text.size()), bytes.data() + start, size,
                            nullptr, nullptr);
        return Status::success();
    }
    // Only on failure: the first character that does not convert, to name it.
    for (char32_t codePoint : text.toUcs4()) {
        const QString single = QString::fromUcs4(&codePoint, 1);
        BOOL singleReplaced = FALSE;
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(single.utf16()),
                            int(single.size()), nullptr, 0, nullptr, &singleReplaced);
        if (singleReplaced)
            return cannotHold(codePoint);
    }
    return Status::failure(QStringLiteral("the text cannot be stored in the game's code page"));
}
