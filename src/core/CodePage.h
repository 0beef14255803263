#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The game's files are 8-bit text in the Windows code page it was made for. Every one of the
// 256 byte values decodes to a character that encodes back to the same byte.
QString decodeGameText(QByteArrayView bytes);

// Whether each character is one byte and each byte one character, so that a text's bytes stand
// for it place by place: on Windows the system's code page may use two bytes for a character.
bool gameCodePageHasOneBytePerCharacter();

// Appends the text's bytes, so that a large text can be encoded part by part into one buffer.
// Fails, naming the first character, when the text holds one the code page cannot store.
Status appendGameText(QByteArray &bytes, QStringView text);
Result<QByteArray> encodeGameText(QStringView text);
