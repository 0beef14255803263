#include "editors/botnames/frmBotNames.h"
#include "editors/scoremodule/frmScore.h"
#include "editors/tweak/frmTweak.h"
#include "support/TestRun.h"
#include "utilities/search/frmSearch.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The find window opened from the bot names editor on the given text; a scoring module in place.
struct Run : TestRun {
    explicit Run(const QByteArray &botNames)
    {
        games.write("Orvanthe/mods/vantrax/AI/BotNames.ai", botNames);
        games.write("Orvanthe/mods/vantrax/python/game/scoringCommon.py", "x = 1\r\nx = 2\r\n");
        open<frmBotNames>()->mnuEditSearch->trigger();
        search = app.windows().find<frmSearch>();
    }
    // Finds each text in turn; the selections as "start+length", or "@caret" when there is none.
    QString find(const QStringList &texts)
    {
        QStringList selections;
        for (const QString &text : texts) {
            search->Text1->setText(text);
            QTest::mouseClick(search->Command1, Qt::LeftButton);
            const TextEditorWindow *editor =
                search->optScore->isChecked()
                    ? static_cast<TextEditorWindow *>(app.windows().find<frmScore>())
                    : app.windows().find<frmBotNames>();
            const QTextCursor cursor = editor->rtb->textCursor();
            const int length = cursor.selectionEnd() - cursor.selectionStart();
            selections << (length ? QStringLiteral("%1+%2").arg(cursor.selectionStart()).arg(length)
                                  : QStringLiteral("@%1").arg(cursor.position()));
        }
        return selections.join(u' ');
    }

    frmSearch *search;
};

} // namespace

class tst_Search : public QObject {
    Q_OBJECT
private slots:
    // On from one past the last match's start, in any letter case; past the last, "Nothing found!"
    // and the caret at the start. An empty text is found where the search starts.
    void findNextGoesOnFromOnePastTheLastMatch()
    {
        const auto check = [](const QByteArray &botNames, const QStringList &searches, const char *selections,
                              int nothingFound) {
            Run run(botNames);
            QCOMPARE(run.find(searches), QString(selections));
            QCOMPARE(run.prompts.messages,
                     QList<ScriptedPrompts::Message>(nothingFound, {"Nothing found!", 64}));
        };
        check("aaaa\r\nxAAx\r\n", {"aa", "aa", "aa", "aa", "aa", "Aa", "X"}, "0+2 1+2 2+2 6+2 @0 @0 8+1", 2);
        check(QByteArray(45000, '.') + "Needle\r\n.........", {"needle", "needle", "...."},
              "45000+6 @0 45007+4", 1);
        check("ab", {"", "", "", "abc"}, "@0 @1 @0 @0", 2);
    }

    // Opened at its place with the opener's option, alone with the first, and ready for the search
    // text; a focused option is the selected one; Enter finds. A closed editor is opened, then searched; each
    // editor keeps its position beyond the find window's life.
    void eachEditorKeepsItsOwnPosition()
    {
        Run run("x\r\nx\r\nx\r\n");
        QVERIFY(run.search->parentWidget() == run.app.windows().find<frmBotNames>() &&
                run.search->optBotNames->isChecked());
        QCOMPARE(run.search->geometry(), QRect(717, 226, 169, 65));
        QTest::keyClicks(run.search->Text1, "X");
        QTest::keyClick(run.search->Text1, Qt::Key_Return);
        QTest::keyClick(run.search->Text1, Qt::Key_Enter);
        const QTextCursor found = run.app.windows().find<frmBotNames>()->rtb->textCursor();
        QCOMPARE(QString::number(found.selectionStart()) + found.selectedText(), QStringLiteral("2x"));
        run.search->optScore->setChecked(true);
        QCOMPARE(run.find({"X"}), QStringLiteral("0+1"));
        frmScore *score = run.app.windows().find<frmScore>();
        QVERIFY(score->isVisible() && score->parentWidget() == run.launcher());

        // Closed with its close box, it opens again empty, with the opener's option (the tweak
        // editor chooses none) and owned by the opener, whichever editor opened it before.
        QVERIFY(run.close(run.search));
        auto *tweak = run.open<frmTweak>();
        tweak->mnuEditSearch->trigger();
        run.search = run.app.windows().find<frmSearch>();
        QVERIFY(run.search->Text1->text().isEmpty() && run.search->optTweak->isChecked() &&
                run.search->focusWidget() == run.search->Text1);
        score->mnuEditSearch->trigger();
        QCOMPARE(run.app.windows().find<frmSearch>(), run.search);
        QVERIFY(run.search->optScore->isChecked() && run.search->parentWidget() == score);
        QApplication::setActiveWindow(run.search);
        run.search->optBotNames->setFocus();
        QVERIFY(run.search->optBotNames->isChecked() && !run.search->optScore->isChecked());
        QCOMPARE(run.find({"x"}), QStringLiteral("4+1"));
        run.search->optScore->setChecked(true);
        QCOMPARE(run.find({"x", "x"}), QStringLiteral("6+1 @0"));
        // F3 in an editor finds the find window's text there.
        auto *botNames = run.app.windows().find<frmBotNames>();
        QApplication::setActiveWindow(botNames);
        QTest::keyClick(botNames->rtb, Qt::Key_F3);
        QVERIFY(run.search->optBotNames->isChecked() && run.prompts.messages.size() == 2);
        QApplication::setActiveWindow(run.search);
        QTest::keyClick(run.search->Text1, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!run.app.windows().find<frmSearch>());
    }
};

QTEST_MAIN(tst_Search)
#include "tst_Search.moc"
