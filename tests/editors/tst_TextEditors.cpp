#include "editors/tweak/frmTweak.h"
#include "selection/Form2.h"
#include "support/TestRun.h"
#include "utilities/search/frmSearch.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using Messages = QList<ScriptedPrompts::Message>;
const QString Hint = QStringLiteral("Tweak files can be found in this folder:   "
                                    "Orvanthe\\mods\\vantrax\\Objects\\ in the zip files.");
enum Answer { Yes = 6, No = 7, Cancel = 2 };

// The program with the mod "Missing" selected, which has no folder, and a folder for tweaks.
struct Run : TestRun {
    Run()
        : TestRun("Missing", {"mods/vantrax/AI", "mods/vantrax/python/game", "mods/Desert/AI",
                              "mods/Desert/python/game", "tweaks"})
    {
    }
    TextEditorWindow *editor(const QString &window) { return static_cast<TextEditorWindow *>(open(window)); }
    // A tweak file by its name in the tweak folder: its path, as shown, and its bytes.
    QString tweak(const QString &name) const { return games.filePath("Orvanthe/tweaks/" + name); }
    QString shown(const QString &name) const { return QDir::toNativeSeparators(tweak(name)); }
    QByteArray bytes(const QString &name) const { return games.read("Orvanthe/tweaks/" + name); }
    void load(frmTweak *window, const QString &name, const QByteArray &bytes)
    {
        games.write("Orvanthe/tweaks/" + name, bytes);
        prompts.fileNames = {tweak(name)};
        window->mnuFileLoad_Click();
    }
};

void trigger(QWidget *window, const QString &item)
{
    window->findChild<QAction *>(item)->trigger();
}

} // namespace

class tst_TextEditors : public QObject {
    Q_OBJECT
private slots:
    void theFrameLoadsSavesResetsAndResizes_data()
    {
        for (const char *column : {"window", "file", "stock", "reset"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *tag, const char *window, const char *file, const char *stock,
                            const char *reset) {
            QTest::newRow(tag) << QString(window) << QString(file) << QString(stock) << QString(reset);
        };
        row("bot names", "frmBotNames", "/AI/BotNames.ai", "BotNames.ai", "mnuFileReset");
        row("score module", "frmScore", "/python/game/scoringCommon.py", "scoringCommon.py", "mnuReset");
        row("tweak", "frmTweak", "", "", "");
    }
    // Read the stock mod's file, write the selected mod's, name a file that fails, keep the text.
    // The text area keeps its corner and grows with the window, above the tweak editor's path.
    void theFrameLoadsSavesResetsAndResizes()
    {
        QFETCH(QString, window);
        QFETCH(QString, file);
        QFETCH(QString, stock);
        QFETCH(QString, reset);
        Run run;
        TextEditorWindow *editor = run.editor(window);
        if (!file.isEmpty()) {
            editor->rtb->setPlainText("kept");
            trigger(editor, "mnuFileSave");
            QCOMPARE(run.prompts.messages.size(), 2);
            QVERIFY(run.prompts.messages[0].text.startsWith("Cannot read \"" + run.game + "/mods/vantrax" +
                                                            file));
            QVERIFY(run.prompts.messages[1].text.startsWith("Cannot write \"" + run.game + "/mods/Missing" +
                                                            file));
            QCOMPARE(editor->rtb->toPlainText(), QStringLiteral("kept"));

            // Closing drops the text; the next opening reads the stock mod's file again.
            run.prompts.messages.clear();
            run.app.windows().find<Form2>()->Text1->setText("Desert");
            run.games.write("Orvanthe/mods/vantrax" + file, "first\r\n\r\nsecond\r\n");
            QVERIFY(run.close(editor));
            editor = run.editor(window);
            QCOMPARE(editor->rtb->toPlainText(), QStringLiteral("first\n\nsecond\n"));
            editor->rtb->moveCursor(QTextCursor::End);
            editor->rtb->insertPlainText("third");
            trigger(editor, "mnuFileSave");
            QCOMPARE(run.games.read("Orvanthe/mods/Desert" + file),
                     QByteArray("first\r\n\r\nsecond\r\nthird\r\n"));
            trigger(editor, reset);
            QCOMPARE(run.games.read("Orvanthe/mods/Desert" + file), stockBytes(stock) + "\r\n");
            QCOMPARE(editor->fileText().toLatin1(), stockBytes(stock));
            QVERIFY(run.prompts.messages.isEmpty());
        }

        QVERIFY(QTest::qWaitForWindowExposed(editor));
        const auto area = [&] {
            QCoreApplication::sendPostedEvents();
            return QRect(editor->rtb->mapTo(editor, QPoint()), editor->rtb->size());
        };
        const auto pathBelow = [&] {
            const QLabel *path = editor->findChild<QLabel *>("Label1");
            const QRect label = path ? QRect(path->mapTo(editor, QPoint()), path->size()) : QRect();
            return !path ||
                   (label.height() > 0 && editor->rect().contains(label) && label.top() > area().bottom());
        };
        const QRect before = area();
        QVERIFY(pathBelow());
        editor->resize(editor->size() + QSize(150, 90));
        QCOMPARE(area(), before.adjusted(0, 0, 150, 90));
        QVERIFY(pathBelow());
        editor->resize(1, 1);
        QCOMPARE(area().topLeft(), before.topLeft());
    }

    // New, Load, Save and Save as; every byte value kept, and rich text shown and kept as written.
    void tweakEditorNewLoadSaveAndSaveAs()
    {
        Run run;
        auto *window = run.open<frmTweak>();
        QCOMPARE(window->rtb->toPlainText() + window->Label1->text(), Hint);
        window->mnuEditSearch->trigger();
        QCOMPARE(run.app.windows().find<frmSearch>()->parentWidget(), window);

        // Before any file was chosen, Save asks for a name; a cancelled dialog writes nothing.
        window->mnuFileSave_Click();
        run.prompts.fileNames = {run.tweak("hint.tweak")};
        window->mnuFileSave_Click();
        QCOMPARE(run.bytes("hint.tweak"), Hint.toLatin1() + "\r\n");

        const QByteArray html = "<html><b>bold</b></html>\r\n";
        for (const QByteArray &bytes : {everyByte(), QByteArray("{\\rtf1\\ansi\\b Object\\b0\\par}"), html}) {
            run.load(window, "round.tweak", bytes);
            window->mnuFileSave_Click();
            QCOMPARE(run.bytes("round.tweak"), bytes + "\r\n");
        }
        QCOMPARE(window->rtb->toPlainText(), QStringLiteral("<html><b>bold</b></html>\n"));

        // Save as onto an existing file, cancelled, and under a name as typed.
        run.prompts.fileNames = {run.tweak("hint.tweak"), QString(), run.tweak("plain")};
        for (const QString &label : {run.shown("hint.tweak"), run.shown("hint.tweak"), run.shown("plain")}) {
            window->mnuFileSaveAs_Click();
            QCOMPARE(window->Label1->text(), label);
        }
        QCOMPARE(run.bytes("hint.tweak") + run.bytes("plain"), html + "\r\n" + html + "\r\n");

        // New empties text and path; its Save asks for a name again.
        window->mnuFileNew_Click();
        QCOMPARE(window->rtb->toPlainText() + window->Label1->text(), QString());
        run.prompts.fileNames = {run.tweak("new.tweak")};
        window->mnuFileSave_Click();
        QCOMPARE(run.bytes("new.tweak"), QByteArray("\r\n"));
        QCOMPARE(run.prompts.fileFilters, QStringList(9, "Tweak files (*.tweak)"));

        // A file that cannot be read or written is named; the text stays, counted as changed, so
        // closing asks. The next opening starts afresh.
        run.prompts.fileNames = {run.tweak("missing.tweak"), run.tweak("nowhere/x.tweak")};
        window->mnuFileLoad_Click();
        window->rtb->insertPlainText("x");
        window->mnuFileSaveAs_Click();
        QCOMPARE(window->rtb->toPlainText() + window->Label1->text(), "x" + run.shown("new.tweak"));
        run.prompts.answers = {No};
        QVERIFY(run.close(window));
        QCOMPARE(run.prompts.messages.size(), 3);
        QVERIFY(run.prompts.messages[0].text.startsWith("Cannot read \"" + run.shown("missing.tweak")) &&
                run.prompts.messages[1].text.startsWith("Cannot write \"" + run.shown("nowhere/x.tweak")));
        QCOMPARE(run.open<frmTweak>()->rtb->toPlainText(), Hint);
    }

    void changedTweakIsNotDroppedWithoutAsking_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("named");
        for (const char *action : {"New", "Load", "Close", "close box"})
            for (const auto &[answer, name] : {std::pair(Cancel, "Cancel"), {No, "No"}, {Yes, "Yes"}})
                QTest::newRow(QByteArray(action) + ", " + name) << QString(action) << int(answer) << true;
        // Yes for a text without a file asks for a name; cancelling that stops the action.
        QTest::newRow("Close, unnamed, Yes, no name") << "Close" << int(Yes) << false;
        QTest::newRow("New, unnamed, Yes, no name") << "New" << int(Yes) << false;
    }
    void changedTweakIsNotDroppedWithoutAsking()
    {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, named);
        Run run;
        auto *window = run.open<frmTweak>();
        if (named)
            run.load(window, "open.tweak", "old\r\n");
        window->rtb->moveCursor(QTextCursor::Start);
        window->rtb->insertPlainText("changed ");
        const QString text = window->rtb->toPlainText() + window->Label1->text();
        run.games.write("Orvanthe/tweaks/other.tweak", "other\r\n");
        run.prompts.answers = {answer};
        run.prompts.fileNames = {action == u"Load" ? run.tweak("other.tweak") : QString()};
        const QPointer<frmTweak> open(window);
        if (action == u"New")
            window->mnuFileNew_Click();
        else if (action == u"Load")
            window->mnuFileLoad_Click();
        else if (action == u"Close")
            window->mnuFileTweak_Click();
        else
            window->close();

        const QString file = named ? run.shown("open.tweak") : QStringLiteral("the new tweak file");
        QCOMPARE(run.prompts.messages, Messages({{"Save changes to " + file + "?", 3 + 48}}));
        const QByteArray kept = answer == Yes ? "changed old\r\n\r\n" : "old\r\n";
        QCOMPARE(run.bytes("open.tweak"), named ? kept : QByteArray());
        const bool goesOn = answer == No || (answer == Yes && named);
        const bool closing = action == u"Close" || action == u"close box";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(!open, closing && goesOn);
        if (!goesOn)
            QCOMPARE(window->rtb->toPlainText() + window->Label1->text(), text);
        else if (!closing)
            QCOMPARE(window->rtb->toPlainText(), action == u"New" ? QString() : QStringLiteral("other\n"));
    }
};

QTEST_MAIN(tst_TextEditors)
#include "tst_TextEditors.moc"
