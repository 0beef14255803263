#include "editors/scoremodule/frmScore.h"
#include "support/TestRun.h"

#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using Messages = QList<ScriptedPrompts::Message>;

const QString StockModule = QStringLiteral("Orvanthe/mods/vantrax/python/game/scoringCommon.py");
const QString DesertModule = QStringLiteral("Orvanthe/mods/Desert/python/game/scoringCommon.py");

struct Run : TestRun {
    explicit Run(const QString &mod = QStringLiteral("Desert"))
        : TestRun(mod, {"mods/vantrax/python/game", "mods/Desert/python/game"})
    {
    }
};

} // namespace

class tst_ScoreModule : public QObject {
    Q_OBJECT
private slots:
    void readsTheStockModAndWritesTheSelectedMod();
    void everyByteValueRoundTrips();
    void resetAndSaveWritesTheWholeStockModule();
    void failuresNameTheFileAndKeepTheText();
    void textAreaFollowsTheWindow();
};

void tst_ScoreModule::readsTheStockModAndWritesTheSelectedMod()
{
    Run run;
    run.games.write(StockModule, "SCORE_KILL = 1\r\n\r\ndef score():\r\n\tpass\r\n");
    frmScore *window = run.app.windows().show<frmScore>();
    QCOMPARE(window->windowTitle(), QStringLiteral("Score Editor"));
    QStringList items;
    for (const QAction *item : window->mnuFile->actions())
        items << item->objectName() + u' ' + item->text() + u' ' + item->shortcut().toString();
    QCOMPARE(items, QStringList({"mnuFileSave Save Ctrl+S", "mnuReset Reset and Save Ctrl+R", "streep  ",
                                 "mnuFileClose Close "}));
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("SCORE_KILL = 1\n\ndef score():\n\tpass\n"));

    window->rtb->selectAll();
    window->rtb->insertPlainText(QStringLiteral("SCORE_KILL = 5\n"));
    window->mnuFileSave->trigger();
    QCOMPARE(run.games.read(DesertModule), QByteArray("SCORE_KILL = 5\r\n\r\n"));
    QCOMPARE(run.games.read(StockModule), QByteArray("SCORE_KILL = 1\r\n\r\ndef score():\r\n\tpass\r\n"));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_ScoreModule::everyByteValueRoundTrips()
{
    QByteArray everyByte;
    for (int b = 255; b >= 0; --b) {
        if (b == '\r')
            continue;
        if (b == '\n')
            everyByte += '\r';
        everyByte += char(b);
    }
    Run run(QStringLiteral("Vantrax"));
    run.games.write(StockModule, everyByte);
    frmScore *window = run.app.windows().show<frmScore>();
    window->mnuFileSave_Click();
    QCOMPARE(run.games.read(StockModule), everyByte + "\r\n");
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_ScoreModule::resetAndSaveWritesTheWholeStockModule()
{
    Run run;
    run.games.write(StockModule, "SCORE_KILL = 9\r\n");
    frmScore *window = run.app.windows().show<frmScore>();
    window->mnuReset->trigger();

    const QByteArray stock = stockBytes(QStringLiteral("scoringCommon.py"));
    QCOMPARE(stock.count("\r\n"), 820);
    QCOMPARE(run.games.read(DesertModule), stock + "\r\n");
    QCOMPARE(run.games.read(StockModule), QByteArray("SCORE_KILL = 9\r\n"));
    QCOMPARE(window->fileText(), QString::fromLatin1(stock));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_ScoreModule::failuresNameTheFileAndKeepTheText()
{
    TestRun run(QStringLiteral("Missing"));
    frmScore *window = run.app.windows().show<frmScore>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->rtb->toPlainText(), QString());
    const QString stock = run.game + QStringLiteral("/mods/vantrax/python/game/scoringCommon.py");
    QCOMPARE(run.prompts.messages, Messages({{QStringLiteral("Cannot read \"%1\": the file does not exist.")
                                                  .arg(QDir::toNativeSeparators(stock)),
                                              16}}));

    run.prompts.messages.clear();
    window->rtb->setPlainText(QStringLiteral("kept"));
    window->mnuFileSave_Click();
    QCOMPARE(run.prompts.messages.size(), 1);
    QVERIFY(run.prompts.messages.first().text.contains(
        QDir::toNativeSeparators(run.game + QStringLiteral("/mods/Missing/python/game/scoringCommon.py"))));
    QCOMPARE(run.prompts.messages.first().style, 16);
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("kept"));
}

void tst_ScoreModule::textAreaFollowsTheWindow()
{
    Run run;
    run.games.write(StockModule, "");
    frmScore *window = run.app.windows().show<frmScore>();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto corner = [&] { return window->rtb->mapTo(window, QPoint(0, 0)); };
    QCoreApplication::sendPostedEvents();
    const QPoint origin = corner();
    const QSize before = window->rtb->size();

    window->resize(window->size() + QSize(200, 40));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window->rtb->size(), before + QSize(200, 40));
    QCOMPARE(corner(), origin);

    window->resize(1, 1);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(corner(), origin);
}

QTEST_MAIN(tst_ScoreModule)
#include "tst_ScoreModule.moc"
