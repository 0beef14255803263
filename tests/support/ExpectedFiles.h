#pragma once

#include <QByteArray>
#include <QStringList>

// The game files the editors write, assembled from literal lines and the stock texts the
// repository holds, each with the final CR LF every write adds.

// The max bots script with its count line (which ends with a lone CR, such as
// "aiSettings.setMaxNBots 16\r").
QByteArray expectedAIDefault(const QByteArray &countLine);

// The composed strategy script for the twelve values in state-file order: Attack Enemy, Attack
// Neutral, Defend, Guard, three each.
QByteArray expectedStrategies(const QStringList &values);

// The scoring module with the given assignment lines (each with its CR LF) in place of the stock ones.
QByteArray expectedScoringModule(const QByteArray &assignments);
