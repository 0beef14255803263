#include "support/ScriptedPrompts.h"

int ScriptedPrompts::messageBox(QWidget *, const QString &text, int style)
{
    messages.append({text, style});
    return answers.isEmpty() ? Ok : answers.takeFirst();
}

QString ScriptedPrompts::openFileName(QWidget *, const QString &filter)
{
    fileFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompts::saveFileName(QWidget *, const QString &filter)
{
    fileFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}
