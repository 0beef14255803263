#include "utilities/about/frmAboutUitbreiding.h"

#include "app/Application.h"
#include "app/Pictures.h"
#include "utilities/about/frmAbout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

frmAboutUitbreiding::frmAboutUitbreiding(Application &app)
    : UnfoldingWindow(810, 945, 1005, 90), app_(app),
      picture_(programPicture(QStringLiteral(":/images/about-strip.png")))
{
    setWindowTitle(QStringLiteral("Form3"));
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::WindowText));
    setPalette(palette);
    setAutoFillBackground(true);
}

void frmAboutUitbreiding::Form_Load()
{
    if (frmAbout *about = app_.windows().get<frmAbout>(parentWidget()))
        about->move(x() + width(), y());
}

void frmAboutUitbreiding::Timer1_Timer()
{
    setHeightTwips(heightTwips() + 50);
    if (heightTwips() >= FinalHeightTwips) {
        Timer1->stop();
        if (frmAbout *about = app_.windows().find<frmAbout>()) {
            about->setVisible(true);
            about->activateWindow();
        }
        setHeightTwips(FinalHeightTwips);
    }
}

void frmAboutUitbreiding::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

bool frmAboutUitbreiding::event(QEvent *event)
{
    frmAbout *about = app_.windows().find<frmAbout>();
    if (about && about->isVisible()) {
        if (event->type() == QEvent::WindowActivate)
            about->activateWindow();
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            about->cmdOK->click();
            return true;
        }
    }
    return UnfoldingWindow::event(event);
}
