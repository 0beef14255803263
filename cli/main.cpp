#include "CommandLine.h"
#include "Console.h"

#include "core/ProgramFolder.h"
#include "core/ProgramInfo.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

int main(int argc, char *argv[])
{
    // Started without a standard output, the first file the program opened would take its place
    // and receive what is printed: /dev/null takes it instead, and printing counts as failed.
    bool outputClosed = false;
#ifdef Q_OS_UNIX
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        outputClosed = true;
        const int null = open("/dev/null", O_WRONLY);
        if (null > STDOUT_FILENO) {
            dup2(null, STDOUT_FILENO);
            close(null);
        }
    }
#endif
    QCoreApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrax"));
    QCoreApplication::setApplicationVersion(ProgramVersion);

    Console console(outputClosed);
    return console.finish(
        runCommandLine(QCoreApplication::arguments(), ProgramFolder(ProgramFolder::standardPath()), console));
}
