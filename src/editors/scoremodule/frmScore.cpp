#include "editors/scoremodule/frmScore.h"

#include "app/Application.h"
#include "editors/scores/ScoringModule.h"
#include "utilities/search/frmSearch.h"

frmScore::frmScore(Application &app)
    : ModFileEditor(app, QStringLiteral("Score Editor"), 10965, 6750, ScoringModuleSuffix, StockScoringModule)
{
    setSyntaxLanguage(SyntaxLanguage::Python);
    mnuFileSave = addFileItem("mnuFileSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                              &frmScore::mnuFileSave_Click);
    mnuReset = addFileItem("mnuReset", QStringLiteral("&Reset and Save"), QKeySequence(Qt::CTRL | Qt::Key_R),
                           &frmScore::mnuReset_Click);
    addRestoreItem();
    addFileSeparator("streep");
    mnuFileClose =
        addFileItem("mnuFileClose", QStringLiteral("&Close"), QKeySequence(), &frmScore::mnuFileClose_Click);
    connect(mnuEditSearch, &QAction::triggered, this, &frmScore::mnuEditSearch_Click);
}

void frmScore::Form_Load()
{
    load();
}

void frmScore::mnuFileSave_Click()
{
    save();
}

void frmScore::mnuReset_Click()
{
    resetAndSave();
}

void frmScore::mnuFileClose_Click()
{
    app_.windows().unload(this);
}

void frmScore::mnuEditSearch_Click()
{
    frmSearch::open(app_, this, true);
}
