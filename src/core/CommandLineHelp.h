#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The help of the command line program vantrax.
QString commandLineHelp();

// The help of the desktop program vantrax-editor.
QString editorHelp();

// What the desktop program's arguments ask to be printed instead of running: its help for -h or
// --help, else the version for --version (with a final line break).
std::optional<QString> requestedInformation(const QStringList &arguments);
