#include "editors/frame/EditorText.h"
#include "editors/tweak/frmTweak.h"
#include "selection/Form2.h"
#include "support/TestRun.h"
#include "utilities/search/frmSearch.h"
#include "utilities/versions/frmVersions.h"

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
        : TestRun("Missing", {"mods/Missing", "mods/vantrax/AI", "mods/vantrax/python/game", "mods/Desert/AI",
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

// A menu item's underlined letter, as a capital.
QChar mnemonic(const QAction *item)
{
    return item->text().section(u'&', 1).front().toUpper();
}

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
        for (const char *column : {"window", "file", "reset"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *tag, const QString &window, const QString &file,
                            const QString &reset) { QTest::newRow(tag) << window << file << reset; };
        row("bot names", "frmBotNames", "/AI/BotNames.ai", "mnuFileReset");
        row("score module", "frmScore", "/python/game/scoringCommon.py", "mnuReset");
        row("tweak", "frmTweak", "", "");
    }
    // Read the stock mod's file, write the selected mod's, name a file that fails, keep the text.
    // The text area keeps its corner and grows with the window, above the tweak editor's path.
    void theFrameLoadsSavesResetsAndResizes()
    {
        QFETCH(QString, window);
        QFETCH(QString, file);
        QFETCH(QString, reset);
        Run run;
        TextEditorWindow *editor = run.editor(window);
        const QByteArray mixed = "one\r\r\ntwo\rthree\nfour\r\n";
        const QString saved = file.isEmpty() ? "Orvanthe/tweaks/mixed.tweak" : "Orvanthe/mods/Desert" + file;
        if (!file.isEmpty()) {
            // The empty text of a file that could not be read is not saved; a reset that could
            // not be written is not shown.
            trigger(editor, "mnuFileSave");
            trigger(editor, reset);
            QVERIFY(editor->rtb->toPlainText().isEmpty() && run.prompts.messages.size() == 3);
            QVERIFY(run.prompts.messages[0].text.startsWith(
                "Cannot read \"" + QDir::toNativeSeparators(run.game + "/mods/vantrax" + file)));
            QVERIFY(run.prompts.messages[1].text.startsWith("Nothing was saved") &&
                    run.prompts.messages[1].style == 48);
            QVERIFY(run.prompts.messages[2].text.startsWith(
                "Cannot write \"" + QDir::toNativeSeparators(run.game + "/mods/Missing" + file)));
            run.prompts = {};
            run.selectMod("Desert");
            run.games.write("Orvanthe/mods/vantrax" + file, mixed);
            QVERIFY(run.close(editor));
            editor = run.editor(window);
        } else {
            run.load(static_cast<frmTweak *>(editor), "mixed.tweak", mixed);
        }
        // One text is shown, searched and saved: a lone CR is a mark, the other line ends breaks;
        // Shift+Enter breaks a line as Enter does. F3 opens the find window, then finds.
        QCOMPARE(editor->rtb->toPlainText(), "one\u240D\ntwo\u240Dthree\nfour\n");
        QCOMPARE(editor->rtb->textCursor().position(), 0);
        QApplication::setActiveWindow(editor);
        QTest::keyClick(editor->rtb, Qt::Key_F3);
        run.app.windows().find<frmSearch>()->Text1->setText("FOUR");
        QTest::keyClick(editor->rtb, Qt::Key_F3);
        QCOMPARE(editor->rtb->textCursor().selectedText(), QStringLiteral("four"));
        // Edits anywhere keep the text that searches and saves take equal to the document's.
        const auto shown = [&] {
            qsizetype from = 0;
            return editor->shownText().nextLines(from, editor->shownText().size());
        };
        const auto same = [&] {
            return shown() == editor->rtb->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
        };
        QTextCursor cursor(editor->rtb->document());
        for (const auto &[from, to, typed] : QList<std::tuple<int, int, QString>>{
                 {0, 0, "a\u00A0"}, {5, 12, "b\nc"}, {3, 3, ""}, {0, 2, "\u240D"}}) {
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            cursor.insertText(typed);
            QVERIFY(same());
        }
        editor->rtb->undo();
        QVERIFY(same());
        for (int i = 0; i < 4; ++i)
            editor->rtb->undo();
        QVERIFY(same());
        editor->rtb->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor->rtb, "five");
        QTest::keyClick(editor->rtb, Qt::Key_Return, Qt::ShiftModifier);
        trigger(editor, "mnuFileSave");
        QCOMPARE(run.games.read(saved), QByteArray("one\r\r\ntwo\rthree\r\nfour\r\nfive\r\n\r\n"));
        QVERIFY(!editor->rtb->document()->isModified());
        if (!file.isEmpty()) {
            trigger(editor, reset);
            const QByteArray stock = stockBytes(QFileInfo(file).fileName());
            QCOMPARE(run.games.read(saved), stock + "\r\n");
            QCOMPARE(fileTextFromEditor(shown()).toLatin1(), stock);
            // Undo brings the text back, unsaved; the reset file stays.
            editor->rtb->undo();
            QVERIFY(editor->rtb->document()->isModified() && run.games.read(saved) == stock + "\r\n");
            QCOMPARE(fileTextFromEditor(shown()).toLatin1() + "\r\n",
                     "one\r\r\ntwo\rthree\r\nfour\r\nfive\r\n\r\n");
        }
        // A file dropped on the text opens in the tweak editor, asking about the changes first, and
        // never goes in as text.
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(run.tweak("dropped.tweak"))});
        dropped.setText(dropped.urls().first().toString());
        run.games.write("Orvanthe/tweaks/dropped.tweak", "dropped\r\n");
        editor->rtb->insertPlainText("typed");
        run.prompts.answers = {Prompts::No};
        const QString unchanged = editor->rtb->toPlainText();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor->rtb->viewport(), &enter);
        QCoreApplication::sendEvent(editor->rtb->viewport(), &drop);
        QCoreApplication::processEvents();
        QCOMPARE(editor->rtb->toPlainText(), file.isEmpty() ? QStringLiteral("dropped\n") : unchanged);
        QCOMPARE(run.prompts.messages.size(), file.isEmpty() ? 1 : 0);
        run.prompts = {};
        // What a save replaced is kept: the tweak file as loaded, the mod's file as saved.
        QCOMPARE(run.versions(saved),
                 QList<QByteArray>{file.isEmpty() ? mixed : "one\r\r\ntwo\rthree\r\nfour\r\nfive\r\n\r\n"});
        QVERIFY(run.prompts.messages.isEmpty());

        QVERIFY(QTest::qWaitForWindowExposed(editor));
        const auto area = [&] {
            QCoreApplication::sendPostedEvents();
            return QRect(editor->rtb->mapTo(editor, QPoint()), editor->rtb->size());
        };
        const QLabel *path = editor->findChild<QLabel *>("Label1");
        const auto pathBelow = [&] {
            const QRect label(path->mapTo(editor, QPoint()), path->size());
            return label.height() > 0 && editor->rect().contains(label) && label.top() > area().bottom();
        };
        const QRect before = area();
        editor->resize(editor->size() + QSize(150, 90));
        QCOMPARE(area(), before.adjusted(0, 0, 150, 90));
        QVERIFY(!path || pathBelow());
        editor->resize(1, 1);
        QCOMPARE(area().topLeft(), before.topLeft());
    }

    // New, Load, Save and Save as; every byte value kept, and rich text shown and kept as written.
    // Started with a file, the program opens it in the editor, in front of the launcher.
    void tweakEditorNewLoadSaveAndSaveAs()
    {
        Run run;
        run.games.write("Orvanthe/tweaks/given.tweak", "given\r\n");
        QDir::setCurrent(run.games.filePath("Orvanthe"));
        frmTweak::openAtStart(run.app, "tweaks/given.tweak");
        auto *window = run.app.windows().find<frmTweak>();
        QVERIFY(window->isVisible() && window->parentWidget() == run.launcher());
        QCOMPARE(window->rtb->toPlainText() + window->Label1->text(), "given\n" + run.shown("given.tweak"));
        window->mnuFileNew_Click();
        QVERIFY(run.close(window));
        window = run.open<frmTweak>();
        QCOMPARE(window->rtb->toPlainText() + window->Label1->text(), Hint);

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

        // Save as onto an existing file, cancelled, and under a name typed without an extension,
        // which gets ".tweak" (one with a dot stays as typed): replacing a file the dialog did not
        // name asks first.
        run.prompts.fileNames = {run.tweak("hint.tweak"), QString(),         run.tweak("plain"),
                                 run.tweak("my.file"),    run.tweak("hint"), run.tweak("hint")};
        run.prompts.answers = {No, Yes};
        for (const char *label :
             {"hint.tweak", "hint.tweak", "plain.tweak", "my.file", "my.file", "hint.tweak"}) {
            window->mnuFileSaveAs_Click();
            QCOMPARE(window->Label1->text(), run.shown(label));
        }
        QCOMPARE(run.bytes("hint.tweak") + run.bytes("plain.tweak") + run.bytes("my.file"),
                 (html + "\r\n").repeated(3));
        QVERIFY(!QFileInfo::exists(run.tweak("plain")) && !QFileInfo::exists(run.tweak("hint")));
        QCOMPARE(run.prompts.messages, Messages(2, {"\"" + run.shown("hint.tweak") +
                                                        "\" already exists. Do you want to replace it?",
                                                    52}));
        run.prompts.messages.clear();
        QCOMPARE(run.versions("Orvanthe/tweaks/hint.tweak"), QList<QByteArray>{Hint.toLatin1() + "\r\n"});

        // New empties text and path: its Save asks for a name again and writes an empty line.
        window->mnuFileNew_Click();
        run.prompts.fileNames = {run.tweak("new.tweak")};
        window->mnuFileSave_Click();
        QCOMPARE(run.bytes("new.tweak"), QByteArray("\r\n"));
        QCOMPARE(run.prompts.fileFilters, QStringList(12, "Tweak files (*.tweak)"));

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

    // Open Recent lists the last eight files loaded or saved, newest first, one a line in the
    // program folder for the next run: a file loaded again, in any letter case it is found in,
    // moves to the top; a file that is gone is named when chosen and taken off.
    void tweakEditorListsRecentFiles()
    {
        Run run;
        auto *window = run.open<frmTweak>();
        QVERIFY(!window->mnuFileRecent->menuAction()->isEnabled());
        for (int file = 1; file <= 9; ++file)
            run.load(window, QString::number(file) + ".tweak", QByteArray::number(file));
        run.prompts.fileNames = {run.tweak("5.TWEAK"), run.tweak("saved")};
        window->mnuFileLoad_Click();
        window->mnuFileSaveAs_Click();
        QFile::remove(run.tweak("9.tweak"));
        window->rtb->insertPlainText("changed ");
        run.prompts.answers = {Prompts::Ok, No};
        window->mnuFileRecent->actions().at(2)->trigger();
        window->mnuFileRecent->actions().at(6)->trigger();
        QCOMPARE(window->rtb->toPlainText(), "3");
        QCOMPARE(run.prompts.messages, Messages({{"Cannot open \"" + run.shown("9.tweak") +
                                                      "\": the file is no longer there, so it is taken off "
                                                      "the recent files.",
                                                  48},
                                                 {"Save changes to " + run.shown("saved.tweak") + "?", 51}}));
        QStringList items;
        QByteArray stored;
        for (const char *name :
             {"3.tweak", "saved.tweak", "5.tweak", "8.tweak", "7.tweak", "6.tweak", "4.tweak"}) {
            items << QStringLiteral("&%1 %2").arg(items.size() + 1).arg(run.shown(name));
            stored += run.shown(name).toUtf8() + "\r\n";
        }
        QVERIFY(run.close(window));
        window = run.open<frmTweak>();
        QVERIFY(window->mnuFileRecent->menuAction()->isEnabled());
        QStringList shown;
        for (const QAction *item : window->mnuFileRecent->actions())
            shown << item->text();
        QCOMPARE(shown, items);
        QCOMPARE(run.programFolder.read("recentTweaks.ini"), stored);
    }

    // A large text shows its beginning at once and cannot be edited until the rest has followed;
    // a save or a search meanwhile takes the whole text.
    void largeTextsFollowTheirBeginning()
    {
        Run run;
        auto *window = run.open<frmTweak>();
        QByteArray large;
        for (int line = 0; line < 30000; ++line)
            large +=
                "ObjectTemplate.setTorque " + QByteArray::number(line) + (line % 7 ? "\r\n" : "\xE9\r\r\n");
        run.load(window, "large.tweak", large);
        QVERIFY(window->rtb->isReadOnly() && window->rtb->document()->characterCount() < large.size() / 2);
        window->mnuFileSave_Click();
        QCOMPARE(run.bytes("large.tweak"), large + "\r\n");
        auto *search = frmSearch::open(run.app, window, false);
        search->Text1->setText("Torque 29999");
        search->Command1_Click();
        QCOMPARE(window->rtb->textCursor().selectedText(), "Torque 29999");
        QVERIFY(!window->rtb->isReadOnly() && !window->rtb->document()->isModified());
        QCOMPARE(window->rtb->toPlainText(),
                 QString::fromLatin1(large).replace("\r\n", "\n").replace(u'\r', QChar(0x240D)));
        // A character the code page cannot hold, far into the text, is named; nothing is written.
        QTextCursor(window->rtb->document()->lastBlock()).insertText(QStringLiteral("\u0142"));
        window->mnuFileSave_Click();
        QCOMPARE(run.bytes("large.tweak"), large + "\r\n");
        QCOMPARE(run.prompts.messages.value(0).text,
                 "Cannot write \"" + run.shown("large.tweak") +
                     "\": it holds the character \u201C\u0142\u201D (U+0142), which the game's code page "
                     "cannot store.");
        window->rtb->undo();
        // New while the text fills in empties it for good.
        run.load(window, "large.tweak", large);
        window->mnuFileNew_Click();
        QCoreApplication::processEvents();
        QVERIFY(window->rtb->toPlainText().isEmpty() && !window->rtb->isReadOnly());
    }

    // Go to Line offers the caret's line within the whole text's range (a text still filling in is
    // put in whole first) and puts the caret at the chosen line's start, on screen; Cancel leaves
    // it. The Edit items that cannot act are disabled, as long as they cannot.
    void goToLineAndTheEditItemsThatCanAct()
    {
        Run run;
        auto *window = run.open<frmTweak>();
        const auto enabled = [window] {
            QString items;
            for (QAction *item : {window->mnuEditUndo, window->mnuEditRedo, window->mnuEditCut,
                                  window->mnuEditCopy, window->mnuEditPaste, window->mnuEditSelectAll})
                items += item->isEnabled() ? mnemonic(item) : u'-';
            return items;
        };
        QGuiApplication::clipboard()->setText(QStringLiteral("echo"));
        QByteArray lines;
        for (int line = 1; line <= 9000; ++line)
            lines += "ObjectTemplate.setTorque " + QByteArray::number(line) + "\r\n";
        run.load(window, "lines.tweak", lines);
        QCOMPARE(enabled(), "-----A");
        run.prompts.lineNumbers = {7000};
        trigger(window, "mnuEditGoToLine");
        trigger(window, "mnuEditGoToLine");
        QCOMPARE(run.prompts.lineRanges, QStringList({"1 of 1 to 9001", "7000 of 1 to 9001"}));
        const QTextCursor caret = window->rtb->textCursor();
        QVERIFY(caret.atBlockStart() && caret.block().text() == "ObjectTemplate.setTorque 7000");
        QVERIFY(window->rtb->viewport()->rect().contains(window->rtb->cursorRect()));
        QCOMPARE(enabled(), "----PA");
        QTest::keyClicks(window->rtb, "x");
        QCOMPARE(enabled(), "U---PA");
        trigger(window, "mnuEditUndo");
        QCOMPARE(enabled(), "-R--PA");
        trigger(window, "mnuEditSelectAll");
        QCOMPARE(enabled(), "-RTCPA");
        trigger(window, "mnuEditCut");
        QCOMPARE(enabled(), "U---P-");
    }

    // The View choices hold for every open editor at once and are kept for the next run; a line the
    // file does not hold as written means that choice's default. A text holding a line of more
    // than 64 K characters shows wrapped until the user says otherwise.
    void viewChoicesHoldForEveryEditorAndAreKept()
    {
        Run run;
        run.programFolder.write("TextView.ini", "SyntaxColours=no\r\nWrapLongLines=1\r\n");
        auto *tweak = run.open<frmTweak>();
        const auto shown = [](TextEditorWindow *editor) {
            QString view;
            for (QAction *item : {editor->mnuViewColours, editor->mnuViewLineNumbers, editor->mnuViewWrap})
                view += item->isChecked() ? mnemonic(item) : u'-';
            const bool wraps = editor->rtb->lineWrapMode() == QPlainTextEdit::WidgetWidth;
            return view + (editor->rtb->lineNumbersShown() ? "L" : "-") + (wraps ? "W" : "-");
        };
        QCOMPARE(shown(tweak), "CLWLW");
        trigger(tweak, "mnuViewWrap");
        trigger(tweak, "mnuViewLineNumbers");
        QCOMPARE(run.programFolder.read("TextView.ini"),
                 "SyntaxColours=1\r\nLineNumbers=0\r\nWrapLongLines=0\r\n");
        TextEditorWindow *botNames = run.editor("frmBotNames");
        QCOMPARE(shown(botNames), "C----");
        run.load(tweak, "long.tweak", "rem " + QByteArray(70000, 'x') + "\r\nrun next\r\n");
        QCOMPARE(shown(tweak), "C-W-W");
        trigger(botNames, "mnuViewLineNumbers");
        QCOMPARE(shown(tweak), "CLWLW");
        QCOMPARE(shown(botNames), "CL-L-");
        trigger(tweak, "mnuFileNew");
        QCOMPARE(shown(tweak), "CL-L-");
        run.load(tweak, "long.tweak", run.bytes("long.tweak"));
        trigger(tweak, "mnuViewWrap");
        QCOMPARE(shown(tweak), "CL-L-");
        // Colours come and go with their item, and a text over 2 MB has none.
        const auto coloured = [tweak] {
            tweak->rtb->viewport()->repaint();
            return !tweak->rtb->document()->firstBlock().layout()->formats().isEmpty();
        };
        QVERIFY(coloured());
        trigger(tweak, "mnuViewColours");
        QVERIFY(!coloured());
        trigger(tweak, "mnuViewColours");
        run.load(tweak, "large.tweak", QByteArray("rem large\r\n").repeated(220000));
        QVERIFY(!coloured() && tweak->mnuViewColours->isChecked());
    }

    // Restore Previous Version lists the installation's files with versions and the chosen file's;
    // Yes writes the chosen one back, keeping the file as a version, and shows it anew in the editor
    // showing that file, asking first there while it holds changes.
    void restoreWritesAVersionBackAndShowsIt()
    {
        Run run;
        run.selectMod("vantrax");
        run.games.write("Orvanthe/mods/vantrax/AI/BotNames.ai", "first\r\n");
        TextEditorWindow *names = run.editor("frmBotNames");
        names->rtb->setPlainText("second");
        trigger(names, "mnuFileSave");
        names->rtb->insertPlainText("unsaved ");
        trigger(names, "mnuFileRestore");
        auto *versions = run.app.windows().find<frmVersions>();
        QVERIFY(versions->isVisible() && versions->parentWidget() == names &&
                versions->lstFiles->count() == 1);
        QCOMPARE(versions->lstFiles->item(0)->text(),
                 QDir::toNativeSeparators("mods/vantrax/AI/BotNames.ai"));
        QCOMPARE(versions->lstVersions->topLevelItem(0)->text(2), "line 1: first");
        for (const QList<int> &answers : QList<QList<int>>{{No}, {Yes, No}, {Yes, Yes}}) {
            run.prompts.answers = answers;
            versions->cmdRestore_Click();
        }
        QCOMPARE(run.games.read("Orvanthe/mods/vantrax/AI/BotNames.ai"), "second\r\n");
        QVERIFY(names->rtb->toPlainText() == "second\n" && !names->rtb->document()->isModified());
        QCOMPARE(run.versions("Orvanthe/mods/vantrax/AI/BotNames.ai"),
                 QList<QByteArray>({"first\r\n", "second\r\n", "first\r\n"}));
        const QString file = QDir::toNativeSeparators(run.game + "/mods/vantrax/AI/BotNames.ai");
        const QRegularExpression question("^Write back \"" + QRegularExpression::escape(file) +
                                          "\" as it was kept on \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\? "
                                          "The file as it is now is kept as a version\\.$");
        QVERIFY(run.prompts.messages.size() == 5 && question.match(run.prompts.messages[3].text).hasMatch() &&
                run.prompts.messages[3].style == 36);
        QCOMPARE(run.prompts.messages[4],
                 (ScriptedPrompts::Message{"\"Change Bot Names\" holds changes that are not saved. Drop them "
                                           "and show the restored \"" +
                                               file + "\"?",
                                           52}));
    }

    void changedTextIsNotDroppedWithoutAsking_data()
    {
        for (const char *column : {"window", "action"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("savable");
        const auto row = [](const char *window, const char *action, Answer answer, const char *name,
                            bool savable) {
            QTest::newRow(QByteArray(window) + ", " + action + ", " + name)
                << QString(window) << QString(action) << int(answer) << savable;
        };
        const std::tuple<Answer, const char *> answers[] = {{Cancel, "Cancel"}, {No, "No"}, {Yes, "Yes"}};
        for (const char *action : {"mnuFileNew", "mnuFileLoad", "mnuFileTweak", "close box", "exit"})
            for (const auto &[answer, name] : answers)
                row("frmTweak", action, answer, name, true);
        // Yes for a text without a file asks for a name, and for a mod without a folder fails to
        // write: either stops the action.
        row("frmTweak", "mnuFileTweak", Yes, "Yes, no name", false);
        row("frmTweak", "mnuFileNew", Yes, "Yes, no name", false);
        for (const char *window : {"frmBotNames", "frmScore"})
            for (const char *action : {"Esc", "exit"}) {
                for (const auto &[answer, name] : answers)
                    row(window, action, answer, name, true);
                row(window, action, Yes, "Yes, failing", false);
            }
    }
    // New, Load, Close (the tweak editor's menu items), the close box, Esc and the program's exit
    // ask before a changed text is dropped; Yes saves it first.
    void changedTextIsNotDroppedWithoutAsking()
    {
        QFETCH(QString, window);
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, savable);
        Run run;
        const bool tweak = window == u"frmTweak";
        const QString modFile =
            window == u"frmBotNames" ? "/AI/BotNames.ai" : "/python/game/scoringCommon.py";
        const QString target = QDir::toNativeSeparators(
            tweak ? run.tweak("open.tweak")
                  : run.game + "/mods/" + (savable ? "Desert" : "Missing") + modFile);
        if (!tweak) {
            run.games.write("Orvanthe/mods/vantrax" + modFile, "old\r\n");
            run.selectMod(savable ? "Desert" : "Missing");
        }
        TextEditorWindow *editor = run.editor(window);
        if (tweak && savable)
            run.load(static_cast<frmTweak *>(editor), "open.tweak", "old\r\n");
        editor->rtb->moveCursor(QTextCursor::Start);
        editor->rtb->insertPlainText("changed ");
        const QString before = editor->rtb->toPlainText();
        run.games.write("Orvanthe/tweaks/other.tweak", "other\r\n");
        run.prompts.answers = {answer};
        run.prompts.fileNames = {action == u"mnuFileLoad" ? run.tweak("other.tweak") : QString()};
        const QPointer<TextEditorWindow> open(editor);
        if (action == u"close box" || action == u"Esc") {
            run.close(editor, action == u"Esc");
        } else if (action == u"exit") {
            run.prompts.answers.prepend(Yes);
            run.launcher()->close();
        } else {
            trigger(editor, action);
        }

        Messages expected = {
            {"Save changes to " + (savable || !tweak ? target : "the new tweak file") + "?", 51}};
        if (action == u"exit")
            expected.prepend({"Are you sure you want exit?", 68});
        if (!savable && !tweak)
            QVERIFY(run.prompts.messages.takeLast().text.startsWith("Cannot write \"" + target));
        QCOMPARE(run.prompts.messages, expected);
        const bool goesOn = answer == No || (answer == Yes && savable);
        const QByteArray kept = tweak && savable ? "old\r\n" : "";
        QCOMPARE(run.games.read(tweak ? "Orvanthe/tweaks/open.tweak" : "Orvanthe/mods/Desert" + modFile),
                 answer == Yes && savable ? QByteArray("changed old\r\n\r\n") : kept);
        const bool closing = action == u"mnuFileTweak" || action == u"close box" || action == u"Esc";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(!open, closing && goesOn);
        QCOMPARE(run.prompts.endProcessCalls, int(action == u"exit" && goesOn));
        if (!goesOn)
            QCOMPARE(editor->rtb->toPlainText(), before);
        else if (!closing && action != u"exit")
            QCOMPARE(editor->rtb->toPlainText(),
                     action == u"mnuFileNew" ? QString() : QStringLiteral("other\n"));
    }
};

QTEST_MAIN(tst_TextEditors)
#include "tst_TextEditors.moc"
