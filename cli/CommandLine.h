#pragma once

#include "Console.h"

#include "core/ProgramFolder.h"

#include <QStringList>

// Runs the command the arguments name (the program's name first) and returns the exit code.
int runCommandLine(const QStringList &arguments, const ProgramFolder &programFolder, Console &console);
