#pragma once

#include "core/FileVersions.h"
#include "core/Result.h"
#include "editors/strategies/StrategiesFile.h"

#include <QWidget>

#include <array>

class Application;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The bot strategy editor: the three weights of each of the four standard strategies, one tab
// per strategy. Save writes the selected mod's strategy script anew from them; Reset and Save
// writes the game's stock script back and starts over from the stock values.
class frmStrategies : public QWidget {
    Q_OBJECT
public:
    explicit frmStrategies(Application &app);

    QTabWidget *SSTab1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label12;
    QLineEdit *txtAttackEnemyAgression;
    QLineEdit *txtAttackEnemyAttacks;
    QLineEdit *txtAttackEnemyDefences;
    QLineEdit *txtAttackNeutralAgression;
    QLineEdit *txtAttackNeutralAttacks;
    QLineEdit *txtAttackNeutralDefences;
    QLineEdit *txtGuardAgression;
    QLineEdit *txtGuardAttacks;
    QLineEdit *txtGuardDefences;
    QLineEdit *txtDefendAgression;
    QLineEdit *txtDefendAttacks;
    QLineEdit *txtDefendDefences;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Label13;

public slots:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

private:
    StrategyValues values() const;
    void showValues(const StrategyValues &values);
    void addTab(const QString &caption, const std::array<QLabel **, 3> &labels,
                const std::array<QLineEdit *, 3> &fields);
    void LoadValues();
    // The state file the save writes with the game file.
    StateChange SaveValues() const;

    Application &app_;
    // Each field with its tab's and row's captions, such as "Guard Agression", in tab order.
    QList<std::pair<QString, QLineEdit *>> captionedFields_;
};
