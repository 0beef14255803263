#pragma once

#include <QList>
#include <QWidget>

class ActiveLabel;
class Application;

// The launcher: a picture with a column of entries, one per editor or tool. The entries light
// up red under the mouse or the keyboard's focus (Tab and the arrows move it, Enter and Space
// press); the "X" in the corner ends the program after a question.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(Application &app);

    // Gives the program the way to show the launcher, and to open each whole-text editor as the
    // launcher's entries open it: in front of the launcher when that is there. Done at the start,
    // before any window opens.
    static void provideOpeners(Application &app);

    ActiveLabel *Label5;
    ActiveLabel *Label10;
    ActiveLabel *Label1;
    ActiveLabel *Label7;
    ActiveLabel *Label6;
    ActiveLabel *Label4;
    ActiveLabel *Label9;
    ActiveLabel *Label11;
    ActiveLabel *Label2;
    ActiveLabel *Label8;
    ActiveLabel *Label3;
    ActiveLabel *Image1;

public slots:
    void Form_MouseMove();
    void Label1_Click();
    void Label2_Click();
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Image1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ActiveLabel *addEntry(const char *name, const QString &caption, int leftTwips, int topTwips,
                          void (frmMain::*onClick)());
    void highlight(ActiveLabel *lit);
    bool confirmExit();

    Application &app_;
    QImage background_;
    QList<ActiveLabel *> activeLabels_;
};
