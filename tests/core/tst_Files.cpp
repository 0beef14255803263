#include "core/FileVersions.h"
#include "core/GameLocation.h"
#include "core/PathResolver.h"
#include "core/ProgramFolder.h"
#include "core/TextFiles.h"
#include "editors/frame/EditorText.h"
#include "support/ExpectedFiles.h"
#include "support/TestFolders.h"

#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <grp.h>
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
    // full in the last flush, which a buffered save would not notice. The system's reason is shown,
    // and the version kept first (a second name of the file's data) goes again.
    void fullDiskLeavesThePreviousFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("A file size limit is set on Unix only.");
#else
        QVERIFY(holdsInChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            const Status written = replaceGameFile(
                ProgramFolder(at("full")), at("Mods/Desert/AI/BotNames.ai"), QByteArray(8 * 1024, 'x'));
            return written.error().endsWith("BotNames.ai\": File too large.");
        }));
        QCOMPARE(game_.read("Mods/Desert/AI/BotNames.ai"), QByteArray("old\r\n"));
        QCOMPARE(game_.entries().filter("AI/"), QStringList({"Mods/Desert/AI/BotNames.ai"}));
        QCOMPARE(game_.entries().filter("full/").filter(".version"), QStringList());
#endif
    }

    // A device, a pipe or a folder behind a link is never replaced; a link on the way, the file's
    // or a folder's, is followed only where it belongs to the user saving, to root, or to the owner
    // of what it points to. Links of another user are made only as root.
    void writesFollowOnlyTrustedLinksToRegularFiles()
    {
#ifndef Q_OS_UNIX
        QSKIP("Devices, pipes and the owners of links are Unix ones.");
#else
        const uid_t me = geteuid(), other = 65534;
        game_.write("Links/own.ai", "own");
        game_.write("Links/theirs/x.ai", "theirs");
        QVERIFY(mkfifo(QFile::encodeName(at("Links/fifo")), 0600) == 0 &&
                chown(QFile::encodeName(at("Links/theirs")), other, -1) == (me == 0 ? 0 : -1) &&
                chown(QFile::encodeName(at("Links/theirs/x.ai")), other, -1) == (me == 0 ? 0 : -1));
        const QString planted =
            "Cannot write \"%1\": the link \"" + at("Links/%2") +
            "\" on its way belongs to nobody, who is neither you nor the owner of what it "
            "points to, so it is not followed.";
        for (const auto &[link, target, owner, written, message] :
             QList<std::tuple<QString, QString, uid_t, QString, QString>>{
                 {"fifo.ai", "fifo", me, "fifo.ai", "Cannot write \"%1\": it is no regular file."},
                 {"mine.ai", "own.ai", me, "mine.ai", ""},
                 {"planted.ai", "own.ai", other, "planted.ai", planted.arg("%1", "planted.ai")},
                 {"dir", "theirs", other, "dir/x.ai", ""},
                 {"up", ".", other, "up/own.ai", planted.arg("%1", "up")}}) {
            const QByteArray path = QFile::encodeName(at("Links/" + link));
            if (owner != me && me != 0)
                continue;
            QVERIFY(symlink(QFile::encodeName(target), path) == 0 && lchown(path, owner, -1) == 0);
            QCOMPARE(replaceGameFile(program_, at("Links/" + written), link.toUtf8()).error(),
                     QString(message).arg(at("Links/" + written)));
        }
        QVERIFY(game_.read("Links/own.ai") == "mine.ai" && !QFileInfo(at("Links/fifo")).isFile() &&
                (me != 0 || game_.read("Links/theirs/x.ai") == "dir"));
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
        // A stored location is both files or neither; a stored name never holds a NUL.
        QVERIFY(QDir().mkpath(at("first/dirMod.ini")) &&
                !storeGameLocation(ProgramFolder(at("first")), {at("Game"), "Desert"}).ok() &&
                !QFileInfo::exists(at("first/dir.ini")));
        game_.write("first/dir.ini", QByteArray("/x\0y\r\n", 6));
        QCOMPARE(readStoredLocation(ProgramFolder(at("first"))).error(),
                 "Cannot read \"" + QDir::toNativeSeparators(at("first/dir.ini")) +
                     "\": it holds a NUL byte, so it is no stored name.");
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
        if (owner == geteuid())
            return;
        // A member of the file's group who is not its owner keeps the group, so the others still read it.
        game_.write("Shared/shared.ai", "old");
        const QByteArray shared = QFile::encodeName(at("Shared/shared.ai")),
                         folder = QFile::encodeName(at("Shared"));
        const gid_t group = 4242;
        QVERIFY(chown(folder, 0, group) == 0 && chmod(folder, 0770) == 0 && chown(shared, 0, group) == 0 &&
                chmod(shared, 0660) == 0 && chmod(QFile::encodeName(game_.path()), 0711) == 0);
        QVERIFY(holdsInChild([&] {
            return setgroups(1, &group) == 0 && setgid(65534) == 0 && setuid(65534) == 0 &&
                   writeFileBytes(at("Shared/shared.ai"), "new").ok();
        }));
        QVERIFY(stat(shared, &replaced) == 0 && replaced.st_uid == 65534 && replaced.st_gid == group &&
                (replaced.st_mode & 07777) == 0660);
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
        QVERIFY(restoreVersion(program, names, fileVersions(program, names).at(1)).ok());
        QVERIFY(game_.read("Game/Mods/Desert/AI/BotNames.ai") == big && kept(names).first() == "case");
        // The order of keeping, not the clock, says which are the last: a version an earlier
        // release named by a time still to come counts as kept before them.
        const QString folder =
            "versions/versions/" + QCryptographicHash::hash(names.toUtf8(), QCryptographicHash::Sha1).toHex();
        game_.write(folder + "/20991231T235959999-0000000001-000000.version", "earlier");
        for (int i = 0; i < 20; ++i)
            QVERIFY(replaceGameFile(program, names, QByteArray::number(i)).ok());
        QCOMPARE(kept(names).size(), 20);
        QCOMPARE(kept(names).first() + kept(names).last(), "18" + big);
#ifdef Q_OS_UNIX
        // A file with another name is kept as a copy, which a write to that name leaves alone;
        // no version may be written to. (Windows: tst_WindowsFiles.)
        QVERIFY(link(QFile::encodeName(names), QFile::encodeName(at("second"))) == 0 &&
                replaceGameFile(program, names, "20").ok());
        game_.write("second", "changed");
        QCOMPARE(kept(names).first(), "19");
        for (const QString &version : QDir(at(folder)).entryList({"*.version"})) {
            struct stat kept {};
            QVERIFY(stat(QFile::encodeName(at(folder + "/" + version)), &kept) == 0 &&
                    (kept.st_mode & 07777) == 0444);
        }
#endif
        // Where no version can be kept, the file is not replaced, and the failure says why.
        game_.write("blocked/versions", "");
        const Status refused = replaceGameFile(ProgramFolder(at("blocked")), names, "new");
        QVERIFY2(
            refused.error().startsWith("Nothing was saved: the bytes \"" + QDir::toNativeSeparators(names)) &&
                refused.error().contains("does not exist"),
            qPrintable(refused.error()));
#ifdef Q_OS_UNIX
        QCOMPARE(game_.read("Game/Mods/Desert/AI/BotNames.ai"), "20");
        // A file reached through a link out of the game folder is listed under the path given.
        const QString linked = at("Game/Mods/Linked/AI/BotNames.ai");
        QVERIFY(QFile::link(at("Other/Mods/Desert"), at("Game/Mods/Linked")) &&
                replaceGameFile(program, linked, "linked").ok());
        QCOMPARE(filesWithVersions(program, at("Game")), QStringList({names, linked}));
#endif
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

    // Another writer holds the lock: the steps do not run, and the failure names it. A lock file
    // that names no process is taken over at once, and the next writer removes what a killed one
    // left; a writer waits for the lock up to ten seconds.
    void theLockIsHeldByOneWriterAtATime()
    {
        const ProgramFolder folder(at("program"));
        const auto done = [] { return Status::success(); };
        const Status outer = folder.whileLocked([&] {
            return folder.whileLocked([] { return Status::failure("ran"); }, std::chrono::milliseconds(0));
        });
        QVERIFY2(outer.error().contains(QString("another Vantrax Editor or vantrax call is saving in \"%1\" "
                                                "(process %2) and")
                                            .arg(QDir::toNativeSeparators(folder.path()))
                                            .arg(QCoreApplication::applicationPid())),
                 qPrintable(outer.error()));
        for (const char *file :
             {"vantrax.lock", "Score.ini.aB3dE9", "versions/k/file.Xy12Z9", "Score.ini.keep"})
            game_.write(QString("program/") + file, "");
        QFile killed(at("program/vantrax.lock"));
        QVERIFY(
            killed.open(QIODevice::ReadWrite) &&
            killed.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime));
        killed.close();
        QVERIFY(folder.whileLocked(done, std::chrono::milliseconds(0)).ok());
        QCOMPARE(game_.entries().filter(QRegularExpression("program/(Score|versions/k/)")),
                 QStringList({"program/Score.ini.keep"}));
        QSemaphore held;
        std::unique_ptr<QThread> holder(QThread::create([&] {
            std::ignore = folder.whileLocked([&] {
                held.release();
                QThread::msleep(1500);
                return Status::success();
            });
        }));
        holder->start();
        held.acquire();
        QVERIFY(folder.whileLocked(done).ok());
        holder->wait();
    }
};

QTEST_GUILESS_MAIN(tst_Files)
#include "tst_Files.moc"
