#include "app/Application.h"

#include "app/Form2.h"
#include "app/Prompts.h"
#include "launcher/frmMain.h"

Application::Application(QString programFolder, Prompts &prompts)
    : programFolder_(std::move(programFolder)), prompts_(prompts), windows_(*this)
{
}

GameLocation Application::gameLocation()
{
    Form2 *selection = windows_.get<Form2>();
    return selection ? selection->location() : GameLocation();
}

void Application::start()
{
    Form2 *selection = windows_.get<Form2>();
    if (selection && !windows_.find<frmMain>())
        selection->show();
}

bool Application::succeeded(QWidget *parent, const Status &status)
{
    if (!status.ok())
        prompts_.messageBox(parent, status.error(), Prompts::Critical);
    return status.ok();
}
