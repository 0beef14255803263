#include "app/ActiveLabel.h"
#include "app/Pictures.h"
#include "support/TestRun.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"
#include "utilities/info/frmInfo.h"

#include <QtTest>
#include <QtWidgets>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

class tst_frmMain : public QObject {
    Q_OBJECT
    TestRun *run_ = nullptr;
    frmMain *launcher_ = nullptr;

    ActiveLabel *entry(const QString &name) const { return launcher_->findChild<ActiveLabel *>(name); }
    // A real mouse move onto the entry, or the background for none.
    void moveTo(const QString &name)
    {
        QTest::mouseMove(launcher_, name.isEmpty() ? QPoint(700, 300) : entry(name)->geometry().center());
    }
    // The entries in red, by name.
    QString lit() const
    {
        QStringList red;
        for (const ActiveLabel *label : launcher_->findChildren<ActiveLabel *>())
            if (label->palette().color(QPalette::WindowText) == QColor(255, 0, 0))
                red << label->objectName();
        return red.join(u' ');
    }

private slots:
    void init()
    {
        // A dark desktop palette: the entries on the picture keep the picture's colours.
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
        run_ = new TestRun;
        run_->games.write("Orvanthe/mods/vantrax/AI/BotNames.ai", "aiSettings.addBotName A. Stockman\r\n");
        run_->games.write("Orvanthe/mods/vantrax/python/game/scoringCommon.py", "SCORE_KILL = 1\r\n");
        launcher_ = run_->launcher();
        QVERIFY(QTest::qWaitForWindowExposed(launcher_));
        for (const char *name : {"Label5", "Label10", "Label11", "Label2"})
            QCOMPARE(entry(name)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    void cleanup() { delete run_; }

    // Each entry opens its window in front of the launcher, owned by it and transient for it; the
    // windows without an entry are opened as the program opens them.
    void captionsOfEveryWindowAndEntry_data()
    {
        for (const char *column : {"entry", "window", "caption"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *tag, const char *entry, const char *window, const char *caption) {
            QTest::newRow(tag) << QString(entry) << QString(window) << QString(caption);
        };
        row("Label5", "Change Bot Names", "frmBotNames", "Change Bot Names");
        row("Label10", "Change Bot Strategies", "frmStrategies", "Bot Strategie editor");
        row("Label1", "Change Max Bots", "Form1", "Orvanthe Bot Changer");
        row("Label7", "Remove intro", "frmIntro", "Remove Intro");
        row("Label6", "Score Editor", "frmScore2", "Score Editor");
        row("Label4", "Tweak Editor", "frmTweak", "Tweak Editor");
        row("Label9", "Forum", "frmInfo", "Editor Info");
        row("Label11", "Change mod / Vantrax path", "Form2", " Select Vantrax Folder");
        row("Image1", "", "frmAbout", "About");
        row("Image1 strip", "", "frmAboutUitbreiding", "Form3");
        row("Label8", "V3.4", "", "");
        row("Label3", "vantrax@mods.example", "", "");
        row("Label2", "X", "", "");
        row("launcher", "", "frmMain", "Orvanthe Editor");
        row("score module", "", "frmScore", "Score Editor");
        row("search", "", "frmSearch", " Search");
    }
    void captionsOfEveryWindowAndEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QWidget *opened = launcher_;
        const QString name = QString(QTest::currentDataTag()).section(' ', 0, 0);
        if (ActiveLabel *label = this->entry(name)) {
            // Under the mouse an entry lights red; the inert ones leave the lit entry lit. The
            // click turns the entry black, but for three that stay red.
            QCOMPARE(label->text(), entry);
            const QString inert = QStringList({"Label8", "Label3", "Image1"}).contains(name) ? "Label5" : "";
            moveTo("Label5");
            moveTo(name);
            QCOMPARE(lit(), inert.isEmpty() ? name : inert);
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(lit(), QStringList({"Label2", "Label4", "Label10"}).contains(name) ? name : inert);
            opened = window.isEmpty() ? nullptr
                                      : launcher_->findChild<QWidget *>(window, Qt::FindDirectChildrenOnly);
            QVERIFY(window.isEmpty() || (opened && opened->isVisible() && opened->isWindow()));
        } else if (window != u"frmMain") {
            opened = run_->open(window);
        }
        QCOMPARE(opened ? opened->windowTitle() : QString(), caption);
        if (opened && opened != launcher_)
            QVERIFY(opened->windowHandle()->transientParent() == launcher_->windowHandle() &&
                    (opened->windowType() == Qt::Dialog || opened->windowType() == Qt::Tool));
        QCOMPARE(run_->prompts.messages.size(), entry == u"X" ? 1 : 0);
    }

    // Tab and the arrows take the focus along the entries, the "X" and the logo, lighting an entry
    // as the mouse does; Enter and Space press as a click does, and so does a screen reader's
    // press action on the button it sees.
    void everyEntryWorksFromTheKeyboard()
    {
        QApplication::setActiveWindow(launcher_);
        QStringList steps = {QApplication::focusWidget()->objectName() + '/' + lit()};
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left,
                                  Qt::Key_Left, Qt::Key_Left, Qt::Key_Backtab}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            steps << QApplication::focusWidget()->objectName() + '/' + lit();
        }
        QCOMPARE(steps.join(' '), "Label5/ Label10/Label10 Label1/Label1 Label7/Label7 Label1/Label1 "
                                  "Label10/Label10 Label5/Label5 Image1/ Label2/Label2");
        QTest::keyClick(entry("Label1"), Qt::Key_Return);
        QTest::keyClick(entry("Label7"), Qt::Key_Space);
        QVERIFY(run_->find("Form1")->isVisible() && run_->find("frmIntro")->isVisible() && lit() == "Label2");
        QAccessibleInterface *logo = QAccessible::queryAccessibleInterface(launcher_->Image1);
        QVERIFY(logo->role() == QAccessible::Button && logo->text(QAccessible::Name) == "About");
        logo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(run_->find("frmAbout"));
        QCOMPARE(QAccessible::queryAccessibleInterface(launcher_)->role(), QAccessible::Window);
    }

    // Every picture has a double-size version for screens that scale by 200 %.
    void picturesComeInDoubleSize()
    {
        for (const char *picture : {"logo", "icon", "about-strip"})
            QCOMPARE(QImage(QString(":/images/%1@2x.png").arg(picture)).size() / 2,
                     QImage(QString(":/images/%1.png").arg(picture)).size());
        // The launcher's raw pixels are the picture's, as first drawn.
        QCOMPARE(
            launcherBackground(),
            QImage(VANTRAX_SOURCE "/bench/baseline-background.png").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(QImage(":/images/background@2x.png").size() / 2, launcherBackground().size());
    }

    // The about window opens beside its strip, both unfolding on 1 ms timers (ticked here by
    // hand): it to exactly 1665 twips, the strip to 3450, which then shows it.
    void aboutWindowsUnfold()
    {
        launcher_->Image1_Click();
        auto *about = run_->app.windows().find<frmAbout>();
        auto *strip = run_->app.windows().find<frmAboutUitbreiding>();
        QCOMPARE(about->pos(), strip->geometry().topRight() + QPoint(1, 0));
        QCOMPARE(about->heightTwips() + strip->heightTwips(), 180);
        for (UnfoldingWindow *window : std::initializer_list<UnfoldingWindow *>{about, strip}) {
            QCOMPARE(window->Timer1->interval(), 1);
            for (about->hide(); window->Timer1->isActive() && window->heightTwips() < 9999;)
                window->Timer1_Timer();
        }
        QCOMPARE(QSize(about->heightTwips(), about->height()), QSize(1665, 111));
        QCOMPARE(QSize(strip->heightTwips(), strip->height()), QSize(3450, 230));
        QVERIFY(about->isVisible());
    }

    // The forum window opens on the forum in a new browser (a stand-in here) each time. As root, and
    // on Windows, it starts none: the address is a link for the desktop's browser, under a line that
    // says why.
    void forumWindowOpensOnTheForum()
    {
        const QUrl forum("https://forum.orvanthe.example/vantrax");
        auto *window = run_->open<frmInfo>();
        QCOMPARE(window->Label1->text(), "Forum Address: " + forum.toString());
#ifdef Q_OS_WIN
        const char *why = "The forum opens in your browser:";
#else
        const char *why = geteuid() == 0 ? "Vantrax Editor runs as root" : nullptr;
#endif
        if (why) {
            const auto *link = qobject_cast<QLabel *>(window->wb);
            QVERIFY(link && link->openExternalLinks() && link->text().startsWith(why));
            QVERIFY(link->text().endsWith(QString("<br><a href=\"%1\">%1</a>").arg(forum.toString())));
            return;
        }
        QCOMPARE(window->wb->property("url").toUrl(), forum);
        window->wb->setProperty("url", QUrl("about:blank"));
        QVERIFY(run_->close(window));
        QCOMPARE(run_->open<frmInfo>()->wb->property("url").toUrl(), forum);
    }

    // The "X" and the window system (Alt+F4) ask the same question; only Yes ends the program.
    void exitAsksFirst()
    {
        for (const bool closeBox : {false, true}) {
            for (const int answer : {Prompts::No, Prompts::Yes}) {
                run_->prompts = {};
                run_->prompts.answers = {answer};
                if (closeBox)
                    QCOMPARE(launcher_->close(), answer == Prompts::Yes);
                else
                    QTest::mouseClick(entry("Label2"), Qt::LeftButton);
                QCOMPARE(run_->prompts.messages,
                         QList<ScriptedPrompts::Message>({{"Are you sure you want exit?", 68}}));
                QCOMPARE(run_->prompts.endProcessCalls, answer == Prompts::Yes ? 1 : 0);
                QCOMPARE(launcher_->isVisible(), !closeBox || answer != Prompts::Yes);
            }
        }
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
