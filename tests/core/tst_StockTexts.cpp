#include "support/ExpectedFiles.h"

#include <QtTest>

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
            const QByteArray text = stockBytes(name);
            QVERIFY2(text.size() == bytes && text.count("\r\n") == lines && text.endsWith("\r\n") &&
                         text.count('\n') + text.count('\r') == 2 * lines,
                     qPrintable(name));
            QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex(), sha256);
        }
    }
};

QTEST_GUILESS_MAIN(tst_StockTexts)
#include "tst_StockTexts.moc"
