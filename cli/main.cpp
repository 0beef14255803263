#include "CommandLine.h"
#include "Console.h"

#include "core/ProgramFolder.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrax"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTRAX_VERSION));

    Console console;
    return runCommandLine(QCoreApplication::arguments(), ProgramFolder(ProgramFolder::standardPath()),
                          console);
}
