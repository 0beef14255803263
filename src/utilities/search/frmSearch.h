#pragma once

#include <QWidget>

class Application;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TextEditorWindow;

// The one find window of the whole-text editors: finds the next occurrence of its text in the
// chosen editor, without regard to letter case, selects it and brings that editor to the front.
// Each editor keeps its own search position for the whole run, whatever happens to this window.
class frmSearch : public QWidget {
    Q_OBJECT
public:
    explicit frmSearch(Application &app);

    QLineEdit *Text1;
    QPushButton *Command1;
    QRadioButton *optTweak;
    QRadioButton *optBotNames;
    QRadioButton *optScore;

    // Makes the option the selected one, as an opening editor does to have itself searched.
    void chooseTarget(QRadioButton *option);

public slots:
    void Command1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The selected option's editor, opened (which loads its file) when it is not open; null when
    // no option is selected or the editor could not be opened.
    TextEditorWindow *targetEditor();

    Application &app_;
};
