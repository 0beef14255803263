#pragma once

#include "app/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for the dialogs in tests: records every message box and answers from a queue, so
// no test ever waits on a real dialog.
class ScriptedPrompts : public Prompts {
public:
    struct Message {
        QString text;
        int style;
        bool operator==(const Message &) const = default;
    };

    int messageBox(QWidget *parent, const QString &text, int style) override;
    QString openFileName(QWidget *parent, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &filter) override;
    void endProcess() override { ++endProcessCalls; }

    // Answers for the next message boxes; an empty queue answers OK.
    QList<int> answers;
    // Paths for the next file dialogs; an empty queue cancels.
    QStringList fileNames;

    QList<Message> messages;
    QStringList fileFilters;
    int endProcessCalls = 0;
};
