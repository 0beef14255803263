#include "app/Application.h"
#include "editors/intro/frmIntro.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "support/TestRun.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The fixture's stock mod holds its start-up script as "init.con".
const QString StockScript = QStringLiteral("Orvanthe/mods/vantrax/init.con");

struct Run : TestRun {
    explicit Run(const QByteArray &introIni = QByteArray()) : TestRun("Vantrax", {}, "intro.ini", introIni) {}
    frmIntro *open() { return TestRun::open<frmIntro>(); }
    void close(frmIntro *window)
    {
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app.windows().find<frmIntro>());
    }
};

// Which options are selected, in window order, as "100" for the first alone.
QString selection(const frmIntro *window)
{
    QString states;
    for (const QRadioButton *option : {window->optEscTrue, window->optComplete, window->optReset})
        states += option->isChecked() ? u'1' : u'0';
    return states;
}

} // namespace

class tst_Intro : public QObject {
    Q_OBJECT
private slots:
    void eachChoiceWritesItsScript();
    void storedChoiceOpensSelected();
    void reopeningReadsTheChoiceAgain();
    void writesGoToTheLiveModAndFailuresChangeNothing();
};

void tst_Intro::eachChoiceWritesItsScript()
{
    struct Case {
        QRadioButton *frmIntro::*option;
        const char *stock;
        int lines;
        QByteArray introIni;
    };
    const QList<Case> cases = {
        {&frmIntro::optComplete, "Init-complete.con", 17, "False\r\nTrue\r\nFalse\r\n"},
        {&frmIntro::optReset, "Init-reset.con", 22, "False\r\nFalse\r\nTrue\r\n"},
        {&frmIntro::optEscTrue, "Init-esc.con", 22, "True\r\nFalse\r\nFalse\r\n"},
    };
    Run run;
    frmIntro *window = run.open();
    QCOMPARE(window->windowTitle(), QStringLiteral("Remove Intro"));
    QCOMPARE(selection(window), QStringLiteral("100"));
    for (const Case &c : cases) {
        (window->*c.option)->click();
        QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
        QTest::mouseClick(window->cmdRemove, Qt::LeftButton);
        const QByteArray stock = stockBytes(c.stock);
        QCOMPARE(stock.count("\r\n"), c.lines);
        QCOMPARE(run.games.read(StockScript), stock + "\r\n");
        QCOMPARE(run.programFolder.read("intro.ini"), c.introIni);
    }
    // The existing script was replaced under its own name, not joined by a twin.
    QCOMPARE(run.games.entries(),
             QStringList({"Orvanthe", "Orvanthe/mods", "Orvanthe/mods/vantrax", StockScript}));
    QVERIFY(run.prompts.messages.isEmpty());

    // Esc skips every movie; the stock script makes three of them unskippable; none is left in
    // the script without movies.
    const QStringList movies =
        QString::fromLatin1(stockBytes("Init-esc.con")).split("\r\n").filter("playMovie");
    QCOMPARE(movies.size(), 6);
    for (const QString &line : movies)
        QVERIFY2(line.startsWith("orvEngine.playMovie Movies\\") && line.endsWith(".bik 0"),
                 qPrintable(line));
    const QByteArray reset = stockBytes("Init-reset.con");
    for (const char *movie : {"OP", "rune", "legal"})
        QVERIFY(reset.contains("\r\norvEngine.playMovie Movies\\" + QByteArray(movie) + ".bik 1\r\n"));
    QVERIFY(!stockBytes("Init-complete.con").contains("playMovie"));
}

void tst_Intro::storedChoiceOpensSelected()
{
    const QList<std::pair<QByteArray, QString>> cases = {
        {QByteArray(), "100"},
        {"False\r\nTrue\r\nFalse\r\n", "010"},
        {"false\nFALSE\n True \nextra\n", "001"},
        {"True\r\nTrue\r\n", "010"},
        {"", "100"},
        {"yes\r\nFalse\r\nTrue\r\n", "100"},
        {"False\r\nmaybe\r\nTrue\r\n", "000"},
        {"False\r\n\r\nTrue\r\n", "000"},
    };
    for (const auto &[stored, selected] : cases) {
        Run run(stored);
        QVERIFY2(selection(run.open()) == selected, stored.constData());
    }

    // With nothing selected the script stays as it was; the choice is still stored.
    Run none("False\r\n");
    frmIntro *window = none.open();
    const QByteArray before = none.games.read(StockScript);
    window->cmdRemove_Click();
    QCOMPARE(none.games.read(StockScript), before);
    QCOMPARE(none.programFolder.read("intro.ini"), QByteArray("False\r\nFalse\r\nFalse\r\n"));
    QVERIFY(none.prompts.messages.isEmpty());
}

void tst_Intro::reopeningReadsTheChoiceAgain()
{
    Run run;
    frmIntro *window = run.open();
    window->optComplete->click();
    window->cmdRemove->click();
    run.close(window);
    window = run.open();
    QCOMPARE(selection(window), QStringLiteral("010"));

    // A choice not written is forgotten with the window.
    window->optReset->click();
    run.close(window);
    QCOMPARE(selection(run.open()), QStringLiteral("010"));
}

void tst_Intro::writesGoToTheLiveModAndFailuresChangeNothing()
{
    Run run;
    run.games.write(QStringLiteral("Orvanthe/mods/Desert/.keep"), "");
    frmIntro *window = run.open();
    QLineEdit *mod = run.app.windows().find<Form2>()->Text1;
    mod->setText(QStringLiteral("Desert"));
    window->cmdRemove->click();
    QCOMPARE(run.games.read("Orvanthe/mods/Desert/Init.con"), stockBytes("Init-esc.con") + "\r\n");

    // A mod folder that does not exist: the file is named, the choice stays and is not stored.
    mod->setText(QStringLiteral("Missing"));
    window->optComplete->click();
    window->cmdRemove->click();
    QCOMPARE(run.prompts.messages.size(), 1);
    QCOMPARE(run.prompts.messages.at(0).style, 16);
    const QString file = QDir::toNativeSeparators(run.game + "/mods/Missing/Init.con");
    QVERIFY2(run.prompts.messages.at(0).text.contains(file), qPrintable(run.prompts.messages.at(0).text));
    QVERIFY(window->isVisible());
    QCOMPARE(selection(window), QStringLiteral("010"));
    QCOMPARE(run.programFolder.read("intro.ini"), QByteArray("True\r\nFalse\r\nFalse\r\n"));
    QVERIFY(!run.games.exists("Orvanthe/mods/Missing"));
}

QTEST_MAIN(tst_Intro)
#include "tst_Intro.moc"
