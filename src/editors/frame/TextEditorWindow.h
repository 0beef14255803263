#pragma once

#include "core/Result.h"

#include <QMainWindow>
#include <QTimer>

class Application;
class QMenu;
class QPlainTextEdit;

// The frame the whole-text editors share: a sizable window whose text area fills it and follows
// every resize (its top-left corner stays put and it grows by what the window grows), with a
// File menu of the editor's own and an Edit menu with Search; F3 finds the next match. A changed
// text is never dropped without asking.
class TextEditorWindow : public QMainWindow {
    Q_OBJECT
public:
    QPlainTextEdit *rtb;
    QMenu *mnuFile;
    QMenu *mnuEdit;
    QAction *mnuEditSearch;

    // The text as a game file holds it: lines separated by CR LF, every character kept (the text
    // area's own plain text would turn non-breaking spaces into blanks).
    QString fileText() const;
    // A large text shows its beginning at once and fills in the rest while the window answers;
    // until it is whole it cannot be edited.
    void setFileText(const QString &text);
    // The text area's text with one '\n' per line break, so an index into it is a cursor
    // position. A line separator (Shift+Enter types one) is a line break too: it is no character
    // of the game's code page, and the text area shows it as a break. The text is kept until the
    // next edit: taking it out of the document is the slow part of searching or saving a large
    // text.
    const QString &editorText() const;

    // Asks "Save changes to <file>?" when the text was changed since it was loaded or saved: Yes
    // saves, No drops the changes. Returns whether the action that asked may go on (not after
    // Cancel, nor after a save that failed or was cancelled).
    bool changesSetAside();

    // A large text fills the text area after it is shown (see setFileText); this puts the rest in
    // at once, as a search that selects what it finds needs.
    void finishFilling();

    // The file the text was read from (empty for none), and reading it again into the text area.
    virtual QString shownFile() const = 0;
    virtual void reload() = 0;

protected:
    // `clientWidthTwips` and `clientHeightTwips` are the design size of the area below the menu.
    TextEditorWindow(Application &app, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    // Adds an item to the File menu, calling `slot` when chosen.
    template <typename Window>
    QAction *addFileItem(const char *name, const QString &caption, const QKeySequence &shortcut,
                         void (Window::*slot)())
    {
        QAction *action = newFileItem(name, caption, shortcut);
        connect(action, &QAction::triggered, static_cast<Window *>(this), slot);
        return action;
    }
    void addFileSeparator(const char *name);
    // Adds "Restore Previous Version...", which opens the window of kept versions.
    void addRestoreItem();

    // Writes the text where the editor saves it; whether it was written.
    virtual bool save() = 0;
    // The file a save writes, as the question about changes names it.
    virtual QString changedFileName() const = 0;
    void markUnchanged();
    // Writes the text to the game file at `path` while no other writer runs, keeping the bytes it
    // replaces as a version.
    Status writeGameText(const QString &path, const QString &text);
    void closeEvent(QCloseEvent *event) override;

    Application &app_;

private:
    mutable QString editorText_;
    mutable bool editorTextCurrent_ = false;
    // How much of the editor text is in the text area while a large text fills it in.
    QTimer filler_;
    qsizetype filled_ = 0;
    bool filling_ = false;

    QAction *newFileItem(const char *name, const QString &caption, const QKeySequence &shortcut);
    void followEdit(int position, int removed, int added);
    void fillNextPart();
    void stopFilling();
};
