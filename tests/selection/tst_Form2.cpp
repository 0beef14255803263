#include "app/Application.h"
#include "launcher/frmMain.h"
#include "selection/DirectoryList.h"
#include "selection/Form2.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

using Messages = QList<ScriptedPrompts::Message>;
const ScriptedPrompts::Message NotFound{QStringLiteral("Vantrax NOT FOUND!"), 16};

// One run of the program: a fresh program folder, scripted prompts and the application.
struct Run {
    TestFolder programFolder;
    ScriptedPrompts prompts;
    Application app{programFolder.path(), prompts};

    // Stores the given file contents (a null array stores no file) and starts the program.
    Form2 *start(const QByteArray &dirIni, const QByteArray &dirModIni)
    {
        if (!dirIni.isNull())
            programFolder.write(QStringLiteral("dir.ini"), dirIni);
        if (!dirModIni.isNull())
            programFolder.write(QStringLiteral("dirMod.ini"), dirModIni);
        showStartWindow(app);
        return app.windows().find<Form2>();
    }
    frmMain *launcher() { return app.windows().find<frmMain>(); }
};

} // namespace

class tst_Form2 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startupShowsTheWindowUnlessTheStoredLocationHolds();
    void validStoreGoesStraightToTheLauncher();
    void selectStoresOnlyAGameFolder();
    void storedValuesReadBackUnchanged();
    void folderListOpensOnlyExistingFolders();
    void editorsSeeTheLiveLocationEvenAfterAClose();

private:
    std::unique_ptr<TestFolder> games_;
    QString game_;
};

void tst_Form2::init()
{
    games_ = std::make_unique<TestFolder>();
    game_ = games_->copyFixture(QStringLiteral("game"), QStringLiteral("Orvanthe"));
    games_->write(QStringLiteral("NotAGame/readme.txt"), "");
    games_->write(QStringLiteral("Cased/Mods/Vantrax/Init.con"), "rem start\r\n");
    QDir::setCurrent(games_->path());
}

void tst_Form2::cleanup()
{
    games_.reset();
}

void tst_Form2::startupShowsTheWindowUnlessTheStoredLocationHolds()
{
    const QByteArray game = game_.toUtf8() + "\r\n";
    struct Case {
        const char *name;
        QByteArray dirIni, dirModIni;
        QString folder, mod;
        Messages messages;
    };
    const QList<Case> cases = {
        {"first run", QByteArray(), QByteArray(), games_->path(), "Vantrax", {}},
        {"stored folder gone", games_->filePath("Gone").toUtf8() + "\r\n", "Desert\r\n", games_->path(), "Vantrax", {}},
        {"mod store missing", game, QByteArray(), game_, "Vantrax", {}},
        {"not a game folder", games_->filePath("NotAGame").toUtf8() + "\r\n", "Desert\r\n",
         games_->filePath("NotAGame"), "Desert", {NotFound}},
    };
    for (const Case &c : cases) {
        Run run;
        Form2 *form = run.start(c.dirIni, c.dirModIni);
        QVERIFY2(form && form->isVisible(), c.name);
        QCOMPARE(form->windowTitle(), QStringLiteral(" Select Vantrax Folder"));
        QCOMPARE(form->Dir1->path(), c.folder);
        QCOMPARE(form->Text1->text(), c.mod);
        QCOMPARE(run.prompts.messages, c.messages);
        QVERIFY2(!run.launcher(), c.name);
        // Nothing is stored before a Select succeeds.
        QCOMPARE(run.programFolder.read("dir.ini"), c.dirIni.isNull() ? QByteArray() : c.dirIni);
        QCOMPARE(run.programFolder.exists("dirMod.ini"), !c.dirModIni.isNull());
    }
}

void tst_Form2::validStoreGoesStraightToTheLauncher()
{
    // Stored with LF and a second line: the store is written again, one line and CR LF each.
    Run run;
    Form2 *form = run.start(game_.toUtf8() + "\n", "Desert\nsecond line\n");
    QVERIFY(run.launcher() && run.launcher()->isVisible());
    QVERIFY(!form->isVisible());
    QVERIFY(run.prompts.messages.isEmpty());
    QCOMPARE(run.programFolder.read("dir.ini"), game_.toUtf8() + "\r\n");
    QCOMPARE(run.programFolder.read("dirMod.ini"), QByteArray("Desert\r\n"));

    // The stock start-up script is found in whatever letter case the installation has it.
    Run cased;
    cased.start(games_->filePath("Cased").toUtf8() + "\r\n", "Vantrax\r\n");
    QVERIFY(cased.prompts.messages.isEmpty());
    QVERIFY(cased.launcher());
}

void tst_Form2::selectStoresOnlyAGameFolder()
{
    Run run;
    Form2 *form = run.start(game_.toUtf8() + "\r\n", "Vantrax\r\n");
    run.launcher()->Label11_Click();
    QVERIFY(form->isVisible());

    QVERIFY(form->Dir1->setPath(games_->filePath("NotAGame")));
    form->Text1->setText(QStringLiteral("Desert"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(run.prompts.messages, Messages({NotFound}));
    QVERIFY(form->isVisible());
    QCOMPARE(run.programFolder.read("dir.ini"), game_.toUtf8() + "\r\n");
    QCOMPARE(run.programFolder.read("dirMod.ini"), QByteArray("Vantrax\r\n"));

    // A mod that does not exist, or none at all, is stored as typed; the launcher stays as it was.
    QVERIFY(form->Dir1->setPath(game_));
    form->Text1->setText(QStringLiteral("No Such Mod "));
    form->Command1_Click();
    QVERIFY(!form->isVisible() && run.launcher()->isVisible());
    QCOMPARE(run.programFolder.read("dirMod.ini"), QByteArray("No Such Mod \r\n"));
    form->Text1->clear();
    form->Command1_Click();
    QCOMPARE(run.programFolder.read("dirMod.ini"), QByteArray("\r\n"));
    QCOMPARE(run.prompts.messages.size(), 1);
}

void tst_Form2::storedValuesReadBackUnchanged()
{
    const QString folder = games_->filePath(QStringLiteral("Program Files/Orvanthe Caf\u00e9"));
    games_->write(QStringLiteral("Program Files/Orvanthe Caf\u00e9/x"), "");

    Run run;
    Form2 *form = run.app.windows().get<Form2>();
    QVERIFY(form->Dir1->setPath(folder));
    form->Text1->setText(QStringLiteral(" d\u00e9sert storm "));
    form->Opslaan();
    QCOMPARE(run.programFolder.read("dirMod.ini"), QByteArray(" d\xe9sert storm \r\n"));

    const std::unique_ptr<Form2> restored = std::make_unique<Form2>(run.app);
    QVERIFY(restored->LoadPath());
    QCOMPARE(restored->Dir1->path(), folder);
    QCOMPARE(restored->Text1->text(), QStringLiteral(" d\u00e9sert storm "));
}

void tst_Form2::folderListOpensOnlyExistingFolders()
{
    Run run;
    DirectoryList *list = run.app.windows().show<Form2>()->Dir1;
    QVERIFY(list->setPath(game_));
    QVERIFY(!list->setPath(game_ + QStringLiteral("/Missing")));
    QVERIFY(!list->setPath(game_ + QStringLiteral("/mods/vantrax/init.con")));
    QVERIFY(!list->setPath(QString()));
    QCOMPARE(list->path(), game_);

    // Highlighting a subfolder does not open it; activating it (double-click, Enter) does, and
    // the chain above the open folder leads back up.
    QTreeWidgetItem *mods = list->findItems("mods", Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY(mods);
    list->setCurrentItem(mods);
    QCOMPARE(list->path(), game_);
    emit list->itemActivated(mods, 0);
    QCOMPARE(currentGameLocation(run.app).gameFolder, game_ + QStringLiteral("/mods"));
    emit list->itemActivated(list->findItems("Orvanthe", Qt::MatchExactly | Qt::MatchRecursive).value(0), 0);
    QCOMPARE(list->path(), game_);
}

void tst_Form2::editorsSeeTheLiveLocationEvenAfterAClose()
{
    Run run;
    Form2 *form = run.start(game_.toUtf8() + "\r\n", "Desert\r\n");
    run.launcher()->Label11_Click();

    // Unconfirmed changes count at once, and are not stored.
    form->Text1->setText(QStringLiteral("Unconfirmed"));
    QVERIFY(form->Dir1->setPath(games_->filePath("NotAGame")));
    QCOMPARE(currentGameLocation(run.app).modFile(QStringLiteral("/AI/BotNames.ai")),
             games_->filePath("NotAGame/mods/Unconfirmed/AI/BotNames.ai"));
    QCOMPARE(run.programFolder.read("dirMod.ini"), QByteArray("Desert\r\n"));

    // Closed, the window comes back hidden from the stored location when next asked.
    QVERIFY(form->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run.app.windows().find<Form2>());
    QCOMPARE(currentGameLocation(run.app).gameFolder, game_);
    QCOMPARE(currentGameLocation(run.app).modName, QStringLiteral("Desert"));
    QVERIFY(!run.app.windows().find<Form2>()->isVisible());
    QVERIFY(run.prompts.messages.isEmpty());

    // When the stored folder no longer holds the game, the re-made window says so.
    QVERIFY(QFile::remove(game_ + QStringLiteral("/mods/vantrax/init.con")));
    QVERIFY(run.app.windows().unload(run.app.windows().find<Form2>()));
    QCOMPARE(currentGameLocation(run.app).gameFolder, game_);
    QCOMPARE(run.prompts.messages, Messages({NotFound}));
}

QTEST_MAIN(tst_Form2)
#include "tst_Form2.moc"
