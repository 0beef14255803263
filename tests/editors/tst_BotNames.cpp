#include "editors/botnames/frmBotNames.h"
#include "support/TestRun.h"

#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using Messages = QList<ScriptedPrompts::Message>;

const QString StockFile = QStringLiteral("Orvanthe/mods/vantrax/AI/BotNames.ai");

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class tst_BotNames : public QObject {
    Q_OBJECT
private slots:
    void readsTheStockModAndWritesTheSelectedMod();
    void everyByteValueRoundTrips();
    void resetAndSaveWritesTheStockList();
    void failuresNameTheFileAndKeepTheText();
    void textAreaFollowsTheWindow();
};

void tst_BotNames::readsTheStockModAndWritesTheSelectedMod()
{
    TestRun run(QStringLiteral("Desert"), {"mods/vantrax/AI", "mods/Desert/AI"});
    run.games.write(StockFile, "aiSettings.addBotName A. Stockman\r\n");
    frmBotNames *window = run.open<frmBotNames>();
    QCOMPARE(window->windowTitle(), QStringLiteral("Change Bot Names"));
    QStringList items;
    for (const QAction *item : window->mnuFile->actions())
        items << item->objectName() + u' ' + item->text() + u' ' + item->shortcut().toString();
    QCOMPARE(items, QStringList({"mnuFileSave Save Ctrl+S", "mnuFileReset Reset and Save Ctrl+R", "streep  ",
                                 "mnuFileClose Close "}));
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("aiSettings.addBotName A. Stockman\n"));

    window->rtb->moveCursor(QTextCursor::End);
    window->rtb->insertPlainText(QStringLiteral("aiSettings.addBotName B. Desertson"));
    window->mnuFileSave->trigger();
    QCOMPARE(run.games.read(QStringLiteral("Orvanthe/mods/Desert/AI/BotNames.ai")),
             QByteArray("aiSettings.addBotName A. Stockman\r\naiSettings.addBotName B. Desertson\r\n"));
    QCOMPARE(run.games.read(StockFile), QByteArray("aiSettings.addBotName A. Stockman\r\n"));

    // Close drops the edit; the next opening reads the stock mod's file again.
    window->rtb->setPlainText(QStringLiteral("dropped"));
    window->mnuFileClose->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run.app.windows().find<frmBotNames>());
    window = run.open<frmBotNames>();
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("aiSettings.addBotName A. Stockman\n"));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_BotNames::everyByteValueRoundTrips()
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n')
            everyByte += char(b);
        if (b == '\r')
            everyByte += '\n';
    }
    TestRun run(QStringLiteral("Vantrax"), {"mods/vantrax/AI"});
    run.games.write(StockFile, everyByte);
    frmBotNames *window = run.open<frmBotNames>();
    window->mnuFileSave_Click();
    QCOMPARE(run.games.read(StockFile), everyByte + "\r\n");
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_BotNames::resetAndSaveWritesTheStockList()
{
    TestRun run(QStringLiteral("Desert"), {"mods/vantrax/AI", "mods/Desert/AI"});
    run.games.write(StockFile, "aiSettings.addBotName A. Stockman\r\n");
    frmBotNames *window = run.open<frmBotNames>();
    window->mnuFileReset->trigger();

    const QByteArray written = run.games.read(QStringLiteral("Orvanthe/mods/Desert/AI/BotNames.ai"));
    QCOMPARE(written, stockBytes(QStringLiteral("BotNames.ai")) + "\r\n");
    QCOMPARE(written.size(), 3398 + 2);
    QCOMPARE(written.count("aiSettings.addBotName "), 100);
    QCOMPARE(window->rtb->toPlainText(),
             QString::fromLatin1(stockBytes(QStringLiteral("BotNames.ai"))).replace("\r\n", "\n"));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_BotNames::failuresNameTheFileAndKeepTheText()
{
    TestRun run(QStringLiteral("Missing"), {"mods/vantrax"});
    frmBotNames *window = run.open<frmBotNames>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->rtb->toPlainText(), QString());
    const QString stock = nativePath(run.game + QStringLiteral("/mods/vantrax/AI/BotNames.ai"));
    QCOMPARE(run.prompts.messages,
             Messages({{QStringLiteral("Cannot read \"%1\": the file does not exist.").arg(stock), 16}}));

    run.prompts.messages.clear();
    window->rtb->setPlainText(QStringLiteral("kept"));
    window->mnuFileSave_Click();
    const QString target = run.game + QStringLiteral("/mods/Missing/AI");
    QCOMPARE(run.prompts.messages,
             Messages({{QStringLiteral("Cannot write \"%1\": the folder \"%2\" does not exist.")
                            .arg(nativePath(target + QStringLiteral("/BotNames.ai")), nativePath(target)),
                        16}}));
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("kept"));
    QVERIFY(run.app.windows().find<frmBotNames>());
    QVERIFY(!run.games.exists(QStringLiteral("Orvanthe/mods/Missing")));
}

void tst_BotNames::textAreaFollowsTheWindow()
{
    TestRun run(QStringLiteral("Vantrax"), {"mods/vantrax/AI"});
    run.games.write(StockFile, "");
    frmBotNames *window = run.open<frmBotNames>();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto corner = [&] { return window->rtb->mapTo(window, QPoint(0, 0)); };
    QCoreApplication::sendPostedEvents();
    const QPoint origin = corner();
    const QSize before = window->rtb->size();

    window->resize(window->size() + QSize(150, 90));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window->rtb->size(), before + QSize(150, 90));
    QCOMPARE(corner(), origin);

    window->resize(1, 1);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(corner(), origin);
    QVERIFY(run.prompts.messages.isEmpty());
}

QTEST_MAIN(tst_BotNames)
#include "tst_BotNames.moc"
