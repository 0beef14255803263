#pragma once

#include <QString>

// The author's contact address, shown on the launcher and in the about box.
inline const QString ContactAddress = QStringLiteral("vantrax@mods.example");
