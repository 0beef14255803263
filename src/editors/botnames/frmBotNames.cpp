#include "editors/botnames/frmBotNames.h"

#include "app/Application.h"
#include "editors/botnames/BotNamesFile.h"
#include "utilities/search/frmSearch.h"

frmBotNames::frmBotNames(Application &app)
    : ModFileEditor(app, QStringLiteral("Change Bot Names"), 7785, 5730, BotNamesSuffix, StockBotNames)
{
    mnuFileSave = addFileItem("mnuFileSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                              &frmBotNames::mnuFileSave_Click);
    mnuFileReset = addFileItem("mnuFileReset", QStringLiteral("&Reset and Save"),
                               QKeySequence(Qt::CTRL | Qt::Key_R), &frmBotNames::mnuFileReset_Click);
    addRestoreItem();
    addFileSeparator("streep");
    mnuFileClose = addFileItem("mnuFileClose", QStringLiteral("&Close"), QKeySequence(),
                               &frmBotNames::mnuFileClose_Click);
    connect(mnuEditSearch, &QAction::triggered, this, &frmBotNames::mnuEditSearch_Click);
}

void frmBotNames::Form_Load()
{
    load();
}

void frmBotNames::mnuFileSave_Click()
{
    save();
}

void frmBotNames::mnuFileReset_Click()
{
    resetAndSave();
}

void frmBotNames::mnuFileClose_Click()
{
    app_.windows().unload(this);
}

void frmBotNames::mnuEditSearch_Click()
{
    frmSearch::open(app_, this, true);
}
