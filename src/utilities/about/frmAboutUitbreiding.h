#pragma once

#include "utilities/about/UnfoldingWindow.h"

#include <QPixmap>

class Application;

// The picture strip at the left of the about window. It places the about window beside itself
// when it loads, unfolds taller than it, and shows it when done. It is part of the about box, not
// a window of its own: it is left out of the task bar, and the keyboard stays with the about
// window's OK (Esc presses it here too).
class frmAboutUitbreiding : public UnfoldingWindow {
    Q_OBJECT
public:
    explicit frmAboutUitbreiding(Application &app);

    static constexpr int FinalHeightTwips = 3450;

public slots:
    void Form_Load();
    void Timer1_Timer() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Application &app_;
    QImage picture_;
};
