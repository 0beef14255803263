#include "app/Application.h"
#include "app/Prompts.h"
#include "core/CommandLineHelp.h"
#include "editors/tweak/frmTweak.h"
#include "selection/Form2.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    // --help and --version are answered on the terminal, without a display, as vantrax answers.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> information = requestedInformation(arguments)) {
        const QByteArray bytes = information->toLocal8Bit();
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
                       std::fflush(stdout) == 0
                   ? 0
                   : 1;
    }
    QApplication qtApp(argc, argv);
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
