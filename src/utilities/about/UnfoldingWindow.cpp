#include "utilities/about/UnfoldingWindow.h"

#include "app/Named.h"
#include "app/Twips.h"

#include <QTimer>

UnfoldingWindow::UnfoldingWindow(int leftTwips, int topTwips, int widthTwips, int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), heightTwips_(heightTwips)
{
    setGeometry(twipsRect(leftTwips, topTwips, widthTwips, heightTwips));
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &UnfoldingWindow::Timer1_Timer);
    Timer1->start();
}

void UnfoldingWindow::setHeightTwips(int twips)
{
    heightTwips_ = twips;
    resize(width(), twipsToPixels(twips));
}
