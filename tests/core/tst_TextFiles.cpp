#include "core/CodePage.h"
#include "core/TextFiles.h"
#include "support/TestFolders.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray everyByte()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

} // namespace

class tst_TextFiles : public QObject {
    Q_OBJECT
private slots:
    void everyByteValueSurvivesWriteAndRead();
    void wholeTextEndsWithOneMoreLineBreak();
    void lineRecordsReadAnyLineEnd();
    void textTheCodePageCannotHoldIsNotWritten();
    void failedWritesNameTheFileAndKeepThePreviousOne();
    void fullDiskLeavesThePreviousFile();
    void readFailuresNameTheFile();
    void removeIgnoresAMissingFile();
};

void tst_TextFiles::everyByteValueSurvivesWriteAndRead()
{
    TestFolder folder;
    const QString path = folder.filePath(QStringLiteral("all.bin"));

    QVERIFY(writeFileBytes(path, everyByte()).ok());
    QCOMPARE(folder.read(QStringLiteral("all.bin")), everyByte());
    QCOMPARE(readFileBytes(path).value(), everyByte());

    // Through the code page as text: decoded and written back, plus the final CR LF.
    const Result<QString> text = readWholeText(path);
    QCOMPARE(text.value().size(), 256);
    QCOMPARE(text.value().at(0x80), QChar(0x20AC)); // the euro sign of windows-1252
    QVERIFY(writeWholeText(path, text.value()).ok());
    QCOMPARE(folder.read(QStringLiteral("all.bin")), everyByte() + "\r\n");
}

void tst_TextFiles::wholeTextEndsWithOneMoreLineBreak()
{
    TestFolder folder;
    const QString path = folder.filePath(QStringLiteral("dir.ini"));

    QVERIFY(writeWholeText(path, QStringLiteral("C:\\Games\\Orvanthe")).ok());
    QCOMPARE(folder.read(QStringLiteral("dir.ini")), QByteArray("C:\\Games\\Orvanthe\r\n"));
    QVERIFY(writeWholeText(path, QStringLiteral("line\r\n")).ok());
    QCOMPARE(folder.read(QStringLiteral("dir.ini")), QByteArray("line\r\n\r\n"));
    QVERIFY(writeWholeText(path, QString()).ok());
    QCOMPARE(folder.read(QStringLiteral("dir.ini")), QByteArray("\r\n"));
    QVERIFY(writeLines(path, {QStringLiteral("16"), QString(), QStringLiteral("Caf\u00e9 ")}).ok());
    QCOMPARE(folder.read(QStringLiteral("dir.ini")), QByteArray("16\r\n\r\nCaf\xe9 \r\n"));
}

void tst_TextFiles::lineRecordsReadAnyLineEnd()
{
    TestFolder folder;
    folder.write(QStringLiteral("a.ini"), "one\r\ntwo\nthree\rfour");
    QCOMPARE(readLines(folder.filePath(QStringLiteral("a.ini"))).value(), QStringList({"one", "two", "three", "four"}));
    folder.write(QStringLiteral("b.ini"), "\r\n\r\nlast \r\n");
    QCOMPARE(readLines(folder.filePath(QStringLiteral("b.ini"))).value(), QStringList({"", "", "last "}));
    folder.write(QStringLiteral("c.ini"), "");
    QCOMPARE(readLines(folder.filePath(QStringLiteral("c.ini"))).value(), QStringList());
    folder.write(QStringLiteral("d.ini"), "\xe9t\xe9\r\n");
    QCOMPARE(readLines(folder.filePath(QStringLiteral("d.ini"))).value(), QStringList({QStringLiteral("\u00e9t\u00e9")}));
}

void tst_TextFiles::textTheCodePageCannotHoldIsNotWritten()
{
    TestFolder folder;
    folder.write(QStringLiteral("names.ai"), "old\r\n");
    const QString path = folder.filePath(QStringLiteral("names.ai"));

    const Status written = writeWholeText(path, QStringLiteral("K. Vardanyan\r\nJ. \u0141ukasz"));
    QVERIFY(!written.ok());
    QVERIFY2(written.error().contains(QStringLiteral("names.ai")), qPrintable(written.error()));
    QVERIFY2(written.error().contains(QStringLiteral("\u201C\u0141\u201D (U+0141)")), qPrintable(written.error()));
    QVERIFY(!writeLines(path, {QStringLiteral("\u4e00")}).ok());
    QCOMPARE(folder.read(QStringLiteral("names.ai")), QByteArray("old\r\n"));
    QCOMPARE(folder.entries(), QStringList({"names.ai"}));
}

void tst_TextFiles::failedWritesNameTheFileAndKeepThePreviousOne()
{
    TestFolder folder;
    folder.write(QStringLiteral("AI/BotNames.ai"), "in the folder\r\n");

    const Status missingFolder = writeWholeText(folder.filePath(QStringLiteral("Missing/BotNames.ai")), QStringLiteral("x"));
    QVERIFY(!missingFolder.ok());
    QCOMPARE(missingFolder.error(), QStringLiteral("Cannot write \"%1\": the folder \"%2\" does not exist.")
                                        .arg(folder.filePath(QStringLiteral("Missing/BotNames.ai")),
                                             folder.filePath(QStringLiteral("Missing"))));

    const Status folderInTheWay = writeWholeText(folder.filePath(QStringLiteral("AI")), QStringLiteral("x"));
    QVERIFY(!folderInTheWay.ok());
    QCOMPARE(folderInTheWay.error(), QStringLiteral("Cannot write \"%1\": a folder of that name is in its place.")
                                         .arg(folder.filePath(QStringLiteral("AI"))));

    QCOMPARE(folder.entries(), QStringList({"AI", "AI/BotNames.ai"}));
    QCOMPARE(folder.read(QStringLiteral("AI/BotNames.ai")), QByteArray("in the folder\r\n"));
}

void tst_TextFiles::fullDiskLeavesThePreviousFile()
{
    TestFolder folder;
    folder.write(QStringLiteral("scoringCommon.py"), "previous module\r\n");
    const QString path = folder.filePath(QStringLiteral("scoringCommon.py"));

    // The child may write no file larger than 4 KiB: the save runs into the limit as into a
    // full disk. It reports through its exit code whether the save said it failed.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const Status written = writeFileBytes(path, QByteArray(64 * 1024, 'x'));
        _exit(!written.ok() && written.error().contains(QStringLiteral("scoringCommon.py")) ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);

    QCOMPARE(folder.read(QStringLiteral("scoringCommon.py")), QByteArray("previous module\r\n"));
    QCOMPARE(folder.entries(), QStringList({"scoringCommon.py"}));
}

void tst_TextFiles::readFailuresNameTheFile()
{
    TestFolder folder;
    folder.write(QStringLiteral("mods/vantrax/AI/x"), "");

    const Result<QByteArray> missing = readFileBytes(folder.filePath(QStringLiteral("mods/vantrax/init.con")));
    QCOMPARE(missing.error(), QStringLiteral("Cannot read \"%1\": the file does not exist.")
                                  .arg(folder.filePath(QStringLiteral("mods/vantrax/init.con"))));
    const Result<QString> isFolder = readWholeText(folder.filePath(QStringLiteral("mods/vantrax/AI")));
    QCOMPARE(isFolder.error(),
             QStringLiteral("Cannot read \"%1\": it is a folder.").arg(folder.filePath(QStringLiteral("mods/vantrax/AI"))));
    QVERIFY(!readLines(folder.filePath(QStringLiteral("nothing/here.ini"))).ok());
}

void tst_TextFiles::removeIgnoresAMissingFile()
{
    TestFolder folder;
    folder.write(QStringLiteral("Score.ini"), "1\r\n");
    QVERIFY(removeFile(folder.filePath(QStringLiteral("score.ini"))).ok());
    QCOMPARE(folder.entries(), QStringList());
    QVERIFY(removeFile(folder.filePath(QStringLiteral("score.ini"))).ok());
}

QTEST_GUILESS_MAIN(tst_TextFiles)
#include "tst_TextFiles.moc"
