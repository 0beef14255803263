#pragma once

#include "editors/frame/ModFileEditor.h"
#include "editors/frame/TextEditors.h"

// The scoring module text editor: shows the stock mod's whole scoring module as free text; Save
// writes it into the selected mod, Reset and Save writes the stock module there. The find
// window opens it.
class frmScore : public ModFileEditor {
    Q_OBJECT
public:
    explicit frmScore(Application &app);
    TextEditorKind kind() const override { return TextEditorKind::Score; }

    QAction *mnuFileSave;
    QAction *mnuReset;
    QAction *mnuFileClose;

public slots:
    void Form_Load();
    void mnuFileSave_Click();
    void mnuReset_Click();
    void mnuFileClose_Click();
    void mnuEditSearch_Click();
};
