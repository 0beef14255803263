#pragma once

#include "editors/frame/ModFileEditor.h"
#include "editors/frame/TextEditors.h"

// The bot names editor: shows the stock mod's list of computer player names as free text; Save
// writes it into the selected mod, Reset and Save writes the stock list there.
class frmBotNames : public ModFileEditor {
    Q_OBJECT
public:
    explicit frmBotNames(Application &app);
    TextEditorKind kind() const override { return TextEditorKind::BotNames; }

    QAction *mnuFileSave;
    QAction *mnuFileReset;
    QAction *mnuFileClose;

public slots:
    void Form_Load();
    void mnuFileSave_Click();
    void mnuFileReset_Click();
    void mnuFileClose_Click();
    void mnuEditSearch_Click();
};
