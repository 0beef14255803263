#include "editors/tweak/FileFilter.h"
#include "editors/tweak/frmTweak.h"
#include "support/TestRun.h"
#include "utilities/search/frmSearch.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using Messages = QList<ScriptedPrompts::Message>;

const QString Hint = QStringLiteral("Tweak files can be found in this folder:   "
                                    "Orvanthe\\mods\\vantrax\\Objects\\ in the zip files.");
const QString Filter = QStringLiteral("Tweak files (*.tweak)");
const int Yes = 6, No = 7, Cancel = 2;
const int Question = 3 + 48;

struct Run : TestRun {
    Run() : TestRun(QStringLiteral("Vantrax"), {"tweaks"}) {}
    frmTweak *open() { return TestRun::open<frmTweak>(); }
    // The full path of a file below the tweak folder, as a file dialog returns it.
    QString path(const QString &name) const
    {
        return games.filePath(QStringLiteral("Orvanthe/tweaks/") + name);
    }
    QByteArray read(const QString &name) const
    {
        return games.read(QStringLiteral("Orvanthe/tweaks/") + name);
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        games.write(QStringLiteral("Orvanthe/tweaks/") + name, bytes);
    }
    QString label(const frmTweak *window) const { return window->Label1->text(); }
    QString shown(const QString &name) const { return QDir::toNativeSeparators(path(name)); }
    bool isOpen()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return app.windows().find<frmTweak>() != nullptr;
    }
};

// The file's text as the text area shows it: one line break between lines.
QString editorText(const QByteArray &crlfText)
{
    return QString::fromLatin1(crlfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class tst_Tweak : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheHintAndNoFile();
    void newLoadSaveAndSaveAs();
    void filesRoundTripByteForByte();
    void cancelledDialogsAndSaveWithoutFile();
    void changedTextIsNotDroppedWithoutAsking();
    void unreadableAndUnwritableFilesAreReported();
    void textAreaFollowsTheWindowAboveThePath();
    void classicFiltersBecomeDialogFilters();
};

void tst_Tweak::startsWithTheHintAndNoFile()
{
    Run run;
    frmTweak *window = run.open();
    QCOMPARE(window->windowTitle(), QStringLiteral("Tweak Editor"));
    QCOMPARE(window->rtb->toPlainText(), Hint);
    QCOMPARE(run.label(window), QString());

    QStringList items;
    for (const QAction *item : window->mnuFile->actions())
        items << item->objectName() + u' ' + item->text() + u' ' + item->shortcut().toString();
    QCOMPARE(items,
             QStringList({"mnuFileNew New Ctrl+N", "mnuFileLoad Load Ctrl+O", "mnuFileSave Save Ctrl+S",
                          "mnuFileSaveAs Save as Ctrl+D", "mnuFileStreep  ", "mnuFileTweak Close "}));

    window->mnuEditSearch->trigger();
    const frmSearch *search = run.app.windows().find<frmSearch>();
    QVERIFY(search && search->isVisible());
    QCOMPARE(search->parentWidget(), window);

    // Closing drops the loaded file; the next opening starts afresh.
    run.write("a.tweak", "loaded\r\n");
    run.prompts.fileNames = {run.path("a.tweak")};
    window->mnuFileLoad_Click();
    window->mnuFileTweak_Click();
    QVERIFY(!run.isOpen());
    window = run.open();
    QCOMPARE(window->rtb->toPlainText(), Hint);
    QCOMPARE(run.label(window), QString());
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_Tweak::newLoadSaveAndSaveAs()
{
    Run run;
    frmTweak *window = run.open();

    window->mnuFileNew_Click();
    QCOMPARE(window->rtb->toPlainText(), QString());
    run.prompts.fileNames = {run.path("new.tweak")};
    window->mnuFileSaveAs_Click();
    QCOMPARE(run.read("new.tweak"), QByteArray("\r\n"));
    QCOMPARE(run.label(window), run.shown("new.tweak"));
    QCOMPARE(run.prompts.fileFilters, QStringList({Filter}));

    // Loading replaces the whole text, typed text included; Save writes back to the loaded file.
    run.write("vehicle.tweak", "ObjectTemplate.create Engine tank\r\nObjectTemplate.setMaxSpeed 40\r\n");
    window->rtb->insertPlainText(QStringLiteral("typed"));
    run.prompts.answers = {No};
    run.prompts.fileNames = {run.path("vehicle.tweak")};
    window->mnuFileLoad_Click();
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("ObjectTemplate.create Engine tank\n"
                                                        "ObjectTemplate.setMaxSpeed 40\n"));
    QCOMPARE(run.label(window), run.shown("vehicle.tweak"));
    window->rtb->moveCursor(QTextCursor::End);
    window->rtb->insertPlainText(QStringLiteral("ObjectTemplate.setArmor 90"));
    window->mnuFileSave_Click();
    QCOMPARE(run.read("vehicle.tweak"), QByteArray("ObjectTemplate.create Engine tank\r\n"
                                                   "ObjectTemplate.setMaxSpeed 40\r\n"
                                                   "ObjectTemplate.setArmor 90\r\n"));

    // Save as onto an existing file replaces it; a name without extension is kept as typed.
    run.prompts.fileNames = {run.path("new.tweak"), run.path("plain")};
    window->mnuFileSaveAs_Click();
    const QByteArray saved = "ObjectTemplate.create Engine tank\r\nObjectTemplate.setMaxSpeed 40\r\n"
                             "ObjectTemplate.setArmor 90\r\n";
    QCOMPARE(run.read("new.tweak"), saved);
    window->mnuFileSaveAs_Click();
    QCOMPARE(run.read("plain"), saved);
    QCOMPARE(run.label(window), run.shown("plain"));
    QCOMPARE(run.games.entries().filter("tweaks/"),
             QStringList({"Orvanthe/tweaks/.keep", "Orvanthe/tweaks/new.tweak", "Orvanthe/tweaks/plain",
                          "Orvanthe/tweaks/vehicle.tweak"}));

    // New empties text and path: the next Save asks for a name.
    window->mnuFileNew_Click();
    QCOMPARE(run.label(window), QString());
    run.prompts.fileNames = {run.path("second.tweak")};
    window->mnuFileSave_Click();
    QCOMPARE(run.read("second.tweak"), QByteArray("\r\n"));
    QCOMPARE(run.prompts.fileFilters, QStringList(5, Filter));
    QCOMPARE(run.prompts.messages, Messages({{"Save changes to " + run.shown("new.tweak") + "?", Question}}));
}

void tst_Tweak::filesRoundTripByteForByte()
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b) {
        if (b == '\n')
            continue;
        everyByte += char(b);
        if (b == '\r')
            everyByte += '\n';
    }
    const QList<QByteArray> files = {
        "rem crlf file\r\nObjectTemplate.activeSafe GenericFireArm gun\r\n\r\nlast line\r\n",
        everyByte,
        // Rich text is shown and kept as the characters it is written in.
        "{\\rtf1\\ansi{\\fonttbl\\f0 Arial;}\\f0\\b ObjectTemplate\\b0\\par}",
        "<html><body><b>bold</b></body></html>\r\n",
    };
    Run run;
    frmTweak *window = run.open();
    for (const QByteArray &bytes : files) {
        run.write("round.tweak", bytes);
        run.prompts.fileNames = {run.path("round.tweak")};
        window->mnuFileLoad_Click();
        QCOMPARE(window->rtb->toPlainText().size(), editorText(bytes).size());
        window->mnuFileSave_Click();
        QCOMPARE(run.read("round.tweak"), bytes + "\r\n");
    }
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("<html><body><b>bold</b></body></html>\n"));
    QVERIFY(run.prompts.messages.isEmpty());
}

void tst_Tweak::cancelledDialogsAndSaveWithoutFile()
{
    Run run;
    frmTweak *window = run.open();
    run.write("kept.tweak", "kept\r\n");
    run.prompts.fileNames = {run.path("kept.tweak")};
    window->mnuFileLoad_Click();
    window->rtb->insertPlainText(QStringLiteral("new "));

    window->mnuFileSaveAs_Click();
    run.prompts.answers = {No};
    window->mnuFileLoad_Click();
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("new kept\n"));
    QCOMPARE(run.label(window), run.shown("kept.tweak"));
    QCOMPARE(run.read("kept.tweak"), QByteArray("kept\r\n"));
    QCOMPARE(run.prompts.fileFilters.size(), 3);

    // Before any file was chosen, Save asks for a name; cancelling it writes nothing.
    Run first;
    window = first.open();
    window->mnuFileSave_Click();
    QCOMPARE(first.games.entries().filter("tweaks/"), QStringList({"Orvanthe/tweaks/.keep"}));
    QCOMPARE(first.label(window), QString());
    first.prompts.fileNames = {first.path("hint.tweak")};
    window->mnuFileSave_Click();
    QCOMPARE(first.read("hint.tweak"), Hint.toLatin1() + "\r\n");
    QCOMPARE(first.label(window), first.shown("hint.tweak"));
    QCOMPARE(run.prompts.messages,
             Messages({{"Save changes to " + run.shown("kept.tweak") + "?", Question}}));
    QVERIFY(first.prompts.messages.isEmpty());
}

void tst_Tweak::changedTextIsNotDroppedWithoutAsking()
{
    // Each action with each answer, on a changed text loaded from "open.tweak".
    enum Action { New, Load, CloseItem, CloseBox };
    for (const Action action : {New, Load, CloseItem, CloseBox}) {
        for (const int answer : {Cancel, No, Yes}) {
            const QByteArray what = QByteArray::number(action) + '/' + QByteArray::number(answer);
            Run run;
            frmTweak *window = run.open();
            run.write("open.tweak", "old\r\n");
            run.write("other.tweak", "other\r\n");
            run.prompts.fileNames = {run.path("open.tweak")};
            window->mnuFileLoad_Click();
            window->rtb->insertPlainText(QStringLiteral("changed "));
            run.prompts.answers = {answer};
            if (action == Load)
                run.prompts.fileNames = {run.path("other.tweak")};
            switch (action) {
            case New:
                window->mnuFileNew_Click();
                break;
            case Load:
                window->mnuFileLoad_Click();
                break;
            case CloseItem:
                window->mnuFileTweak_Click();
                break;
            case CloseBox:
                window->close();
                break;
            }
            QVERIFY2(run.prompts.messages ==
                         Messages({{"Save changes to " + run.shown("open.tweak") + "?", Question}}),
                     what);
            QVERIFY2(run.read("open.tweak") == (answer == Yes ? "changed old\r\n\r\n" : "old\r\n"), what);
            const bool goesOn = answer != Cancel;
            QVERIFY2(run.isOpen() == (!goesOn || action == New || action == Load), what);
            if (!goesOn) {
                QVERIFY2(window->rtb->toPlainText() == "changed old\n", what);
                QVERIFY2(run.label(window) == run.shown("open.tweak"), what);
            } else if (action == New) {
                QVERIFY2(window->rtb->toPlainText().isEmpty() && run.label(window).isEmpty(), what);
            } else if (action == Load) {
                QVERIFY2(window->rtb->toPlainText() == "other\n", what);
                QVERIFY2(run.label(window) == run.shown("other.tweak"), what);
            }
        }
    }

    // With no file yet, Yes asks for a name; cancelling that stops the action.
    Run run;
    frmTweak *window = run.open();
    window->rtb->insertPlainText(QStringLiteral("typed "));
    run.prompts.answers = {Yes};
    window->mnuFileTweak_Click();
    QVERIFY(run.isOpen());
    QCOMPARE(run.prompts.messages, Messages({{"Save changes to the new tweak file?", Question}}));
    QCOMPARE(run.prompts.fileFilters, QStringList({Filter}));

    // An unchanged text, or one just saved, is left without a question.
    run.prompts.answers = {Yes};
    run.prompts.fileNames = {run.path("typed.tweak")};
    window->mnuFileNew_Click();
    QCOMPARE(run.read("typed.tweak"), "typed " + Hint.toLatin1() + "\r\n");
    window->mnuFileNew_Click();
    window->close();
    QVERIFY(!run.isOpen());
    QCOMPARE(run.prompts.messages.size(), 2);
}

void tst_Tweak::unreadableAndUnwritableFilesAreReported()
{
    Run run;
    frmTweak *window = run.open();
    run.write("here.tweak", "here\r\n");
    run.prompts.fileNames = {run.path("here.tweak"), run.path("missing.tweak"), run.path("nowhere/x.tweak")};
    window->mnuFileLoad_Click();
    window->mnuFileLoad_Click();
    window->mnuFileSaveAs_Click();
    const QString missing = run.shown("missing.tweak");
    const QString nowhere = run.shown("nowhere");
    QCOMPARE(run.prompts.messages,
             Messages({{"Cannot read \"" + missing + "\": the file does not exist.", 16},
                       {"Cannot write \"" + run.shown("nowhere/x.tweak") + "\": the folder \"" + nowhere +
                            "\" does not exist.",
                        16}}));
    QCOMPARE(window->rtb->toPlainText(), QStringLiteral("here\n"));
    QCOMPARE(run.label(window), run.shown("here.tweak"));
    QVERIFY(!run.games.exists("Orvanthe/tweaks/nowhere"));

    // A failed save leaves the text counted as changed: closing still asks.
    window->rtb->insertPlainText(QStringLiteral("x"));
    run.prompts.fileNames = {run.path("nowhere/x.tweak")};
    window->mnuFileSaveAs_Click();
    run.prompts.answers = {Cancel};
    window->close();
    QVERIFY(run.isOpen());
    QCOMPARE(run.prompts.messages.size(), 4);
}

void tst_Tweak::textAreaFollowsTheWindowAboveThePath()
{
    Run run;
    frmTweak *window = run.open();
    run.prompts.fileNames = {run.path("shown.tweak")};
    window->mnuFileSaveAs_Click();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const auto settle = [] { QCoreApplication::sendPostedEvents(); };
    const auto corner = [&] { return window->rtb->mapTo(window, QPoint(0, 0)); };
    const auto labelBelowText = [&] {
        const QRect text(corner(), window->rtb->size());
        const QRect label(window->Label1->mapTo(window, QPoint(0, 0)), window->Label1->size());
        return window->Label1->isVisible() && label.height() > 0 && label.top() >= text.bottom() &&
               window->rect().contains(label);
    };
    settle();
    const QPoint origin = corner();
    const QSize before = window->rtb->size();
    QVERIFY(labelBelowText());

    window->resize(window->size() + QSize(150, 90));
    settle();
    QCOMPARE(window->rtb->size(), before + QSize(150, 90));
    QCOMPARE(corner(), origin);
    QVERIFY(labelBelowText());
    QCOMPARE(run.label(window), run.shown("shown.tweak"));

    window->resize(1, 1);
    settle();
    QCOMPARE(corner(), origin);
}

void tst_Tweak::classicFiltersBecomeDialogFilters()
{
    QCOMPARE(dialogFilter("Tweak files (*.tweak)|*.tweak|"), QStringLiteral("Tweak files (*.tweak)"));
    QCOMPARE(dialogFilter("Text|*.txt;*.log|All files (*.*)|*.*"),
             QStringLiteral("Text (*.txt *.log);;All files (*.*)"));
    QCOMPARE(dialogFilter(""), QString());
}

QTEST_MAIN(tst_Tweak)
#include "tst_Tweak.moc"
