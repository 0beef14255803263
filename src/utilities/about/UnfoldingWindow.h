#pragma once

#include <QWidget>

class QTimer;

// A borderless window that unfolds downwards, one step on every tick of its 1 ms timer. Its
// height is kept in twips, so steps smaller than a pixel add up exactly as designed; the screen
// shows the nearest whole pixel.
class UnfoldingWindow : public QWidget {
    Q_OBJECT
public:
    int heightTwips() const { return heightTwips_; }
    void setHeightTwips(int twips);

    QTimer *Timer1;

public slots:
    virtual void Timer1_Timer() = 0;

protected:
    UnfoldingWindow(int leftTwips, int topTwips, int widthTwips, int heightTwips);

private:
    int heightTwips_;
};
