#include "editors/strategies/frmStrategies.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/WarningText.h"
#include "app/WindowKeys.h"
#include "core/FileVersions.h"
#include "core/StockTexts.h"
#include "core/TextFiles.h"
#include "selection/Form2.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmStrategies::frmStrategies(Application &app)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bot Strategie editor"));

    const StrategyValues builtIn;
    txtAttackEnemyAgression = named(new QLineEdit(builtIn.attackEnemyAgression), "txtAttackEnemyAgression");
    txtAttackEnemyAttacks = named(new QLineEdit(builtIn.attackEnemyAttacks), "txtAttackEnemyAttacks");
    txtAttackEnemyDefences = named(new QLineEdit(builtIn.attackEnemyDefences), "txtAttackEnemyDefences");
    txtAttackNeutralAgression =
        named(new QLineEdit(builtIn.attackNeutralAgression), "txtAttackNeutralAgression");
    txtAttackNeutralAttacks = named(new QLineEdit(builtIn.attackNeutralAttacks), "txtAttackNeutralAttacks");
    txtAttackNeutralDefences =
        named(new QLineEdit(builtIn.attackNeutralDefences), "txtAttackNeutralDefences");
    txtGuardAgression = named(new QLineEdit(builtIn.guardAgression), "txtGuardAgression");
    txtGuardAttacks = named(new QLineEdit(builtIn.guardAttacks), "txtGuardAttacks");
    txtGuardDefences = named(new QLineEdit(builtIn.guardDefences), "txtGuardDefences");
    txtDefendAgression = named(new QLineEdit(builtIn.defendAgression), "txtDefendAgression");
    txtDefendAttacks = named(new QLineEdit(builtIn.defendAttacks), "txtDefendAttacks");
    txtDefendDefences = named(new QLineEdit(builtIn.defendDefences), "txtDefendDefences");

    SSTab1 = named(new QTabWidget, "SSTab1");
    // All four captions stay in view: the window is as wide as the row of tabs.
    SSTab1->setUsesScrollButtons(false);
    // The tab row takes the focus itself; the frame around it is no control of its own.
    SSTab1->setFocusPolicy(Qt::NoFocus);
    addTab(QStringLiteral("Attack Enemy Base"), {&Label1, &Label2, &Label3},
           {txtAttackEnemyAgression, txtAttackEnemyAttacks, txtAttackEnemyDefences});
    addTab(QStringLiteral("Attack Neutral Base"), {&Label4, &Label5, &Label6},
           {txtAttackNeutralAgression, txtAttackNeutralAttacks, txtAttackNeutralDefences});
    addTab(QStringLiteral("Guard"), {&Label7, &Label8, &Label9},
           {txtGuardAgression, txtGuardAttacks, txtGuardDefences});
    addTab(QStringLiteral("Defend"), {&Label10, &Label11, &Label12},
           {txtDefendAgression, txtDefendAttacks, txtDefendDefences});

    Command1 = named(new QPushButton(QStringLiteral("Save")), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Reset and Save")), "Command2");
    Label13 = named(
        new QLabel(QStringLiteral("If you don't know what this does exactly, don't change anything here!")),
        "Label13");
    Label13->setWordWrap(true);
    showAsWarning(Label13);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1, 0, Qt::AlignTop);
    buttons->addWidget(Command2, 0, Qt::AlignTop);
    buttons->addWidget(Label13, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &frmStrategies::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmStrategies::Command2_Click);
    closeOnEscape(this);
}

void frmStrategies::addTab(const QString &caption, const std::array<QLabel **, 3> &labels,
                           const std::array<QLineEdit *, 3> &fields)
{
    static const char *const RowCaptions[] = {"Agression:", "Attack:", "Defence:"};
    // What a screen reader says for each row's field, after the tab's caption.
    static const char *const RowNames[] = {"aggression", "attack", "defence"};
    const int firstLabel = SSTab1->count() * 3 + 1;
    auto *page = new QWidget;
    auto *rows = new QFormLayout(page);
    for (int row = 0; row < 3; ++row) {
        QLabel *label = new QLabel(QLatin1StringView(RowCaptions[row]));
        label->setObjectName(QStringLiteral("Label%1").arg(firstLabel + row));
        rows->addRow(label, fields[row]);
        fields[row]->setAccessibleName(caption + u' ' + QLatin1StringView(RowNames[row]));
        *labels[row] = label;
        captionedFields_.append({caption + u' ' + label->text().chopped(1), fields[row]});
    }
    SSTab1->addTab(page, caption);
}

StrategyValues frmStrategies::values() const
{
    StrategyValues v;
    v.attackEnemyAgression = txtAttackEnemyAgression->text();
    v.attackEnemyAttacks = txtAttackEnemyAttacks->text();
    v.attackEnemyDefences = txtAttackEnemyDefences->text();
    v.attackNeutralAgression = txtAttackNeutralAgression->text();
    v.attackNeutralAttacks = txtAttackNeutralAttacks->text();
    v.attackNeutralDefences = txtAttackNeutralDefences->text();
    v.guardAgression = txtGuardAgression->text();
    v.guardAttacks = txtGuardAttacks->text();
    v.guardDefences = txtGuardDefences->text();
    v.defendAgression = txtDefendAgression->text();
    v.defendAttacks = txtDefendAttacks->text();
    v.defendDefences = txtDefendDefences->text();
    return v;
}

void frmStrategies::showValues(const StrategyValues &v)
{
    txtAttackEnemyAgression->setText(v.attackEnemyAgression);
    txtAttackEnemyAttacks->setText(v.attackEnemyAttacks);
    txtAttackEnemyDefences->setText(v.attackEnemyDefences);
    txtAttackNeutralAgression->setText(v.attackNeutralAgression);
    txtAttackNeutralAttacks->setText(v.attackNeutralAttacks);
    txtAttackNeutralDefences->setText(v.attackNeutralDefences);
    txtGuardAgression->setText(v.guardAgression);
    txtGuardAttacks->setText(v.guardAttacks);
    txtGuardDefences->setText(v.guardDefences);
    txtDefendAgression->setText(v.defendAgression);
    txtDefendAttacks->setText(v.defendAttacks);
    txtDefendDefences->setText(v.defendDefences);
}

void frmStrategies::Form_Load()
{
    LoadValues();
}

// The values the game reads, where the script holds them all as this program writes them; else
// the stored ones.
void frmStrategies::LoadValues()
{
    const GameLocation location = currentGameLocation(app_);
    const QString file = location.gameFolder.isEmpty() ? QString() : location.modFile(StrategiesFileSuffix);
    showValues(currentStrategies(app_.programFolder(), file).values);
}

StateChange frmStrategies::SaveValues() const
{
    return {StrategiesStateFile, strategyStateLines(values())};
}

// The values are remembered only once the script holds them.
void frmStrategies::Command1_Click()
{
    const QString txtFinal = composeStrategies(values());
    const QString file = currentGameLocation(app_).modFile(StrategiesFileSuffix);
    QList<std::pair<QString, QString>> captioned;
    for (const auto &[caption, field] : captionedFields_)
        captioned.append({caption, field->text()});
    if (!app_.savesAnyway(this, captioned, isStrategyNumber, file))
        return;
    app_.succeeded(this, app_.programFolder().whileLocked([&] {
        return replaceGameText(app_.programFolder(), file, txtFinal, SaveValues());
    }));
}

// Writes the game's stock script back and starts over in a new window, which finds no state
// file (the stock script leaves one strategy unset) and shows the stock values.
void frmStrategies::Command2_Click()
{
    const QString txtReset = stockText(StockStrategiesText);
    const QString file = currentGameLocation(app_).modFile(StrategiesFileSuffix);
    // A state file left behind would bring the old values back into the new window.
    if (!app_.succeeded(this, app_.programFolder().whileLocked([&] {
            return replaceGameText(app_.programFolder(), file, txtReset,
                                   StateChange{StrategiesStateFile, std::nullopt});
        })))
        return;
    QWidget *owner = parentWidget();
    app_.windows().unload(this);
    app_.windows().show<frmStrategies>(owner);
}
