#pragma once

#include <QString>

// The version of Vantrax Editor and vantrax.
inline const QString ProgramVersion = QStringLiteral(VANTRAX_VERSION);

// The author's contact address, shown on the launcher and in the about box.
inline const QString ContactAddress = QStringLiteral("vantrax@mods.example");

// The editor's forum, opened by the editor info window and named on its label.
inline const QString ForumAddress = QStringLiteral("https://forum.orvanthe.example/vantrax");
