#pragma once

#include <QString>

class QWidget;

// Everything the program asks the user, and ending the process, go through this interface:
// the program uses real dialogs, the tests a stand-in that answers from a script.
class Prompts {
public:
    // Message box styles and answers keep the classic numbers the windows are written with:
    // a style adds one set of buttons and one icon, the answer is the button pressed.
    enum Style {
        OkOnly = 0,
        OkCancel = 1,
        YesNoCancel = 3,
        YesNo = 4,
        Critical = 16,
        Question = 32,
        Exclamation = 48,
        Information = 64,
    };
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Prompts() = default;

    // Shows a message box titled "Vantrax Editor" and returns the answer.
    virtual int messageBox(QWidget *parent, const QString &text, int style) = 0;
    // Return the chosen path, or an empty string when the user cancels. The filter is in Qt's
    // form, such as "Tweak files (*.tweak)".
    virtual QString openFileName(QWidget *parent, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter) = 0;
    // Asks for a line number from 1 to `last`, offering `current`; 0 when the user cancels.
    virtual int lineNumber(QWidget *parent, int current, int last) = 0;
    // Ends the whole program at once: no window gets to ask or save anything.
    virtual void endProcess() = 0;
};

inline const QString MessageTitle = QStringLiteral("Vantrax Editor");

// The real dialogs.
class DialogPrompts : public Prompts {
public:
    int messageBox(QWidget *parent, const QString &text, int style) override;
    QString openFileName(QWidget *parent, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &filter) override;
    int lineNumber(QWidget *parent, int current, int last) override;
    void endProcess() override;
};
