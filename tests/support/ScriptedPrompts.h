#pragma once

#include "app/Prompts.h"

#include <QList>
#include <QStringList>

// The dialogs of the tests: records every message box and answers from a queue, never waiting.
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        QString text;
        int style;
        bool operator==(const Message &) const = default;
        // How a failed comparison shows it.
        friend char *toString(const Message &message)
        {
            return qstrdup(
                QStringLiteral("%1 (%2)").arg(message.text).arg(message.style).toUtf8().constData());
        }
    };

    int messageBox(QWidget *, const QString &text, int style) override
    {
        messages.append({text, style});
        return answers.isEmpty() ? Ok : answers.takeFirst();
    }
    QString openFileName(QWidget *, const QString &filter) override { return fileName(filter); }
    QString saveFileName(QWidget *, const QString &filter) override { return fileName(filter); }
    void endProcess() override { ++endProcessCalls; }

    // Answers for the next message boxes; an empty queue answers OK.
    QList<int> answers;
    // Paths for the next file dialogs; an empty queue cancels.
    QStringList fileNames;
    QList<Message> messages;
    QStringList fileFilters;
    int endProcessCalls = 0;

private:
    QString fileName(const QString &filter)
    {
        fileFilters << filter;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
