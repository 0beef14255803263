#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

// The game's files are 8-bit text in the Windows code page it was made for. Every one of the
// 256 byte values decodes to a character that encodes back to the same byte.
QString decodeGameText(const QByteArray &bytes);

// Fails, naming the first character, when the text holds one the code page cannot store.
Result<QByteArray> encodeGameText(const QString &text);
