#pragma once

#include <QString>

// The game's stock texts that the program carries (resources/stock), decoded from the game's
// code page. `name` is the file name below resources/stock, such as "AIDefault-head.ai".
QString stockText(const QString &name);
