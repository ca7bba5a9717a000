// A program killed at any moment of a save never leaves a torn or shortened list: the
// save driver saves line after line through the program's own save, and is killed with
// SIGKILL at random moments, over and over, in the same folder. After every kill both
// files hold exactly a complete list of the lines saved, no line lost that a reported save
// wrote, and nothing but the lists, the lock and a complete new list waiting to replace
// one is left; the next save clears the rest.

#include "driver_process.h"
#include "file_checks.h"
#include "history/history_file.h"

#include <QtTest>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

using namespace morvelin;
using namespace morvelin::test;

namespace {

constexpr int kKills = 200;
constexpr int kWriter = 1;

QByteArray ExpectedBytes(int lines)
{
    return EncodeTextList(TextList{DriverLines(DriverList::History, kWriter, 1, lines)});
}

// A list file's bytes; none before the first save made it.
QByteArray ListBytes(const QString &path)
{
    return QFile::exists(path) ? ReadBytes(path) : QByteArray();
}

// The number of lines of a complete list of the driver's lines, fewest..most of them, or
// -1 when the bytes are anything else.
int CompleteListLength(const QByteArray &bytes, int fewest, int most)
{
    for (int lines = fewest; lines <= most; ++lines) {
        if (bytes == ExpectedBytes(lines))
            return lines;
    }
    return -1;
}

// What a kill may leave beside the two lists: the lock of the change it stopped, or Qt's
// guards for taking such a lock over ("Morvelin.lock.rmlock" and so on); and a complete
// new list not yet renamed into place.
bool MayBeLeftOver(const QString &name)
{
    return name.startsWith(kListLockName) || name == kHistoryFileName + ".morvelin-nieuw"
           || name == kHistoryBackupName + ".morvelin-nieuw";
}

} // namespace

class TestKilledWhileSaving : public QObject {
    Q_OBJECT

private slots:
    void killedAtRandomMomentsLosesNoLine()
    {
        const quint32 seed = qEnvironmentVariableIsSet("MORVELIN_KILL_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("MORVELIN_KILL_SEED"))
                                 : 20261209u;
        QRandomGenerator random(seed);
        QTemporaryDir folder;
        const QString history = QDir(folder.path()).filePath(kHistoryFileName);
        const QString backup = QDir(folder.path()).filePath(kHistoryBackupName);

        int inFile = 0;    // lines in the history after the last kill
        int confirmed = 0; // the last save a driver reported done
        int reportedSaves = 0;
        // What the kills caught under way, for the summary.
        int unreported = 0;
        int backupBehind = 0;
        int locksLeft = 0;
        int newListsLeft = 0;
        for (int kill = 1; kill <= kKills; ++kill) {
            DriverProcess driver;
            QVERIFY(driver.start({"save", folder.path(), "history", QString::number(kWriter),
                                  QString::number(inFile + 1), "-1"}));
            // Mostly in the middle of a run of saves; now and then while it starts, takes
            // over the lock the last kill left, or makes its first save.
            if (random.bounded(4) != 0)
                QVERIFY2(driver.waitForReport(), driver.errors().constData());
            QThread::usleep(random.bounded(60'000));
            driver.kill();

            if (const int last = driver.lastSaved(); last > 0) {
                reportedSaves += last - inFile;
                confirmed = last;
            }
            const QString where = QString(" (kill %1, seed %2)").arg(kill).arg(seed);
            // No line lost that was there or reported saved; at most the one save that was
            // under way when the kill came added.
            const int fewest = std::max(inFile, confirmed);
            const int historyLines = CompleteListLength(ListBytes(history), fewest, fewest + 1);
            QVERIFY2(historyLines >= 0,
                     qPrintable(QString("the history is no complete list of %1 or %2 lines")
                                    .arg(fewest)
                                    .arg(fewest + 1)
                                + where));
            // The backup follows the history, and was written by every reported save.
            const int backupLines = CompleteListLength(ListBytes(backup), confirmed, historyLines);
            QVERIFY2(backupLines >= 0,
                     qPrintable(QString("the backup is no complete list of %1 to %2 lines")
                                    .arg(confirmed)
                                    .arg(historyLines)
                                + where));
            for (const QString &name : FilesIn(folder.path())) {
                if (name == kHistoryFileName || name == kHistoryBackupName)
                    continue;
                QVERIFY2(MayBeLeftOver(name), qPrintable(name + " is left" + where));
                ++(name.startsWith(kListLockName) ? locksLeft : newListsLeft);
                if (name.endsWith(".morvelin-nieuw")) {
                    const QByteArray waiting = ListBytes(QDir(folder.path()).filePath(name));
                    QVERIFY2(CompleteListLength(waiting, historyLines, historyLines + 1) >= 0,
                             qPrintable(name + " is no complete list" + where));
                }
            }
            unreported += historyLines > fewest;
            backupBehind += backupLines < historyLines;
            inFile = historyLines;
        }

        // A run that ends well clears whatever the kills left.
        DriverProcess last;
        QVERIFY(last.start({"save", folder.path(), "history", QString::number(kWriter),
                            QString::number(inFile + 1), "3"}));
        QVERIFY2(last.finishedWell(), last.errors().constData());
        QCOMPARE(ReadBytes(history), ExpectedBytes(inFile + 3));
        QCOMPARE(ReadBytes(backup), ExpectedBytes(inFile + 3));
        QCOMPARE(FilesIn(folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
        qInfo("%d kills (seed %u), %d saves reported done, %d lines in the end. Kills caught "
              "%d saves written but not yet reported, %d backups behind their history, and left "
              "%d locks and %d new lists not yet in place, all cleared by the next save.",
              kKills, seed, reportedSaves, inFile + 3, unreported, backupBehind, locksLeft,
              newListsLeft);
    }
};

QTEST_GUILESS_MAIN(TestKilledWhileSaving)
#include "test_killed_while_saving.moc"
