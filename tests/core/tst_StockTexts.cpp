#include <QtTest>

namespace {

// The stock text as the program carries it.
QByteArray carried(const QString &name)
{
    QFile file(":/stock/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The stock texts checked on their own, not against themselves.
class tst_StockTexts : public QObject {
    Q_OBJECT
private slots:
    // Every line ends with CR LF, the last one included.
    void eachTextIsKeptByteForByte()
    {
        for (const auto &[name, bytes, lines, sha256] : QList<std::tuple<QString, int, int, QByteArray>>{
                 {"AIDefault-head.ai", 915, 22,
                  "a17fe862e0078500c59b7074b8c905cf7c37b4b3cb550959ed1c79603277f388"},
                 {"AIDefault-tail.ai", 215, 16,
                  "d3157753a9675a84f347c3f590c7d3a320ab37f9edaaf1f7eb97551e2144220d"},
                 {"AIDefaultStrategies.ai", 2608, 83,
                  "b70626ddd1ba927dcd3c1b576c02c24a108be3f1b7567b263fc0a11aa4d69270"},
                 {"BotNames.ai", 3398, 100,
                  "197f96e2a70edc6bf96a54db142a2cda0342e9b43f9d919daeecbcce6d6e60f8"},
                 {"Init-complete.con", 518, 17,
                  "3783ea6105b21186a5997aa2225b23a1e0b24c531b9a3397320546e3f716af43"},
                 {"Init-esc.con", 755, 22,
                  "ac047cd1dfc8e94f2fcaca64d1442f73adb4b70b43deb30be564e4a1133bd4dc"},
                 {"Init-reset.con", 755, 22,
                  "ae0eea026313a1a9133f98212d85ae1a3d6a61355fda155b7ac42943a6da94b2"},
                 {"scoringCommon.py", 29913, 820,
                  "a1142312b2f9656dea75728730210f2d0b7ce003779e7ca79f9c7aec68aed20c"}}) {
            const QByteArray text = carried(name);
            QVERIFY2(text.size() == bytes && text.count("\r\n") == lines && text.endsWith("\r\n"),
                     qPrintable(name));
            QVERIFY2(text.count('\n') + text.count('\r') == 2 * lines, qPrintable(name));
            QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex(), sha256);
        }
    }

    void theLinesTheGameReadsAreInPlace()
    {
        // The editor's count line follows the head, whose own count stays; the tail starts a line.
        QVERIFY(carried("AIDefault-head.ai").contains("\r\naiSettings.setMaxNBots 16\r\n"));
        QVERIFY(carried("AIDefault-head.ai").endsWith("\r\naiSettings.maxBotsIncludeHumans 0\r\n"));
        QVERIFY(carried("AIDefault-tail.ai")
                    .startsWith("\r\nrem aiSettings.setBotSkill 1.0\r\n\r\nrun BotNames.ai\r\n"));
        // Three strategies active; Attack Neutral left out.
        QVERIFY(carried("AIDefaultStrategies.ai")
                    .contains("\r\nrem aiStrategy.createStrategy basicAttackNeutral\r\n"));
        // The editor writes lines 10 to 16 of the module anew.
        QCOMPARE(
            carried("scoringCommon.py").split('\n').mid(8, 9),
            QByteArray("\r|SCORE_KILL = 1\r|SCORE_TEAMKILL = -3\r|SCORE_SUICIDE = -2\r|SCORE_REVIVE = 1\r|"
                       "SCORE_HEAL = 1\r|SCORE_RESUPPLY = 1\r|SCORE_REPAIR = 1\r|SCORE_STRATEGIC = 1\r")
                .split('|'));
        // Esc skips every movie; the game's own script makes three unskippable; one version has none.
        QCOMPARE(carried("Init-esc.con").count("playMovie"), 6);
        QCOMPARE(carried("Init-esc.con").count(".bik 0\r\n"), 6);
        QVERIFY(carried("Init-reset.con")
                    .contains("\\OP.bik 1\r\norvEngine.playMovie Movies\\rune.bik 1\r\n"
                              "orvEngine.playMovie Movies\\legal.bik 1\r\n"));
        QVERIFY(!carried("Init-complete.con").contains("playMovie"));
    }

    void theScoringModuleIsPython()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 is not installed, so the module's syntax is not checked");
        QProcess process;
        process.start(python, {"-c", "import ast,sys; ast.parse(sys.stdin.read())"});
        process.write(carried("scoringCommon.py"));
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    }
};

QTEST_GUILESS_MAIN(tst_StockTexts)
#include "tst_StockTexts.moc"
