#include "editors/scores/frmScore2.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/WindowKeys.h"
#include "core/FileVersions.h"
#include "core/TextFiles.h"
#include "selection/Form2.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmScore2::frmScore2(Application &app)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Score Editor"));

    const ScoreValues builtIn;
    auto *rows = new QGridLayout;
    int row = 0;
    auto addRow = [&](QLabel *&label, const char *caption, QLineEdit *&field, const char *name,
                      const QString &value) {
        ++row;
        label = new QLabel(QLatin1StringView(caption));
        label->setObjectName(QStringLiteral("Label%1").arg(row));
        field = named(new QLineEdit(value), name);
        field->setMaxLength(ScoreValueLength);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-000")) * 2);
        label->setBuddy(field);
        rows->addWidget(label, row - 1, 0);
        rows->addWidget(field, row - 1, 1);
    };
    addRow(Label1, "Kill", txtKill, "txtKill", builtIn.kill);
    addRow(Label2, "Teamkill", txtTeamKill, "txtTeamKill", builtIn.teamKill);
    addRow(Label3, "Suicide", txtSuicide, "txtSuicide", builtIn.suicide);
    addRow(Label4, "Revive", txtRevive, "txtRevive", builtIn.revive);
    addRow(Label5, "Heal", txtHeal, "txtHeal", builtIn.heal);
    addRow(Label6, "Resupply", txtResupply, "txtResupply", builtIn.resupply);
    addRow(Label7, "Repair", txtRepair, "txtRepair", builtIn.repair);

    Command1 = named(new QPushButton(QStringLiteral("Save")), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Reset and Save")), "Command2");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(Command1);
    layout->addWidget(Command2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &frmScore2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmScore2::Command2_Click);
    closeOnEscape(this);
}

ScoreValues frmScore2::values() const
{
    return ScoreValues{txtKill->text(), txtTeamKill->text(), txtSuicide->text(), txtRevive->text(),
                       txtHeal->text(), txtResupply->text(), txtRepair->text()};
}

void frmScore2::showValues(const ScoreValues &v)
{
    txtKill->setText(v.kill);
    txtTeamKill->setText(v.teamKill);
    txtSuicide->setText(v.suicide);
    txtRevive->setText(v.revive);
    txtHeal->setText(v.heal);
    txtResupply->setText(v.resupply);
    txtRepair->setText(v.repair);
}

void frmScore2::Form_Load()
{
    LoadValues();
}

// The values the game reads, where the module holds them all as this program writes them; else
// the stored ones.
void frmScore2::LoadValues()
{
    const GameLocation location = currentGameLocation(app_);
    const QString file = location.gameFolder.isEmpty() ? QString() : location.modFile(ScoringModuleSuffix);
    showValues(currentScores(app_.programFolder(), file).values);
}

StateChange frmScore2::SaveValues() const
{
    return {ScoreStateFile, scoreStateLines(values())};
}

// The values are remembered only once the module holds them.
void frmScore2::Command1_Click()
{
    const QString txtFinal = composeScoringModule(values());
    const QString file = currentGameLocation(app_).modFile(ScoringModuleSuffix);
    QList<std::pair<QString, QString>> captioned;
    for (const auto &[label, field] : {std::pair(Label1, txtKill),
                                       {Label2, txtTeamKill},
                                       {Label3, txtSuicide},
                                       {Label4, txtRevive},
                                       {Label5, txtHeal},
                                       {Label6, txtResupply},
                                       {Label7, txtRepair}})
        captioned.append({label->text(), field->text()});
    if (!app_.savesAnyway(this, captioned, isScoreNumber, file))
        return;
    app_.succeeded(this, app_.programFolder().whileLocked([&] {
        return replaceGameText(app_.programFolder(), file, txtFinal, SaveValues());
    }));
}

// Starts over in a new window, which finds the stock values in the module, and saves those. The module takes
// the stock values before the state file goes, so a failure leaves the two as they were; the state file
// deleted is the one read (names match in any letter case, and the exact name first).
void frmScore2::Command2_Click()
{
    const QString file = currentGameLocation(app_).modFile(ScoringModuleSuffix);
    if (!app_.succeeded(this, app_.programFolder().whileLocked([&] {
            return replaceGameText(app_.programFolder(), file, composeScoringModule(ScoreValues()),
                                   StateChange{ScoreStateFile, std::nullopt});
        })))
        return;
    QWidget *owner = parentWidget();
    app_.windows().unload(this);
    if (frmScore2 *fresh = app_.windows().show<frmScore2>(owner))
        fresh->Command1_Click();
}
