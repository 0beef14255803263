#include "support/ExpectedFiles.h"
#include "support/TestFolders.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The program folder below the configuration folder the calls are given.
#ifdef Q_OS_WIN
const QString ProgramFolderName = QStringLiteral("Vantrax Editor");
#else
const QString ProgramFolderName = QStringLiteral("vantrax-editor");
#endif

struct Outcome {
    int exitCode;
    QByteArray out, err;
};

// A game installation, and the configuration folder whose program folder vantrax and the
// windows share, which stores the game. A call's values are separated by "|".
struct Setup {
    Setup()
    {
        for (const char *folder : {"vantrax/AI", "vantrax/python/game", "Desert/AI", "Desert/python/game"})
            games.write(QStringLiteral("Orvanthe/mods/%1/.keep").arg(folder), "");
        state("dir.ini", game.toUtf8() + "\r\n");
        state("dirMod.ini", "Vantrax\r\n");
    }
    void state(const QString &name, const QByteArray &bytes) const
    {
        config.write(ProgramFolderName + '/' + name, bytes);
    }
    QByteArray state(const QString &name) const { return config.read(ProgramFolderName + '/' + name); }
    QList<QByteArray> versions(const QString &file) const
    {
        return keptVersions(config.filePath(ProgramFolderName), games.filePath(file));
    }
    void start(QProcess &process, const QString &call) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("APPDATA", QDir::toNativeSeparators(config.path()));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(games.path());
        process.start(VANTRAX_CLI, call.split(u'|', Qt::SkipEmptyParts));
    }
    Outcome run(const QString &call) const
    {
        QProcess process;
        start(process, call);
        if (!process.waitForFinished(30000))
            qFatal("vantrax did not finish");
        QByteArray err = process.readAllStandardError();
#ifdef Q_OS_WIN
        err.replace("\r\n", "\n"); // standard error is a text stream there
#endif
        return {process.exitCode(), process.readAllStandardOutput(), err};
    }
    // What a successful call printed, or its failure.
    QByteArray printed(const QString &call) const
    {
        const Outcome outcome = run(call);
        return outcome.exitCode == 0 && outcome.err.isEmpty() ? outcome.out : "failed: " + outcome.err;
    }
    // Every file below both folders with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const TestFolder *folder : {&games, &config})
            for (const QString &entry : folder->entries())
                all.insert(folder->filePath(entry), folder->read(entry));
        return all;
    }

    TestFolder config, games;
    QString game = games.copyGame("Orvanthe");
};

} // namespace

class tst_Cli : public QObject {
    Q_OBJECT
private slots:
    void eachCommandWritesTheWindowsBytes_data()
    {
        for (const char *column : {"call", "stateFile", "file"})
            QTest::addColumn<QString>(column);
        for (const char *column : {"stateBefore", "expected", "stateAfter"})
            QTest::addColumn<QByteArray>(column);
        const auto row = [](const char *call, const char *stateFile, const QByteArray &before,
                            const char *file, const QByteArray &expected, const QStringList &after) {
            QTest::newRow(call) << QString(call) << QString(stateFile) << "Orvanthe/mods/" + QString(file)
                                << before << expected
                                << (after.isEmpty() ? QByteArray()
                                                    : (after.join("\r\n") + "\r\n").toLatin1());
        };
        const char *strategies = "vantrax/AI/AIDefaultStrategies.ai",
                   *module = "vantrax/python/game/scoringCommon.py";
        const QByteArray nines = QByteArray("9\r\n").repeated(12), names = "A\r\nB\r\n\r\nC\rD\r\n";
        row("max-bots|32", "MaxBots.ini", "5\r\n", "vantrax/AI/AIDefault.ai",
            expectedAIDefault("aiSettings.setMaxNBots 32\r"), {"32"});
        const QStringList guard = {"1", "3", "0", "1", "3", "0", "", "x y", "", "5", "6", "7"};
        row("strategies|--force|--guard|5,6,7|--defend=,x y,", "strategies.ini", {}, strategies,
            expectedStrategies(guard), guard);
        const QStringList neutral = {"9", "9", "9", "-1", "2", "3", "9", "9", "9", "9", "9", "9"};
        row("strategies|--force|--attack-neutral|-1,2,3", "strategies.ini", nines, strategies,
            expectedStrategies(neutral), neutral);
        row("strategies|--reset", "strategies.ini", nines, strategies,
            stockBytes("AIDefaultStrategies.ai") + "\r\n", {});
        row("scores|--force|kill=2|TeamKill=-5|heal=", "Score.ini", "9\r\n9\r\n9\r\n", module,
            expectedScoringModule(
                "SCORE_KILL = 2\r\nSCORE_TEAMKILL = -5\r\nSCORE_SUICIDE = 9\r\nSCORE_REVIVE = 1\r\n"
                "SCORE_HEAL = \r\nSCORE_RESUPPLY = 1\r\nSCORE_REPAIR = 1\r\n"),
            {"2", "-5", "9", "1", "", "1", "1"});
        row("scores|--reset", "Score.ini", "9\r\n", module, stockBytes("scoringCommon.py") + "\r\n",
            {"1", "-3", "-2", "1", "1", "1", "1"});
        row("intro|skip", "intro.ini", "False\r\nTrue\r\n", "vantrax/init.con",
            stockBytes("Init-esc.con") + "\r\n", {"True", "False", "False"});
        row("intro|remove", "intro.ini", {}, "vantrax/init.con", stockBytes("Init-complete.con") + "\r\n",
            {"False", "True", "False"});
        // As the text editors save a file: every line break CR LF, a lone CR kept, one CR LF more.
        row("bot-names|--mod|Desert|--from|names.txt", "", {}, "Desert/AI/BotNames.ai", names, {});
        row("score-module|--reset", "", {}, module, stockBytes("scoringCommon.py") + "\r\n", {});
    }
    // --stdout prints the very bytes and writes nothing; without it, the file (keeping the bytes it
    // replaces as a version) and then the state file are written.
    void eachCommandWritesTheWindowsBytes()
    {
        QFETCH(QString, call);
        QFETCH(QString, stateFile);
        QFETCH(QString, file);
        QFETCH(QByteArray, stateBefore);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, stateAfter);
        Setup setup;
        setup.games.write("names.txt", "A\nB\r\n\nC\rD");
        if (!stateBefore.isNull())
            setup.state(stateFile, stateBefore);
        setup.games.write(file, "old\r\n");
        const QMap<QString, QByteArray> before = setup.files();
        QCOMPARE(setup.printed(call + "|--stdout"), expected);
        QCOMPARE(setup.files(), before);
        QCOMPARE(setup.printed(call), QByteArray());
        QCOMPARE(setup.games.read(file), expected);
        QCOMPARE(setup.state(stateFile), stateAfter);
        QCOMPARE(setup.versions(file), QList<QByteArray>{"old\r\n"});
    }

    // One value per line as name=value; a call that only reads takes no lock, so another writer
    // holding it makes it wait for nothing.
    void printsTheCurrentValues()
    {
        Setup setup;
        for (const char *call : {"max-bots|64", "strategies|--guard|1,2,3", "scores|kill=7"})
            QCOMPARE(setup.printed(call), QByteArray());
        QLockFile otherWriter(setup.config.filePath(ProgramFolderName + "/vantrax.lock"));
        QVERIFY(otherWriter.tryLock(0));
        QCOMPARE(setup.printed("max-bots") + setup.printed("strategies") + setup.printed("scores") +
                     setup.printed("intro"),
                 "max-bots=64\nguard=1,2,3\nattack-enemy=1,3,0\nattack-neutral=1,3,0\ndefend=0,1,3\nkill=7\n"
                 "teamkill=-3\nsuicide=-2\nrevive=1\nheal=1\nresupply=1\nrepair=1\nintro=skip\n");
        otherWriter.unlock();
        // Values not given come from the game file where it holds them all, as the windows take them.
        setup.games.write(
            "Orvanthe/mods/vantrax/python/game/scoringCommon.py",
            expectedScoringModule("SCORE_KILL = 5\r\nSCORE_TEAMKILL = 4\r\nSCORE_SUICIDE = 3\r\n"
                                  "SCORE_REVIVE = 2\r\nSCORE_HEAL = 1\r\nSCORE_RESUPPLY = 0\r\n"
                                  "SCORE_REPAIR = 9\r\n"));
        QCOMPARE(setup.printed("scores|heal=6"), QByteArray());
        QCOMPARE(setup.state("Score.ini"), "5\r\n4\r\n3\r\n2\r\n6\r\n0\r\n9\r\n");
    }

    // A refused call says why, exits with 2 and writes nothing; a folder that is no game
    // installation is refused as Select refuses it, and so is a value kept that a given one could
    // not be.
    void badInputIsRefused()
    {
        Setup setup;
        setup.state("Score.ini", "x\r\n= = =\r\n");
        setup.games.write("names.txt", "x\r\n");
        setup.state("MaxBots.ini", "5\r\n");
        const QMap<QString, QByteArray> before = setup.files();
        for (const auto &[call, message] : QList<std::pair<QString, QString>>{
                 {"frobnicate", "unknown command \"frobnicate\". See \"vantrax --help\"."},
                 {"max-bots|--bogus", "max-bots: Unknown option 'bogus'. See \"vantrax max-bots --help\"."},
                 {"max-bots|257", "max-bots: the count must be a whole number from 0 to 256, not \"257\""},
                 {"scores|kill=1234", "scores: the value of kill is longer than 3 characters: \"1234\""},
                 {"scores|kills=1",
                  "scores: unknown score \"kills\"; the scores are kill teamkill suicide revive "
                  "heal resupply repair"},
                 {"scores|--reset|kill=1", "scores: --reset takes no values"},
                 {"strategies|--guard|1,2", "strategies: --guard takes three values separated by commas "
                                            "(aggression,attacks,defences), not \"1,2\""},
                 {"intro|later", "intro: expected skip, remove or reset, not \"later\""},
                 {"bot-names|--from|missing.txt",
                  "bot-names: Cannot read \"missing.txt\": the file does not exist."},
                 {"score-module|--from|names.txt|--reset",
                  "score-module: give --from <file> or --reset, not both"},
                 {"max-bots|-1", "max-bots: the count must be a whole number from 0 to 256, not \"-1\""},
                 {"scores|kill=x9z",
                  "scores: kill \"x9z\" is not a number: a score is an optional minus and digits "
                  "(--force writes it anyway)"},
                 {"strategies|--guard|lots,1,1",
                  "strategies: --guard aggression \"lots\" is not a number: a weight is "
                  "digits with an optional decimal point (--force writes it anyway)"},
                 {"scores|--force|kill=\u0141",
                  "scores: Cannot write \"%1/mods/vantrax/python/game/scoringCommon.py\": "
                  "it holds the character \u201C\u0141\u201D (U+0141), which the game's "
                  "code page cannot store."},
                 {"location|set|Orvanthe|--mod|Nowhere",
                  "location: The mod \"Nowhere\" has no folder: \"%1/mods/Nowhere\" was not found."},
                 {"max-bots|--mod|Nowhere|5",
                  "max-bots: The mod \"Nowhere\" has no folder: \"%1/mods/Nowhere\" was not found."},
                 {"scores|kill=2|Kill=3", "scores: kill is given twice"},
                 {"scores|kill=2", "scores: teamkill \"= =\" is not a number: a score is an optional minus "
                                   "and digits (--force "
                                   "writes it anyway); the value was kept from \"%2/Score.ini\": give it, or "
                                   "--reset writes the "
                                   "stock values"},
                 {"scores|--mod|../../outside|kill=9", "scores: The mod \"../../outside\" is not the name of "
                                                       "one folder in the game's \"mods\" folder."},
                 {"--game=|max-bots|20", "max-bots: --game names no folder"},
                 {"--game|Orvanthe\nx|intro|skip",
                  "intro: The game folder \"%1\nx\" has a line break in its name, which cannot be stored."},
                 {"restore|mods/vantrax/init.con",
                  "restore: no versions of \"mods/vantrax/init.con\" are kept"},
                 {"location|set|Orvanthe/mods",
                  "location: \"%1/mods\" is no game installation: Cannot read "
                  "\"%1/mods/mods/vantrax/init.con\": the file does not exist."}}) {
            const Outcome outcome = setup.run(call);
            // Paths in native separators; a mod name as typed. Standard error is in the terminal's
            // encoding.
            QString expected = QString(message)
                                   .replace("%1", setup.game)
                                   .replace("%2", setup.config.filePath(ProgramFolderName));
            if (!call.contains("--mod|../"))
                expected = QDir::toNativeSeparators(expected);
            QCOMPARE(outcome.err, "vantrax: " + expected.toLocal8Bit() + "\n");
            QVERIFY(outcome.exitCode == 2 && outcome.out.isEmpty());
            QCOMPARE(setup.files(), before);
        }
    }

    // Output that cannot be written, and a --from file that is there but cannot be read, fail with 1
    // (a process's own memory cannot be read from its start). vantrax-editor answers --help with
    // its own help and --version as vantrax does, without a display.
    void failedOutputAndInputExitWithOne()
    {
        Setup setup;
#ifdef Q_OS_UNIX
        QProcess full, closed, unreadable;
        full.setStandardOutputFile("/dev/full");
        closed.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        setup.start(full, "score-module|--reset|--stdout");
        setup.start(closed, "score-module|--reset|--stdout");
        setup.start(unreadable, "bot-names|--from|/proc/self/mem");
        for (const auto &[process, error] :
             {std::pair(&full, "Cannot write to standard output: No space left on device."),
              {&closed, "Cannot write to standard output: Bad file descriptor."},
              { &unreadable,
                "Cannot read \"/proc/self/mem\": Input/output error." }}) {
            QVERIFY(process->waitForFinished(30000) && process->exitCode() == 1);
            QCOMPARE(process->readAllStandardError(), "vantrax: " + QByteArray(error) + "\n");
        }
#endif
        for (const char *option : {"--help", "--version"}) {
            QProcess editor;
            editor.setProcessEnvironment(QProcessEnvironment());
            editor.start(VANTRAX_EDITOR, {option});
            QVERIFY(editor.waitForFinished(30000) && editor.exitCode() == 0);
            const QByteArray printed = editor.readAllStandardOutput();
            QVERIFY(option == QByteArray("--help")
                        ? printed.startsWith("Usage: vantrax-editor [FILE.tweak]\n") &&
                              printed.contains("vantrax(1)")
                        : printed == setup.printed(option));
        }
    }

    // A failure names the file and changes nothing; one of the state file names the game file too.
    void failedWritesNameTheFileAndKeepTheOldOne()
    {
        Setup setup;
        setup.games.write("Orvanthe/mods/NoAI/readme.txt", "");
        setup.state("strategies.ini", "5\r\n");
        const Outcome noFolder = setup.run("strategies|--mod|NoAI|--guard|1,1,1");
        const QString strategies = setup.game + "/mods/NoAI/AI/AIDefaultStrategies.ai";
        QCOMPARE(noFolder.err, "vantrax: Cannot write \"" + QDir::toNativeSeparators(strategies).toUtf8() +
                                   "\": the folder \"" +
                                   QDir::toNativeSeparators(strategies.chopped(23)).toUtf8() +
                                   "\" does not exist.\n");
        QCOMPARE(noFolder.exitCode, 1);
        QCOMPARE(setup.state("strategies.ini"), QByteArray("5\r\n"));

        setup.config.write(ProgramFolderName + "/MaxBots.ini/.keep", "");
        const Outcome blocked = setup.run("max-bots|20");
        QVERIFY(
            blocked.exitCode == 1 &&
            blocked.err.contains(
                QDir::toNativeSeparators(setup.config.filePath(ProgramFolderName + "/MaxBots.ini"))
                    .toUtf8()) &&
            blocked.err.contains(QDir::toNativeSeparators("AI/AIDefault.ai\" was left as it was.").toUtf8()));
        QVERIFY(!setup.games.entries().contains("Orvanthe/mods/vantrax/AI/AIDefault.ai"));

#ifdef Q_OS_UNIX
        // A stored mod that cannot be read is named, not taken for the stock mod.
        const QString mod = setup.config.filePath("vantrax-editor/dirMod.ini");
        QVERIFY(QFile::remove(mod) && mkfifo(QFile::encodeName(mod), 0600) == 0);
        const Outcome unreadable = setup.run("intro|skip");
        QCOMPARE(unreadable.err, "vantrax: Cannot read \"" + mod.toUtf8() + "\": it is no regular file.\n");
        QCOMPARE(unreadable.exitCode, 1);
#endif
    }

    // Parallel calls each land whole: every value given is stored, the module agrees with the
    // state file, and every module replaced is kept as a version (all 19, each different: no value
    // given is the stock one).
    void parallelCallsLoseNothing()
    {
        Setup setup;
        for (int pair = 11; pair <= 20; ++pair) {
            QProcess calls[2];
            setup.start(calls[0], "scores|--mod|Desert|kill=" + QString::number(pair));
            setup.start(calls[1], "scores|--mod|Desert|heal=" + QString::number(pair));
            for (QProcess &call : calls)
                QVERIFY(call.waitForFinished(30000) && call.exitCode() == 0);
            const QByteArray value = QByteArray::number(pair);
            const QList<QByteArray> state = setup.state("Score.ini").split('\n');
            QVERIFY2(state.value(0) == value + '\r' && state.value(4) == value + '\r', value);
            const QByteArray module = setup.games.read("Orvanthe/mods/Desert/python/game/scoringCommon.py");
            QVERIFY(module.contains("SCORE_KILL = " + value + "\r\n") &&
                    module.contains("SCORE_HEAL = " + value + "\r\n"));
        }
        const QList<QByteArray> versions =
            setup.versions("Orvanthe/mods/Desert/python/game/scoringCommon.py");
        QVERIFY(versions.size() == 19 && QSet<QByteArray>(versions.begin(), versions.end()).size() == 19);
    }

    // versions lists the installation's files with versions, then one file's, newest first;
    // restore writes one back, keeping the file as a version, or prints it.
    void versionsAreListedAndWrittenBack()
    {
        Setup setup;
        for (const char *names : {"a\r\n", "bb\r\n", "ccc\r\n"}) {
            setup.games.write("names.txt", names);
            QCOMPARE(setup.printed("bot-names|--from|names.txt"), QByteArray());
        }
        const QString file = "Orvanthe/mods/vantrax/AI/BotNames.ai";
        QCOMPARE(setup.printed("versions"),
                 QDir::toNativeSeparators("mods/vantrax/AI/BotNames.ai\n").toUtf8());
        const QByteArray listed = setup.printed("versions|MODS/Vantrax/ai/botnames.ai");
        QVERIFY2(QRegularExpression("^ 1  \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  "
                                    "6 bytes\n 2  [-0-9 :]{19}  5 bytes\n$")
                     .match(listed)
                     .hasMatch(),
                 listed);
        QCOMPARE(setup.printed("restore|" + setup.games.filePath(file) + "|--version|2|--stdout"),
                 "a\r\n\r\n");
        QCOMPARE(setup.printed("restore|mods/vantrax/AI/BotNames.ai"), QByteArray());
        QCOMPARE(setup.games.read(file), "bb\r\n\r\n");
        QCOMPARE(setup.versions(file), QList<QByteArray>({"ccc\r\n\r\n", "bb\r\n\r\n", "a\r\n\r\n"}));
    }

    // A folder is stored absolute, as the selection window holds it; --game and --mod hold for one call.
    void locationIsStoredAndOverridden()
    {
        Setup setup;
        QCOMPARE(setup.printed("location|set|Orvanthe/mods/../"), QByteArray());
        QCOMPARE(setup.state("dir.ini") + setup.state("dirMod.ini"), setup.game.toUtf8() + "\r\nVantrax\r\n");
        QCOMPARE(setup.printed("location|set|" + setup.game + "|--mod|Desert"), QByteArray());
        QCOMPARE(setup.printed("location"),
                 "game=" + QDir::toNativeSeparators(setup.game).toUtf8() + "\nmod=Desert\n");
        TestFolder other;
        other.write("Second/mods/Island/Init.con", "old\r\n");
        QCOMPARE(setup.printed("--game|" + other.copyGame("Second") + "|intro|remove|--mod|Island"),
                 QByteArray());
        QCOMPARE(other.read("Second/mods/Island/Init.con"), stockBytes("Init-complete.con") + "\r\n");
        QCOMPARE(setup.state("dir.ini") + setup.state("dirMod.ini"), setup.game.toUtf8() + "\r\nDesert\r\n");
        QVERIFY(setup.printed("scores|--help").startsWith("Usage:\n  vantrax scores\n"));
    }
};

QTEST_MAIN(tst_Cli)
#include "tst_Cli.moc"
