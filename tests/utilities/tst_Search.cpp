#include "core/CodePage.h"
#include "editors/botnames/frmBotNames.h"
#include "editors/frame/EditorText.h"
#include "editors/frame/ShownText.h"
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
    // On from one past the last match's start, in any letter case; past the last, "Nothing found!",
    // the caret at the start, and the next search from the first character. An empty text is found where the
    // search starts.
    void findNextGoesOnFromOnePastTheLastMatch()
    {
        const auto check = [](const QByteArray &botNames, const QStringList &searches, const char *selections,
                              int nothingFound) {
            Run run(botNames);
            QCOMPARE(run.find(searches), QString(selections));
            QCOMPARE(run.prompts.messages,
                     QList<ScriptedPrompts::Message>(nothingFound, {"Nothing found!", 64}));
        };
        check("aaaa\r\nxAAx\r\n", {"aa", "aa", "aa", "aa", "aa", "Aa", "X"}, "0+2 1+2 2+2 6+2 @0 0+2 5+1", 1);
        check(QByteArray(45000, '.') + "Needle\r\n.........", {"needle", "needle", "...."}, "45000+6 @0 0+4",
              1);
        check("ab", {"", "", "", "abc"}, "@0 @1 @0 @0", 2);
    }

    // The text kept for searching finds what QString finds, in the code page's bytes and after a
    // character beyond it has turned the text to UTF-16: every character alone, and slices in
    // another letter case from every start in a text of few letters, where matches overlap.
    void keptTextFindsAsQStringFinds()
    {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte)
            bytes[byte] = char(byte);
        QString every = editorTextFromFile(decodeGameText(bytes));
        QString few;
        for (int i = 0; i < 400; ++i)
            few += QStringLiteral("aAbB\n\u240D\u00E9\u0160\u0161").at((i * 7 + i / 5) % 9);
        for (const QString &wide : {QString(), QStringLiteral("\u0142")}) {
            ShownText kept;
            kept.setText(every);
            kept.replace(3, 1, wide);
            const QString text = QString(every).replace(3, 1, wide);
            for (char32_t unit = 0; unit < 0x10000; ++unit) {
                const QString single = QChar(char16_t(unit));
                QCOMPARE(kept.indexOf(single, 0), text.indexOf(single, 0, Qt::CaseInsensitive));
            }
            kept.setText(few + wide);
            for (qsizetype from = 0; from < few.size(); from += 3) {
                const QString slice = few.mid((from * 5) % 390, 1 + from % 9);
                for (const QString &sought : {slice.toUpper(), slice.toLower(), slice + wide})
                    QCOMPARE(kept.indexOf(sought, from),
                             (few + wide).indexOf(sought, from, Qt::CaseInsensitive));
            }
        }
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
        // The options are one stop for Tab, at the selected one; the arrows choose.
        run.search->Text1->setFocus();
        QTest::keyClick(run.search->Text1, Qt::Key_Tab);
        QCOMPARE(run.search->focusWidget(), run.search->optBotNames);
        QTest::keyClick(run.search->optBotNames, Qt::Key_Down);
        QVERIFY(run.search->optScore->isChecked() && run.search->optScore->hasFocus());
        QTest::keyClick(run.search->optScore, Qt::Key_Tab);
        QCOMPARE(run.search->focusWidget(), run.search->Command1);
        QTest::keyClick(run.search->Command1, Qt::Key_Tab);
        QTest::keyClick(run.search->Text1, Qt::Key_Tab);
        QCOMPARE(run.search->focusWidget(), run.search->optScore);
        QTest::keyClick(run.search->optScore, Qt::Key_Up);
        QVERIFY(run.search->optBotNames->isChecked());
        QCOMPARE(run.find({"x"}), QStringLiteral("4+1"));
        run.search->optScore->setChecked(true);
        QCOMPARE(run.find({"x", "x"}), QStringLiteral("6+1 @0"));
        // F3 in an editor finds the find window's text there.
        auto *botNames = run.app.windows().find<frmBotNames>();
        QApplication::setActiveWindow(botNames);
        QTest::keyClick(botNames->rtb, Qt::Key_F3);
        QVERIFY(run.search->optBotNames->isChecked() && run.prompts.messages.size() == 2);
        // After each Find Next the find window is owned by the editor it searched, in its place.
        const QRect place = run.search->geometry();
        for (QRadioButton *option : {run.search->optTweak, run.search->optScore, run.search->optBotNames}) {
            option->setChecked(true);
            run.find({"x"});
            QWidget *searched = option == run.search->optTweak   ? run.app.windows().find<frmTweak>()
                                : option == run.search->optScore ? run.app.windows().find<frmScore>()
                                                                 : static_cast<QWidget *>(botNames);
            QVERIFY(run.search->parentWidget() == searched && run.search->geometry() == place);
        }
        QApplication::setActiveWindow(run.search);
        QTest::keyClick(run.search->Text1, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!run.app.windows().find<frmSearch>());
    }
};

QTEST_MAIN(tst_Search)
#include "tst_Search.moc"
