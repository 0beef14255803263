#pragma once

#include <QWidget>

class Application;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TextEditorWindow;

// The one find window of the whole-text editors: finds the next occurrence of its text in the
// chosen editor, without regard to letter case, selects it and brings that editor to the front.
// Each editor keeps its own search position for the whole run, whatever happens to this window,
// which closes (with Esc too) like any other: it opens again empty.
class frmSearch : public QWidget {
    Q_OBJECT
public:
    explicit frmSearch(Application &app);

    QLineEdit *Text1;
    QPushButton *Command1;
    QRadioButton *optTweak;
    QRadioButton *optBotNames;
    QRadioButton *optScore;

    // Opens the find window, owned by the editor even when it is open already; with
    // `chooseEditor` the editor's option is selected.
    static frmSearch *open(Application &app, TextEditorWindow *editor, bool chooseEditor);
    // Finds the next occurrence of the find window's text in the editor; opens the find window
    // for it instead when there is no text to find.
    static void findNextIn(Application &app, TextEditorWindow *editor);

public slots:
    void Command1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes the option the selected one, as an opening editor does to have itself searched.
    void chooseTarget(QRadioButton *option);
    // The selected option's editor, opened (which loads its file) when it is not open; null when
    // no option is selected or the editor could not be opened.
    TextEditorWindow *targetEditor();
    QRadioButton *optionFor(const TextEditorWindow *editor) const;

    Application &app_;
};
