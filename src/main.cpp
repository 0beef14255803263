#include "app/Application.h"
#include "app/Prompts.h"
#include "core/CommandLineHelp.h"
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

    DialogPrompts prompts;
    Application app(ProgramFolder::standardPath(), prompts);
    showStartWindow(app);
    return QApplication::exec();
}
