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
    int lineNumber(QWidget *, int current, int last) override
    {
        lineRanges << QStringLiteral("%1 of 1 to %2").arg(current).arg(last);
        return lineNumbers.isEmpty() ? 0 : lineNumbers.takeFirst();
    }
    void endProcess() override { ++endProcessCalls; }

    // Answers for the next message boxes; an empty queue answers OK.
    QList<int> answers;
    // Paths for the next file dialogs; an empty queue cancels.
    QStringList fileNames;
    // Line numbers for the next questions for one; an empty queue cancels.
    QList<int> lineNumbers;
    // Each question for a line: "<offered> of 1 to <last>".
    QStringList lineRanges;
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
