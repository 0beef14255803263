#include "app/Application.h"
#include "launcher/frmMain.h"
#include "selection/DirectoryList.h"
#include "selection/Form2.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "utilities/about/frmAbout.h"
#include "utilities/about/frmAboutUitbreiding.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using Messages = QList<ScriptedPrompts::Message>;
const ScriptedPrompts::Message NotFound{"Vantrax NOT FOUND!", 16};
const ScriptedPrompts::Message TooLarge{
    "Cannot read \"%1" + QString(QDir::separator()) + "dirMod.ini\": it is larger than 64 KiB.", 16};

// One run of the program from the stored files given (a null array stores no file).
// With `lockHeld`, another writer holds the program folder's lock meanwhile.
struct Run {
    Run(const QByteArray &dirIni, const QByteArray &dirModIni, bool lockHeld = false)
    {
        if (!dirIni.isNull())
            programFolder.write("dir.ini", dirIni);
        if (!dirModIni.isNull())
            programFolder.write("dirMod.ini", dirModIni);
        QLockFile otherWriter(programFolder.filePath("vantrax.lock"));
        QVERIFY(!lockHeld || otherWriter.tryLock(0));
        showStartWindow(app);
    }
    Form2 *form() { return app.windows().find<Form2>(); }
    bool atLauncher() { return app.windows().find<frmMain>() && app.windows().find<frmMain>()->isVisible(); }
    QString stored() const
    {
        return QString::fromLatin1(programFolder.read("dir.ini") + '|' + programFolder.read("dirMod.ini"));
    }

    TestFolder programFolder;
    ScriptedPrompts prompts;
    Application app{programFolder.path(), prompts};
};

} // namespace

class tst_Form2 : public QObject {
    Q_OBJECT
    TestFolder games_;
    QString game_ = games_.copyGame("Orvanthe");
    QByteArray line(const QString &relative) const { return games_.filePath(relative).toLatin1() + "\r\n"; }

private slots:
    void initTestCase()
    {
        games_.write("NotAGame/mods/Desert/readme.txt", "");
        games_.write(".wine/drive_c/readme.txt", "");
        games_.copyGame("Caf\u00e9 Orvanthe");
        for (const char *mod : {"Orvanthe/mods/Desert", "Caf\u00e9 Orvanthe/mods/Desert",
                                "Caf\u00e9 Orvanthe/mods/ d\u00e9sert "})
            games_.write(QString::fromUtf8(mod) + "/.keep", "");
        QDir::setCurrent(games_.path());
    }

    // The selection window shows what it could restore; only a game folder goes on to the
    // launcher, which stores the location again: one line each, in the code page, with CR LF. A
    // stored file that cannot be read is named.
    void startsAtTheLauncherOnlyWhenTheStoredLocationHolds()
    {
        const QString here = games_.path(), notAGame = games_.filePath("NotAGame");
        const QString cafe = games_.filePath("Caf\u00e9 Orvanthe");
        for (const auto &[dirIni, dirModIni, shown, messages, launcher] :
             QList<std::tuple<QByteArray, QByteArray, QString, Messages, bool>>{
                 {{}, {}, here + "|Vantrax", {}, false},
                 {line("Gone"), "Desert\r\n", here + "|Vantrax", {}, false},
                 {line("Orvanthe"), {}, game_ + "|Vantrax", {}, false},
                 {line("NotAGame"), "Desert\r\n", notAGame + "|Desert", {NotFound}, false},
                 {line("Orvanthe"), "../x\r\n", game_ + "|Vantrax", {}, false},
                 {line("Orvanthe"), "Gone\r\n", game_ + "|Vantrax", {}, false},
                 {line("Orvanthe"), QByteArray(65537, 'x'), here + "|Vantrax", {TooLarge}, false},
                 {line("Orvanthe/"), "Desert\nsecond line\n", game_ + "|Desert", {}, true},
                 {line("Caf\u00e9 Orvanthe"), " d\xe9sert ", cafe + "| d\u00e9sert ", {}, true}}) {
            Run run(dirIni, dirModIni);
            QCOMPARE(run.form()->location().gameFolder + '|' + run.form()->location().modName, shown);
            Messages expected = messages;
            for (ScriptedPrompts::Message &message : expected)
                message.text.replace("%1", QDir::toNativeSeparators(run.programFolder.path()));
            QCOMPARE(run.prompts.messages, expected);
            QVERIFY(run.atLauncher() == launcher && run.form()->isVisible() != launcher);
            QCOMPARE(run.stored(), launcher ? QString(shown).replace('|', "\r\n|") + "\r\n"
                                            : QString::fromLatin1(dirIni + '|' + dirModIni));
        }
    }

    // A start whose location is stored as it would store it writes nothing, so it waits for no
    // other writer.
    void anUnchangedLocationWaitsForNoWriter()
    {
        Run run(line("Orvanthe"), "Desert\r\n", true);
        QVERIFY(run.atLauncher() && run.prompts.messages.isEmpty());
        QCOMPARE(run.stored(), QString::fromLatin1(line("Orvanthe") + "|Desert\r\n"));
    }

    // Before anything is stored, the logo's about window closes with OK, Enter or Esc, both
    // windows of it, and brings up the launcher, storing nothing.
    void aboutBringsUpTheLauncher()
    {
        for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Escape}) {
            Run run({}, {});
            run.form()->Image1_Click();
            frmAbout *about = run.app.windows().find<frmAbout>();
            QApplication::setActiveWindow(about);
            if (key == Qt::Key_unknown)
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            else
                QTest::keyClick(about, key);
            QVERIFY(!run.app.windows().find<frmAbout>() && !run.app.windows().find<frmAboutUitbreiding>());
            QVERIFY(run.atLauncher() && run.programFolder.entries().isEmpty());
        }
    }

    // Select stores only a game folder, with the mod as typed where it has a folder, and only whole.
    // Hidden folders are listed (on Linux the game lives below one). Enter on a folder in the list
    // opens it, highlighting does not; Enter elsewhere, or on the open folder, presses Select.
    void selectStoresOnlyAGameFolder()
    {
        Run run(game_.toUtf8() + "\r\n", "Vantrax\r\n");
        run.app.windows().find<frmMain>()->Label11_Click();
        QVERIFY(run.form()->Dir1->setPath(games_.filePath("NotAGame")) &&
                !run.form()->Dir1->setPath(game_ + "/x"));
        run.form()->Text1->setText("Desert");
        QTest::keyClick(run.form()->Text1, Qt::Key_Return);
        QCOMPARE(run.prompts.messages, Messages({NotFound}));
        QVERIFY(run.form()->isVisible());
        QCOMPARE(run.stored(), game_ + "\r\n|Vantrax\r\n");

        // A mod that is no single folder, or a location that cannot be stored whole, is refused,
        // saying why; neither file changes.
        QVERIFY(run.form()->Dir1->setPath(games_.filePath("Caf\u00e9 Orvanthe")));
        const QString blocked = run.programFolder.filePath("dirMod.ini");
        const QString noMod = "The mod \"%1\" is not the name of one folder in the game's \"mods\" folder.";
        for (const auto &[mod, message] : QList<std::pair<QString, QString>>{
                 {"..", noMod.arg("..")},
                 {"a\\b", noMod.arg("a\\b")},
                 {"", noMod.arg("")},
                 {"Desert", "Cannot write \"" + QDir::toNativeSeparators(blocked) +
                                "\": a folder of that name is in its place."}}) {
            QVERIFY(mod != u"Desert" || (QFile::remove(blocked) && QDir().mkpath(blocked)));
            run.prompts = {};
            run.form()->Text1->setText(mod);
            run.form()->Command1_Click();
            QCOMPARE(run.prompts.messages, Messages({{message, 16}}));
            QVERIFY(run.form()->isVisible() && run.programFolder.read("dir.ini") == game_.toUtf8() + "\r\n");
        }

        DirectoryList *list = run.form()->Dir1;
        QVERIFY(QDir(blocked).removeRecursively() && list->setPath(games_.path()) &&
                !list->findItems(".wine", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
        QTreeWidgetItem *orvanthe =
            list->findItems("Orvanthe", Qt::MatchExactly | Qt::MatchRecursive).value(0);
        list->setCurrentItem(orvanthe);
        QCOMPARE(list->path(), games_.path());
        run.form()->Text1->setText("No Such Mod ");
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(list->path() == game_ && run.form()->isVisible());
        run.prompts = {};
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(run.prompts.messages,
                 Messages({{"The mod \"No Such Mod \" has no folder: \"" +
                                QDir::toNativeSeparators(game_ + "/mods/No Such Mod ") + "\" was not found.",
                            16}}));
        QVERIFY(run.form()->isVisible() && run.stored() == game_ + "\r\n|");
        games_.write("Orvanthe/mods/no such mod /.keep", "");
        QTest::keyClick(list, Qt::Key_Enter);
        QVERIFY(!run.form()->isVisible() && run.atLauncher());
        QCOMPARE(run.stored(), game_ + "\r\n|No Such Mod \r\n");
    }

    // With a 12 pt desktop font the window and its controls grow by 4/3; at 9 pt they keep their
    // design size.
    void growsWithALargerFont()
    {
#ifdef Q_OS_WIN
        QSKIP("Qt's offscreen platform on Windows sizes no fonts; the journey shows the real windows.");
#endif
        const QFont desktop = QApplication::font();
        for (const auto &[points, size, select] : {std::tuple(9, QSize(481, 346), QRect(256, 36, 100, 27)),
                                                   {12, QSize(641, 461), QRect(341, 48, 133, 36)}}) {
            QApplication::setFont(QFont(desktop.family(), points));
            Run run({}, {});
            QCOMPARE(run.form()->size(), size);
            QCOMPARE(run.form()->Command1->geometry(), select);
        }
        QApplication::setFont(desktop);
    }

    // Closed (Esc closes it), the window comes back hidden from the stored location when the location is next
    // asked for, and says so when that no longer holds the game.
    void editorsSeeTheLiveLocationEvenAfterAClose()
    {
        TestFolder games;
        const QString game = games.copyGame("Orvanthe");
        games.write("Orvanthe/mods/Desert/.keep", "");
        Run run(game.toUtf8() + "\r\n", "Desert\r\n");
        run.app.windows().find<frmMain>()->Label11_Click();
        QTest::keyClick(run.form()->Text1, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!run.form());
        QCOMPARE(currentGameLocation(run.app).modFile("/x"), game + "/mods/Desert/x");
        QVERIFY(!run.form()->isVisible() && run.prompts.messages.isEmpty());
        QVERIFY(QFile::remove(game + "/mods/vantrax/init.con") && run.app.windows().unload(run.form()));
        QCOMPARE(currentGameLocation(run.app).gameFolder, game);
        QCOMPARE(run.prompts.messages, Messages({NotFound}));
    }
};

QTEST_MAIN(tst_Form2)
#include "tst_Form2.moc"
