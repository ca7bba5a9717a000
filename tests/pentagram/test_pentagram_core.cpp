// The Pentagram line, the sixth card and the list operations on the files.

#include "file_checks.h"
#include "pentagram/pentagram_line.h"
#include "pentagram/pentagram_list.h"
#include "pentagram/pentagram_spread.h"

#include <QtTest>

#include <QTemporaryDir>

using namespace morvelin;
using namespace morvelin::test;
using Fields = std::array<int, kPentagramPositions>;

Q_DECLARE_METATYPE(PentagramCards)

namespace {

MonthNames DutchNames()
{
    return {"jan.", "feb.", "mrt.", "apr.", "mei",  "jun.",
            "jul.", "aug.", "sep.", "okt.", "nov.", "dec."};
}

const QByteArray kTwoLines = "01.jan.26 : 01,02,03,04,05\r\n"
                             "02.feb.26 : 78,00,16,16,16\r\n";

} // namespace

class TestPentagramCore : public QObject {
    Q_OBJECT

private slots:
    void composeAndParse_data()
    {
        QTest::addColumn<PentagramCards>("cards");
        QTest::addColumn<QString>("line");
        QTest::addRow("the example")
            << PentagramCards{10, 20, 30, 5, 40} << "09.dec.26 : 10,20,30,05,40";
        QTest::addRow("cards below 10")
            << PentagramCards{1, 2, 3, 4, 9} << "09.dec.26 : 01,02,03,04,09";
        QTest::addRow("unchosen positions")
            << PentagramCards{0, 78, 0, 0, 22} << "09.dec.26 : 00,78,00,00,22";
    }
    void composeAndParse()
    {
        QFETCH(PentagramCards, cards);
        QFETCH(QString, line);
        const QString composed = ComposePentagramLine({QDate(2026, 12, 9), cards}, DutchNames());
        QCOMPARE(composed, line);
        QCOMPARE(composed.size(), 26);
        const auto parsed = ParsePentagramLine(line);
        QVERIFY2(parsed, qPrintable(parsed.error()));
        QCOMPARE(*parsed, cards);
    }

    // Only the five fields count; what stands between them is not checked.
    void parseReadsTheFieldsWhereverTheRestIs()
    {
        const auto parsed = ParsePentagramLine(u"xxxxxxxxxxxx99|12|00|07|78 en verder");
        QVERIFY(parsed);
        QCOMPARE(*parsed, (Fields{99, 12, 0, 7, 78}));
    }

    void damagedFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::addRow("letter in the first") << "09.dec.26 : x0,20,30,05,40"
                                             << "'x0' is not a valid integer value";
        QTest::addRow("blank in the last") << "09.dec.26 : 10,20,30,05, 4"
                                           << "' 4' is not a valid integer value";
        QTest::addRow("sign") << "09.dec.26 : 10,-2,30,05,40"
                              << "'-2' is not a valid integer value";
        QTest::addRow("cut short before a field") << "09.dec.26 : 10,20"
                                                  << "'' is not a valid integer value";
        QTest::addRow("empty line") << ""
                                    << "'' is not a valid integer value";
    }
    void damagedFields()
    {
        QFETCH(QString, line);
        QFETCH(QString, error);
        const auto parsed = ParsePentagramLine(line);
        QVERIFY(!parsed);
        QCOMPARE(parsed.error(), error);
    }

    void sixthCard_data()
    {
        QTest::addColumn<PentagramCards>("cards");
        QTest::addColumn<int>("sixth");
        QTest::addRow("15 stays") << PentagramCards{1, 2, 3, 4, 5} << 15;
        QTest::addRow("78 stays") << PentagramCards{10, 20, 30, 10, 8} << 78;
        QTest::addRow("79 gives 1") << PentagramCards{10, 20, 30, 10, 9} << 1;
        QTest::addRow("card 16 five times") << PentagramCards{16, 16, 16, 16, 16} << 2;
        QTest::addRow("105 gives 27") << PentagramCards{10, 20, 30, 5, 40} << 27;
        QTest::addRow("156 gives 78") << PentagramCards{40, 40, 40, 30, 6} << 78;
        QTest::addRow("390 gives 78") << PentagramCards{78, 78, 78, 78, 78} << 78;
        QTest::addRow("one position open") << PentagramCards{78, 78, 0, 78, 78} << 0;
    }
    void sixthCard()
    {
        QFETCH(PentagramCards, cards);
        QFETCH(int, sixth);
        QCOMPARE(SixthCard(cards), sixth);
    }

    void appendStartsTheListAndWritesNoBackup()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(AppendPentagramLine(store, "09.dec.26 : 10,20,30,05,40"));
        QVERIFY(AppendPentagramLine(store, "09.dec.26 : 10,20,30,05,40"));
        QCOMPARE(ReadBytes(store.path(kPentagramListName)),
                 "09.dec.26 : 10,20,30,05,40\r\n09.dec.26 : 10,20,30,05,40\r\n");
        QCOMPARE(FilesIn(folder.path()), QStringList{kPentagramListName});
    }

    void deleteBacksUpFirst_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("remaining");
        QTest::addRow("first line") << 0 << QByteArray("02.feb.26 : 78,00,16,16,16\r\n");
        QTest::addRow("last line") << 1 << QByteArray("01.jan.26 : 01,02,03,04,05\r\n");
        QTest::addRow("nothing selected") << -1 << kTwoLines;
    }
    void deleteBacksUpFirst()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, remaining);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kPentagramListName), kTwoLines);
        const auto shown = ReadPentagramList(store);
        QVERIFY(shown && shown.value());

        const Result<TextList> after = DeletePentagramLine(store, *shown.value(), row);
        QVERIFY2(after, qPrintable(after.error()));
        QCOMPARE(ReadBytes(store.path(kPentagramBackupName)), kTwoLines);
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), remaining);
        QCOMPARE(after->lines, store.read(kPentagramListName)->lines);
    }

    void deleteTheOnlyLineThenRestore()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        QVERIFY(AppendPentagramLine(store, "09.dec.26 : 10,20,30,05,40"));
        const Result<TextList> empty =
            DeletePentagramLine(store, *ReadPentagramList(store).value(), 0);
        QVERIFY(empty);
        QVERIFY(empty->lines.isEmpty());
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), QByteArray());

        const auto restored = RestorePentagramList(store);
        QVERIFY(restored && restored.value());
        QCOMPARE(restored.value()->lines, QStringList{"09.dec.26 : 10,20,30,05,40"});
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), "09.dec.26 : 10,20,30,05,40\r\n");
        QCOMPARE(ReadBytes(store.path(kPentagramBackupName)), "09.dec.26 : 10,20,30,05,40\r\n");
    }

    // A second Morvelin saved a Pentagram after this one showed the list: deleting from
    // the shown list would lose that line, so nothing is written. A list file that is gone
    // holds nothing to lose, and the shown list writes it anew.
    void deleteFromAListChangedElsewhere_data()
    {
        QTest::addColumn<bool>("savedElsewhere");
        QTest::addRow("a line saved elsewhere") << true;
        QTest::addRow("the file removed") << false;
    }
    void deleteFromAListChangedElsewhere()
    {
        QFETCH(bool, savedElsewhere);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kPentagramListName), kTwoLines);
        const TextList shown = *ReadPentagramList(store).value();
        if (savedElsewhere)
            QVERIFY(AppendPentagramLine(store, "09.dec.26 : 10,20,30,05,40"));
        else
            QVERIFY(QFile::remove(store.path(kPentagramListName)));

        const Result<TextList> deleted = DeletePentagramLine(store, shown, 0);
        if (savedElsewhere) {
            QVERIFY(!deleted);
            QCOMPARE(deleted.error(),
                     "TarPentLijst.txt is intussen buiten deze lijst veranderd. "
                     "De lijst toont nu wat het bestand bevat; er is niets gewist.");
            QCOMPARE(ReadBytes(store.path(kPentagramListName)),
                     kTwoLines + "09.dec.26 : 10,20,30,05,40\r\n");
            QCOMPARE(FilesIn(folder.path()), QStringList{kPentagramListName});
        } else {
            QVERIFY2(deleted, qPrintable(deleted.error()));
            QCOMPARE(ReadBytes(store.path(kPentagramListName)), "02.feb.26 : 78,00,16,16,16\r\n");
            QCOMPARE(ReadBytes(store.path(kPentagramBackupName)), kTwoLines);
        }
    }

    void restoreWithoutBackupChangesNothing()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kPentagramListName), kTwoLines);
        const auto restored = RestorePentagramList(store);
        QVERIFY(restored);
        QVERIFY(!restored.value());
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), kTwoLines);
        QCOMPARE(FilesIn(folder.path()), QStringList{kPentagramListName});
    }

    // A folder standing where a file should be stops the operation before the list file
    // changes, as it does for root.
    void aFolderInTheWayStopsBeforeTheListChanges()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kPentagramListName), kTwoLines);
        QVERIFY(QDir(folder.path()).mkdir(kPentagramBackupName));

        const Result<TextList> deleted =
            DeletePentagramLine(store, *ReadPentagramList(store).value(), 0);
        QVERIFY(!deleted);
        QVERIFY2(deleted.error().startsWith("TarPentLijst.bak kan niet bewaard worden: "),
                 qPrintable(deleted.error()));
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), kTwoLines);

        const auto restored = RestorePentagramList(store);
        QVERIFY(!restored);
        QVERIFY2(restored.error().startsWith("TarPentLijst.bak kan niet gelezen worden: "),
                 qPrintable(restored.error()));
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), kTwoLines);
    }

    void aListThatCannotBeReadIsNotAppendedTo()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        const QByteArray broken = "\xEF\xBB\xBF"
                                  "01.jan.26 : 01,02,03,04,05\xFF\r\n";
        WriteBytes(store.path(kPentagramListName), broken);
        const Status saved = AppendPentagramLine(store, "09.dec.26 : 10,20,30,05,40");
        QVERIFY(!saved);
        QVERIFY2(saved.error().startsWith("TarPentLijst.txt kan niet gelezen worden: "),
                 qPrintable(saved.error()));
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), broken);
    }

    void aFullDiskLeavesTheListAsItWas()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        const QByteArray list = TooLongForAFullDisk(kTwoLines);
        WriteBytes(store.path(kPentagramListName), list);
        QVERIFY(SucceedsUnderFileSizeLimit(kFullDiskRoom, [&store] {
            const Status saved = AppendPentagramLine(store, "09.dec.26 : 10,20,30,05,40");
            return !saved && saved.error().startsWith("TarPentLijst.txt kan niet bewaard worden: ");
        }));
        QCOMPARE(ReadBytes(store.path(kPentagramListName)), list);
        QCOMPARE(FilesIn(folder.path()), QStringList{kPentagramListName});
    }
};

QTEST_GUILESS_MAIN(TestPentagramCore)
#include "test_pentagram_core.moc"
