#include "app/Application.h"
#include "app/DirectoryList.h"
#include "app/Form2.h"
#include "launcher/frmMain.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const ScriptedPrompts::Message NotFound{QStringLiteral("Vantrax NOT FOUND!"), 16};

} // namespace

class tst_Form2 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRunShowsTheWindowWithItsStartingValues();
    void vanishedStoredFolderIsLikeAFirstRun();
    void missingModStoreShowsTheStoredFolder();
    void missingStartupScriptIsReportedBeforeTheWindow();
    void validStoreGoesStraightToTheLauncher();
    void startupScriptIsFoundInOtherLetterCase();
    void selectOnAFolderThatIsNoGameStoresNothing();
    void storedValuesReadBackUnchanged();
    void folderListOpensOnlyExistingFolders();
    void unconfirmedChangesReachTheEditorsAtOnce();
    void closedWindowIsMadeAgainWhenTheLocationIsAsked();

private:
    void storeLocation(const QByteArray &folder, const QByteArray &mod);

    TestFolder *programFolder_ = nullptr;
    TestFolder *games_ = nullptr;
    QString game_;
    ScriptedPrompts *prompts_ = nullptr;
    Application *app_ = nullptr;
};

void tst_Form2::init()
{
    programFolder_ = new TestFolder;
    games_ = new TestFolder;
    game_ = games_->copyFixture(QStringLiteral("game"), QStringLiteral("Orvanthe"));
    games_->write(QStringLiteral("Orvanthe/mods/Desert/readme.txt"), "");
    games_->write(QStringLiteral("NotAGame/readme.txt"), "");
    QDir::setCurrent(games_->path());
    prompts_ = new ScriptedPrompts;
    app_ = new Application(programFolder_->path(), *prompts_);
}

void tst_Form2::cleanup()
{
    delete app_;
    delete prompts_;
    delete games_;
    delete programFolder_;
}

void tst_Form2::storeLocation(const QByteArray &folder, const QByteArray &mod)
{
    programFolder_->write(QStringLiteral("dir.ini"), folder);
    if (!mod.isNull())
        programFolder_->write(QStringLiteral("dirMod.ini"), mod);
}

void tst_Form2::firstRunShowsTheWindowWithItsStartingValues()
{
    app_->start();

    Form2 *form = app_->windows().find<Form2>();
    QVERIFY(form && form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral(" Select Vantrax Folder"));
    QCOMPARE(form->Dir1->path(), games_->path());
    QCOMPARE(form->Text1->text(), QStringLiteral("Vantrax"));
    QCOMPARE(form->Command1->text(), QStringLiteral("Select"));
    QVERIFY(!app_->windows().find<frmMain>());
    QVERIFY(prompts_->messages.isEmpty());
    QCOMPARE(programFolder_->entries(), QStringList());
}

void tst_Form2::vanishedStoredFolderIsLikeAFirstRun()
{
    storeLocation(games_->filePath(QStringLiteral("Gone")).toUtf8() + "\r\n", "Desert\r\n");
    app_->start();

    Form2 *form = app_->windows().find<Form2>();
    QVERIFY(form->isVisible());
    QCOMPARE(form->Dir1->path(), games_->path());
    QCOMPARE(form->Text1->text(), QStringLiteral("Vantrax"));
    QVERIFY(prompts_->messages.isEmpty());
    QVERIFY(!app_->windows().find<frmMain>());
}

void tst_Form2::missingModStoreShowsTheStoredFolder()
{
    storeLocation(game_.toUtf8() + "\r\n", QByteArray());
    app_->start();

    Form2 *form = app_->windows().find<Form2>();
    QVERIFY(form->isVisible());
    QCOMPARE(form->Dir1->path(), game_);
    QCOMPARE(form->Text1->text(), QStringLiteral("Vantrax"));
    QVERIFY(prompts_->messages.isEmpty());
    QVERIFY(!app_->windows().find<frmMain>());
    QCOMPARE(programFolder_->entries(), QStringList({"dir.ini"}));
}

void tst_Form2::missingStartupScriptIsReportedBeforeTheWindow()
{
    QVERIFY(QFile::remove(game_ + QStringLiteral("/mods/vantrax/init.con")));
    storeLocation(game_.toUtf8() + "\r\n", "Desert\r\n");
    app_->start();

    QCOMPARE(prompts_->messages, QList<ScriptedPrompts::Message>({NotFound}));
    Form2 *form = app_->windows().find<Form2>();
    QVERIFY(form->isVisible());
    QCOMPARE(form->Dir1->path(), game_);
    QCOMPARE(form->Text1->text(), QStringLiteral("Desert"));
    QVERIFY(!app_->windows().find<frmMain>());
}

void tst_Form2::validStoreGoesStraightToTheLauncher()
{
    // Stored with LF and a second line: the new store holds exactly the one line and CR LF.
    storeLocation(game_.toUtf8() + "\n", "Desert\nsecond line\n");
    app_->start();

    frmMain *launcher = app_->windows().find<frmMain>();
    QVERIFY(launcher && launcher->isVisible());
    Form2 *form = app_->windows().find<Form2>();
    QVERIFY(form && !form->isVisible());
    QVERIFY(prompts_->messages.isEmpty());
    QCOMPARE(programFolder_->read(QStringLiteral("dir.ini")), game_.toUtf8() + "\r\n");
    QCOMPARE(programFolder_->read(QStringLiteral("dirMod.ini")), QByteArray("Desert\r\n"));
    QCOMPARE(app_->gameLocation().gameFolder, game_);
    QCOMPARE(app_->gameLocation().modName, QStringLiteral("Desert"));
}

void tst_Form2::startupScriptIsFoundInOtherLetterCase()
{
    games_->write(QStringLiteral("Cased/Mods/Vantrax/Init.con"), "rem start\r\n");
    storeLocation(games_->filePath(QStringLiteral("Cased")).toUtf8() + "\r\n", "Vantrax\r\n");
    app_->start();

    QVERIFY(prompts_->messages.isEmpty());
    QVERIFY(app_->windows().find<frmMain>());
}

void tst_Form2::selectOnAFolderThatIsNoGameStoresNothing()
{
    storeLocation(game_.toUtf8() + "\r\n", "Vantrax\r\n");
    app_->start();
    Form2 *form = app_->windows().find<Form2>();
    app_->windows().find<frmMain>()->Label11_Click();
    QVERIFY(form->isVisible());

    QVERIFY(form->Dir1->setPath(games_->filePath(QStringLiteral("NotAGame"))));
    form->Text1->setText(QStringLiteral("Desert"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    QCOMPARE(prompts_->messages, QList<ScriptedPrompts::Message>({NotFound}));
    QVERIFY(form->isVisible());
    QCOMPARE(programFolder_->read(QStringLiteral("dir.ini")), game_.toUtf8() + "\r\n");
    QCOMPARE(programFolder_->read(QStringLiteral("dirMod.ini")), QByteArray("Vantrax\r\n"));

    // Back in a game folder, with a mod that does not exist and an empty one: Select hides the
    // window, leaves the launcher as it was and stores the name as typed.
    QVERIFY(form->Dir1->setPath(game_));
    form->Text1->setText(QStringLiteral("No Such Mod "));
    form->Command1_Click();
    QVERIFY(!form->isVisible());
    QVERIFY(app_->windows().find<frmMain>()->isVisible());
    QCOMPARE(programFolder_->read(QStringLiteral("dirMod.ini")), QByteArray("No Such Mod \r\n"));
    form->Text1->clear();
    form->Command1_Click();
    QCOMPARE(programFolder_->read(QStringLiteral("dirMod.ini")), QByteArray("\r\n"));
    QCOMPARE(prompts_->messages.size(), 1);
}

void tst_Form2::storedValuesReadBackUnchanged()
{
    const QString folderWithSpaces = games_->filePath(QStringLiteral("Program Files/Orvanthe Caf\u00e9"));
    games_->write(QStringLiteral("Program Files/Orvanthe Caf\u00e9/x"), "");

    Form2 *form = app_->windows().get<Form2>();
    QVERIFY(form->Dir1->setPath(folderWithSpaces));
    form->Text1->setText(QStringLiteral(" d\u00e9sert storm "));
    form->Opslaan();
    QCOMPARE(programFolder_->read(QStringLiteral("dirMod.ini")), QByteArray(" d\xe9sert storm \r\n"));

    Application again(programFolder_->path(), *prompts_);
    Form2 *restored = new Form2(again);
    QVERIFY(restored->LoadPath());
    QCOMPARE(restored->Dir1->path(), folderWithSpaces);
    QCOMPARE(restored->Text1->text(), QStringLiteral(" d\u00e9sert storm "));
    delete restored;
}

void tst_Form2::folderListOpensOnlyExistingFolders()
{
    Form2 *form = app_->windows().show<Form2>();
    DirectoryList *list = form->Dir1;
    QVERIFY(list->setPath(game_));

    QVERIFY(!list->setPath(game_ + QStringLiteral("/Missing")));
    QVERIFY(!list->setPath(game_ + QStringLiteral("/mods/vantrax/init.con")));
    QVERIFY(!list->setPath(QString()));
    QCOMPARE(list->path(), game_);

    // Highlighting a subfolder does not open it; activating it (double-click, Enter) does.
    const QList<QTreeWidgetItem *> mods = list->findItems(QStringLiteral("mods"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(mods.size(), 1);
    list->setCurrentItem(mods.first());
    QCOMPARE(list->path(), game_);
    emit list->itemActivated(mods.first(), 0);
    QCOMPARE(list->path(), game_ + QStringLiteral("/mods"));
    QCOMPARE(form->location().gameFolder, game_ + QStringLiteral("/mods"));

    // The chain above the open folder leads back up.
    const QList<QTreeWidgetItem *> up = list->findItems(QStringLiteral("Orvanthe"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(up.size(), 1);
    emit list->itemActivated(up.first(), 0);
    QCOMPARE(list->path(), game_);
}

void tst_Form2::unconfirmedChangesReachTheEditorsAtOnce()
{
    storeLocation(game_.toUtf8() + "\r\n", "Vantrax\r\n");
    app_->start();
    Form2 *form = app_->windows().find<Form2>();

    form->Text1->setText(QStringLiteral("Desert"));
    QVERIFY(form->Dir1->setPath(games_->filePath(QStringLiteral("NotAGame"))));
    QCOMPARE(app_->gameLocation().modName, QStringLiteral("Desert"));
    QCOMPARE(app_->gameLocation().gameFolder, games_->filePath(QStringLiteral("NotAGame")));
    QCOMPARE(app_->gameLocation().modFile(QStringLiteral("/AI/BotNames.ai")),
             games_->filePath(QStringLiteral("NotAGame/mods/Desert/AI/BotNames.ai")));
    QCOMPARE(programFolder_->read(QStringLiteral("dirMod.ini")), QByteArray("Vantrax\r\n"));
}

void tst_Form2::closedWindowIsMadeAgainWhenTheLocationIsAsked()
{
    storeLocation(game_.toUtf8() + "\r\n", "Desert\r\n");
    app_->start();
    Form2 *form = app_->windows().find<Form2>();
    app_->windows().find<frmMain>()->Label11_Click();
    form->Text1->setText(QStringLiteral("Unconfirmed"));
    QVERIFY(form->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app_->windows().find<Form2>());

    // Asked again, the window comes back hidden from the stored location.
    QCOMPARE(app_->gameLocation().modName, QStringLiteral("Desert"));
    QVERIFY(!app_->windows().find<Form2>()->isVisible());
    QVERIFY(prompts_->messages.isEmpty());

    // When the stored folder no longer holds the game, the re-made window says so.
    QVERIFY(QFile::remove(game_ + QStringLiteral("/mods/vantrax/init.con")));
    QVERIFY(app_->windows().unload(app_->windows().find<Form2>()));
    QCOMPARE(app_->gameLocation().gameFolder, game_);
    QCOMPARE(prompts_->messages, QList<ScriptedPrompts::Message>({NotFound}));
}

QTEST_MAIN(tst_Form2)
#include "tst_Form2.moc"
