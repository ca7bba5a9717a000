// The list files: encodings and line ends read and kept, and writes that fail without
// touching what was there, in ways that stop root too.

#include "file_checks.h"
#include "history/history_file.h"
#include "history/text_list_store.h"

#include <QtTest>

#include <QTemporaryDir>

using namespace morvelin;
using namespace morvelin::test;

namespace {

const QString kEuroE = QString::fromUtf8("Liefde € één");
const QString kSnowman = QString::fromUtf8("Sneeuw ☃");

} // namespace

class TestTextListStore : public QObject {
    Q_OBJECT

private slots:
    void readAndWriteBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QByteArray>("written");

        const QByteArray ansi = "Liefde \x80 \xE9\xE9n";
        QTest::addRow("Windows-1252")
            << ansi + "\r\nb\r\n"
            << QStringList{kEuroE, "b"} << int(TextEncoding::Windows1252) << ansi + "\r\nb\r\n";
        // Where Windows-1252 is Latin-1, and where one line further on it is not.
        QTest::addRow("Latin-1 letters")
            << QByteArray("De Magi\xEBr \xE9\xE9n\r\n")
            << QStringList{QString::fromUtf8("De Magiër één")} << int(TextEncoding::Windows1252)
            << QByteArray("De Magi\xEBr \xE9\xE9n\r\n");
        QTest::addRow("Latin-1 letters, then a euro sign")
            << QByteArray("\xE9\xE9n\r\n\xEB \x80\r\n")
            << QStringList{QString::fromUtf8("één"), QString::fromUtf8("ë €")}
            << int(TextEncoding::Windows1252) << QByteArray("\xE9\xE9n\r\n\xEB \x80\r\n");
        QTest::addRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"}
                                 << int(TextEncoding::Windows1252) << QByteArray("a\r\nb\r\n");
        QTest::addRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"}
                                 << int(TextEncoding::Windows1252) << QByteArray("a\r\nb\r\n");
        QTest::addRow("mixed, empty lines kept")
            << QByteArray("a\r\r\nb\n\nc") << QStringList{"a", "", "b", "", "c"}
            << int(TextEncoding::Windows1252) << QByteArray("a\r\n\r\nb\r\n\r\nc\r\n");
        QTest::addRow("no final line break")
            << QByteArray("a\r\nb") << QStringList{"a", "b"} << int(TextEncoding::Windows1252)
            << QByteArray("a\r\nb\r\n");
        QTest::addRow("empty file")
            << QByteArray() << QStringList{} << int(TextEncoding::Windows1252) << QByteArray();
        // Bytes that Windows-1252 leaves undefined come back as they were.
        QTest::addRow("every byte survives")
            << QByteArray("\x81\x8D\x8F\x90\x9D\x00\x01 x", 9) + "\r\n"
            << QStringList{QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D\u0000\u0001 x", 9)}
            << int(TextEncoding::Windows1252)
            << QByteArray("\x81\x8D\x8F\x90\x9D\x00\x01 x\r\n", 11);

        const QByteArray utf8 = kEuroE.toUtf8();
        QTest::addRow("UTF-8 with BOM")
            << "\xEF\xBB\xBF" + utf8 + "\n"
            << QStringList{kEuroE} << int(TextEncoding::Utf8Bom) << "\xEF\xBB\xBF" + utf8 + "\r\n";
        QTest::addRow("UTF-16 LE with BOM") << QByteArray("\xFF\xFE"
                                                          "a\0\r\0\n\0",
                                                          8)
                                            << QStringList{"a"} << int(TextEncoding::Utf16LeBom)
                                            << QByteArray("\xFF\xFE"
                                                          "a\0\r\0\n\0",
                                                          8);
        // A mark doubled by some other tool: the second is the first line's own character.
        QTest::addRow("UTF-16 LE with its mark twice")
            << QByteArray("\xFF\xFE\xFF\xFE"
                          "a\0\n\0",
                          8)
            << QStringList{QStringLiteral("\uFEFFa")} << int(TextEncoding::Utf16LeBom)
            << QByteArray("\xFF\xFE\xFF\xFE"
                          "a\0\r\0\n\0",
                          10);
        QTest::addRow("UTF-8 with its mark twice")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                          "a\r\n")
            << QStringList{QStringLiteral("\uFEFFa")} << int(TextEncoding::Utf8Bom)
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                          "a\r\n");
        QTest::addRow("UTF-16 BE with BOM")
            << QByteArray("\xFE\xFF\0a\0\n", 6) << QStringList{"a"} << int(TextEncoding::Utf16BeBom)
            << QByteArray("\xFE\xFF\0a\0\r\0\n", 8);
    }
    void readAndWriteBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(int, encoding);
        QFETCH(QByteArray, written);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path("lijst.txt"), bytes);

        const Result<TextList> read = store.read("lijst.txt");
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->lines, lines);
        QCOMPARE(int(read->encoding), encoding);
        QVERIFY(WriteList(store, "lijst.txt", *read));
        QCOMPARE(ReadBytes(store.path("lijst.txt")), written);
    }

    void aCharacterBeyondWindows1252IsWrittenAsUtf8()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(
            WriteList(store, "lijst.txt", TextList{{"a", kSnowman}, TextEncoding::Windows1252}));
        QCOMPARE(ReadBytes(store.path("lijst.txt")), "\xEF\xBB\xBF"
                                                     "a\r\n"
                                                         + kSnowman.toUtf8() + "\r\n");
        QCOMPARE(store.read("lijst.txt")->lines, (QStringList{"a", kSnowman}));
    }

    void unreadableMarkedTextIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("UTF-16 with an odd byte count") << QByteArray("\xFF\xFE"
                                                                     "a\0b",
                                                                     5);
        QTest::addRow("broken UTF-8 after its BOM") << QByteArray("\xEF\xBB\xBF"
                                                                  "a\xFF"
                                                                  "b");
    }
    void unreadableMarkedTextIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path("MorvelLijst.txt"), bytes);
        const Result<TextList> read = store.read("MorvelLijst.txt");
        QVERIFY(!read);
        QVERIFY2(read.error().startsWith("MorvelLijst.txt kan niet gelezen worden: "),
                 qPrintable(read.error()));
        // Nothing could be appended to it either: the file stays as it is.
        QVERIFY(!AppendHistoryLine(store, "nieuw"));
        QCOMPARE(ReadBytes(store.path("MorvelLijst.txt")), bytes);
    }

    void aFolderWhereTheFileShouldBe()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(QDir(folder.path()).mkdir("MorvelLijst.txt"));
        QVERIFY(store.exists("MorvelLijst.txt"));
        QVERIFY(store.read("MorvelLijst.txt")
                    .error()
                    .startsWith("MorvelLijst.txt kan niet gelezen worden: "));
        const Status written = WriteList(store, "MorvelLijst.txt", TextList{{"a"}});
        QVERIFY(!written);
        QVERIFY2(written.error().startsWith("MorvelLijst.txt kan niet bewaard worden: "),
                 qPrintable(written.error()));
        QVERIFY(QFileInfo(store.path("MorvelLijst.txt")).isDir());
        QCOMPARE(FilesIn(folder.path()), QStringList{"MorvelLijst.txt"});
    }

    void aPathThroughARegularFile()
    {
        QTemporaryDir folder;
        WriteBytes(folder.filePath("plain"), "x");
        const TextListStore store(folder.filePath("plain"));
        QVERIFY(!store.exists("MorvelLijst.txt"));
        const Status written = WriteList(store, "MorvelLijst.txt", TextList{{"a"}});
        QVERIFY(!written);
        QVERIFY2(written.error().startsWith("MorvelLijst.txt kan niet bewaard worden: "),
                 qPrintable(written.error()));
        QCOMPARE(ReadBytes(folder.filePath("plain")), QByteArray("x"));
    }

    // A full disk, as root meets it too: the child may not grow any file beyond the room
    // left, which leaves room for the lock or not.
    void aFullDiskLeavesBothFilesAsTheyWere_data()
    {
        QTest::addColumn<int>("room");
        QTest::addRow("no room for the list") << int(kFullDiskRoom);
        QTest::addRow("no room for the lock either") << 16;
    }
    void aFullDiskLeavesBothFilesAsTheyWere()
    {
        QFETCH(int, room);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        const QByteArray history = TooLongForAFullDisk("01.jan.26 (a) [0] 01 02 03\r\n");
        WriteBytes(store.path(kHistoryFileName), history);
        WriteBytes(store.path(kHistoryBackupName), history);

        QVERIFY(SucceedsUnderFileSizeLimit(room, [&store] {
            const Status saved = AppendHistoryLine(store, "09.dec.26 (b) [0] 04 05 06");
            return !saved && saved.error().startsWith("MorvelLijst.txt kan niet bewaard worden: ");
        }));
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), history);
        QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), history);
        QCOMPARE(FilesIn(folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
    }

    // The history is complete before the backup is tried: it must not be replaced when
    // the backup then fails.
    void aBackupThatCannotBeWrittenKeepsTheHistoryAsItWas()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        const QByteArray history = "01.jan.26 (a) [0] 01 02 03\r\n";
        WriteBytes(store.path(kHistoryFileName), history);
        QVERIFY(QDir(folder.path()).mkdir(kHistoryBackupName));

        const Status saved = AppendHistoryLine(store, "09.dec.26 (b) [0] 04 05 06");
        QVERIFY(!saved);
        QVERIFY2(saved.error().startsWith("MorvelLijst.bak kan niet bewaard worden: "),
                 qPrintable(saved.error()));
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), history);
        QCOMPARE(FilesIn(folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
    }

    void appendWritesHistoryThenAnEqualBackup()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(AppendHistoryLine(store, "a"));
        QVERIFY(AppendHistoryLine(store, "b"));
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), QByteArray("a\r\nb\r\n"));
        QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), QByteArray("a\r\nb\r\n"));
    }

    // A save killed after its new list was complete but before it took the list's name
    // leaves it under a name of its own, which the next save clears; a user's own copy
    // beside the list is no such file.
    void aNewListLeftByAKilledSaveIsClearedByTheNext()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kHistoryFileName), "a\r\n");
        for (const QString &name :
             {kHistoryFileName + ".morvelin-nieuw", kHistoryFileName + ".morvelin-nieuw.AbCdEf",
              kHistoryBackupName + ".morvelin-nieuw"})
            WriteBytes(store.path(name), "a\r\nweg\r\n");
        WriteBytes(store.path(kHistoryFileName + ".backup"), "eigen kopie\r\n");

        QVERIFY(AppendHistoryLine(store, "b"));
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), QByteArray("a\r\nb\r\n"));
        QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), QByteArray("a\r\nb\r\n"));
        QCOMPARE(FilesIn(folder.path()),
                 (QStringList{kHistoryBackupName, kHistoryFileName, kHistoryFileName + ".backup"}));
    }

    // A diary kept private stays private, and one kept elsewhere through a link stays there.
    void theReplacedFileKeepsItsPermissionsAndPlace()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(QDir(folder.path()).mkdir("elders"));
        const QString kept = folder.filePath("elders/MorvelLijst.txt");
        WriteBytes(kept, "a\r\n");
        // The mode is what the write must carry over, not a way to make it fail: the
        // write succeeds, as root too, and the failed writes are tested elsewhere.
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(kept, ownerOnly));
        QVERIFY(QFile::link(kept, store.path(kHistoryFileName)));

        QVERIFY(AppendHistoryLine(store, "b"));
        QVERIFY(QFileInfo(store.path(kHistoryFileName)).isSymLink());
        QCOMPARE(ReadBytes(kept), QByteArray("a\r\nb\r\n"));
        // Owner, group and others; the "user" bits repeat the owner's for us.
        QCOMPARE(QFile::permissions(kept) & 0x7077, ownerOnly);
        QCOMPARE(FilesIn(folder.filePath("elders")), QStringList{"MorvelLijst.txt"});
    }

    // A save adds its line to the bytes as they are where they are already as written,
    // and writes the whole list afresh where they are not: either way the files end up
    // as the list, in its encoding, with every line ended by CR LF.
    void appendKeepsTheListAndItsEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("written");
        const QByteArray bom = "\xEF\xBB\xBF";
        QTest::addRow("as written")
            << QByteArray("a\r\nb\r\n") << "c" << QByteArray("a\r\nb\r\nc\r\n");
        QTest::addRow("empty lines")
            << QByteArray("a\r\n\r\n") << "c" << QByteArray("a\r\n\r\nc\r\n");
        QTest::addRow("empty file") << QByteArray() << "c" << QByteArray("c\r\n");
        QTest::addRow("Windows-1252 bytes, undefined ones too")
            << QByteArray("\x80 \xE9\x81\r\n") << QString::fromUtf8("één")
            << QByteArray("\x80 \xE9\x81\r\n\xE9\xE9n\r\n");
        QTest::addRow("a euro sign in the line")
            << QByteArray("a\r\n") << QString::fromUtf8("€") << QByteArray("a\r\n\x80\r\n");
        QTest::addRow("LF only") << QByteArray("a\nb\n") << "c" << QByteArray("a\r\nb\r\nc\r\n");
        QTest::addRow("a lone CR")
            << QByteArray("a\rb\r\n") << "c" << QByteArray("a\r\nb\r\nc\r\n");
        QTest::addRow("no final line break")
            << QByteArray("a\r\nb") << "c" << QByteArray("a\r\nb\r\nc\r\n");
        QTest::addRow("a line beyond Windows-1252")
            << QByteArray("\xE9\r\n") << kSnowman
            << bom + QString::fromUtf8("é\r\n").toUtf8() + kSnowman.toUtf8() + "\r\n";
        QTest::addRow("UTF-8") << bom + "a\r\n"
                               << QString::fromUtf8("é")
                               << bom + "a\r\n" + QString::fromUtf8("é").toUtf8() + "\r\n";
        QTest::addRow("UTF-16 LE") << QByteArray("\xFF\xFE"
                                                 "a\0\r\0\n\0",
                                                 8)
                                   << "b"
                                   << QByteArray("\xFF\xFE"
                                                 "a\0\r\0\n\0b\0\r\0\n\0",
                                                 14);
    }
    void appendKeepsTheListAndItsEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        QFETCH(QByteArray, written);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kHistoryFileName), bytes);
        QVERIFY(AppendHistoryLine(store, line));
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), written);
        QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), written);
    }

    void removeIsQuietWhenNothingIsThere()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(store.remove("weg.bak"));
        WriteBytes(store.path("weg.bak"), "x");
        QVERIFY(store.remove("weg.bak"));
        QVERIFY(!store.exists("weg.bak"));
    }
};

QTEST_GUILESS_MAIN(TestTextListStore)
#include "test_text_list_store.moc"
