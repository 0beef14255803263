#include "app/Application.h"
#include "editors/intro/frmIntro.h"
#include "editors/maxbots/Form1.h"
#include "editors/scores/frmScore2.h"
#include "editors/strategies/frmStrategies.h"
#include "selection/Form2.h"
#include "support/ExpectedFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFolders.h"
#include "support/TestRun.h"

#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {

struct Outcome {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

const QString AIDefault = QStringLiteral("Orvanthe/mods/vantrax/AI/AIDefault.ai");
const QString Strategies = QStringLiteral("Orvanthe/mods/vantrax/AI/AIDefaultStrategies.ai");
const QString Module = QStringLiteral("Orvanthe/mods/vantrax/python/game/scoringCommon.py");
const QString Intro = QStringLiteral("Orvanthe/mods/vantrax/init.con");
const QString DesertNames = QStringLiteral("Orvanthe/mods/Desert/AI/BotNames.ai");
const QString DesertModule = QStringLiteral("Orvanthe/mods/Desert/python/game/scoringCommon.py");
const QByteArray BuiltInScores = "1\r\n-3\r\n-2\r\n1\r\n1\r\n1\r\n1\r\n";

// A game installation and a configuration folder whose program folder vantrax and the windows
// share; the location is stored there unless told otherwise.
struct Setup {
    explicit Setup(bool storeLocation = true)
    {
        for (const char *folder : {"vantrax/AI", "vantrax/python/game", "Desert/AI", "Desert/python/game"})
            games.write(QStringLiteral("Orvanthe/mods/%1/.keep").arg(QLatin1StringView(folder)), "");
        if (storeLocation) {
            state("dir.ini", game.toUtf8() + "\r\n");
            state("dirMod.ini", "Vantrax\r\n");
        }
    }

    QString programFolder() const { return config.filePath(QStringLiteral("vantrax-editor")); }
    void state(const QString &name, const QByteArray &bytes) const
    {
        config.write("vantrax-editor/" + name, bytes);
    }
    QByteArray state(const QString &name) const { return config.read("vantrax-editor/" + name); }

    Outcome run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(games.path());
        process.start(QStringLiteral(VANTRAX_CLI), arguments);
        if (!process.waitForFinished(30000))
            qFatal("vantrax did not finish");
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    // Every file below both folders with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &entry : games.entries())
            all.insert(QStringLiteral("games/") + entry, games.read(entry));
        for (const QString &entry : config.entries())
            all.insert(QStringLiteral("config/") + entry, config.read(entry));
        return all;
    }

    TestFolder config;
    TestFolder games;
    QString game = games.copyFixture(QStringLiteral("game"), QStringLiteral("Orvanthe"));
};

// Every byte value; a line feed only after a carriage return, as a text area keeps it.
QByteArray everyByte()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n')
            bytes += char(b);
        if (b == '\r')
            bytes += '\n';
    }
    return bytes;
}

} // namespace

class tst_Cli : public QObject {
    Q_OBJECT
private slots:
    void eachCommandWritesTheWindowsBytes_data();
    void eachCommandWritesTheWindowsBytes();
    void printsTheCurrentValues();
    void sharesTheStateWithTheWindows();
    void badInputIsRefused();
    void failedWritesNameTheFileAndKeepTheOldOne();
    void locationIsTestedStoredAndOverridden();
};

void tst_Cli::eachCommandWritesTheWindowsBytes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("stateBefore");
    QTest::addColumn<QByteArray>("stateBytesBefore");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QByteArray>("stateAfter");

    const QByteArray twelveNines = QByteArray("9\r\n").repeated(12);
    QTest::newRow("max-bots") << QStringList{"max-bots", "32"} << "MaxBots.ini" << QByteArray("5\r\n")
                              << AIDefault << expectedAIDefault("aiSettings.setMaxNBots 32\r")
                              << QByteArray("32\r\n");
    QTest::newRow("max-bots reset") << QStringList{"max-bots", "--reset"} << "MaxBots.ini"
                                    << QByteArray("5\r\n") << AIDefault
                                    << expectedAIDefault("aiSettings.setMaxNBots 16\r")
                                    << QByteArray("16\r\n");
    QTest::newRow("strategies") << QStringList{"strategies", "--guard", "5,6,7", "--defend=,x y,"}
                                << QString() << QByteArray() << Strategies
                                << expectedStrategies(
                                       {"1", "3", "0", "1", "3", "0", "", "x y", "", "5", "6", "7"})
                                << QByteArray("1\r\n3\r\n0\r\n1\r\n3\r\n0\r\n\r\nx y\r\n\r\n5\r\n6\r\n7\r\n");
    QTest::newRow("strategies keep stored")
        << QStringList{"strategies", "--attack-neutral", "-1,2,3"} << "strategies.ini" << twelveNines
        << Strategies << expectedStrategies({"9", "9", "9", "-1", "2", "3", "9", "9", "9", "9", "9", "9"})
        << QByteArray("9\r\n9\r\n9\r\n-1\r\n2\r\n3\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n");
    QTest::newRow("strategies reset")
        << QStringList{"strategies", "--reset"} << "strategies.ini" << twelveNines << Strategies
        << stockBytes("AIDefaultStrategies.ai") + "\r\n"
        << QByteArray();
    QTest::newRow("scores") << QStringList{"scores", "kill=2", "teamkill=-5", "heal="} << "Score.ini"
                            << QByteArray("9\r\n9\r\n9\r\n") << Module
                            << expectedScoringModule(
                                   "SCORE_KILL = 2\r\nSCORE_TEAMKILL = -5\r\nSCORE_SUICIDE = 9\r\n"
                                   "SCORE_REVIVE = 1\r\nSCORE_HEAL = \r\nSCORE_RESUPPLY = 1\r\n"
                                   "SCORE_REPAIR = 1\r\n")
                            << QByteArray("2\r\n-5\r\n9\r\n1\r\n\r\n1\r\n1\r\n");
    QTest::newRow("scores reset") << QStringList{"scores", "--reset"} << "Score.ini" << QByteArray("9\r\n")
                                  << Module << stockBytes("scoringCommon.py") + "\r\n"
                                  << BuiltInScores;
    QTest::newRow("intro skip") << QStringList{"intro", "skip"} << "intro.ini"
                                << QByteArray("False\r\nTrue\r\n") << Intro
                                << stockBytes("Init-esc.con") + "\r\n"
                                << QByteArray("True\r\nFalse\r\nFalse\r\n");
    QTest::newRow("intro remove") << QStringList{"intro", "remove"} << QString() << QByteArray() << Intro
                                  << stockBytes("Init-complete.con") + "\r\n"
                                  << QByteArray("False\r\nTrue\r\nFalse\r\n");
    QTest::newRow("intro reset") << QStringList{"intro", "reset"} << QString() << QByteArray() << Intro
                                 << stockBytes("Init-reset.con") + "\r\n"
                                 << QByteArray("False\r\nFalse\r\nTrue\r\n");
    QTest::newRow("bot-names from") << QStringList{"bot-names", "--mod", "Desert", "--from", "every-byte.txt"}
                                    << QString() << QByteArray() << DesertNames << everyByte() + "\r\n"
                                    << QByteArray();
    QTest::newRow("bot-names reset") << QStringList{"bot-names", "--reset", "--mod", "Desert"} << QString()
                                     << QByteArray() << DesertNames << stockBytes("BotNames.ai") + "\r\n"
                                     << QByteArray();
    QTest::newRow("score-module from")
        << QStringList{"--mod", "Desert", "score-module", "--from", "module.py"} << QString() << QByteArray()
        << DesertModule << QByteArray("SCORE_KILL = 5\r\n\r\nx = 1\r\n") << QByteArray();
    QTest::newRow("score-module reset") << QStringList{"score-module", "--reset"} << QString() << QByteArray()
                                        << Module << stockBytes("scoringCommon.py") + "\r\n"
                                        << QByteArray();
}

// --stdout prints the very bytes and leaves every file as it was; without it, the file and then
// the state file are written.
void tst_Cli::eachCommandWritesTheWindowsBytes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, stateBefore);
    QFETCH(QByteArray, stateBytesBefore);
    QFETCH(QString, file);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, stateAfter);

    Setup setup;
    setup.games.write(QStringLiteral("every-byte.txt"), everyByte());
    setup.games.write(QStringLiteral("module.py"), "SCORE_KILL = 5\n\nx = 1");
    if (!stateBefore.isEmpty())
        setup.state(stateBefore, stateBytesBefore);
    const QMap<QString, QByteArray> before = setup.files();

    const Outcome printed = setup.run(arguments + QStringList{"--stdout"});
    QCOMPARE(printed.err, QByteArray());
    QCOMPARE(printed.exitCode, 0);
    QCOMPARE(printed.out, expected);
    QCOMPARE(setup.files(), before);

    const Outcome written = setup.run(arguments);
    QCOMPARE(written.err, QByteArray());
    QCOMPARE(written.exitCode, 0);
    QCOMPARE(written.out, QByteArray());
    QCOMPARE(setup.games.read(file), expected);
    const QString stateName = arguments.contains("scores")       ? QStringLiteral("Score.ini")
                              : arguments.contains("strategies") ? QStringLiteral("strategies.ini")
                              : arguments.contains("max-bots")   ? QStringLiteral("MaxBots.ini")
                              : arguments.contains("intro")      ? QStringLiteral("intro.ini")
                                                                 : QString();
    if (!stateName.isEmpty()) {
        QCOMPARE(setup.config.exists("vantrax-editor/" + stateName), !stateAfter.isNull());
        QCOMPARE(setup.state(stateName), stateAfter);
    }
}

void tst_Cli::printsTheCurrentValues()
{
    Setup setup;
    const auto printed = [&](const QString &command) {
        const Outcome outcome = setup.run({command});
        return outcome.exitCode == 0 && outcome.err.isEmpty() ? outcome.out : "failed: " + outcome.err;
    };
    QCOMPARE(printed("max-bots"), QByteArray("max-bots=16\n"));
    QCOMPARE(printed("strategies"),
             QByteArray("guard=0,0,4\nattack-enemy=1,3,0\nattack-neutral=1,3,0\ndefend=0,1,3\n"));
    QCOMPARE(printed("scores"),
             QByteArray("kill=1\nteamkill=-3\nsuicide=-2\nrevive=1\nheal=1\nresupply=1\nrepair=1\n"));
    QCOMPARE(printed("intro"), QByteArray("intro=skip\n"));
    QCOMPARE(printed("location"), "game=" + setup.game.toUtf8() + "\nmod=Vantrax\n");

    // As the windows read them: short files keep the rest, long values are cut to a field.
    setup.state("MaxBots.ini", " 200 \r\n");
    setup.state("strategies.ini", "a\r\nb\r\nc\r\n");
    setup.state("score.ini", "12345\r\n\r\n");
    setup.state("intro.ini", "False\r\n");
    QCOMPARE(printed("max-bots"), QByteArray("max-bots=200\n"));
    QCOMPARE(printed("strategies"),
             QByteArray("guard=0,0,4\nattack-enemy=a,b,c\nattack-neutral=1,3,0\ndefend=0,1,3\n"));
    QCOMPARE(printed("scores"),
             QByteArray("kill=123\nteamkill=\nsuicide=-2\nrevive=1\nheal=1\nresupply=1\nrepair=1\n"));
    QCOMPARE(printed("intro"), QByteArray("intro=none\n"));

    // The text commands print the stock mod's file, which the editors start from.
    setup.games.write("Orvanthe/mods/vantrax/AI/BotNames.ai", "aiSettings.addBotName A. Stockman\r\n");
    QCOMPARE(printed("bot-names"), QByteArray("aiSettings.addBotName A. Stockman\r\n"));
}

void tst_Cli::sharesTheStateWithTheWindows()
{
    Setup setup;
    for (const QStringList &arguments :
         {QStringList{"max-bots", "64"}, QStringList{"strategies", "--guard", "1,2,3"},
          QStringList{"scores", "kill=7"}, QStringList{"intro", "remove"},
          QStringList{"location", "set", setup.game, "--mod", "Desert"}})
        QCOMPARE(setup.run(arguments).exitCode, 0);

    ScriptedPrompts prompts;
    Application app(setup.programFolder(), prompts);
    showStartWindow(app);
    QCOMPARE(currentGameLocation(app).gameFolder, setup.game);
    QCOMPARE(currentGameLocation(app).modName, QStringLiteral("Desert"));
    Form1 *maxBots = app.windows().show<Form1>();
    frmStrategies *strategies = app.windows().show<frmStrategies>();
    frmScore2 *scores = app.windows().show<frmScore2>();
    frmIntro *intro = app.windows().show<frmIntro>();
    QCOMPARE(maxBots->Slider1->value(), 64);
    QCOMPARE(strategies->txtGuardAgression->text() + strategies->txtGuardAttacks->text() +
                 strategies->txtGuardDefences->text(),
             QStringLiteral("123"));
    QCOMPARE(scores->txtKill->text(), QStringLiteral("7"));
    QVERIFY(intro->optComplete->isChecked());

    maxBots->Slider1->setValue(100);
    maxBots->Command1_Click();
    strategies->txtDefendAttacks->setText(QStringLiteral("9"));
    strategies->Command1_Click();
    scores->txtRepair->setText(QStringLiteral("4"));
    scores->Command1_Click();
    intro->optReset->click();
    intro->cmdRemove_Click();
    QVERIFY(prompts.messages.isEmpty());

    QCOMPARE(setup.run({"max-bots"}).out, QByteArray("max-bots=100\n"));
    QCOMPARE(setup.run({"strategies"}).out,
             QByteArray("guard=1,2,3\nattack-enemy=1,3,0\nattack-neutral=1,3,0\ndefend=0,9,3\n"));
    QCOMPARE(setup.run({"scores"}).out,
             QByteArray("kill=7\nteamkill=-3\nsuicide=-2\nrevive=1\nheal=1\nresupply=1\nrepair=4\n"));
    QCOMPARE(setup.run({"intro"}).out, QByteArray("intro=reset\n"));
}

void tst_Cli::badInputIsRefused()
{
    const QString missing = QStringLiteral("missing.txt");
    const QList<std::pair<QStringList, QString>> cases = {
        {{"frobnicate"}, "unknown command \"frobnicate\". See \"vantrax --help\"."},
        {{}, "no command given. See \"vantrax --help\"."},
        {{"max-bots", "--bogus"}, "max-bots: Unknown option 'bogus'. See \"vantrax max-bots --help\"."},
        {{"location", "--stdout"}, "location: Unknown option 'stdout'. See \"vantrax location --help\"."},
        {{"max-bots", "257"}, "max-bots: the count must be a whole number from 0 to 256, not \"257\""},
        {{"max-bots", "many"}, "max-bots: the count must be a whole number from 0 to 256, not \"many\""},
        {{"max-bots", "8", "9"}, "max-bots: expected one count or --reset, not \"8 9\""},
        {{"scores", "kill=1234"}, "scores: the value of kill is longer than 3 characters: \"1234\""},
        {{"scores", "kills=1"},
         "scores: unknown score \"kills\"; the scores are kill teamkill suicide revive heal resupply repair"},
        {{"scores", "kill"}, "scores: values are given as name=value, such as kill=1, not \"kill\""},
        {{"scores", "--reset", "kill=1"}, "scores: --reset takes no values"},
        {{"strategies", "--guard", "1,2"},
         "strategies: --guard takes three values separated by commas (aggression,attacks,defences), not "
         "\"1,2\""},
        {{"strategies", "--defend", "1,2,3,4"},
         "strategies: --defend takes three values separated by commas (aggression,attacks,defences), not "
         "\"1,2,3,4\""},
        {{"intro", "later"}, "intro: expected skip, remove or reset, not \"later\""},
        {{"bot-names", "--from", missing},
         "bot-names: Cannot read \"missing.txt\": the file does not exist."},
        {{"score-module", "--from", missing},
         "score-module: Cannot read \"missing.txt\": the file does not exist."},
        {{"bot-names", "--from", "names.txt", "--reset"},
         "bot-names: give --from <file> or --reset, not both"},
    };
    Setup setup;
    setup.games.write(QStringLiteral("names.txt"), "x\r\n");
    setup.games.write(AIDefault, "old\r\n");
    setup.state("MaxBots.ini", "5\r\n");
    const QMap<QString, QByteArray> before = setup.files();
    for (const auto &[arguments, message] : cases) {
        const Outcome outcome = setup.run(arguments);
        QCOMPARE(outcome.err, "vantrax: " + message.toUtf8() + "\n");
        QCOMPARE(outcome.exitCode, 2);
        QCOMPARE(outcome.out, QByteArray());
        QCOMPARE(setup.files(), before);
    }

    // No stored location and no --game: nothing to write into.
    Setup unstored(false);
    const QMap<QString, QByteArray> empty = unstored.files();
    const QByteArray noFolder = "no game folder is stored; give one with --game <folder> or store one with "
                                "\"vantrax location set <folder>\"\n";
    for (const char *command : {"max-bots 5", "strategies --reset", "scores kill=1", "intro skip",
                                "bot-names --reset", "score-module --reset"}) {
        const QStringList arguments = QString::fromLatin1(command).split(u' ');
        const Outcome outcome = unstored.run(arguments);
        QCOMPARE(outcome.err, "vantrax: " + arguments.first().toUtf8() + ": " + noFolder);
        QCOMPARE(outcome.exitCode, 2);
        QCOMPARE(unstored.files(), empty);
    }
}

void tst_Cli::failedWritesNameTheFileAndKeepTheOldOne()
{
    Setup setup;
    setup.games.write(QStringLiteral("Orvanthe/mods/NoAI/readme.txt"), "");
    setup.state("strategies.ini", "5\r\n");
    const Outcome noFolder = setup.run({"strategies", "--mod", "NoAI", "--guard", "1,1,1"});
    QCOMPARE(noFolder.err,
             QStringLiteral("vantrax: Cannot write \"%1/mods/NoAI/AI/AIDefaultStrategies.ai\": the "
                            "folder \"%1/mods/NoAI/AI\" does not exist.\n")
                 .arg(setup.game)
                 .toUtf8());
    QCOMPARE(noFolder.exitCode, 1);
    QCOMPARE(setup.state("strategies.ini"), QByteArray("5\r\n"));

    // A value the game's code page cannot hold: the old file stays whole, nothing is stored.
    setup.games.write(Strategies, "old\r\n");
    const Outcome foreign = setup.run({"strategies", "--guard", QStringLiteral("\u0141,1,1")});
    QVERIFY(foreign.err.startsWith("vantrax: Cannot write \"" + setup.game.toUtf8() +
                                   "/mods/Vantrax/AI/AIDefaultStrategies.ai\": it holds"));
    QVERIFY(foreign.err.contains("U+0141"));
    QCOMPARE(foreign.exitCode, 1);
    QCOMPARE(setup.games.read(Strategies), QByteArray("old\r\n"));
    QCOMPARE(setup.state("strategies.ini"), QByteArray("5\r\n"));

    // The state file cannot be written (a folder in its place): the game file is, and the
    // failure names the state file.
    setup.config.write(QStringLiteral("vantrax-editor/MaxBots.ini/.keep"), "");
    const Outcome blocked = setup.run({"max-bots", "20"});
    QCOMPARE(blocked.exitCode, 1);
    QVERIFY(blocked.err.startsWith("vantrax: Cannot write \"" + setup.programFolder().toUtf8() +
                                   "/MaxBots.ini\""));
    QCOMPARE(setup.games.read(AIDefault), expectedAIDefault("aiSettings.setMaxNBots 20\r"));
}

void tst_Cli::locationIsTestedStoredAndOverridden()
{
    Setup setup(false);
    const Outcome notGame = setup.run({"location", "set", "Orvanthe/mods"});
    QCOMPARE(notGame.exitCode, 2);
    QCOMPARE(notGame.err,
             QStringLiteral("vantrax: location: \"%1/mods\" is no game installation: Cannot read "
                            "\"%1/mods/mods/vantrax/init.con\": the file does not exist.\n")
                 .arg(setup.game)
                 .toUtf8());
    QCOMPARE(setup.config.entries(), QStringList());

    // A relative folder is stored as the selection window holds it; the mod defaults to Vantrax.
    QCOMPARE(setup.run({"location", "set", "Orvanthe/mods/../"}).exitCode, 0);
    QCOMPARE(setup.state("dir.ini"), setup.game.toUtf8() + "\r\n");
    QCOMPARE(setup.state("dirMod.ini"), QByteArray("Vantrax\r\n"));
    QCOMPARE(setup.run({"location", "set", setup.game, "--mod", "Desert"}).exitCode, 0);
    QCOMPARE(setup.state("dirMod.ini"), QByteArray("Desert\r\n"));
    QCOMPARE(setup.run({"location"}).out, "game=" + setup.game.toUtf8() + "\nmod=Desert\n");

    // --game and --mod hold for one call only.
    TestFolder other;
    const QString otherGame = other.copyFixture(QStringLiteral("game"), QStringLiteral("Second"));
    other.write(QStringLiteral("Second/mods/Island/Init.con"), "old\r\n");
    QCOMPARE(setup.run({"--game", otherGame, "intro", "remove", "--mod", "Island"}).exitCode, 0);
    QCOMPARE(other.read(QStringLiteral("Second/mods/Island/Init.con")),
             stockBytes("Init-complete.con") + "\r\n");
    QCOMPARE(setup.state("dir.ini"), setup.game.toUtf8() + "\r\n");
    QCOMPARE(setup.state("dirMod.ini"), QByteArray("Desert\r\n"));

    const Outcome version = setup.run({"--version"});
    QCOMPARE(version.out, QByteArray("3.4.0\n"));
    const Outcome help = setup.run({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char *command :
         {"location", "max-bots", "strategies", "scores", "intro", "bot-names", "score-module"}) {
        QVERIFY(help.out.contains(QByteArray("\n  ") + command));
        const Outcome commandHelp = setup.run({command, "--help"});
        QCOMPARE(commandHelp.exitCode, 0);
        QVERIFY(commandHelp.out.startsWith(QByteArray("Usage:\n  vantrax ") + command));
    }
}

QTEST_MAIN(tst_Cli)
#include "tst_Cli.moc"
