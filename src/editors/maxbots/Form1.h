#pragma once

#include "core/FileVersions.h"
#include "core/Result.h"

#include <QWidget>

class Application;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;

// The max bots editor: a slider for the number of bots the game spawns, saved into the stock
// mod's AI settings script. Closing only hides it, so within one run it opens again as it was
// left, saved or not.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Application &app);

    QMenu *mnuFile;
    QAction *mnuFileSave;
    QAction *mnuFileReset;
    QMenu *mnuHelp;
    QAction *mnuHelpAbout;
    QSlider *Slider1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *Command2;
    QPushButton *Command1;

public slots:
    void Form_Load();
    void Slider1_Change();
    void Command1_Click();
    void Command2_Click();
    void mnuFileSave_Click();
    void mnuFileReset_Click();
    void mnuHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void LoadValues();
    // The state file the save writes with the game file.
    StateChange SaveValues() const;

    Application &app_;
};
