#include "editors/botnames/frmBotNames.h"
#include "editors/scoremodule/frmScore.h"
#include "support/TestRun.h"
#include "utilities/search/frmSearch.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using Messages = QList<ScriptedPrompts::Message>;

const QString BotNamesFile = QStringLiteral("Orvanthe/mods/vantrax/AI/BotNames.ai");
const QString ModuleFile = QStringLiteral("Orvanthe/mods/vantrax/python/game/scoringCommon.py");
const ScriptedPrompts::Message NothingFound{QStringLiteral("Nothing found!"), 64};

// The program with both stock files in place, the bot names editor open and the find window
// opened from it.
struct Run : TestRun {
    explicit Run(const QByteArray &botNames, const QByteArray &module = "x = 1\r\nx = 2\r\n")
        : TestRun(QStringLiteral("Vantrax"), {"mods/vantrax/AI", "mods/vantrax/python/game"})
    {
        games.write(BotNamesFile, botNames);
        games.write(ModuleFile, module);
        botNames_ = open<frmBotNames>();
        botNames_->mnuEditSearch->trigger();
        search = app.windows().find<frmSearch>();
    }

    // Presses Find Next with the text and returns the selection in the searched editor: its start
    // and length, or the caret position and -1 when nothing is selected.
    QPair<int, int> find(const QString &text)
    {
        search->Text1->setText(text);
        QTest::mouseClick(search->Command1, Qt::LeftButton);
        return selection(searched());
    }
    QPlainTextEdit *searched()
    {
        if (search->optScore->isChecked())
            return app.windows().find<frmScore>()->rtb;
        return app.windows().find<frmBotNames>()->rtb;
    }
    static QPair<int, int> selection(const QPlainTextEdit *rtb)
    {
        const QTextCursor cursor = rtb->textCursor();
        if (!cursor.hasSelection())
            return {cursor.position(), -1};
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }

    frmBotNames *botNames_;
    frmSearch *search;
};

using Selection = QPair<int, int>;

} // namespace

class tst_Search : public QObject {
    Q_OBJECT
private slots:
    void opensOnceAtItsPlaceWithTheCallersOption();
    void findsEachOccurrenceInTurnThenNothing();
    void eachEditorKeepsItsOwnPosition();
    void enterInTheSearchTextFindsNext();
    void emptyAndFarSearches();
};

void tst_Search::opensOnceAtItsPlaceWithTheCallersOption()
{
    Run run("");
    frmSearch *search = run.search;
    QVERIFY(search && search->isVisible());
    QCOMPARE(search->windowTitle(), QStringLiteral(" Search"));
    QCOMPARE(search->parentWidget(), run.botNames_);
    QCOMPARE(search->geometry(), QRect(717, 226, 169, 65));
    QVERIFY(search->optBotNames->isChecked() && !search->optTweak->isChecked());
    QVERIFY(!search->Command1->isDefault());
    QCOMPARE(search->Text1->text(), QString());

    // Opened alone it starts with the first option; the score editor's Search selects its own.
    run.app.windows().unload(search);
    search = run.app.windows().show<frmSearch>();
    QVERIFY(search->optTweak->isChecked());
    run.app.windows().unload(search);
    frmScore *score = run.app.windows().show<frmScore>(run.launcher());
    score->mnuEditSearch->trigger();
    search = run.app.windows().find<frmSearch>();
    QCOMPARE(search->parentWidget(), score);
    QVERIFY(search->optScore->isChecked() && !search->optBotNames->isChecked());

    // The option that takes the focus becomes the selected one.
    QApplication::setActiveWindow(search);
    search->optBotNames->setFocus();
    QVERIFY(search->optBotNames->isChecked() && !search->optScore->isChecked());
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_Search::findsEachOccurrenceInTurnThenNothing()
{
    Run run("aaaa\r\nxAAx\r\n");
    QCOMPARE(run.find("aa"), Selection(0, 2));
    QCOMPARE(run.find("aa"), Selection(1, 2));
    QCOMPARE(run.find("aa"), Selection(2, 2));
    QCOMPARE(run.find("aa"), Selection(6, 2));
    QVERIFY(run.prompts.messages.isEmpty());
    QVERIFY(run.botNames_->isVisible());

    QCOMPARE(run.find("aa"), Selection(0, -1));
    QCOMPARE(run.prompts.messages, Messages({NothingFound}));
    QCOMPARE(run.find("aa"), Selection(0, -1));
    QCOMPARE(run.prompts.messages, Messages({NothingFound, NothingFound}));

    // A new text goes on after the last match, and finds capitals with a lower-case text.
    QCOMPARE(run.find("X"), Selection(8, 1));
}

void tst_Search::eachEditorKeepsItsOwnPosition()
{
    Run run("x\r\nx\r\nx\r\n");
    QCOMPARE(run.find("x"), Selection(0, 1));
    QCOMPARE(run.find("x"), Selection(2, 1));

    // The score editor is not open: Find Next opens it with its module, then searches it.
    QVERIFY(!run.app.windows().find<frmScore>());
    run.search->optScore->setChecked(true);
    QCOMPARE(run.find("X"), Selection(0, 1));
    frmScore *score = run.app.windows().find<frmScore>();
    QVERIFY(score && score->isVisible());
    QCOMPARE(score->rtb->toPlainText(), QStringLiteral("x = 1\nx = 2\n"));
    QCOMPARE(score->parentWidget(), run.launcher());

    // Positions outlive the find window.
    run.app.windows().unload(run.search);
    run.search = run.app.windows().show<frmSearch>(score);
    run.search->optBotNames->setChecked(true);
    QCOMPARE(run.find("x"), Selection(4, 1));
    run.search->optScore->setChecked(true);
    QCOMPARE(run.find("x"), Selection(6, 1));
    QCOMPARE(run.find("x"), Selection(0, -1));
    QCOMPARE(run.prompts.messages, Messages({NothingFound}));
}

void tst_Search::enterInTheSearchTextFindsNext()
{
    Run run("One two one\r\n");
    QTest::keyClicks(run.search->Text1, QStringLiteral("ONE"));
    QTest::keyClick(run.search->Text1, Qt::Key_Return);
    QCOMPARE(Run::selection(run.botNames_->rtb), Selection(0, 3));
    QTest::keyClick(run.search->Text1, Qt::Key_Enter);
    QCOMPARE(Run::selection(run.botNames_->rtb), Selection(8, 3));
    QCOMPARE(run.search->Text1->text(), QStringLiteral("ONE"));
}

void tst_Search::emptyAndFarSearches()
{
    Run run(QByteArray(45000, '.') + "Needle\r\n" + QByteArray(45000, '.'));
    QCOMPARE(run.find("needle"), Selection(45000, 6));
    QCOMPARE(run.find("needle"), Selection(0, -1));
    QCOMPARE(run.find(QString(10, u'.')), Selection(45007, 10));

    // An empty text is found where the search starts, moving on by one each time.
    Run empty("ab");
    QCOMPARE(empty.find(""), Selection(0, -1));
    QCOMPARE(empty.find(""), Selection(1, -1));
    QCOMPARE(empty.prompts.messages, Messages());
    QCOMPARE(empty.find(""), Selection(0, -1));
    QCOMPARE(empty.find("abc"), Selection(0, -1));
    QCOMPARE(empty.prompts.messages, Messages({NothingFound, NothingFound}));
}

QTEST_MAIN(tst_Search)
#include "tst_Search.moc"
