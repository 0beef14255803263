#include "core/FileVersions.h"
#include "core/PathResolver.h"
#include "core/ProgramFolder.h"
#include "core/TextFiles.h"
#include "editors/frame/EditorText.h"
#include "support/ExpectedFiles.h"
#include "support/TestFolders.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs the check in a child process, which may change its limits or user; whether it held.
bool holdsInChild(const std::function<bool()> &check)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(check() ? 0 : 1);
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace
#endif

// Paths found in any letter case, the code page, failures that name the file and change nothing.
class tst_Files : public QObject {
    Q_OBJECT
    TestFolder game_;
    QString at(const QString &relative) const { return game_.filePath(relative); }
    const ProgramFolder program_{at("program")};

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
#ifndef Q_OS_UNIX
        QSKIP("Windows finds every name in any letter case itself.");
#else
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
#endif
    }

    // Read, decoded, through the text area's line breaks and written back, plus the final CR LF.
    void everyByteValueRoundTrips()
    {
        QVERIFY(writeFileBytes(at("all.tweak"), everyByte()).ok());
        const QString text = readWholeText(at("all.tweak")).value();
#ifdef Q_OS_WIN
        QStringDecoder system(QStringConverter::System); // the ANSI code page, windows-1252 here
#else
        QStringDecoder system("windows-1252");
#endif
        QCOMPARE(text, system.decode(everyByte())); // the system's converter agrees
        QVERIFY(
            replaceGameText(program_, at("all.tweak"), fileTextFromEditor(editorTextFromFile(text))).ok());
        QCOMPARE(game_.read("all.tweak"), everyByte() + "\r\n");
    }

    void failuresNameTheFileAndChangeNothing()
    {
        const QStringList before = game_.entries();
        using Attempt = std::pair<QString, Status>;
        const auto write = [&](const QString &file, const QString &text = "x") {
            return Attempt(at(file), replaceGameText(program_, at(file), text));
        };
        const auto read = [&](const QString &file) { return Attempt(at(file), readWholeText(at(file))); };
        for (const auto &[attempt, message] : QList<std::pair<Attempt, QString>>{
                 {write("Mods/No/x.ai"), "Cannot write \"%1\": the folder \"" +
                                             QDir::toNativeSeparators(at("Mods/No")) + "\" does not exist."},
                 {write("Mods/Desert/AI"), "Cannot write \"%1\": a folder of that name is in its place."},
                 {read("Mods/Desert/x.con"), "Cannot read \"%1\": the file does not exist."},
                 {read("Mods/Desert/AI"), "Cannot read \"%1\": it is a folder."}})
            QCOMPARE(attempt.second.error(), message.arg(QDir::toNativeSeparators(attempt.first)));
        QCOMPARE(game_.entries(), before);
        QCOMPARE(game_.read("Mods/Desert/AI/BotNames.ai"), QByteArray("old\r\n"));
    }

    // A child limited to 4 KiB files saves 8 KiB, less than a write buffer holds: the disk runs
    // full in the last flush, which a buffered save would not notice. The system's reason is shown.
    void fullDiskLeavesThePreviousFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("A file size limit is set on Unix only.");
#else
        QVERIFY(holdsInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            const Status written =
                writeFileBytes(at("Mods/Desert/AI/BotNames.ai"), QByteArray(8 * 1024, 'x'));
            return written.error().endsWith("BotNames.ai\": File too large.");
        }));
        QCOMPARE(game_.read("Mods/Desert/AI/BotNames.ai"), QByteArray("old\r\n"));
        QCOMPARE(game_.entries().filter("AI/"), QStringList({"Mods/Desert/AI/BotNames.ai"}));
#endif
    }

    // A folder that may be entered but not listed (by a user other than root, who lists any):
    // an exact name is found there, a name in another letter case is refused, saying why.
    void exactNamesAreFoundWithoutListingTheFolder()
    {
#ifndef Q_OS_UNIX
        QSKIP("Folders that may be entered but not listed are Unix ones.");
#else
        game_.write("Locked/Init.con", "x");
        QVERIFY(chmod(QFile::encodeName(game_.path()), 0711) == 0 &&
                chmod(QFile::encodeName(at("Locked")), 0311) == 0);
        const bool held = holdsInChild([&] {
            return (geteuid() != 0 || setuid(65534) == 0) &&
                   resolvePath(at("Locked/Init.con")).value() == at("Locked/Init.con") &&
                   resolvePath(at("Locked/init.con")).error().contains("cannot be listed");
        });
        QVERIFY(chmod(QFile::encodeName(at("Locked")), 0755) == 0 && held);
#endif
    }

    // Only regular files, and no more than a state file holds. Values beyond the code page are
    // stored in UTF-8 after a byte-order mark, all others as before.
    void stateFilesAreReadSafelyAndHoldAnyName()
    {
        QStringList refused = {"big.ini"};
#ifdef Q_OS_UNIX
        QVERIFY(mkfifo(QFile::encodeName(at("fifo.ini")), 0600) == 0 &&
                QFile::link("/dev/zero", at("zero.ini")));
        refused << "fifo.ini"
                << "zero.ini";
#endif
        game_.write("big.ini", QByteArray(64 * 1024 + 1, 'x'));
        for (const QString &file : refused)
            QCOMPARE(readLines(at(file)).error(),
                     "Cannot read \"" + QDir::toNativeSeparators(at(file)) + "\": " +
                         (file == u"big.ini" ? "it is larger than 64 KiB." : "it is no regular file."));
        for (const auto &[values, bytes] : QList<std::pair<QStringList, QByteArray>>{
                 {{"C:\\Gry\\\u0141\u00f3d\u017a", "Desert"},
                  "\xEF\xBB\xBF"
                  "C:\\Gry\\\xC5\x81\xC3\xB3"
                  "d\xC5\xBA\r\nDesert\r\n"},
                 {{"Caf\u00e9", ""}, "Caf\xE9\r\n\r\n"},
                 {{"\u00ef\u00bb\u00bf"}, "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF\r\n"}}) {
            QVERIFY(writeLines(at("state.ini"), values).ok());
            QCOMPARE(game_.read("state.ini"), bytes);
            QCOMPARE(readLines(at("state.ini")).value(), values);
        }
    }

    // A replaced file keeps its owner (where the writer may give it away) and its permissions,
    // less set-user-ID and set-group-ID.
    void replacedFilesKeepOwnerAndPermissions()
    {
#ifndef Q_OS_UNIX
        QSKIP("Owners and modes are Unix ones.");
#else
        game_.write("owned.ai", "old");
        const QByteArray path = QFile::encodeName(at("owned.ai"));
        const uid_t owner = geteuid() == 0 ? 65534 : geteuid();
        struct stat replaced {};
        QVERIFY(chown(path, owner, gid_t(-1)) == 0 && chmod(path, 06444) == 0 &&
                writeFileBytes(at("owned.ai"), "new").ok() && stat(path, &replaced) == 0);
        QVERIFY(replaced.st_uid == owner && (replaced.st_mode & 07777) == 0444);
#endif
    }

    // Each replacement with other bytes first keeps the previous ones as a version, exactly, of any
    // size; identical bytes keep none, the newest 20 stay, and one written back is kept in turn.
    // A name in another letter case is the same file; another installation's file is another.
    void replacedBytesAreKeptAsVersions()
    {
        const ProgramFolder program(at("versions"));
        const QString names = at("Game/Mods/Desert/AI/BotNames.ai"),
                      other = at("Other/Mods/Desert/AI/BotNames.ai");
        game_.write("Game/Mods/Desert/AI/BotNames.ai", "old\r\n");
        game_.write("Other/Mods/Desert/AI/BotNames.ai", "other\r\n");
        const QByteArray big = QByteArray(20 * 1024 * 1024, '\r') + everyByte();
        for (const QByteArray &bytes : {everyByte(), QByteArray("lone\rCR\r\n"), big, QByteArray("last")})
            QVERIFY(replaceGameFile(program, names, bytes).ok() &&
                    replaceGameFile(program, names, bytes).ok());
        QVERIFY(replaceGameFile(program, at("game/mods/desert/ai/botnames.ai"), "case").ok() &&
                replaceGameFile(program, other, "new").ok());
        const auto kept = [&](const QString &file) {
            QList<QByteArray> all;
            for (const FileVersion &version : fileVersions(program, file))
                all << versionBytes(program, file, version).value();
            return all;
        };
        QCOMPARE(kept(names), QList<QByteArray>({"last", big, "lone\rCR\r\n", everyByte(), "old\r\n"}));
        QCOMPARE(filesWithVersions(program, at("Game")), QStringList{names});
        QCOMPARE(kept(other), QList<QByteArray>{"other\r\n"});
        QVERIFY(replaceGameFile(program, names, kept(names).at(1)).ok());
        QVERIFY(game_.read("Game/Mods/Desert/AI/BotNames.ai") == big && kept(names).first() == "case");
        for (int i = 0; i < 20; ++i)
            QVERIFY(replaceGameFile(program, names, QByteArray::number(i)).ok());
        QCOMPARE(kept(names).size(), 20);
        QCOMPARE(kept(names).first() + kept(names).last(), "18" + big);
        // Where no version can be kept, the file is not replaced, and the failure says why.
        game_.write("blocked/versions", "");
        const Status refused = replaceGameFile(ProgramFolder(at("blocked")), names, "new");
        QVERIFY2(
            refused.error().startsWith("Nothing was saved: the bytes \"" + QDir::toNativeSeparators(names)) &&
                refused.error().contains("does not exist"),
            qPrintable(refused.error()));
        QCOMPARE(game_.read("Game/Mods/Desert/AI/BotNames.ai"), "19");
    }

    // What the versions window shows of a version against the file now.
    void firstDifferenceNamesTheLine()
    {
        for (const auto &[version, now, shown] : QList<std::tuple<QByteArray, QByteArray, QString>>{
                 {"a\r\nb\r\n", "a\r\nb\r\n", "the same bytes as now"},
                 {"a\r\nb\r\n", "a\r\nc\r\n", "line 2: b"},
                 {"a\r\n", "a\r\nb\r\n", "line 2: (ends before it)"},
                 {"\x80" + QByteArray(70, 'x'), "", "line 1: \u20AC" + QString(59, 'x') + "\u2026"}})
            QCOMPARE(firstDifference(version, now), shown);
    }

    // Another writer holds the lock: the steps do not run, and the failure says why.
    void aHeldLockIsReportedNotWaitedFor()
    {
        const ProgramFolder folder(at("program"));
        const Status outer = folder.whileLocked([&] {
            return folder.whileLocked([] { return Status::failure("ran"); }, std::chrono::milliseconds(0));
        });
        QVERIFY(outer.error().contains("another Vantrax Editor or vantrax call is saving"));
    }
};

QTEST_GUILESS_MAIN(tst_Files)
#include "tst_Files.moc"
