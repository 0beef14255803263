#include "app/Application.h"
#include "editors/strategies/frmStrategies.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ExpectedFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "support/TestRun.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

using Messages = QList<ScriptedPrompts::Message>;

const QString Script = QStringLiteral("Orvanthe/mods/vantrax/AI/AIDefaultStrategies.ai");
const QStringList BuiltIn = {"1", "3", "0", "1", "3", "0", "0", "1", "3", "0", "0", "4"};

QByteArray stockScript()
{
    return stockBytes(QStringLiteral("AIDefaultStrategies.ai"));
}

QByteArray stateFile(const QStringList &values)
{
    return values.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

// The fields in state-file order.
QList<QLineEdit *> fields(const frmStrategies *w)
{
    return {w->txtAttackEnemyAgression,   w->txtAttackEnemyAttacks,   w->txtAttackEnemyDefences,
            w->txtAttackNeutralAgression, w->txtAttackNeutralAttacks, w->txtAttackNeutralDefences,
            w->txtDefendAgression,        w->txtDefendAttacks,        w->txtDefendDefences,
            w->txtGuardAgression,         w->txtGuardAttacks,         w->txtGuardDefences};
}

QStringList texts(const frmStrategies *w)
{
    QStringList shown;
    for (const QLineEdit *field : fields(w))
        shown << field->text();
    return shown;
}

// One run of the program with the game installed and the stock mod selected.
struct Run : TestRun {
    explicit Run(const QByteArray &strategiesIni = QByteArray())
        : TestRun("Vantrax", {"mods/vantrax/AI"}, "strategies.ini", strategiesIni)
    {
    }
    frmStrategies *open() { return TestRun::open<frmStrategies>(); }
};

} // namespace

class tst_Strategies : public QObject {
    Q_OBJECT
private slots:
    void saveWritesAllFourStrategiesAndTheStateFile();
    void valuesAreWrittenExactlyAsTyped();
    void stateFileFillsTheFieldsItHolds();
    void resetAndSaveWritesTheStockScriptAndStartsOver();
    void saveFollowsTheSelectedMod();
    void failedWritesChangeNothingElse();
    void reopeningReadsTheStateFileAgain();
};

void tst_Strategies::saveWritesAllFourStrategiesAndTheStateFile()
{
    Run run;
    frmStrategies *w = run.open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Bot Strategie editor"));
    QCOMPARE(w->SSTab1->count(), 4);
    const QStringList tabs = {"Attack Enemy Base", "Attack Neutral Base", "Guard", "Defend"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w->SSTab1->tabText(i), tabs.at(i));
    QCOMPARE(w->SSTab1->currentIndex(), 0);
    QCOMPARE(w->Label12->text(), QStringLiteral("Defence:"));
    QCOMPARE(w->Label13->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(texts(w), BuiltIn);

    // Not the stock script: Attack Neutral is active, an empty line follows each block's values,
    // and the stamp replaces the closing remarks.
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(run.games.read(Script), expectedStrategies(BuiltIn));
    QCOMPARE(run.programFolder.read("strategies.ini"),
             QByteArray("1\r\n3\r\n0\r\n1\r\n3\r\n0\r\n0\r\n1\r\n3\r\n0\r\n0\r\n4\r\n"));
    QVERIFY(run.prompts.messages.isEmpty());
    QVERIFY(w->isVisible());
}

void tst_Strategies::valuesAreWrittenExactlyAsTyped()
{
    Run run;
    frmStrategies *w = run.open();
    const QStringList typed = {"", "abc", "-1", " 2 ", "0.5", "+", "7", "", "x y", "10", "-", " "};
    for (int i = 0; i < 12; ++i)
        fields(w).at(i)->setText(typed.at(i));
    w->Command1_Click();
    QCOMPARE(run.games.read(Script), expectedStrategies(typed));
    QCOMPARE(run.programFolder.read("strategies.ini"),
             QByteArray("\r\nabc\r\n-1\r\n 2 \r\n0.5\r\n+\r\n7\r\n\r\nx y\r\n10\r\n-\r\n \r\n"));
    QCOMPARE(texts(w), typed);
}

void tst_Strategies::stateFileFillsTheFieldsItHolds()
{
    const QStringList twelve = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
    struct Case {
        const char *name;
        QByteArray strategiesIni;
        QStringList shown;
    };
    const QList<Case> cases = {
        {"missing", QByteArray(), BuiltIn},
        {"seven lines",
         "5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n",
         {"5", "6", "7", "8", "9", "10", "11", "1", "3", "0", "0", "4"}},
        {"longer", stateFile(twelve) + "extra\r\nmore\r\n", twelve},
        {"empty lines", "\r\n2\r\n\r\n", {"", "2", "", "1", "3", "0", "0", "1", "3", "0", "0", "4"}},
        {"empty file", "", BuiltIn},
    };
    for (const Case &c : cases) {
        Run run(c.strategiesIni);
        QVERIFY2(texts(run.open()) == c.shown, c.name);
        QVERIFY(run.prompts.messages.isEmpty());
    }
}

void tst_Strategies::resetAndSaveWritesTheStockScriptAndStartsOver()
{
    Run run(stateFile({"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9"}));
    frmStrategies *first = run.open();
    first->txtGuardAttacks->setText(QStringLiteral("unsaved"));
    first->SSTab1->setCurrentIndex(2);
    QTest::mouseClick(first->Command2, Qt::LeftButton);

    QCOMPARE(run.games.read(Script), stockScript() + "\r\n");
    QVERIFY(!run.programFolder.exists("strategies.ini"));
    QVERIFY(run.prompts.messages.isEmpty());
    const QPointer<frmStrategies> old(first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    frmStrategies *again = run.app.windows().find<frmStrategies>();
    QVERIFY(again && again->isVisible());
    QCOMPARE(again->parentWidget(), run.launcher());
    QCOMPARE(texts(again), BuiltIn);
    QCOMPARE(again->SSTab1->currentIndex(), 0);

    // A save right after writes the composed script; a second reset finds no state file to delete.
    again->Command1_Click();
    QCOMPARE(run.games.read(Script), expectedStrategies(BuiltIn));
    QVERIFY(run.programFolder.exists("strategies.ini"));
    again->Command2_Click();
    run.app.windows().find<frmStrategies>()->Command2_Click();
    QCOMPARE(run.games.read(Script), stockScript() + "\r\n");
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_Strategies::saveFollowsTheSelectedMod()
{
    Run run;
    run.games.write(QStringLiteral("Orvanthe/mods/Desert/AI/.keep"), "");
    frmStrategies *w = run.open();
    w->Command1_Click();

    run.app.windows().find<Form2>()->Text1->setText(QStringLiteral("Desert"));
    w->txtDefendAgression->setText(QStringLiteral("2"));
    w->Command1_Click();
    QStringList values = BuiltIn;
    values[6] = QStringLiteral("2");
    QCOMPARE(run.games.read("Orvanthe/mods/Desert/AI/AIDefaultStrategies.ai"), expectedStrategies(values));
    QCOMPARE(run.games.read(Script), expectedStrategies(BuiltIn));

    w->Command2_Click();
    QCOMPARE(run.games.read("Orvanthe/mods/Desert/AI/AIDefaultStrategies.ai"), stockScript() + "\r\n");
    QCOMPARE(run.games.read(Script), expectedStrategies(BuiltIn));
}

void tst_Strategies::failedWritesChangeNothingElse()
{
    const QByteArray stored = stateFile({"5", "5", "5", "5", "5", "5", "5", "5", "5", "5", "5", "5"});
    Run run(stored);
    run.games.write(QStringLiteral("Orvanthe/mods/NoAI/readme.txt"), "");
    run.app.windows().find<Form2>()->Text1->setText(QStringLiteral("NoAI"));
    frmStrategies *w = run.open();
    w->txtAttackEnemyAgression->setText(QStringLiteral("8"));

    const ScriptedPrompts::Message missingFolder{
        QStringLiteral(
            "Cannot write \"%1/mods/NoAI/AI/AIDefaultStrategies.ai\": the folder \"%1/mods/NoAI/AI\" "
            "does not exist.")
            .arg(run.game),
        16};
    w->Command1_Click();
    QCOMPARE(run.prompts.messages, Messages({missingFolder}));
    QCOMPARE(run.programFolder.read("strategies.ini"), stored);

    // Reset and Save keeps the state file and the window with its values.
    w->Command2_Click();
    QCOMPARE(run.prompts.messages, Messages({missingFolder, missingFolder}));
    QCOMPARE(run.programFolder.read("strategies.ini"), stored);
    QCOMPARE(run.app.windows().find<frmStrategies>(), w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->txtAttackEnemyAgression->text(), QStringLiteral("8"));
    QVERIFY(!run.games.exists("Orvanthe/mods/NoAI/AI") && !run.games.exists(Script));

    // A state file that cannot be written or deleted (a folder in its place) is reported too,
    // after the script was written; Reset and Save then keeps the window.
    Run blocked;
    blocked.programFolder.write(QStringLiteral("strategies.ini/.keep"), "");
    frmStrategies *b = blocked.open();
    b->Command1_Click();
    QCOMPARE(blocked.games.read(Script), expectedStrategies(BuiltIn));
    b->Command2_Click();
    QCOMPARE(blocked.games.read(Script), stockScript() + "\r\n");
    QCOMPARE(blocked.prompts.messages.size(), 2);
    for (const ScriptedPrompts::Message &message : std::as_const(blocked.prompts.messages)) {
        QVERIFY(message.text.contains(blocked.programFolder.filePath("strategies.ini")));
        QCOMPARE(message.style, 16);
    }
    QCOMPARE(blocked.app.windows().find<frmStrategies>(), b);

    // A value the game's code page cannot hold is not written; the message names the character.
    Run foreign;
    frmStrategies *f = foreign.open();
    f->txtGuardDefences->setText(QStringLiteral("\u0141"));
    f->Command1_Click();
    QCOMPARE(foreign.prompts.messages.size(), 1);
    QVERIFY(foreign.prompts.messages.first().text.contains(QStringLiteral("AIDefaultStrategies.ai")));
    QVERIFY(foreign.prompts.messages.first().text.contains(QStringLiteral("U+0141")));
    QVERIFY(!foreign.games.exists(Script));
    QVERIFY(!foreign.programFolder.exists("strategies.ini"));
}

void tst_Strategies::reopeningReadsTheStateFileAgain()
{
    Run run;
    frmStrategies *w = run.open();
    w->txtGuardDefences->setText(QStringLiteral("6"));
    w->Command1_Click();
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run.app.windows().find<frmStrategies>());

    QCOMPARE(run.open()->txtGuardDefences->text(), QStringLiteral("6"));
}

QTEST_MAIN(tst_Strategies)
#include "tst_Strategies.moc"
