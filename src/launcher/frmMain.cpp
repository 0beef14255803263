#include "launcher/frmMain.h"

#include "app/ActiveLabel.h"
#include "app/Application.h"
#include "app/Named.h"
#include "app/Pictures.h"
#include "app/Prompts.h"
#include "app/Twips.h"
#include "core/ProgramInfo.h"
#include "editors/botnames/frmBotNames.h"
#include "editors/frame/TextEditors.h"
#include "editors/intro/frmIntro.h"
#include "editors/maxbots/Form1.h"
#include "editors/scoremodule/frmScore.h"
#include "editors/scores/frmScore2.h"
#include "editors/strategies/frmStrategies.h"
#include "editors/tweak/frmTweak.h"
#include "selection/Form2.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"
#include "utilities/info/frmInfo.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const QColor Orange(255, 128, 0);

// The picture is drawn in pixels, so the text on it is sized in pixels too: the design's point
// size at 96 dots per inch, whatever the desktop's font resolution.
QFont sansSerif(qreal pointSize, bool bold = false)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(pointSize * 96 / 72));
    font.setBold(bold);
    return font;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

frmMain::frmMain(Application &app)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), app_(app), background_(launcherBackground())
{
    setWindowTitle(QStringLiteral("Orvanthe Editor"));
    setFixedSize(twipsToPixels(12000), twipsToPixels(7995));
    setMouseTracking(true);

    // The entries are drawn on the picture, so their colours are the picture's, not the desktop's:
    // the three that start in the button text colour start in the light desktop's, black.
    Label5 = addEntry("Label5", QStringLiteral("Change Bot Names"), 240, 240, &frmMain::Label5_Click);
    Label10 = addEntry("Label10", QStringLiteral("Change Bot Strategies"), 240, 960, &frmMain::Label10_Click);
    Label1 = addEntry("Label1", QStringLiteral("Change Max Bots"), 240, 1680, &frmMain::Label1_Click);
    Label7 = addEntry("Label7", QStringLiteral("Remove intro"), 240, 2400, &frmMain::Label7_Click);
    Label6 = addEntry("Label6", QStringLiteral("Score Editor"), 240, 3120, &frmMain::Label6_Click);
    Label4 = addEntry("Label4", QStringLiteral("Tweak Editor"), 240, 3840, &frmMain::Label4_Click);
    Label9 = addEntry("Label9", QStringLiteral("Forum"), 240, 4560, &frmMain::Label9_Click);
    Label11 =
        addEntry("Label11", QStringLiteral("Change mod / Vantrax path"), 240, 5280, &frmMain::Label11_Click);
    Label2 = addEntry("Label2", QStringLiteral("X"), 11400, 120, &frmMain::Label2_Click);
    Label2->setAccessibleName(QStringLiteral("Exit"));

    // The version mark, the contact line and the logo take the mouse without lighting anything.
    Label8 = named(new ActiveLabel(QStringLiteral("V3.4"), this), "Label8");
    Label8->setFont(sansSerif(9.75, true));
    setTextColour(Label8, Orange);
    Label8->move(twipsToPixels(120), twipsToPixels(7680));
    Label8->adjustSize();
    Label3 = named(new ActiveLabel(ContactAddress, this), "Label3");
    Label3->setFont(sansSerif(12, true));
    setTextColour(Label3, Orange);
    Label3->move(twipsToPixels(8640), twipsToPixels(7560));
    Label3->adjustSize();
    Image1 = named(new ActiveLabel(this), "Image1");
    Image1->setPixmap(QPixmap::fromImage(programPicture(QStringLiteral(":/images/logo.png"))));
    Image1->setGeometry(twipsRect(10740, 840, 1020, 900));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->makeButton(QStringLiteral("About"));
    connect(Image1, &ActiveLabel::keyboardFocused, this, [this] { highlight(nullptr); });
    connect(Image1, &ActiveLabel::clicked, this, &frmMain::Image1_Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The entries take the keyboard focus in the order they are made, the logo last; the focused one
// is lit as the mouse lights it, and the one the mouse lights takes the focus, so Enter opens
// the entry that is lit.
ActiveLabel *frmMain::addEntry(const char *name, const QString &caption, int leftTwips, int topTwips,
                               void (frmMain::*onClick)())
{
    auto *label = named(new ActiveLabel(caption, this), name);
    label->setFont(sansSerif(24));
    setTextColour(label, Black);
    label->move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    label->adjustSize();
    label->setCursor(Qt::PointingHandCursor);
    label->makeButton(caption);
    connect(label, &ActiveLabel::mouseMoved, this, [this, label] {
        highlight(label);
        if (!label->hasFocus())
            label->setFocus(Qt::MouseFocusReason);
    });
    connect(label, &ActiveLabel::keyboardFocused, this, [this, label] { highlight(label); });
    connect(label, &ActiveLabel::clicked, this, onClick);
    activeLabels_ << label;
    return label;
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusPreviousChild();
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextChild();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmMain::highlight(ActiveLabel *lit)
{
    for (ActiveLabel *label : std::as_const(activeLabels_))
        setTextColour(label, label == lit ? Red : Black);
}

void frmMain::Form_MouseMove()
{
    highlight(nullptr);
}

void frmMain::mouseMoveEvent(QMouseEvent *)
{
    Form_MouseMove();
}

void frmMain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}

void frmMain::Label1_Click()
{
    setTextColour(Label1, Black);
    app_.windows().show<Form1>(this);
}

void frmMain::Label2_Click()
{
    confirmExit();
}

void frmMain::Label4_Click()
{
    app_.windows().show<frmTweak>(this);
}

void frmMain::Label5_Click()
{
    setTextColour(Label5, Black);
    app_.windows().show<frmBotNames>(this);
}

void frmMain::Label6_Click()
{
    setTextColour(Label6, Black);
    app_.windows().show<frmScore2>(this);
}

void frmMain::Label7_Click()
{
    setTextColour(Label7, Black);
    app_.windows().show<frmIntro>(this);
}

void frmMain::Label9_Click()
{
    setTextColour(Label9, Black);
    app_.windows().show<frmInfo>(this);
}

void frmMain::Label10_Click()
{
    app_.windows().show<frmStrategies>(this);
}

void frmMain::Label11_Click()
{
    setTextColour(Label11, Black);
    app_.windows().show<Form2>(this);
}

void frmMain::Image1_Click()
{
    app_.windows().show<frmAbout>(this);
    app_.windows().show<frmAboutUitbreiding>(this);
}

void frmMain::provideOpeners(Application &app)
{
    app.setLauncherOpener([&app] { app.windows().show<frmMain>(); });
    app.setTextEditorOpener([&app](TextEditorKind kind) -> TextEditorWindow * {
        WindowRegistry &windows = app.windows();
        switch (kind) {
        case TextEditorKind::BotNames:
            return windows.show<frmBotNames>(windows.find<frmMain>());
        case TextEditorKind::Score:
            return windows.show<frmScore>(windows.find<frmMain>());
        case TextEditorKind::Tweak:
            return windows.show<frmTweak>(windows.find<frmMain>());
        }
        return nullptr;
    });
}

bool frmMain::confirmExit()
{
    if (app_.prompts().messageBox(this, QStringLiteral("Are you sure you want exit?"),
                                  Prompts::YesNo | Prompts::Information) != Prompts::Yes)
        return false;
    // Ending the process closes no window, so each editor with unsaved text asks first.
    for (TextEditorWindow *editor : openTextEditors(app_)) {
        if (!editor->changesSetAside())
            return false;
    }
    app_.prompts().endProcess();
    return true;
}

// The launcher has no frame of its own, but the window system can still ask it to close
// (Alt+F4, the task bar): that asks the same question as the "X".
void frmMain::closeEvent(QCloseEvent *event)
{
    if (confirmExit())
        event->accept();
    else
        event->ignore();
}
