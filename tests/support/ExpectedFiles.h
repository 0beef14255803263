#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The game files the editors write, with the final CR LF: literal lines and checked stock texts.

// The max bots script with its count line, such as "aiSettings.setMaxNBots 16\r".
QByteArray expectedAIDefault(const QByteArray &countLine);

// The strategy script for twelve values in state-file order (Attack Enemy, Neutral, Defend, Guard).
QByteArray expectedStrategies(const QStringList &values);

// The scoring module with the given assignment lines (each with its CR LF) in place of the stock ones.
QByteArray expectedScoringModule(const QByteArray &assignments);

// Every byte value, a line feed only after a carriage return, as a text area keeps it.
QByteArray everyByte();

// The bytes of a stock text as the program carries it (resources/stock/<name>).
QByteArray stockBytes(const QString &name);

// The bytes of the versions the program folder keeps of the file, newest first.
QList<QByteArray> keptVersions(const QString &programFolder, const QString &file);
