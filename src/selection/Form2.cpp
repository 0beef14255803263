#include "selection/Form2.h"

#include "app/ActiveLabel.h"
#include "app/Application.h"
#include "app/FontGrowth.h"
#include "app/Named.h"
#include "app/Pictures.h"
#include "app/Prompts.h"
#include "app/Twips.h"
#include "app/WindowKeys.h"
#include "launcher/frmMain.h"
#include "selection/DirectoryList.h"
#include "selection/DriveList.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

Form2::Form2(Application &app) : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), app_(app)
{
    // A tool window does not end the program when closed unless told to; this one is the
    // start-up window, and closing it before the launcher appeared must end the program.
    setAttribute(Qt::WA_QuitOnClose);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Select Vantrax Folder"));
    setFixedSize(twipsToPixels(7215), twipsToPixels(5190));
    held_ = GameLocation{QDir::cleanPath(QDir::currentPath()), DefaultModName};
    closeOnEscape(this);
}

void Form2::setVisible(bool visible)
{
    if (visible && !Dir1)
        makeControls();
    QWidget::setVisible(visible);
}

void Form2::makeControls()
{
    Drive1 = named(new DriveList(this), "Drive1");
    Drive1->setGeometry(twipsRect(120, 120, 3600, 315));
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Drive1->view()->setAccessibleName(QStringLiteral("Drives"));
    Dir1 = named(new DirectoryList(this), "Dir1");
    Dir1->setGeometry(twipsRect(120, 540, 3600, 4530));
    Dir1->setAccessibleName(QStringLiteral("Vantrax folder"));
    Label1 = named(new QLabel(QStringLiteral("Please select your Vantrax folder."), this), "Label1");
    Label1->setGeometry(twipsRect(3840, 120, 3255, 300));
    Command1 = named(new QPushButton(QStringLiteral("Select"), this), "Command1");
    Command1->setGeometry(twipsRect(3840, 540, 1500, 405));
    Label2 = named(new QLabel(QStringLiteral("Select Mod:"), this), "Label2");
    Label2->setGeometry(twipsRect(3840, 1260, 2400, 255));
    Text1 = named(new QLineEdit(held_.modName, this), "Text1");
    Text1->setGeometry(twipsRect(3840, 1560, 2400, 345));
    Text1->setAccessibleName(QStringLiteral("Select Mod"));
    Image1 = named(new ActiveLabel(this), "Image1");
    Image1->setPixmap(QPixmap::fromImage(programPicture(QStringLiteral(":/images/logo.png"))));
    Image1->setGeometry(twipsRect(6000, 3990, 1020, 900));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->makeButton(QStringLiteral("About"));
    growWithFont(this);

    Dir1->setPath(held_.gameFolder);
    Drive1->showDriveOf(Dir1->path());

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Drive1, &QComboBox::activated, this, &Form2::Drive1_Change);
    connect(Dir1, &DirectoryList::pathChanged, Drive1, &DriveList::showDriveOf);
    connect(Image1, &ActiveLabel::clicked, this, &Form2::Image1_Click);
}

bool Form2::showFolder(const QString &folder)
{
    if (Dir1)
        return Dir1->setPath(folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    held_.gameFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return true;
}

GameLocation currentGameLocation(Application &app)
{
    const Form2 *selection = app.windows().get<Form2>();
    return selection ? selection->location() : GameLocation();
}

void showStartWindow(Application &app)
{
    frmMain::provideOpeners(app);
    Form2 *selection = app.windows().get<Form2>();
    if (selection && !app.windows().find<frmMain>())
        selection->show();
}

GameLocation Form2::location() const
{
    return Dir1 ? GameLocation{Dir1->path(), Text1->text()} : held_;
}

void Form2::Form_Load()
{
    if (LoadPath())
        Command1_Click();
}

// A stored file that exists but cannot be read is reported; the window then waits for a choice.
bool Form2::LoadPath()
{
    const Result<StoredLocation> stored = readStoredLocation(app_.programFolder());
    if (!app_.succeeded(this, stored) || !stored.value().gameFolder ||
        !showFolder(*stored.value().gameFolder))
        return false;
    if (!stored.value().modName)
        return false;
    held_.modName = *stored.value().modName;
    if (Text1)
        Text1->setText(held_.modName);
    return true;
}

// Each start stores the location it has just read; one stored already needs no writer's lock,
// whose file is synced to the disk before the launcher could show.
Status Form2::Opslaan()
{
    const ProgramFolder &folder = app_.programFolder();
    const GameLocation chosen = location();
    if (holdsGameLocation(folder, chosen))
        return Status::success();
    return folder.whileLocked([&] { return storeGameLocation(folder, chosen); });
}

// The launcher works only on a location that is stored whole, so that the next start and the
// command line find the same.
void Form2::Command1_Click()
{
    if (!testGameFolder(location().gameFolder).ok()) {
        app_.prompts().messageBox(this, QStringLiteral("Vantrax NOT FOUND!"), Prompts::Critical);
        return;
    }
    Status usable = checkLocation(location());
    if (usable.ok())
        usable = testModFolder(location());
    if (!app_.succeeded(this, usable.ok() ? Opslaan() : usable))
        return;
    app_.windows().show<frmMain>();
    hide();
}

// Enter anywhere in the window presses Select, except where the folder list opens the folder
// Enter is pressed on.
void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Command1->click();
    else
        QWidget::keyPressEvent(event);
}

void Form2::Drive1_Change()
{
    Dir1->setPath(Drive1->drive());
}

void Form2::Image1_Click()
{
    app_.windows().show<frmAbout>(this);
    app_.windows().show<frmAboutUitbreiding>(this);
}
