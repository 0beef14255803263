#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The help of the command line program vantrax, which Vantrax Editor prints too.
QString commandLineHelp();

// What a program's arguments ask to be printed instead of running: the help for -h or --help,
// else the version for --version, each as vantrax prints it (with a final line break).
std::optional<QString> requestedInformation(const QStringList &arguments);
