#pragma once

#include "utilities/about/UnfoldingWindow.h"

#include <QPixmap>

class Application;

// The picture strip at the left of the about window. It places the about window beside itself
// when it loads, unfolds taller than it, and shows it when done.
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

private:
    Application &app_;
    QImage picture_;
};
