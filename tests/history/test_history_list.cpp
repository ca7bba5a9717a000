// The history list's changes to the file: they keep the file's encoding, and they write
// nothing over a file that someone else changed since it was read.

#include "file_checks.h"
#include "history/history_file.h"
#include "history/history_list.h"

#include <QtTest>

#include <QTemporaryDir>

#include <functional>

using namespace morvelin;
using namespace morvelin::test;

namespace {

using Change = std::function<Status(HistoryList &)>;

const QByteArray kThree = "01.jan.26 (a) [0] 01 02 03\r\n"
                          "02.jan.26 (b) [1] 04 05 06\r\n"
                          "03.jan.26 (c) [2] 07 08 09\r\n";

} // namespace

Q_DECLARE_METATYPE(Change)

class TestHistoryList : public QObject {
    Q_OBJECT

private slots:
    void aFileChangedElsewhereIsReadAndNotWritten_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QByteArray>("elsewhere");
        const QByteArray added = kThree + "04.jan.26 (d) [0] 10 11 12\r\n";
        QTest::addRow("backup before an edit, a line added")
            << Change([](HistoryList &list) { return list.writeBackup(); }) << added;
        QTest::addRow("edit, a line added")
            << Change([](HistoryList &list) { return list.replaceLine(0, "x"); }) << added;
        QTest::addRow("delete, a line added")
            << Change([](HistoryList &list) { return list.removeRows({1}); }) << added;
        QTest::addRow("clear, a line added")
            << Change([](HistoryList &list) { return list.clear(); }) << added;
        QTest::addRow("delete, a line edited")
            << Change([](HistoryList &list) { return list.removeRows({0}); })
            << QByteArray(kThree).replace("(a)", "(A)");
        QTest::addRow("delete, the file now UTF-8")
            << Change([](HistoryList &list) { return list.removeRows({0}); })
            << "\xEF\xBB\xBF" + kThree;
        QTest::addRow("clear, the file removed")
            << Change([](HistoryList &list) { return list.clear(); }) << QByteArray();
    }
    void aFileChangedElsewhereIsReadAndNotWritten()
    {
        QFETCH(Change, change);
        QFETCH(QByteArray, elsewhere);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        WriteBytes(store.path(kHistoryFileName), kThree);
        WriteBytes(store.path(kHistoryBackupName), "oud\r\n");
        HistoryList list(store);
        QVERIFY(list.reload());

        if (elsewhere.isEmpty())
            QVERIFY(QFile::remove(store.path(kHistoryFileName)));
        else
            WriteBytes(store.path(kHistoryFileName), elsewhere);
        const Status changed = change(list);
        QCOMPARE(changed.error(), "MorvelLijst.txt is intussen buiten deze lijst veranderd. De "
                                  "lijst toont nu wat het bestand bevat; er is niets bewaard of "
                                  "gewist.");
        QCOMPARE(list.lines(), store.exists(kHistoryFileName) ? store.read(kHistoryFileName)->lines
                                                              : QStringList());
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)),
                 elsewhere.isEmpty() ? QByteArray("<missing>") : elsewhere);
        QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), QByteArray("oud\r\n"));
        // Read again, the list may change the file.
        QVERIFY(change(list));
    }

    void writesKeepTheFilesEncoding()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        const QByteArray utf16 = QByteArray("\xFF\xFE", 2)
                                 + QByteArray(reinterpret_cast<const char *>(u"a\r\nb\r\n"), 12);
        WriteBytes(store.path(kHistoryFileName), utf16);
        HistoryList list(store);
        QVERIFY(list.reload());
        QVERIFY(list.removeRows({0}));
        QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), utf16);
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)),
                 QByteArray("\xFF\xFE", 2)
                     + QByteArray(reinterpret_cast<const char *>(u"b\r\n"), 6));
        QVERIFY(list.clear());
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)), QByteArray("\xFF\xFE", 2));
        QVERIFY(list.restoreBackup());
        QCOMPARE(ReadBytes(store.path(kHistoryFileName)),
                 QByteArray("\xFF\xFE", 2)
                     + QByteArray(reinterpret_cast<const char *>(u"b\r\n"), 6));
    }
};

QTEST_GUILESS_MAIN(TestHistoryList)
#include "test_history_list.moc"
