#include "core/FileVersions.h"
#include "core/GameLocation.h"
#include "core/PathResolver.h"
#include "core/ProgramFolder.h"
#include "core/TextFiles.h"
#include "core/WindowsFiles.h"
#include "support/TestFolders.h"

#include <QtTest>

#include <windows.h>

// What only Windows has: the user's application data, device names, network shares, files the
// running game holds open or that are marked read-only, long paths and NTFS hard links.
class tst_WindowsFiles : public QObject {
    Q_OBJECT
    TestFolder game_;
    QString at(const QString &relative) const { return game_.filePath(relative); }
    QString shown(const QString &relative) const { return QDir::toNativeSeparators(at(relative)); }

private slots:
    // Installed, the stored values live in the user's application data; a portable copy keeps
    // them beside its programs while its marker is there.
    void programFolderIsTheUsersUnlessPortable()
    {
        qputenv("APPDATA", QDir::toNativeSeparators(at("Roaming")).toLocal8Bit());
        QCOMPARE(ProgramFolder::standardPath(), at("Roaming") + "/Vantrax Editor");
        QFile marker(QCoreApplication::applicationDirPath() + "/portable.txt");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        const QString portable = ProgramFolder::standardPath();
        QVERIFY(marker.remove());
        QCOMPARE(portable, QCoreApplication::applicationDirPath());
    }

    // A mod folder named as a device would be the device, whatever follows a dot.
    void modsNamedAsDevicesAreRefused_data()
    {
        QTest::addColumn<QString>("mod");
        QTest::addColumn<bool>("accepted");
        for (const char *device : {"CON", "nul", "Aux", "prn", "COM1", "lpt9", "con.txt", "NUL "})
            QTest::addRow("%s", device) << device << false;
        for (const char *mod : {"Console", "COM", "nullmod", "Desert"})
            QTest::addRow("%s", mod) << mod << true;
    }
    void modsNamedAsDevicesAreRefused()
    {
        QFETCH(QString, mod);
        QFETCH(bool, accepted);
        const Status checked = checkLocation({at("Orvanthe"), mod});
        QCOMPARE(checked.ok(), accepted);
        if (!accepted)
            QCOMPARE(checked.error(),
                     "The mod \"" + mod + "\" is not the name of one folder in the game's \"mods\" folder.");
    }

    // A network share is a root as a drive is: its server and share are never looked for.
    void networkSharesAreRoots()
    {
        QCOMPARE(resolvePath("\\\\server\\share\\Orvanthe\\mods\\vantrax").value(),
                 "//server/share/Orvanthe/mods/vantrax");
    }

    // The running game holds a file open without sharing it, or the file is marked read-only: a
    // save says so, and the file and the versions kept before stay as they were.
    void filesTheGameHoldsOrThatAreReadOnlyStayWhole_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("reason");
        QTest::addRow("held open")
            << true << "another program has it open, perhaps the game; try again once the game is closed";
        QTest::addRow("read-only") << false << "the file is marked read-only (see its Properties)";
    }
    void filesTheGameHoldsOrThatAreReadOnlyStayWhole()
    {
        QFETCH(bool, held);
        QFETCH(QString, reason);
        const QString name = QStringLiteral("Orvanthe/mods/vantrax/%1.con").arg(held ? "held" : "readonly");
        game_.write(name, "old\r\n");
        const ProgramFolder program(at("program"));
        QVERIFY(replaceGameText(program, at(name), "saved").ok());
        const std::wstring path = QDir::toNativeSeparators(at(name)).toStdWString();
        HANDLE game = INVALID_HANDLE_VALUE;
        if (held)
            game =
                CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        else
            QVERIFY(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        QVERIFY(!held || game != INVALID_HANDLE_VALUE);
        const Status saved = replaceGameText(program, at(name), "new");
        if (held)
            CloseHandle(game);
        else
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        QCOMPARE(saved.error(), "Cannot write \"" + shown(name) + "\": " + reason + ".");
        QCOMPARE(game_.read(name), QByteArray("saved\r\n"));
        const QList<FileVersion> versions = fileVersions(program, at(name));
        QCOMPARE(versions.size(), 1);
        QCOMPARE(versionBytes(program, at(name), versions.first()).value(), QByteArray("old\r\n"));
    }

    // Past the 260 characters of old Windows paths, files are read, replaced and kept as before.
    void longPathsWork()
    {
        const QString deep = "Orvanthe/mods/" + QString(120, u'd') + '/' + QString(120, u'e') + "/Init.con";
        QVERIFY(at(deep).size() > 260);
        game_.write(deep, "old\r\n");
        const ProgramFolder program(at("program"));
        QVERIFY(replaceGameText(program, at(deep), "new").ok());
        QCOMPARE(readFileBytes(at(deep)).value(), QByteArray("new\r\n"));
        QCOMPARE(fileVersions(program, at(deep)).size(), 1);
    }

    // A replaced file's bytes are kept as a second name where it has no other (the version is the
    // file that was replaced); a file with another name is copied, so that a change through that
    // name cannot change the version.
    void versionsAreHardLinksOnlyOfFilesWithOneName()
    {
        const auto fileIndex = [](const QString &path) {
            const HANDLE handle = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), 0,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, 0, nullptr);
            BY_HANDLE_FILE_INFORMATION information{};
            GetFileInformationByHandle(handle, &information);
            CloseHandle(handle);
            return (quint64(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
        };
        const ProgramFolder program(at("program"));
        const auto versionFile = [&](const QString &file) {
            QDirIterator it(program.filePath("versions"), {fileVersions(program, at(file)).first().name},
                            QDir::Files, QDirIterator::Subdirectories);
            return it.hasNext() ? it.next() : QString();
        };
        game_.write("Alone/Init.con", "one\r\n");
        game_.write("Linked/Init.con", "one\r\n");
        QVERIFY(makeHardLink(at("Linked/Init.con"), at("Linked/Copy.con")));
        QCOMPARE(hardLinkCount(at("Linked/Init.con")), 2);
        const quint64 alone = fileIndex(at("Alone/Init.con")), linked = fileIndex(at("Linked/Init.con"));
        for (const QString file : {"Alone/Init.con", "Linked/Init.con"})
            QVERIFY(replaceGameText(program, at(file), "two").ok());
        QCOMPARE(fileIndex(versionFile("Alone/Init.con")), alone);
        QVERIFY(fileIndex(versionFile("Linked/Init.con")) != linked);
        game_.write("Linked/Copy.con", "changed\r\n");
        QCOMPARE(readFileBytes(versionFile("Linked/Init.con")).value(), QByteArray("one\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_WindowsFiles)
#include "tst_WindowsFiles.moc"
