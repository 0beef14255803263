#include "editors/intro/frmIntro.h"

#include "app/Application.h"
#include "app/FontGrowth.h"
#include "app/Named.h"
#include "app/Twips.h"
#include "app/WindowKeys.h"
#include "core/FileVersions.h"
#include "core/TextFiles.h"
#include "editors/intro/IntroScript.h"
#include "selection/Form2.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

frmIntro::frmIntro(Application &app)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Remove Intro"));
    setFixedSize(twipsToPixels(3390), twipsToPixels(2115));

    optEscTrue = named(new QRadioButton(QStringLiteral("Skip intro with Esc"), this), "optEscTrue");
    optEscTrue->setGeometry(twipsRect(240, 180, 2895, 300));
    optEscTrue->setChecked(true);
    optComplete = named(new QRadioButton(QStringLiteral("Remove complete intro"), this), "optComplete");
    optComplete->setGeometry(twipsRect(240, 540, 2895, 300));
    optReset = named(new QRadioButton(QStringLiteral("Reset"), this), "optReset");
    optReset->setGeometry(twipsRect(240, 900, 2895, 300));
    cmdRemove = named(new QPushButton(QStringLiteral("Remove!"), this), "cmdRemove");
    cmdRemove->setGeometry(twipsRect(240, 1440, 2895, 435));
    growWithFont(this);

    optionGroup_ = new QButtonGroup(this);
    for (QRadioButton *option : options())
        optionGroup_->addButton(option);

    connect(cmdRemove, &QPushButton::clicked, this, &frmIntro::cmdRemove_Click);
    closeOnEscape(this);
}

void frmIntro::Form_Load()
{
    for (QRadioButton *option : options()) {
        QPalette palette = option->palette();
        palette.setColor(QPalette::Window, this->palette().color(QPalette::Window));
        option->setPalette(palette);
        option->setAutoFillBackground(true);
    }
    LoadValues();
}

void frmIntro::cmdRemove_Click()
{
    QList<bool> selected;
    for (const QRadioButton *option : options())
        selected << option->isChecked();

    // With no option selected (the state file can leave it so) the script stays as it is.
    const qsizetype chosen = selected.indexOf(true);
    const QString file = currentGameLocation(app_).modFile(IntroScriptFile);
    const ProgramFolder &folder = app_.programFolder();
    app_.succeeded(this, folder.whileLocked([&] {
        const StateChange state = SaveValues(selected);
        return chosen < 0
                   ? folder.writeLines(state.name, *state.lines)
                   : replaceGameText(folder, file, introScript(static_cast<IntroOption>(chosen)), state);
    }));
}

// Selecting an option clears the others. Clearing the selected one leaves none selected, which
// the group allows only while it is not exclusive.
void frmIntro::setOption(QRadioButton *option, bool selected)
{
    optionGroup_->setExclusive(selected);
    option->setChecked(selected);
    optionGroup_->setExclusive(true);
}

// The script Init.con is, where it is one of the three; else the stored choice.
void frmIntro::LoadValues()
{
    const GameLocation location = currentGameLocation(app_);
    const QString file = location.gameFolder.isEmpty() ? QString() : location.modFile(IntroScriptFile);
    const std::optional<IntroOption> shown = currentIntroOption(app_.programFolder(), file).values;
    for (qsizetype i = 0; i < options().size(); ++i)
        setOption(options().at(i), shown == static_cast<IntroOption>(i));
}

StateChange frmIntro::SaveValues(const QList<bool> &selected)
{
    return {IntroStore, introStoreLines(selected)};
}
