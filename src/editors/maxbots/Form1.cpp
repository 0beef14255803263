#include "editors/maxbots/Form1.h"

#include "app/Application.h"
#include "app/FontGrowth.h"
#include "app/Named.h"
#include "app/Twips.h"
#include "app/WarningText.h"
#include "app/WindowKeys.h"
#include "core/FileVersions.h"
#include "core/TextFiles.h"
#include "editors/maxbots/AIDefaultFile.h"
#include "selection/Form2.h"
#include "utilities/about/frmAbout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 5175;
constexpr int ClientHeight = 2145;

QString selectedBotsText(int bots)
{
    return QStringLiteral("Selected bots: %1").arg(bots);
}

} // namespace

Form1::Form1(Application &app)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      app_(app)
{
    setWindowTitle(QStringLiteral("Orvanthe Bot Changer"));

    // The menu bar sits above the client area, whose controls are placed as designed.
    auto *menuBar = new QMenuBar(this);
    mnuFile = named(menuBar->addMenu(QStringLiteral("&File")), "mnuFile");
    mnuFileSave = named(mnuFile->addAction(QStringLiteral("&Save")), "mnuFileSave");
    mnuFileReset = named(mnuFile->addAction(QStringLiteral("&Reset and save")), "mnuFileReset");
    mnuHelp = named(menuBar->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuHelpAbout = named(mnuHelp->addAction(QStringLiteral("&About")), "mnuHelpAbout");

    auto *client = new QWidget(this);
    client->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);

    Slider1 = named(new QSlider(Qt::Horizontal, client), "Slider1");
    Slider1->setRange(FewestBots, MostBots);
    Slider1->setValue(StockBots);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(16);
    Slider1->setGeometry(twipsRect(0, 60, ClientWidth, 495));
    Slider1->setAccessibleName(QStringLiteral("Selected bots"));
    Label1 = named(new QLabel(selectedBotsText(StockBots), client), "Label1");
    Label1->setGeometry(twipsRect(120, 660, 2895, 255));
    Label2 = named(new QLabel(QStringLiteral("Default bots: 16"), client), "Label2");
    Label2->setGeometry(twipsRect(120, 960, 2895, 255));
    Label3 = named(new QLabel(QStringLiteral("Warning: 256 bots can make the game very slow!!!"), client),
                   "Label3");
    Label3->setGeometry(twipsRect(120, 1260, 4935, 255));
    showAsWarning(Label3);
    Command2 = named(new QPushButton(QStringLiteral("Reset and Save"), client), "Command2");
    Command2->setGeometry(twipsRect(120, 1650, 2400, 375));
    Command1 = named(new QPushButton(QStringLiteral("Save"), client), "Command1");
    Command1->setGeometry(twipsRect(2655, 1650, 2400, 375));
    growWithFont(client);

    connect(Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(mnuFileSave, &QAction::triggered, this, &Form1::mnuFileSave_Click);
    connect(mnuFileReset, &QAction::triggered, this, &Form1::mnuFileReset_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &Form1::mnuHelpAbout_Click);
    closeOnEscape(this);
}

void Form1::Form_Load()
{
    LoadValues();
}

// Every change of the value, by mouse or keyboard, shows in the label.
void Form1::Slider1_Change()
{
    Label1->setText(selectedBotsText(Slider1->value()));
}

void Form1::Command1_Click()
{
    const QString file = currentGameLocation(app_).gameFile(AIDefaultFile);
    app_.succeeded(this, app_.programFolder().whileLocked([&] {
        return replaceGameText(app_.programFolder(), file, composeAIDefault(Slider1->value()), SaveValues());
    }));
}

void Form1::Command2_Click()
{
    Slider1->setValue(StockBots);
    Command1_Click();
}

void Form1::mnuFileSave_Click()
{
    Command1_Click();
}

void Form1::mnuFileReset_Click()
{
    Command2_Click();
}

void Form1::mnuHelpAbout_Click()
{
    app_.windows().show<frmAbout>(this);
}

// Closing only hides the window, so it keeps the chosen count for the next opening.
void Form1::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

// The count the game reads, where the script holds it as this program writes it; else the stored
// count, and the stock count where that is missing or unusable.
void Form1::LoadValues()
{
    const GameLocation location = currentGameLocation(app_);
    const QString file = location.gameFolder.isEmpty() ? QString() : location.gameFile(AIDefaultFile);
    Slider1->setValue(currentMaxBots(app_.programFolder(), file).values);
}

StateChange Form1::SaveValues() const
{
    return {MaxBotsStore, QStringList{QString::number(Slider1->value())}};
}
