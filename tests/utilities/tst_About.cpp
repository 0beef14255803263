#include "app/Application.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The timers are checked to run, then stopped and ticked by hand, so no test waits on a clock.
class tst_About : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensBesideItsStrip();
    void unfoldsToItsFinalHeights();
    void aloneItStaysAtItsDesignPosition();
    void okClosesBothAndShowsTheLauncher();
    void enterAndEscPressOk();

private:
    void openFromSelectionWindow();

    TestFolder *programFolder_ = nullptr;
    ScriptedPrompts *prompts_ = nullptr;
    Application *app_ = nullptr;
    frmAbout *about_ = nullptr;
    frmAboutUitbreiding *panel_ = nullptr;
};

void tst_About::init()
{
    programFolder_ = new TestFolder;
    prompts_ = new ScriptedPrompts;
    app_ = new Application(programFolder_->path(), *prompts_);
}

void tst_About::cleanup()
{
    delete app_;
    delete prompts_;
    delete programFolder_;
}

// A first run: the selection window is up and no launcher exists yet.
void tst_About::openFromSelectionWindow()
{
    showStartWindow(*app_);
    app_->windows().find<Form2>()->Image1_Click();
    about_ = app_->windows().find<frmAbout>();
    panel_ = app_->windows().find<frmAboutUitbreiding>();
    QVERIFY(about_ && panel_);
    QVERIFY(about_->Timer1->isActive() && panel_->Timer1->isActive());
    QCOMPARE(about_->Timer1->interval(), 1);
    QCOMPARE(panel_->Timer1->interval(), 1);
    about_->Timer1->stop();
    panel_->Timer1->stop();
}

void tst_About::opensBesideItsStrip()
{
    openFromSelectionWindow();
    QCOMPARE(panel_->geometry(), QRect(54, 63, 67, 6));
    QCOMPARE(about_->pos(), QPoint(121, 63));
    QCOMPARE(about_->x(), panel_->x() + panel_->width());
    QCOMPARE(about_->y(), panel_->y());
    QCOMPARE(about_->size(), QSize(382, 6));
    QCOMPARE(about_->heightTwips(), 90);
    QCOMPARE(about_->parentWidget(), app_->windows().find<Form2>());
}

void tst_About::unfoldsToItsFinalHeights()
{
    openFromSelectionWindow();
    for (int tick = 1; tick < 63; ++tick)
        about_->Timer1_Timer();
    QCOMPARE(about_->heightTwips(), 1640);
    about_->Timer1->start();
    about_->Timer1_Timer();
    QCOMPARE(about_->heightTwips(), 1665);
    QCOMPARE(about_->height(), 111);
    QVERIFY(!about_->Timer1->isActive());
    // Every control lies inside the window at its full height.
    for (QWidget *control : about_->findChildren<QWidget *>())
        QVERIFY2(about_->rect().contains(control->geometry()), qPrintable(control->objectName()));

    about_->hide();
    for (int tick = 1; tick < 68; ++tick)
        panel_->Timer1_Timer();
    QCOMPARE(panel_->heightTwips(), 3440);
    QVERIFY(!about_->isVisible());
    panel_->Timer1->start();
    panel_->Timer1_Timer();
    QCOMPARE(panel_->heightTwips(), 3450);
    QCOMPARE(panel_->height(), 230);
    QVERIFY(!panel_->Timer1->isActive());
    QVERIFY(about_->isVisible());
}

void tst_About::aloneItStaysAtItsDesignPosition()
{
    frmAbout *about = app_->windows().show<frmAbout>();
    QCOMPARE(about->pos(), QPoint(153, 100));
    QVERIFY(!app_->windows().find<frmAboutUitbreiding>());
}

void tst_About::okClosesBothAndShowsTheLauncher()
{
    openFromSelectionWindow();
    about_->Timer1_Timer();
    QTest::mouseClick(about_->cmdOK, Qt::LeftButton);

    QVERIFY(!app_->windows().find<frmAbout>());
    QVERIFY(!app_->windows().find<frmAboutUitbreiding>());
    QVERIFY(!about_->isVisible() && !panel_->isVisible());
    frmMain *launcher = app_->windows().find<frmMain>();
    QVERIFY(launcher && launcher->isVisible());
    // Nothing was confirmed, so nothing was stored.
    QCOMPARE(programFolder_->entries(), QStringList());

    // Open again: a fresh pair, from the design state.
    launcher->Image1_Click();
    QVERIFY(app_->windows().find<frmAbout>() != nullptr);
    QCOMPARE(app_->windows().find<frmAbout>()->heightTwips(), 90);
}

void tst_About::enterAndEscPressOk()
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        openFromSelectionWindow();
        about_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about_));
        about_->Timer1->stop();
        panel_->Timer1->stop();
        QTest::keyClick(about_, key);
        QVERIFY(!app_->windows().find<frmAbout>());
        QVERIFY(app_->windows().find<frmMain>()->isVisible());
        cleanup();
        init();
    }
}

QTEST_MAIN(tst_About)
#include "tst_About.moc"
