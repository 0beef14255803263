#pragma once

#include "core/FileVersions.h"
#include "core/Result.h"
#include "editors/scores/ScoringModule.h"

#include <QWidget>

class Application;
class QLabel;
class QLineEdit;
class QPushButton;

// The scoring values editor: the seven basic score values of the game, at most three characters
// each. Save writes the selected mod's scoring module anew with them; Reset and Save starts
// over from the stock values and saves those.
class frmScore2 : public QWidget {
    Q_OBJECT
public:
    explicit frmScore2(Application &app);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLineEdit *txtKill;
    QLineEdit *txtTeamKill;
    QLineEdit *txtSuicide;
    QLineEdit *txtRevive;
    QLineEdit *txtHeal;
    QLineEdit *txtResupply;
    QLineEdit *txtRepair;
    QPushButton *Command1;
    QPushButton *Command2;

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

private:
    ScoreValues values() const;
    void showValues(const ScoreValues &values);
    void LoadValues();
    // The state file the save writes with the game file.
    StateChange SaveValues() const;

    Application &app_;
};
