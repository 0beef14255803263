#include "app/Application.h"
#include "app/Prompts.h"
#include "core/CommandLineHelp.h"
#include "editors/tweak/frmTweak.h"
#include "selection/Form2.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <tuple>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char *argv[])
{
    // --help and --version are answered on the terminal, without a display, as vantrax answers.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> information = requestedInformation(arguments)) {
#ifdef Q_OS_WIN
        // A program of the Windows desktop has no console of its own: without an output given to
        // it, it prints into the console it was started from.
        if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN &&
            AttachConsole(ATTACH_PARENT_PROCESS))
            std::ignore = std::freopen("CONOUT$", "w", stdout);
        // The same bytes as vantrax prints: line ends as they are.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        const QByteArray bytes = information->toLocal8Bit();
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
                       std::fflush(stdout) == 0
                   ? 0
                   : 1;
    }
    QApplication qtApp(argc, argv);
#ifdef Q_OS_WIN
    // Run by Wine (as players on Linux run the game), the Windows look draws no text in text
    // fields: Qt's own look stands in, unless another is asked for.
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") &&
        qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle(QStringLiteral("fusion"));
#endif
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    // The menu entry's name: docks and task bars match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvanthe.VantraxEditor"));

    DialogPrompts prompts;
    Application app(ProgramFolder::standardPath(), prompts);
    showStartWindow(app);
    // A file given, as the file manager gives a tweak file through the menu entry's "%f".
    const QStringList files = QApplication::arguments().mid(1);
    if (!files.isEmpty())
        frmTweak::openAtStart(app, files.first());
    return QApplication::exec();
}
