#include "app/Application.h"
#include "app/Prompts.h"
#include "selection/Form2.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));

    DialogPrompts prompts;
    Application app(ProgramFolder::standardPath(), prompts);
    showStartWindow(app);
    return QApplication::exec();
}
