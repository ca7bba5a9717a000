// Two Morvelins saving into the same folder at once lose no line: each change holds the
// folder's lock from reading the list to writing it. A lock left by a program that was
// killed is taken over; a lock a running program holds is not, and a save that cannot
// have it says so in Dutch and writes nothing.

#include "driver_process.h"
#include "file_checks.h"
#include "history/history_file.h"
#include "pentagram/pentagram_list.h"

#include <QtTest>

#include <QDateTime>
#include <QTemporaryDir>

using namespace morvelin;
using namespace morvelin::test;

namespace {

constexpr int kSavesEach = 60;
const QString kLine = QStringLiteral("09.Dec.26 (Eigen vraag) [0] 01 02 03");

// Whether the lines are exactly both writers' lines, each writer's in its own order.
bool HoldsBothInOrder(const QStringList &lines, DriverList list)
{
    const QStringList ones = DriverLines(list, 1, 1, kSavesEach);
    const QStringList twos = DriverLines(list, 2, 1, kSavesEach);
    QStringList fromOne;
    QStringList fromTwo;
    for (const QString &line : lines) {
        if (ones.contains(line))
            fromOne << line;
        else if (twos.contains(line))
            fromTwo << line;
        else
            return false;
    }
    return fromOne == ones && fromTwo == twos;
}

// Whether the two saved at the same time: each wrote lines between the other's.
bool Interleaved(const QStringList &lines, DriverList list)
{
    const qsizetype firstOfTwo = lines.indexOf(DriverLine(list, 2, 1));
    const qsizetype lastOfOne = lines.indexOf(DriverLine(list, 1, kSavesEach));
    const qsizetype firstOfOne = lines.indexOf(DriverLine(list, 1, 1));
    const qsizetype lastOfTwo = lines.indexOf(DriverLine(list, 2, kSavesEach));
    return firstOfTwo < lastOfOne && firstOfOne < lastOfTwo;
}

} // namespace

class TestTwoMorvelins : public QObject {
    Q_OBJECT

private slots:
    void twoProgramsSavingAtOnceLoseNoLine_data()
    {
        QTest::addColumn<int>("list");
        QTest::addRow("history") << int(DriverList::History);
        QTest::addRow("Pentagram list") << int(DriverList::Pentagram);
    }
    void twoProgramsSavingAtOnceLoseNoLine()
    {
        QFETCH(int, list);
        QTemporaryDir folder;
        const QString listName = DriverList(list) == DriverList::History ? "history" : "pentagram";
        DriverProcess one;
        DriverProcess two;
        for (auto [driver, writer] : {std::pair{&one, "1"}, std::pair{&two, "2"}})
            QVERIFY(driver->start(
                {"save", folder.path(), listName, writer, "1", QString::number(kSavesEach), "10"}));
        QVERIFY2(one.finishedWell(), one.errors().constData());
        QVERIFY2(two.finishedWell(), two.errors().constData());

        const TextListStore store(folder.path());
        const QString fileName =
            DriverList(list) == DriverList::History ? kHistoryFileName : kPentagramListName;
        const Result<TextList> saved = store.read(fileName);
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(saved->lines.size(), 2 * kSavesEach);
        QVERIFY(HoldsBothInOrder(saved->lines, DriverList(list)));
        QVERIFY(Interleaved(saved->lines, DriverList(list)));
        if (DriverList(list) == DriverList::History)
            QCOMPARE(ReadBytes(store.path(kHistoryBackupName)), ReadBytes(store.path(fileName)));
    }

    // A lock whose owner is gone, however it was left, does not stop the next save.
    void aLeftOverLockIsTakenOver_data()
    {
        QTest::addColumn<bool>("killedHolder");
        QTest::addColumn<bool>("emptyLock");
        QTest::addColumn<bool>("emptyGuard");
        QTest::addColumn<int>("ageSeconds");
        QTest::addRow("the lock of a killed program") << true << false << false << 0;
        QTest::addRow("a lock left empty long ago") << false << true << false << 60;
        QTest::addRow("a lock left empty just now") << false << true << false << 0;
        QTest::addRow("a killed program's lock and an empty guard") << true << false << true << 60;
    }
    void aLeftOverLockIsTakenOver()
    {
        QFETCH(bool, killedHolder);
        QFETCH(bool, emptyLock);
        QFETCH(bool, emptyGuard);
        QFETCH(int, ageSeconds);
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        if (killedHolder) {
            DriverProcess holder;
            QVERIFY(holder.start({"hold", folder.path()}));
            QVERIFY2(holder.waitForReport(), holder.errors().constData());
            holder.kill();
        }
        const QDateTime made = QDateTime::currentDateTime().addSecs(-ageSeconds);
        for (auto [wanted, name] : {std::pair{emptyLock, kListLockName},
                                    std::pair{emptyGuard, kListLockName + ".rmlock"}}) {
            if (!wanted)
                continue;
            QFile file(store.path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(made, QFileDevice::FileModificationTime));
        }
        QVERIFY(store.exists(kListLockName));

        const Status saved = AppendHistoryLine(store, kLine);
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(store.read(kHistoryFileName)->lines, QStringList{kLine});
        QCOMPARE(FilesIn(folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
    }

    // Held longer than a left-over lock may stand, a running program's lock still holds:
    // the save waits, then says why and writes nothing; once that program is gone it works.
    void aLockARunningProgramHoldsIsWaitedForThenRefused()
    {
        QTemporaryDir folder;
        const TextListStore store(folder.path());
        DriverProcess holder;
        QVERIFY(holder.start({"hold", folder.path()}));
        QVERIFY2(holder.waitForReport(), holder.errors().constData());

        const Status refused = AppendHistoryLine(store, kLine);
        QVERIFY(!refused);
        QCOMPARE(refused.error(),
                 "MorvelLijst.txt kan niet bewaard worden: een tweede Morvelin of een ander "
                 "programma bewaart nog in deze map; probeer het zo nog eens. Het bestand is "
                 "niet veranderd.");
        QCOMPARE(FilesIn(folder.path()), QStringList{kListLockName});

        holder.kill();
        QVERIFY(AppendHistoryLine(store, kLine));
        QCOMPARE(store.read(kHistoryFileName)->lines, QStringList{kLine});
    }
};

QTEST_GUILESS_MAIN(TestTwoMorvelins)
#include "test_two_morvelins.moc"
