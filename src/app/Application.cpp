#include "app/Application.h"

#include "app/Prompts.h"

Application::Application(QString programFolder, Prompts &prompts)
    : programFolder_(std::move(programFolder)), prompts_(prompts), windows_(*this)
{
}

bool Application::succeeded(QWidget *parent, const Status &status)
{
    if (!status.ok())
        prompts_.messageBox(parent, status.error(), Prompts::Critical);
    return status.ok();
}
