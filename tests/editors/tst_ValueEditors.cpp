#include "app/WarningText.h"
#include "editors/intro/IntroScript.h"
#include "editors/maxbots/AIDefaultFile.h"
#include "editors/maxbots/Form1.h"
#include "editors/scores/ScoringModule.h"
#include "editors/strategies/StrategiesFile.h"
#include "support/TestRun.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The fields in the order the user sees them, tab by tab for the strategies.
QList<QLineEdit *> fields(const QWidget *window)
{
    const auto *tabs = window->findChild<QTabWidget *>();
    QList<QLineEdit *> all = tabs ? QList<QLineEdit *>() : window->findChildren<QLineEdit *>();
    for (int i = 0; tabs && i < tabs->count(); ++i)
        all += tabs->widget(i)->findChildren<QLineEdit *>();
    return all;
}

// Every value the window shows for the user to change, and the max bots editor's count label.
QString shown(const QWidget *window)
{
    QStringList values;
    for (const QLineEdit *field : fields(window))
        values << field->text();
    if (const auto *slider = window->findChild<QSlider *>())
        values << QString::number(slider->value()) << window->findChild<QLabel *>("Label1")->text();
    for (const QRadioButton *option : window->findChildren<QRadioButton *>())
        values << QString::number(option->isChecked());
    return values.join(u',');
}

// Puts the number into the window's first value, or into every field counting up from it; the
// intro remover selects the option of the number's remainder by three.
void change(QWidget *window, int number, bool all = false)
{
    if (auto *slider = window->findChild<QSlider *>())
        slider->setValue(number);
    for (QLineEdit *field : fields(window).mid(0, all ? -1 : 1))
        field->setText(QString::number(number++));
    if (window->findChildren<QRadioButton *>().size() == 3)
        window->findChildren<QRadioButton *>().at(number % 3)->click();
}

void press(QWidget *window, const QString &button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
}

// Each window's game file below "mods" with "Desert" selected, its state file and its Save button.
const QHash<QString, QStringList> Files = {
    {"Form1", {"vantrax/AI/AIDefault.ai", "MaxBots.ini", "Command1"}},
    {"frmStrategies", {"Desert/AI/AIDefaultStrategies.ai", "strategies.ini", "Command1"}},
    {"frmScore2", {"Desert/python/game/scoringCommon.py", "Score.ini", "Command1"}},
    {"frmIntro", {"Desert/Init.con", "intro.ini", "cmdRemove"}}};

// The program with "Desert" selected, and the folders of it and of the stock mod.
struct Run : TestRun {
    Run()
        : TestRun("Desert", {"mods/vantrax/AI", "mods/vantrax/python/game", "mods/Desert/AI",
                             "mods/Desert/python/game"})
    {
    }
    QString gameFile(const QString &window) const { return "Orvanthe/mods/" + Files.value(window).at(0); }
};

// The values the editor opens with, from the state file (none for a null), one string.
QString stored(const QString &file, const QByteArray &bytes)
{
    TestFolder folder;
    if (!bytes.isNull())
        folder.write(file, bytes);
    const ProgramFolder program(folder.path());
    if (file == MaxBotsStore)
        return QString::number(storedMaxBots(program));
    if (file == StrategiesStateFile)
        return strategyStateLines(storedStrategies(program)).join(u',');
    if (file == ScoreStateFile)
        return scoreStateLines(storedScores(program)).join(u',');
    const std::optional<IntroOption> option = storedIntroOption(program);
    return option ? QStringList({"skip", "remove", "reset"}).at(int(*option)) : QStringLiteral("none");
}

} // namespace

class tst_ValueEditors : public QObject {
    Q_OBJECT
private slots:
    void saveThenResetAndSave_data()
    {
        for (const char *column : {"window", "stored", "values"})
            QTest::addColumn<QString>(column);
        for (const char *column : {"saved", "state", "stock"})
            QTest::addColumn<QByteArray>(column);
        QTest::addColumn<QStringList>("stateFiles");
        const auto row = [](const char *window, const char *stored, const QByteArray &saved,
                            const QStringList &state, const QByteArray &stock, const char *values,
                            const QStringList &stateFiles) {
            QTest::newRow(window) << QString(window) << QString(stored) << QString(values) << saved
                                  << (state.join("\r\n") + "\r\n").toLatin1() << stock
                                  << stateFiles + QStringList{"dir.ini", "dirMod.ini"};
        };
        // Always into the stock mod, whatever mod is selected.
        row("Form1", "MaxBots.ini", expectedAIDefault("aiSettings.setMaxNBots 40\r"), {"40"},
            expectedAIDefault("aiSettings.setMaxNBots 16\r"), "16,Selected bots: 16", {"MaxBots.ini"});
        // Typed tab by tab; the file and the state file each hold them in their own order. Reset
        // forgets the values and starts over in a new window.
        const QStringList typed = {"40", "41", "42", "43", "44", "45", "49", "50", "51", "46", "47", "48"};
        row("frmStrategies", "strategies.ini", expectedStrategies(typed), typed,
            stockBytes("AIDefaultStrategies.ai") + "\r\n", "1,3,0,1,3,0,0,0,4,0,1,3", {});
        // The state file keeps its letter case; reset deletes it (and any twin), and it comes back
        // in its own.
        row("frmScore2", "score.ini",
            expectedScoringModule(
                "SCORE_KILL = 40\r\nSCORE_TEAMKILL = 41\r\nSCORE_SUICIDE = 42\r\nSCORE_REVIVE = 43\r\n"
                "SCORE_HEAL = 44\r\nSCORE_RESUPPLY = 45\r\nSCORE_REPAIR = 46\r\n"),
            {"40", "41", "42", "43", "44", "45", "46"}, stockBytes("scoringCommon.py") + "\r\n",
            "1,-3,-2,1,1,1,1", {"Score.ini"});
        row("frmIntro", "intro.ini", stockBytes("Init-complete.con") + "\r\n", {"False", "True", "False"}, {},
            "", {});
    }
    void saveThenResetAndSave()
    {
        QFETCH(QString, window);
        QFETCH(QString, stored);
        QFETCH(QString, values);
        QFETCH(QByteArray, saved);
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, stock);
        QFETCH(QStringList, stateFiles);
        Run run;
        run.programFolder.write(stored, "9\r\n");
        run.games.write(run.gameFile(window), "before\r\n");
        QWidget *editor = run.open(window);
        change(editor, 40, true);
        press(editor, Files.value(window).at(2));
        QCOMPARE(run.games.read(run.gameFile(window)), saved);
        QCOMPARE(run.versions(run.gameFile(window)), QList<QByteArray>{"before\r\n"});
        QCOMPARE(run.programFolder.read(stored), state);
        if (stock.isNull())
            return;

        // A score field takes three characters; the tabs are the four strategies.
        if (auto *kill = editor->findChild<QLineEdit *>("txtKill")) {
            QTest::keyClicks(kill, "12");
            QCOMPARE(kill->text(), QStringLiteral("401"));
        }
        if (auto *tabs = editor->findChild<QTabWidget *>()) {
            QCOMPARE(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2), tabs->tabText(3)}),
                     QStringList({"Attack Enemy Base", "Attack Neutral Base", "Guard", "Defend"}));
            tabs->setCurrentIndex(2);
        }
        if (window == u"frmScore2")
            run.programFolder.write("Score.ini", "8\r\n");
        const QPointer<QWidget> first(editor);
        press(editor, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editor = run.find(window);
        QVERIFY(editor->isVisible() && !first == (window != u"Form1"));
        QCOMPARE(shown(editor), values);
        QCOMPARE(run.games.read(run.gameFile(window)), stock);
        // Each save kept the bytes it replaced.
        QCOMPARE(run.versions(run.gameFile(window)), QList<QByteArray>({saved, "before\r\n"}));
        QCOMPARE(run.programFolder.entries().filter(QRegularExpression("^(?!versions)")), stateFiles);
        if (stateFiles.size() > 2)
            QCOMPARE(run.programFolder.read(stateFiles[0]),
                     values.section(",Selected", 0, 0).replace(',', "\r\n").toLatin1() + "\r\n");
        if (auto *tabs = editor->findChild<QTabWidget *>())
            QCOMPARE(tabs->currentIndex(), 0);
        press(editor, "Command2"); // with no state file to delete, for the strategies
        QVERIFY(run.prompts.messages.isEmpty());
    }

    void failuresAreShownAndChangeNothingElse_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("stateBlocked");
        const auto row = [](const char *window, const char *button, bool stateBlocked) {
            QTest::newRow(QByteArray(window) + ", " + button + (stateBlocked ? ", state file" : ""))
                << QString(window) << QString(button) << stateBlocked;
        };
        for (const char *window : {"Form1", "frmStrategies", "frmScore2", "frmIntro"}) {
            const char *save = window == QByteArray("frmIntro") ? "cmdRemove" : "Command1";
            row(window, save, false);
            row(window, save, true);
        }
        row("Form1", "Command2", false);
        row("frmStrategies", "Command2", false);
        row("frmStrategies", "Command2", true);
        row("frmScore2", "Command2", false);
        row("frmScore2", "Command2", true);
    }
    // A folder in place of the game file or the state file: the failure names the file (both, for
    // the state file), the window keeps its values, and neither file changes.
    void failuresAreShownAndChangeNothingElse()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(bool, stateBlocked);
        const QString stateFile = Files.value(window).at(1);
        Run run;
        QWidget *editor = run.open(window);
        change(editor, 7);
        press(editor, Files.value(window).at(2));
        const QByteArray state = run.programFolder.read(stateFile),
                         game = run.games.read(run.gameFile(window));
        const QString blocked =
            stateBlocked ? run.programFolder.filePath(stateFile) : run.games.filePath(run.gameFile(window));
        QVERIFY(QFile::remove(blocked) && QDir().mkpath(blocked));

        change(editor, 9);
        const QString before =
            button == u"Command2" && window == u"Form1" ? "16,Selected bots: 16" : shown(editor);
        press(editor, button);
        QCOMPARE(run.prompts.messages.size(), 1);
        QCOMPARE(run.prompts.messages[0].style, 16);
        QVERIFY2(
            run.prompts.messages[0].text.contains(QDir::toNativeSeparators(blocked), Qt::CaseInsensitive),
            qPrintable(blocked));
        QVERIFY(run.find(window) == editor && editor->isVisible());
        QCOMPARE(shown(editor), before);
        if (stateBlocked)
            QVERIFY(run.games.read(run.gameFile(window)) == game &&
                    run.prompts.messages[0].text.contains(QDir::toNativeSeparators(run.gameFile(window)),
                                                          Qt::CaseInsensitive));
        else
            QCOMPARE(run.programFolder.read(stateFile), state);
    }

    // A save waits for the writers' lock (here for its ten seconds) and, not given it, writes nothing.
    void aSaveWaitsForTheWritersLock()
    {
        Run run;
        QWidget *editor = run.open("frmStrategies");
        QLockFile otherWriter(run.programFolder.filePath("vantrax.lock"));
        QVERIFY(otherWriter.tryLock(0));
        press(editor, "Command1");
        QVERIFY(
            run.prompts.messages.value(0).text.contains("another Vantrax Editor or vantrax call is saving") &&
            run.games.read(run.gameFile("frmStrategies")).isNull());
    }

    // What the game reads as a score and as a weight. A value it may not read is saved only after a
    // question that names it and the file.
    void valuesThatAreNoNumbersAreSavedOnlyOnYes()
    {
        for (const auto &[value, score, weight] : {std::tuple("-30", true, false),
                                                   {"10.", false, true},
                                                   {".5", false, true},
                                                   {"", false, false},
                                                   {"+1", false, false}})
            QVERIFY2(isScoreNumber(value) == score && isStrategyNumber(value) == weight, value);
        for (const auto &[window, field, caption] : {std::tuple("frmScore2", "txtHeal", "Heal"),
                                                     {"frmStrategies", "txtGuardAttacks", "Guard Attack"}})
            for (const int answer : {Prompts::No, Prompts::Yes}) {
                Run run;
                QWidget *editor = run.open(window);
                editor->findChild<QLineEdit *>(field)->setText("1.x");
                run.prompts.answers = {answer};
                press(editor, "Command1");
                QCOMPARE(run.prompts.messages,
                         QList<ScriptedPrompts::Message>(
                             {{QString(caption) +
                                   " \"1.x\" is not a number. The game may "
                                   "not read " +
                                   QDir::toNativeSeparators(run.games.filePath(run.gameFile(window))) +
                                   ". Save anyway?",
                               52}}));
                QCOMPARE(run.games.read(run.gameFile(window)).contains("1.x"), answer == Prompts::Yes);
            }
    }

    void reopeningReadsTheStateFileAgain_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"Form1", "frmStrategies", "frmScore2", "frmIntro"})
            QTest::newRow(window) << QString(window);
    }
    // Saved values come back, unsaved ones go with the window (closed by its close box, or Esc);
    // but closing only hides the max bots editor, which comes back as it was left, without reading
    // its state file again.
    void reopeningReadsTheStateFileAgain()
    {
        QFETCH(QString, window);
        const bool hides = window == u"Form1";
        Run run;
        QWidget *editor = run.open(window);
        change(editor, 4);
        press(editor, Files.value(window).at(2));
        const QString saved = shown(editor);
        QCOMPARE(run.close(editor), !hides);
        editor = run.open(window);
        QCOMPARE(shown(editor), saved);
        change(editor, 5);
        const QString unsaved = shown(editor);
        run.programFolder.write("MaxBots.ini", "1\r\n");
        QCOMPARE(run.close(editor, true), !hides);
        QCOMPARE(shown(run.open(window)), hides ? unsaved : saved);
        QVERIFY(run.prompts.messages.isEmpty());
    }

    void valuesComeFromTheGameFile_data()
    {
        for (const char *column : {"window", "fromFile", "fromState"})
            QTest::addColumn<QString>(column);
        for (const char *column : {"state", "file", "odd"})
            QTest::addColumn<QByteArray>(column);
        const auto row = [](const char *window, const QByteArray &state, const QByteArray &file,
                            const QByteArray &from, const QByteArray &to, const char *fromFile,
                            const char *fromState) {
            QTest::newRow(window) << QString(window) << QString(fromFile) << QString(fromState) << state
                                  << file << QByteArray(file).replace(from, to);
        };
        const QStringList weights = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "x "};
        row("Form1", "40\r\n", expectedAIDefault("aiSettings.setMaxNBots 64\r"), "Bots 64", "Bots  64",
            "64,Selected bots: 64", "40,Selected bots: 40");
        row("frmStrategies", "9\r\n", expectedStrategies(weights), "NumberOfAttacks 8", "numberOfAttacks 8",
            "1,2,3,4,5,6,10,11,x ,7,8,9", "9,3,0,1,3,0,0,0,4,0,1,3");
        row("frmScore2", "9\r\n",
            expectedScoringModule("SCORE_KILL = 5\r\nSCORE_TEAMKILL = -x\r\nSCORE_SUICIDE = 0\r\n"
                                  "SCORE_REVIVE = 1\r\nSCORE_HEAL = 1\r\nSCORE_RESUPPLY = 1\r\n"
                                  "SCORE_REPAIR = 2\r\n"),
            "SCORE_REPAIR = 2", "SCORE_REPAIR=2", "5,-x,0,1,1,1,2", "9,-3,-2,1,1,1,1");
        row("frmIntro", "False\r\nFalse\r\nTrue\r\n", stockBytes("Init-complete.con") + "\r\n",
            "Networking 1\r\n", "Networking 0\r\n", "0,1,0", "0,0,1");
    }
    // A window shows the values of the game file its Save writes where that file holds them all
    // in the lines the program writes, exactly as written; else the stored ones.
    void valuesComeFromTheGameFile()
    {
        QFETCH(QString, window);
        QFETCH(QString, fromFile);
        QFETCH(QString, fromState);
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, odd);
        for (const QByteArray &bytes : {file, odd, QByteArray()}) {
            Run run;
            run.programFolder.write(Files.value(window).at(1), state);
            if (!bytes.isNull())
                run.games.write(run.gameFile(window), bytes);
            QCOMPARE(shown(run.open(window)), bytes == file ? fromFile : fromState);
        }
    }

    // The warnings' red stays pure on light backgrounds; on dark ones it is lightened to 4.5:1.
    void warningsStayReadableOnDarkPalettes()
    {
        for (const auto &[background, red] : {std::pair(0xefefef, 0xff0000),
                                              {0x424245, 0xff8d8d},
                                              {0x353535, 0xff6e6e},
                                              {0x000000, 0xff0000}})
            QCOMPARE(warningRed(QColor::fromRgb(background)), QColor::fromRgb(red));
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
        Run run;
        QCOMPARE(run.open<Form1>()->Label3->palette().color(QPalette::WindowText), QColor(0xff6e6e));
        QApplication::setPalette(QPalette());
    }

    // State files missing, short, long, with empty lines, any line ends, values the game cannot
    // read: a count of 0 to 256 in digits, scores cut to three characters, intro truth values.
    void storedValuesAsTheEditorsOpenThem()
    {
        const QList<std::tuple<const char *, const char *, const char *>> cases = {
            {"MaxBots.ini", nullptr, "16"},
            {"MaxBots.ini", "64\nextra\n", "64"},
            {"MaxBots.ini", " 0 \r\n", "0"},
            {"MaxBots.ini", "256", "256"},
            {"strategies.ini", nullptr, "1,3,0,1,3,0,0,1,3,0,0,4"},
            {"strategies.ini", "5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n", "5,6,7,8,9,10,11,1,3,0,0,4"},
            {"strategies.ini", "\r\n2\r\n\r\n", ",2,,1,3,0,0,1,3,0,0,4"},
            {"strategies.ini", "a\nb\rc\r\nd\ne\nf\ng\nh\ni\nj\nk\nl\nextra\n", "a,b,c,d,e,f,g,h,i,j,k,l"},
            {"Score.ini", nullptr, "1,-3,-2,1,1,1,1"},
            {"Score.ini", "\r\n\r\nabc\r\n- \r\n12345\r\n", ",,abc,- ,123,1,1"},
            {"Score.ini", "1\n2\n3\n4\n5\n6\n7\n8\n9\n", "1,2,3,4,5,6,7"},
            {"intro.ini", nullptr, "skip"},
            {"intro.ini", "False\r\nTrue\r\nFalse\r\n", "remove"},
            {"intro.ini", "false\nFALSE\n True \nextra\n", "reset"},
            {"intro.ini", "True\r\nTrue\r\n", "remove"},
            {"intro.ini", "yes\r\nFalse\r\nTrue\r\n", "skip"},
            {"intro.ini", "False\r\nmaybe\r\nTrue\r\n", "none"}};
        for (const auto &[file, bytes, shown] : cases)
            QVERIFY2(stored(file, QByteArray(bytes)) == shown, qPrintable(QString(file) + ": " + bytes));
        for (const char *bad :
             {"", "\r\n64\r\n", "many", "+64", "-1", "257", "6.4", "64 bots", "99999999999"})
            QVERIFY2(stored("MaxBots.ini", bad) == "16", bad);
    }
};

QTEST_MAIN(tst_ValueEditors)
#include "tst_ValueEditors.moc"
