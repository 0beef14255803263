#include "editors/scoremodule/frmScore.h"

#include "app/Application.h"
#include "editors/scores/ScoringModule.h"
#include "utilities/search/frmSearch.h"

frmScore::frmScore(Application &app) : TextEditorWindow(app, QStringLiteral("Score Editor"), 10965, 6750)
{
    mnuFileSave = addFileItem("mnuFileSave", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                              &frmScore::mnuFileSave_Click);
    mnuReset = addFileItem("mnuReset", QStringLiteral("Reset and Save"), QKeySequence(Qt::CTRL | Qt::Key_R),
                           &frmScore::mnuReset_Click);
    addFileSeparator("streep");
    mnuFileClose =
        addFileItem("mnuFileClose", QStringLiteral("Close"), QKeySequence(), &frmScore::mnuFileClose_Click);
    connect(mnuEditSearch, &QAction::triggered, this, &frmScore::mnuEditSearch_Click);
}

// Always the stock mod's module, whichever mod is selected.
void frmScore::Form_Load()
{
    loadFromStockMod(ScoringModuleSuffix);
}

void frmScore::mnuFileSave_Click()
{
    saveIntoSelectedMod(ScoringModuleSuffix);
}

void frmScore::mnuReset_Click()
{
    resetAndSave(StockScoringModule, ScoringModuleSuffix);
}

void frmScore::mnuFileClose_Click()
{
    app_.windows().unload(this);
}

void frmScore::mnuEditSearch_Click()
{
    if (frmSearch *search = app_.windows().show<frmSearch>(this))
        search->chooseTarget(search->optScore);
}
