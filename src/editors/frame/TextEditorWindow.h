#pragma once

#include "core/Result.h"
#include "editors/frame/ShownText.h"
#include "editors/frame/SyntaxRules.h"
#include "editors/frame/TextArea.h"
#include "editors/frame/TextView.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>

class Application;
class QMenu;
class SyntaxHighlighter;
enum class TextEditorKind;

// The frame the whole-text editors share: a sizable window whose text area fills it and follows
// every resize (its top-left corner stays put and it grows by what the window grows), with a
// File menu of the editor's own, an Edit menu (Undo to Select All, then Search, Find Next and Go
// to Line) and a View menu whose choices hold for the three editors and are kept for the next
// run. A changed text is never dropped without asking.
class TextEditorWindow : public QMainWindow {
    Q_OBJECT
public:
    TextArea *rtb;
    QMenu *mnuFile;
    QMenu *mnuEdit;
    QAction *mnuEditUndo;
    QAction *mnuEditRedo;
    QAction *mnuEditCut;
    QAction *mnuEditCopy;
    QAction *mnuEditPaste;
    QAction *mnuEditSelectAll;
    QAction *mnuEditSearch;
    QAction *mnuEditFindNext;
    QAction *mnuEditGoToLine;
    QMenu *mnuView;
    QAction *mnuViewColours;
    QAction *mnuViewLineNumbers;
    QAction *mnuViewWrap;

    // A text the program holds (a stock text) goes in whole.
    void setFileText(const QString &text);
    // The same as one edit of the text, which Undo takes back.
    void replaceText(const QString &text);
    // A file's bytes: a large file shows its beginning at once and decodes and fills in the rest
    // while the window answers; until it is whole it cannot be edited.
    void setFileBytes(QByteArray bytes);
    // The text area's text as searches and saves take it; a text still filling in is first put
    // in whole. A line separator (Shift+Enter types one) is a line break too: it is no character
    // of the game's code page, and the text area shows it as a break. The text is kept and
    // follows each edit: taking it out of the document is the slow part of searching or saving
    // a large text.
    const ShownText &shownText();

    // Asks "Save changes to <file>?" when the text was changed since it was loaded or saved: Yes
    // saves, No drops the changes. Returns whether the action that asked may go on (not after
    // Cancel, nor after a save that failed or was cancelled).
    bool changesSetAside();

    // Asks for a line, showing the range of the text's lines, and puts the caret at its start.
    void goToLine();
    // Shows the text as the view asks; a text holding a very long line shows wrapped either way,
    // until the user turns wrapping off for it.
    void showView(const TextView &view);

    // The file the text was read from (empty for none), and reading it again into the text area.
    virtual QString shownFile() const = 0;
    virtual void reload() = 0;
    // Which of the whole-text editors this is.
    virtual TextEditorKind kind() const = 0;

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

    // The language the text is coloured in; a console script unless the editor says otherwise.
    void setSyntaxLanguage(SyntaxLanguage language);

    // Writes the text where the editor saves it; whether it was written.
    virtual bool save() = 0;
    // The file a save writes, as the question about changes names it.
    virtual QString changedFileName() const = 0;
    void markUnchanged();
    // Writes the shown text, or a `text` as a file holds it, to the game file at `path` while no
    // other writer runs, keeping the bytes it replaces as a version.
    Status writeShownText(const QString &path);
    Status writeGameText(const QString &path, const QString &text);
    void closeEvent(QCloseEvent *event) override;
    // Files dropped on the text are never put in as text. An editor that opens files gives the
    // function that opens the first one dropped; the others take no drop of files.
    void openDroppedFilesWith(std::function<void(const QString &)> open);
    bool eventFilter(QObject *watched, QEvent *event) override;

    Application &app_;

private:
    std::function<void(const QString &)> openDropped_;
    ShownText shown_;
    bool shownCurrent_ = false;
    // While a large file fills the text area in: its bytes, and how many of them are shown.
    QTimer filler_;
    QByteArray fileBytes_;
    qsizetype filled_ = 0;
    bool filling_ = false;

    // A text holding a very long line shows wrapped, whatever the view says, until the user
    // turns wrapping off: unwrapped, each repaint of such a line (a caret blink) lays it out
    // whole.
    bool longLines_ = false;
    // Whether the text was too large for colours when it was put in.
    bool large_ = false;
    TextView view_;
    SyntaxLanguage language_ = SyntaxLanguage::ConsoleScript;
    SyntaxHighlighter *highlighter_ = nullptr;

    QAction *newFileItem(const char *name, const QString &caption, const QKeySequence &shortcut);
    QAction *newMenuItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut);
    void addEditMenu();
    void addViewMenu();
    void followEditState();
    void followPasteState();
    void chooseView(bool TextView::*item, bool on);
    // Before a text goes in: how it is shown follows what it holds.
    template <typename Text> void prepareFor(Text text);
    void showColours();
    void showText(const QString &editorText);
    void followEdit(int position, int removed, int added);
    void fillNextPart();
    void finishFilling();
    void stopFilling();
};
