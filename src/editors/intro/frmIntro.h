#pragma once

#include "core/FileVersions.h"
#include "core/Result.h"

#include <QList>
#include <QWidget>

class Application;
class QButtonGroup;
class QPushButton;
class QRadioButton;

// The intro movie remover: rewrites the selected mod's start-up script in one of three
// versions, with skippable movies, without movies, or as the game has it.
class frmIntro : public QWidget {
    Q_OBJECT
public:
    explicit frmIntro(Application &app);

    QRadioButton *optEscTrue;
    QRadioButton *optComplete;
    QRadioButton *optReset;
    QPushButton *cmdRemove;

public slots:
    void Form_Load();
    void cmdRemove_Click();

private:
    // The option buttons in the order of IntroOption and of the state file.
    QList<QRadioButton *> options() const { return {optEscTrue, optComplete, optReset}; }
    void setOption(QRadioButton *option, bool selected);
    void LoadValues();
    // The state file the save writes with the game file.
    static StateChange SaveValues(const QList<bool> &selected);

    Application &app_;
    QButtonGroup *optionGroup_;
};
