#include "utilities/about/frmAbout.h"

#include "app/Application.h"
#include "app/Named.h"
#include "app/Pictures.h"
#include "app/Twips.h"
#include "core/ProgramInfo.h"
#include "utilities/about/frmAboutUitbreiding.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

QLabel *labelAt(const char *name, const QString &text, int leftTwips, int topTwips, QWidget *parent)
{
    auto *label = named(new QLabel(text, parent), name);
    label->move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    label->adjustSize();
    return label;
}

} // namespace

frmAbout::frmAbout(Application &app) : UnfoldingWindow(2295, 1500, 5730, 90), app_(app)
{
    setWindowTitle(QStringLiteral("About"));

    picIcon = named(new QLabel(this), "picIcon");
    picIcon->setPixmap(QPixmap::fromImage(programPicture(QStringLiteral(":/images/icon.png"))));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setGeometry(twipsRect(120, 240, 540, 540));
    lblTitle = labelAt("lblTitle", QStringLiteral("Orvanthe Editor"), 960, 240, this);
    lblVersion = labelAt("lblVersion", QStringLiteral("Version 3.4.0"), 960, 600, this);
    Label1 = labelAt("Label1", ContactAddress, 960, 1200, this);
    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setGeometry(twipsRect(4245, 1200, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    // OK is both the default and the cancel button: Enter and Esc press it.
    for (const QKeySequence &key :
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, cmdOK, &QPushButton::click);
}

void frmAbout::Timer1_Timer()
{
    setHeightTwips(heightTwips() + 25);
    if (heightTwips() >= FinalHeightTwips)
        Timer1->stop();
}

void frmAbout::cmdOK_Click()
{
    WindowRegistry &windows = app_.windows();
    windows.unload(windows.find<frmAboutUitbreiding>());
    windows.unload(this);
    app_.showLauncher();
}

// An etched separator between the title block and the bottom row: a grey line with a white one
// just below it.
void frmAbout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(twipsToPixels(90), twipsToPixels(1005), twipsToPixels(5654), twipsToPixels(1005));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(twipsToPixels(105), twipsToPixels(1020), twipsToPixels(5654), twipsToPixels(1020));
}
