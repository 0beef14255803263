#include "core/PathResolver.h"
#include "core/TextFiles.h"
#include "support/TestFolders.h"

#include <QTest>

class tst_PathResolver : public QObject {
    Q_OBJECT
private slots:
    void findsTheFileTheGameMeans();
    void twinsDifferingOnlyInCaseAreAnError();
    void newFilesGoIntoFoldersFoundInOtherCase();
    void doubledSeparatorAtARootNamesTheFileMeant();
    void missingMiddleFolderKeepsTheRestAsGiven();
};

void tst_PathResolver::findsTheFileTheGameMeans()
{
    TestFolder game;
    game.write(QStringLiteral("Mods/Vantrax/Init.con"), "init");
    game.write(QStringLiteral("Mods/Vantrax/init.CON"), "twin");

    // The exact name wins over an entry that differs only in case.
    QCOMPARE(resolvePath(game.filePath(QStringLiteral("Mods/Vantrax/Init.con"))).value(),
             game.filePath(QStringLiteral("Mods/Vantrax/Init.con")));
    QCOMPARE(resolvePath(game.filePath(QStringLiteral("Mods/Vantrax/init.CON"))).value(),
             game.filePath(QStringLiteral("Mods/Vantrax/init.CON")));
    // Folders are found in other case, one component at a time.
    QCOMPARE(resolvePath(game.filePath(QStringLiteral("mods/vantrax"))).value(),
             game.filePath(QStringLiteral("Mods/Vantrax")));
    // The stock start-up script as the program names it.
    game.write(QStringLiteral("Mods/Other/Score.ini"), "1");
    QCOMPARE(resolvePath(game.filePath(QStringLiteral("mods/other/score.ini"))).value(),
             game.filePath(QStringLiteral("Mods/Other/Score.ini")));
}

void tst_PathResolver::twinsDifferingOnlyInCaseAreAnError()
{
    TestFolder game;
    game.write(QStringLiteral("mods/vantrax/Init.con"), "one");
    game.write(QStringLiteral("mods/vantrax/INIT.CON"), "two");

    const Result<QString> resolved = resolvePath(game.filePath(QStringLiteral("mods/vantrax/init.con")));
    QVERIFY(!resolved.ok());
    QVERIFY2(resolved.error().contains(QStringLiteral("\"INIT.CON\"")), qPrintable(resolved.error()));
    QVERIFY2(resolved.error().contains(QStringLiteral("\"Init.con\"")), qPrintable(resolved.error()));

    // Reading and writing refuse it too, naming the file, and change nothing.
    const Result<QByteArray> read = readFileBytes(game.filePath(QStringLiteral("mods/vantrax/init.con")));
    QVERIFY(!read.ok());
    QVERIFY(read.error().contains(QStringLiteral("init.con")));
    QVERIFY(!writeFileBytes(game.filePath(QStringLiteral("mods/vantrax/init.con")), "new").ok());
    QCOMPARE(game.entries(), QStringList({"mods", "mods/vantrax", "mods/vantrax/INIT.CON", "mods/vantrax/Init.con"}));
    QCOMPARE(game.read(QStringLiteral("mods/vantrax/Init.con")), QByteArray("one"));
    QCOMPARE(game.read(QStringLiteral("mods/vantrax/INIT.CON")), QByteArray("two"));
}

void tst_PathResolver::newFilesGoIntoFoldersFoundInOtherCase()
{
    TestFolder game;
    game.write(QStringLiteral("Mods/Desert/AI/BotNames.ai"), "old");

    QVERIFY(writeFileBytes(game.filePath(QStringLiteral("mods/desert/ai/AIDefaultStrategies.ai")), "new").ok());
    // Writing a name in other case replaces the existing file instead of making a twin.
    QVERIFY(writeFileBytes(game.filePath(QStringLiteral("mods/desert/ai/botnames.ai")), "names").ok());

    QCOMPARE(game.entries(), QStringList({"Mods", "Mods/Desert", "Mods/Desert/AI", "Mods/Desert/AI/AIDefaultStrategies.ai",
                                          "Mods/Desert/AI/BotNames.ai"}));
    QCOMPARE(game.read(QStringLiteral("Mods/Desert/AI/AIDefaultStrategies.ai")), QByteArray("new"));
    QCOMPARE(game.read(QStringLiteral("Mods/Desert/AI/BotNames.ai")), QByteArray("names"));
}

void tst_PathResolver::doubledSeparatorAtARootNamesTheFileMeant()
{
    // A game folder at a root ("/") followed by "/mods/..." gives "//...".
    TestFolder game;
    game.write(QStringLiteral("Mods/Vantrax/init.con"), "init");
    const QString composed = QStringLiteral("/") + game.filePath(QStringLiteral("mods/vantrax/init.con"));
    QVERIFY(composed.startsWith(QStringLiteral("//")));

    QCOMPARE(resolvePath(composed).value(), game.filePath(QStringLiteral("Mods/Vantrax/init.con")));
    QCOMPARE(readFileBytes(composed).value(), QByteArray("init"));
    QCOMPARE(resolvePath(QStringLiteral("//")).value(), QStringLiteral("/"));
}

void tst_PathResolver::missingMiddleFolderKeepsTheRestAsGiven()
{
    TestFolder game;
    game.write(QStringLiteral("Mods/readme.txt"), "x");

    QCOMPARE(resolvePath(game.filePath(QStringLiteral("mods/Missing/AI/BotNames.ai"))).value(),
             game.filePath(QStringLiteral("Mods/Missing/AI/BotNames.ai")));

    // No folder is made on the way: the write fails, naming the missing folder.
    const Status written = writeFileBytes(game.filePath(QStringLiteral("mods/Missing/AI/BotNames.ai")), "names");
    QVERIFY(!written.ok());
    QVERIFY2(written.error().contains(QStringLiteral("BotNames.ai")), qPrintable(written.error()));
    QVERIFY2(written.error().contains(QStringLiteral("Missing")), qPrintable(written.error()));
    QCOMPARE(game.entries(), QStringList({"Mods", "Mods/readme.txt"}));
}

QTEST_GUILESS_MAIN(tst_PathResolver)
#include "tst_PathResolver.moc"
