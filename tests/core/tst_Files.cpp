#include "core/PathResolver.h"
#include "core/TextFiles.h"
#include "editors/frame/EditorText.h"
#include "support/ExpectedFiles.h"
#include "support/TestFolders.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Paths found in any letter case, the code page, failures that name the file and change nothing.
class tst_Files : public QObject {
    Q_OBJECT
    TestFolder game_;
    QString at(const QString &relative) const { return game_.filePath(relative); }

private slots:
    void initTestCase()
    {
        game_.write("Mods/Vantrax/Init.con", "one");
        game_.write("Mods/Vantrax/INIT.CON", "two");
        game_.write("Mods/Desert/AI/BotNames.ai", "old\r\n");
    }

    // The exact name before its twin; twins without it are refused.
    void pathsAreFoundInAnyLetterCase()
    {
        for (const auto &[asked, found] : QList<std::pair<QString, QString>>{
                 {at("Mods/Vantrax/INIT.CON"), at("Mods/Vantrax/INIT.CON")},
                 {at("mods/desert/ai/botnames.ai"), at("Mods/Desert/AI/BotNames.ai")},
                 {at("mods/No/AI/x.ai"), at("Mods/No/AI/x.ai")},
                 {'/' + at("mods/desert/AI"), at("Mods/Desert/AI")},
                 {"//", "/"}})
            QCOMPARE(resolvePath(asked).value(), found);
        const QString twin = at("mods/vantrax/init.con");
        const QString error = resolvePath(twin).error();
        QVERIFY(error.contains("\"INIT.CON\"") && error.contains("\"Init.con\"") &&
                !writeFileBytes(twin, "").ok());
        QCOMPARE(game_.read("Mods/Vantrax/Init.con") + game_.read("Mods/Vantrax/INIT.CON"),
                 QByteArray("onetwo"));
    }

    // Read, decoded, through the text area's line breaks and written back, plus the final CR LF.
    void everyByteValueRoundTrips()
    {
        QVERIFY(writeFileBytes(at("all.tweak"), everyByte()).ok());
        const QString text = readWholeText(at("all.tweak")).value();
        QVERIFY(text.contains(QChar(0x20AC))); // 0x80, the euro sign of windows-1252
        QVERIFY(writeWholeText(at("all.tweak"), fileTextFromEditor(editorTextFromFile(text))).ok());
        QCOMPARE(game_.read("all.tweak"), everyByte() + "\r\n");
    }

    void failuresNameTheFileAndChangeNothing()
    {
        const QStringList before = game_.entries();
        using Attempt = std::pair<QString, Status>;
        const auto write = [&](const QString &file, const QString &text = "x") {
            return Attempt(at(file), writeWholeText(at(file), text));
        };
        const auto read = [&](const QString &file) { return Attempt(at(file), readWholeText(at(file))); };
        for (const auto &[attempt, message] : QList<std::pair<Attempt, QString>>{
                 {write("Mods/No/x.ai"),
                  "Cannot write \"%1\": the folder \"" + at("Mods/No") + "\" does not exist."},
                 {write("Mods/Desert/AI"), "Cannot write \"%1\": a folder of that name is in its place."},
                 {write("Mods/Desert/AI/BotNames.ai", "J. \u0141ukasz"),
                  "Cannot write \"%1\": it holds the character \u201C\u0141\u201D "
                  "(U+0141), which the game's code page cannot store."},
                 {read("Mods/Desert/x.con"), "Cannot read \"%1\": the file does not exist."},
                 {read("Mods/Desert/AI"), "Cannot read \"%1\": it is a folder."}})
            QCOMPARE(attempt.second.error(), message.arg(attempt.first));
        QCOMPARE(game_.entries(), before);
        QCOMPARE(game_.read("Mods/Desert/AI/BotNames.ai"), QByteArray("old\r\n"));
    }

    // A child limited to 4 KiB files saves 8 KiB, less than a write buffer holds: the disk runs
    // full in the last flush, which a buffered save would not notice.
    void fullDiskLeavesThePreviousFile()
    {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            const Status written =
                writeFileBytes(at("Mods/Desert/AI/BotNames.ai"), QByteArray(8 * 1024, 'x'));
            _exit(!written.ok() && written.error().contains("BotNames.ai") ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(game_.read("Mods/Desert/AI/BotNames.ai"), QByteArray("old\r\n"));
        QCOMPARE(game_.entries().filter("AI/"), QStringList({"Mods/Desert/AI/BotNames.ai"}));
    }
};

QTEST_GUILESS_MAIN(tst_Files)
#include "tst_Files.moc"
