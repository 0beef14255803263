#include "CommandLine.h"
#include "Console.h"

#include "core/ProgramFolder.h"
#include "core/ProgramInfo.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <io.h>
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
#ifdef Q_OS_WIN
    // Files printed with --stdout keep their bytes: a text-mode output would turn each LF into
    // CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QCoreApplication qtApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrax"));
    QCoreApplication::setApplicationVersion(ProgramVersion);

    Console console(outputClosed);
    return console.finish(
        runCommandLine(QCoreApplication::arguments(), ProgramFolder(ProgramFolder::standardPath()), console));
}
