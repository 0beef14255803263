#include "app/ActiveLabel.h"
#include "app/Application.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const ScriptedPrompts::Message ExitQuestion{QStringLiteral("Are you sure you want exit?"), 68};

QColor colourOf(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void entriesLightUpUnderTheMouse();
    void clickedEntriesTurnBlackOrStayRed();
    void exitAsksFirst();
    void closingThroughTheWindowSystemAsksToo();
    void entriesOpenTheirWindowsInFront();

private:
    void moveTo(QWidget *target);

    TestFolder *programFolder_ = nullptr;
    TestFolder *games_ = nullptr;
    ScriptedPrompts *prompts_ = nullptr;
    Application *app_ = nullptr;
    frmMain *launcher_ = nullptr;
};

void tst_frmMain::init()
{
    programFolder_ = new TestFolder;
    games_ = new TestFolder;
    const QString game = games_->copyFixture(QStringLiteral("game"), QStringLiteral("Orvanthe"));
    games_->write(QStringLiteral("Orvanthe/mods/vantrax/AI/BotNames.ai"), "aiSettings.addBotName K. Vardanyan\r\n");
    programFolder_->write(QStringLiteral("dir.ini"), game.toUtf8() + "\r\n");
    programFolder_->write(QStringLiteral("dirMod.ini"), "Vantrax\r\n");
    prompts_ = new ScriptedPrompts;
    app_ = new Application(programFolder_->path(), *prompts_);
    showStartWindow(*app_);
    launcher_ = app_->windows().find<frmMain>();
    QVERIFY(launcher_);
    QVERIFY(QTest::qWaitForWindowExposed(launcher_));
}

void tst_frmMain::cleanup()
{
    delete app_;
    delete prompts_;
    delete games_;
    delete programFolder_;
}

// Real mouse moves, delivered to whatever lies under the pointer.
void tst_frmMain::moveTo(QWidget *target)
{
    const QPoint point = target == launcher_ ? QPoint(700, 300) : target->geometry().center();
    QTest::mouseMove(launcher_, point);
    QCoreApplication::processEvents();
}

void tst_frmMain::entriesLightUpUnderTheMouse()
{
    QCOMPARE(launcher_->size(), QSize(800, 533));
    QVERIFY(launcher_->windowFlags() & Qt::FramelessWindowHint);
    // Controls are found by their design names.
    QCOMPARE(launcher_->findChild<ActiveLabel *>("Label11"), launcher_->Label11);
    QCOMPARE(launcher_->findChild<ActiveLabel *>("Image1"), launcher_->Image1);

    // Three entries start in the button text colour, the rest black.
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    QCOMPARE(colourOf(launcher_->Label10), buttonText);
    QCOMPARE(colourOf(launcher_->Label11), buttonText);
    QCOMPARE(colourOf(launcher_->Label2), buttonText);
    QCOMPARE(colourOf(launcher_->Label5), Black);

    moveTo(launcher_->Label5);
    QCOMPARE(colourOf(launcher_->Label5), Red);
    for (QLabel *other : {launcher_->Label1, launcher_->Label2, launcher_->Label4, launcher_->Label6, launcher_->Label7,
                          launcher_->Label9, launcher_->Label10, launcher_->Label11})
        QCOMPARE(colourOf(other), Black);

    // The version mark, the contact line and the logo leave the lit entry lit.
    for (QWidget *inert : std::initializer_list<QWidget *>{launcher_->Label3, launcher_->Label8, launcher_->Image1}) {
        moveTo(inert);
        QCOMPARE(colourOf(launcher_->Label5), Red);
    }

    moveTo(launcher_->Label2);
    QCOMPARE(colourOf(launcher_->Label2), Red);
    QCOMPARE(colourOf(launcher_->Label5), Black);

    moveTo(launcher_);
    for (QLabel *label : {launcher_->Label1, launcher_->Label2, launcher_->Label4, launcher_->Label5, launcher_->Label6,
                          launcher_->Label7, launcher_->Label9, launcher_->Label10, launcher_->Label11})
        QCOMPARE(colourOf(label), Black);
}

void tst_frmMain::clickedEntriesTurnBlackOrStayRed()
{
    prompts_->answers = {Prompts::No};
    for (QLabel *staysRed : {launcher_->Label2, launcher_->Label4, launcher_->Label10}) {
        moveTo(staysRed);
        QTest::mouseClick(staysRed, Qt::LeftButton);
        QCOMPARE(colourOf(staysRed), Red);
    }
    for (QLabel *turnsBlack : {launcher_->Label1, launcher_->Label5, launcher_->Label6, launcher_->Label7,
                               launcher_->Label9, launcher_->Label11}) {
        moveTo(turnsBlack);
        QCOMPARE(colourOf(turnsBlack), Red);
        QTest::mouseClick(turnsBlack, Qt::LeftButton);
        QCOMPARE(colourOf(turnsBlack), Black);
    }
}

void tst_frmMain::exitAsksFirst()
{
    prompts_->answers = {Prompts::No};
    QTest::mouseClick(launcher_->Label2, Qt::LeftButton);
    QCOMPARE(prompts_->messages, QList<ScriptedPrompts::Message>({ExitQuestion}));
    QCOMPARE(prompts_->endProcessCalls, 0);
    QVERIFY(launcher_->isVisible());

    prompts_->answers = {Prompts::Yes};
    QTest::mouseClick(launcher_->Label2, Qt::LeftButton);
    QCOMPARE(prompts_->messages.size(), 2);
    QCOMPARE(prompts_->endProcessCalls, 1);
}

void tst_frmMain::closingThroughTheWindowSystemAsksToo()
{
    prompts_->answers = {Prompts::No};
    QVERIFY(!launcher_->close());
    QVERIFY(launcher_->isVisible());
    QCOMPARE(prompts_->messages, QList<ScriptedPrompts::Message>({ExitQuestion}));
    QCOMPARE(prompts_->endProcessCalls, 0);

    prompts_->answers = {Prompts::Yes};
    QVERIFY(launcher_->close());
    QCOMPARE(prompts_->endProcessCalls, 1);
}

void tst_frmMain::entriesOpenTheirWindowsInFront()
{
    Form2 *form = app_->windows().find<Form2>();
    QVERIFY(!form->isVisible());
    QTest::mouseClick(launcher_->Label11, Qt::LeftButton);
    QVERIFY(form->isVisible());
    QCOMPARE(form->parentWidget(), launcher_);

    // Opened again while open: the same window, its content as the user left it.
    form->Text1->setText(QStringLiteral("Desert"));
    QTest::mouseClick(launcher_->Label11, Qt::LeftButton);
    QCOMPARE(app_->windows().find<Form2>(), form);
    QCOMPARE(form->Text1->text(), QStringLiteral("Desert"));

    // Each editor entry opens its window, owned by the launcher.
    const QList<QPair<QLabel *, const char *>> editors = {{launcher_->Label1, "Form1"},
                                                         {launcher_->Label10, "frmStrategies"},
                                                         {launcher_->Label6, "frmScore2"},
                                                         {launcher_->Label7, "frmIntro"},
                                                         {launcher_->Label5, "frmBotNames"},
                                                         {launcher_->Label4, "frmTweak"}};
    for (const auto &[entry, window] : editors) {
        QTest::mouseClick(entry, Qt::LeftButton);
        QWidget *opened = launcher_->findChild<QWidget *>(window, Qt::FindDirectChildrenOnly);
        QVERIFY2(opened && opened->isVisible() && opened->isWindow(), window);
    }

    QTest::mouseClick(launcher_->Image1, Qt::LeftButton);
    frmAbout *about = app_->windows().find<frmAbout>();
    frmAboutUitbreiding *panel = app_->windows().find<frmAboutUitbreiding>();
    QVERIFY(about && about->isVisible() && about->parentWidget() == launcher_);
    QVERIFY(panel && panel->isVisible() && panel->parentWidget() == launcher_);
    QVERIFY(prompts_->messages.isEmpty());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
