#include "app/Application.h"
#include "editors/scores/ScoringModule.h"
#include "editors/scores/frmScore2.h"
#include "launcher/frmMain.h"
#include "selection/Form2.h"
#include "support/ExpectedFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "support/TestRun.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Messages = QList<ScriptedPrompts::Message>;

const QString Module = QStringLiteral("Orvanthe/mods/vantrax/python/game/scoringCommon.py");
const QStringList BuiltIn = {"1", "-3", "-2", "1", "1", "1", "1"};
const QByteArray BuiltInState = "1\r\n-3\r\n-2\r\n1\r\n1\r\n1\r\n1\r\n";

QByteArray stockModule()
{
    return stockBytes(QStringLiteral("scoringCommon.py"));
}

QList<QLineEdit *> fields(const frmScore2 *w)
{
    return {w->txtKill, w->txtTeamKill, w->txtSuicide, w->txtRevive,
            w->txtHeal, w->txtResupply, w->txtRepair};
}

QStringList texts(const frmScore2 *w)
{
    QStringList shown;
    for (const QLineEdit *field : fields(w))
        shown << field->text();
    return shown;
}

// One run of the program with the game installed and the stock mod selected.
struct Run : TestRun {
    explicit Run(const QByteArray &scoreIni = QByteArray(),
                 const QString &stateName = QStringLiteral("Score.ini"))
        : TestRun("Vantrax", {"mods/vantrax/python/game"}, stateName, scoreIni)
    {
    }
    frmScore2 *open() { return TestRun::open<frmScore2>(); }
};

} // namespace

class tst_Scores : public QObject {
    Q_OBJECT
private slots:
    void stockValuesGiveTheStockModule();
    void valuesAreWrittenExactlyAsTyped();
    void stateFileFillsTheFieldsItHolds();
    void stateFileIsOneFileInAnyLetterCase();
    void resetAndSaveStartsOverFromTheStockValues();
    void saveFollowsTheSelectedMod();
    void failedWritesChangeNothingElse();
    void reopeningReadsTheStateFileAgain();
};

void tst_Scores::stockValuesGiveTheStockModule()
{
    QCOMPARE(scoringPieces().txtVoorstuk,
             QStringLiteral("# common scoring \r\n\r\nimport host\r\nimport orv\r\n"
                            "import math\r\n\r\nfrom orv.stats.constants import *\r\n"
                            "from orv import g_debug\r\n"));
    QCOMPARE(scoringPieces().txtVoorstuk.size(), 121);
    QVERIFY(scoringPieces().txtEinde.startsWith(QStringLiteral("SCORE_STRATEGIC = 1\r\n")));

    Run run;
    frmScore2 *w = run.open();
    QCOMPARE(w->windowTitle(), QStringLiteral("Score Editor"));
    const QStringList captions = {"Kill", "Teamkill", "Suicide", "Revive", "Heal", "Resupply", "Repair"};
    const QList<QLabel *> labels = {w->Label1, w->Label2, w->Label3, w->Label4,
                                    w->Label5, w->Label6, w->Label7};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(labels.at(i)->text(), captions.at(i));
    QCOMPARE(texts(w), BuiltIn);

    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QCOMPARE(run.games.read(Module), stockModule() + "\r\n");
    QCOMPARE(run.programFolder.read("Score.ini"), BuiltInState);
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_Scores::valuesAreWrittenExactlyAsTyped()
{
    Run run;
    frmScore2 *w = run.open();
    // A field takes three characters; a fourth is refused.
    w->txtKill->clear();
    QTest::keyClicks(w->txtKill, QStringLiteral("-123"));
    QCOMPARE(w->txtKill->text(), QStringLiteral("-12"));
    const QStringList typed = {"-12", "", "ab", "+", " 1 ", "1.5", "."};
    for (int i = 1; i < 7; ++i)
        fields(w).at(i)->setText(typed.at(i));

    w->Command1_Click();
    QCOMPARE(run.games.read(Module), expectedScoringModule("SCORE_KILL = -12\r\n"
                                                           "SCORE_TEAMKILL = \r\n"
                                                           "SCORE_SUICIDE = ab\r\n"
                                                           "SCORE_REVIVE = +\r\n"
                                                           "SCORE_HEAL =  1 \r\n"
                                                           "SCORE_RESUPPLY = 1.5\r\n"
                                                           "SCORE_REPAIR = .\r\n"));
    QCOMPARE(run.programFolder.read("Score.ini"), QByteArray("-12\r\n\r\nab\r\n+\r\n 1 \r\n1.5\r\n.\r\n"));
    QCOMPARE(texts(w), typed);
}

void tst_Scores::stateFileFillsTheFieldsItHolds()
{
    struct Case {
        const char *name;
        QByteArray scoreIni;
        QStringList shown;
    };
    const QList<Case> cases = {
        {"missing", QByteArray(), BuiltIn},
        {"three lines", "5\r\n-5\r\n0\r\n", {"5", "-5", "0", "1", "1", "1", "1"}},
        {"longer", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n", {"1", "2", "3", "4", "5", "6", "7"}},
        {"empty lines", "\r\n\r\n9\r\n", {"", "", "9", "1", "1", "1", "1"}},
        {"not numbers", "abc\r\n- \r\n1.5\r\n", {"abc", "- ", "1.5", "1", "1", "1", "1"}},
    };
    for (const Case &c : cases) {
        Run run(c.scoreIni);
        QVERIFY2(texts(run.open()) == c.shown, c.name);
        QVERIFY(run.prompts.messages.isEmpty());
    }
}

void tst_Scores::stateFileIsOneFileInAnyLetterCase()
{
    Run run("7\r\n", QStringLiteral("score.ini"));
    frmScore2 *w = run.open();
    QCOMPARE(w->txtKill->text(), QStringLiteral("7"));
    w->Command1_Click();
    QCOMPARE(run.programFolder.entries(), QStringList({"dir.ini", "dirMod.ini", "score.ini"}));
    QCOMPARE(run.programFolder.read("score.ini"), QByteArray("7\r\n-3\r\n-2\r\n1\r\n1\r\n1\r\n1\r\n"));
}

void tst_Scores::resetAndSaveStartsOverFromTheStockValues()
{
    for (const QString &stateName : {QStringLiteral("Score.ini"), QStringLiteral("score.ini")}) {
        Run run("9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n", stateName);
        frmScore2 *first = run.open();
        first->txtHeal->setText(QStringLiteral("5"));
        QTest::mouseClick(first->Command2, Qt::LeftButton);

        const QPointer<frmScore2> old(first);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!old);
        frmScore2 *again = run.app.windows().find<frmScore2>();
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->parentWidget(), run.launcher());
        QCOMPARE(texts(again), BuiltIn);
        QCOMPARE(run.games.read(Module), stockModule() + "\r\n");
        QCOMPARE(run.programFolder.entries(), QStringList({"Score.ini", "dir.ini", "dirMod.ini"}));
        QCOMPARE(run.programFolder.read("Score.ini"), BuiltInState);
        QVERIFY(run.prompts.messages.isEmpty());
    }

    // Without a state file it goes on as if one had been deleted.
    Run fresh;
    fresh.open()->Command2_Click();
    QCOMPARE(fresh.games.read(Module), stockModule() + "\r\n");
    QCOMPARE(fresh.programFolder.read("Score.ini"), BuiltInState);
    QVERIFY(fresh.prompts.messages.isEmpty());
}

void tst_Scores::saveFollowsTheSelectedMod()
{
    Run run;
    run.games.write(QStringLiteral("Orvanthe/mods/Desert/python/game/.keep"), "");
    frmScore2 *w = run.open();
    w->Command1_Click();

    run.app.windows().find<Form2>()->Text1->setText(QStringLiteral("Desert"));
    w->txtRepair->setText(QStringLiteral("3"));
    w->Command1_Click();
    QCOMPARE(run.games.read("Orvanthe/mods/Desert/python/game/scoringCommon.py"),
             expectedScoringModule(
                 "SCORE_KILL = 1\r\nSCORE_TEAMKILL = -3\r\nSCORE_SUICIDE = -2\r\nSCORE_REVIVE = 1\r\n"
                 "SCORE_HEAL = 1\r\nSCORE_RESUPPLY = 1\r\nSCORE_REPAIR = 3\r\n"));
    QCOMPARE(run.games.read(Module), stockModule() + "\r\n");
}

void tst_Scores::failedWritesChangeNothingElse()
{
    const QByteArray stored = "5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n5\r\n";
    Run run(stored);
    run.games.write(QStringLiteral("Orvanthe/mods/NoPython/readme.txt"), "");
    run.app.windows().find<Form2>()->Text1->setText(QStringLiteral("NoPython"));
    frmScore2 *w = run.open();
    w->txtKill->setText(QStringLiteral("8"));

    const ScriptedPrompts::Message missingFolder{
        QStringLiteral("Cannot write \"%1/mods/NoPython/python/game/scoringCommon.py\": the folder "
                       "\"%1/mods/NoPython/python/game\" does not exist.")
            .arg(run.game),
        16};
    w->Command1_Click();
    QCOMPARE(run.prompts.messages, Messages({missingFolder}));
    QCOMPARE(run.programFolder.read("Score.ini"), stored);
    QCOMPARE(texts(w), QStringList({"8", "5", "5", "5", "5", "5", "5"}));
    QCOMPARE(run.games.entries().filter(QStringLiteral("scoringCommon")), QStringList());

    // A state file that cannot be deleted (a folder in its place) stops Reset and Save at once.
    Run blocked;
    blocked.programFolder.write(QStringLiteral("Score.ini/.keep"), "");
    frmScore2 *b = blocked.open();
    b->txtKill->setText(QStringLiteral("8"));
    b->Command2_Click();
    QCOMPARE(blocked.prompts.messages.size(), 1);
    QVERIFY(blocked.prompts.messages.at(0).text.startsWith(
        QStringLiteral("Cannot delete \"%1\": ").arg(blocked.programFolder.filePath("score.ini"))));
    QCOMPARE(blocked.prompts.messages.at(0).style, 16);
    QCOMPARE(blocked.app.windows().find<frmScore2>(), b);
    QCOMPARE(b->txtKill->text(), QStringLiteral("8"));
    QVERIFY(!blocked.games.exists(Module));
}

void tst_Scores::reopeningReadsTheStateFileAgain()
{
    Run run;
    frmScore2 *w = run.open();
    w->txtSuicide->setText(QStringLiteral("-9"));
    w->Command1_Click();
    QVERIFY(w->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!run.app.windows().find<frmScore2>());

    QCOMPARE(run.open()->txtSuicide->text(), QStringLiteral("-9"));
}

QTEST_MAIN(tst_Scores)
#include "tst_Scores.moc"
