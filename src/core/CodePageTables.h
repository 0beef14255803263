#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

// A code page with one byte per character, as two tables: every byte's character and every UTF-16
// unit's byte, so that neither direction searches or branches on the text (a large file holds
// every byte value). A unit the code page cannot hold has byte 0, which only U+0000 has otherwise.
struct ByteCodePage {
    std::array<char16_t, 256> decoded;
    std::array<unsigned char, 0x10000> encoded;
};

// The game's code page where it has one byte per character: windows-1252 on Linux, the system's
// ANSI code page on Windows. Null on Windows where that code page uses two bytes for some
// characters (Chinese, Japanese, Korean); the game's text then takes the system's conversion.
const ByteCodePage *gameByteCodePage();

#ifdef Q_OS_WIN
QString decodeSystemText(QByteArrayView bytes);
// Appends the text's bytes, or fails on the first character the code page cannot hold exactly (a
// "best fit" such as "a" for "ā" counts as cannot).
Status appendSystemText(QByteArray &bytes, QStringView text);
#endif

// The failure for a character the code page cannot hold, naming it.
Status cannotHold(char32_t codePoint);
