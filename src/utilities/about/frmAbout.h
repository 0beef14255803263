#pragma once

#include "utilities/about/UnfoldingWindow.h"

class Application;
class QLabel;
class QPushButton;

// The about window: program, version and contact address. It unfolds to its full height and
// closes with OK, which brings up the launcher.
class frmAbout : public UnfoldingWindow {
    Q_OBJECT
public:
    explicit frmAbout(Application &app);

    static constexpr int FinalHeightTwips = 1665;

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *Label1;
    QPushButton *cmdOK;

public slots:
    void Timer1_Timer() override;
    void cmdOK_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Application &app_;
};
