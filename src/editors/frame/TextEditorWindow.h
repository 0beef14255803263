#pragma once

#include <QMainWindow>

class Application;
class QMenu;
class QPlainTextEdit;

// The frame the whole-text editors share: a sizable window whose text area fills it and follows
// every resize (its top-left corner stays put and it grows by what the window grows), with a
// File menu of the editor's own and an Edit menu with Search.
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
    void setFileText(const QString &text);
    // The text area's text with one '\n' per line break, so an index into it is a cursor
    // position. It is kept until the next edit: taking it out of the document is the slow part
    // of searching or saving a large text.
    const QString &editorText() const;

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

    // For the editors of a file that every mod may hold (named by `suffix`, its path below the
    // mod folder): the starting text is the stock mod's copy, Save writes into the selected mod,
    // Reset and Save writes the program's stock text (`stockName`) there. A file that cannot be
    // read or written is reported by name, and the text stays as it was.
    void loadFromStockMod(const QString &suffix);
    void saveIntoSelectedMod(const QString &suffix);
    void resetAndSave(const QString &stockName, const QString &suffix);

    Application &app_;

private:
    mutable QString editorText_;
    mutable bool editorTextCurrent_ = false;

    QAction *newFileItem(const char *name, const QString &caption, const QKeySequence &shortcut);
};
