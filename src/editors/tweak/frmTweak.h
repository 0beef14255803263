#pragma once

#include "editors/frame/TextEditorWindow.h"
#include "editors/frame/TextEditors.h"

class QLabel;
class QMenu;

// The tweak file editor: edits any tweak file as plain text. New, Load, Save and Save as work on
// the file chosen in the file dialogs, whose path shows below the text; a changed text is never
// dropped without asking. Save as adds ".tweak" to a name typed without an extension.
class frmTweak : public TextEditorWindow {
    Q_OBJECT
public:
    explicit frmTweak(Application &app);
    TextEditorKind kind() const override { return TextEditorKind::Tweak; }

    // The program started with a file (as the file manager starts it for a tweak file): opens it
    // in the tweak editor, in front of the launcher when that is there.
    static void openAtStart(Application &app, const QString &path);
    // Reads the file into the text, as Load does once a file is chosen.
    void loadFile(const QString &path);

    QLabel *Label1;
    // Open Recent: the last files loaded or saved, newest first, kept for the next run.
    QMenu *mnuFileRecent;

public slots:
    void mnuFileNew_Click();
    void mnuFileLoad_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileTweak_Click();
    void mnuEditSearch_Click();

public:
    QString shownFile() const override { return currentFile_; }
    void reload() override;

protected:
    // Each returns whether the text was written (false also when the user cancelled).
    bool save() override;
    QString changedFileName() const override;

private:
    bool saveAs();
    bool saveTo(const QString &path);
    void setCurrentFile(const QString &path);
    // Puts the file at the top of the recent files.
    void remember(const QString &path);
    void openRecent(const QString &path);
    void showRecentFiles(const QStringList &files);

    // The path of the current file, empty while there is none.
    QString currentFile_;
};
