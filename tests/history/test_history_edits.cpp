// The history window's changes to the file: deleting, editing, clearing, restoring and
// copying, and never losing a line, also when the file changes behind the list's back or
// cannot be written.

#include "history_fixture.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace morvelin;
using namespace morvelin::test;

namespace {

// The buttons that write the history file from the list the window holds.
void AddWritingButtons()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addRow("Wis Selectie") << QByteArray("btWisSel");
    QTest::addRow("Bewerk Opm.") << QByteArray("btBewerk");
    QTest::addRow("Wis Lijst") << QByteArray("btWisLst");
}

} // namespace

class TestHistoryEdits : public QObject {
    Q_OBJECT

private slots:
    void deletingTheSelection_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<bool>("saveable");
        const QStringList all = SavedLines(5);
        QTest::addRow("the last line, with the cursor on it")
            << QList<int>{4} << true << all.mid(0, 4) << true;
        QTest::addRow("two lines, Ctrl+click")
            << QList<int>{1, 3} << true << QStringList{all[0], all[2], all[4]} << false;
        QTest::addRow("cancelled, cursor on the last line")
            << QList<int>{4} << false << all << true;
        QTest::addRow("cancelled elsewhere") << QList<int>{2} << false << all << false;
    }
    void deletingTheSelection()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, answer);
        QFETCH(QStringList, kept);
        QFETCH(bool, saveable);
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(5)));
        f.openList();
        f.clickRow(0);
        f.press("btKeuze");
        QVERIFY(f.app->spreadSaved());
        f.clickRow(clicks.first());
        for (int row : clicks.mid(1))
            f.clickRow(row, Qt::ControlModifier);
        f.scripted.dialogs.answers.enqueue(answer);
        f.press("btWisSel");

        QCOMPARE(f.scripted.dialogs.shown.last(), "warning: Selectie wordt verwijderd!");
        QCOMPARE(f.history(), Bytes(kept));
        QCOMPARE(f.shownLines(), kept);
        QCOMPARE(f.backup(), answer ? Bytes(SavedLines(5)) : QByteArray("<missing>"));
        QCOMPARE(f.caption("lbAantal"), QString("Aantal vragen: %1").arg(kept.size()));
        QCOMPARE(f.list->cursorRow(), kept.size() - 1);
        QVERIFY(f.verleden->isEnabled());
        QCOMPARE(f.app->spreadSaved(), !saveable);
        if (saveable) {
            Press(f.window, "btBewaren");
            QCOMPARE(f.list->count(), kept.size() + 1);
        }
    }

    // Head and tail stay as they were; the backup holds the list from before the edit.
    void editingAComment_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("edited");
        QTest::addRow("new text") << std::optional<QString>("Nieuw")
                                  << "02.jan.26 (Nieuw) [2] 02 22 42";
        QTest::addRow("emptied") << std::optional<QString>("") << "02.jan.26 (...) [2] 02 22 42";
        QTest::addRow("a pasted line break")
            << std::optional<QString>("een\r\ntwee") << "02.jan.26 (een twee) [2] 02 22 42";
        QTest::addRow("cancelled") << std::optional<QString>() << SavedLine(2);
    }
    void editingAComment()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, edited);
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        f.openList();
        f.clickRow(1);
        f.scripted.dialogs.inputs.enqueue(answer);
        f.press("btBewerk");
        QCOMPARE(f.scripted.dialogs.shown,
                 QStringList{"input: Bewerk Selectie: | Max. Ongeveer 80 tekens. | Vraag 2"});
        const QStringList lines{SavedLine(1), edited, SavedLine(3)};
        QCOMPARE(f.history(), Bytes(lines));
        QCOMPARE(f.shownLines(), lines);
        QCOMPARE(f.backup(), Bytes(SavedLines(3)));
        QCOMPARE(f.list->selectedRows(), QList<int>{1});
        QCOMPARE(f.list->cursorRow(), 1);
    }

    // Reopened, the list marks the line opened last while its cursor stands on the last
    // line: the edit goes to the marked line.
    void editingChangesTheSelectedLineNotTheCursorLine()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(4)));
        f.openList();
        f.clickRow(1);
        f.press("btKeuze");
        f.press("btTerug");
        f.openList();
        QCOMPARE(f.list->cursorRow(), 3);
        f.scripted.dialogs.inputs.enqueue(QString("Gemarkeerd"));
        f.press("btBewerk");
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "input: Bewerk Selectie: | Max. Ongeveer 80 tekens. | Vraag 2");
        QCOMPARE(f.history(), Bytes({SavedLine(1), "02.jan.26 (Gemarkeerd) [2] 02 22 42",
                                     SavedLine(3), SavedLine(4)}));
    }

    void editingNeedsOneSelectedLineInTheSavedForm()
    {
        HistoryFixture f;
        QVERIFY(f.start({SavedLine(1), "09.dec.26 [0] 01 02 03", SavedLine(3)}));
        f.openList();
        f.press("btBewerk");
        f.clickRow(0);
        f.clickRow(2, Qt::ControlModifier);
        f.press("btBewerk");
        QVERIFY(f.scripted.dialogs.shown.isEmpty());

        // A hand-edited line too short to hold its head and tail is left as it is.
        f.clickRow(1);
        f.press("btBewerk");
        QCOMPARE(f.scripted.dialogs.shown,
                 QStringList{"message: Deze regel heeft niet de vorm van een bewaarde legging; de "
                             "opmerking kan niet bewerkt worden. Er is niets veranderd."});
        QCOMPARE(f.history(), Bytes({SavedLine(1), "09.dec.26 [0] 01 02 03", SavedLine(3)}));
        QVERIFY(!QFile::exists(f.path(kHistoryBackupName)));
    }

    void restoringUndoesTheEditOrTheClearing_data()
    {
        QTest::addColumn<QByteArray>("change");
        QTest::addRow("edit") << QByteArray("btBewerk");
        QTest::addRow("clear the whole list") << QByteArray("btWisLst");
    }
    void restoringUndoesTheEditOrTheClearing()
    {
        QFETCH(QByteArray, change);
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(4)));
        f.openList();
        f.clickRow(2);
        f.press("btKeuze");
        f.scripted.dialogs.inputs.enqueue(QString("Anders"));
        f.press(change.constData());
        QVERIFY(f.history() != Bytes(SavedLines(4)));
        QCOMPARE(f.backup(), Bytes(SavedLines(4)));

        f.press("btHerstel");
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "warning: Lijst Herstellen naar laatst bewerkte versie?");
        QCOMPARE(f.history(), Bytes(SavedLines(4)));
        QCOMPARE(f.shownLines(), SavedLines(4));
        QCOMPARE(f.caption("lbAantal"), "Aantal vragen: 4");
        QCOMPARE(f.list->cursorRow(), 3);
        // The line opened last is forgotten.
        f.press("btTerug");
        f.openList();
        QVERIFY(!f.list->hasSelection());
    }

    void clearingLeavesAnEmptyFileThatStillOpens()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(2)));
        f.openList();
        f.scripted.dialogs.answers.enqueue(false);
        f.press("btWisLst");
        QCOMPARE(f.history(), Bytes(SavedLines(2)));
        f.press("btWisLst");
        QCOMPARE(f.scripted.dialogs.shown, QStringList(2, "warning: Hele Lijst Wissen?!"));
        QCOMPARE(f.history(), QByteArray());
        QCOMPARE(f.caption("lbAantal"), "Aantal vragen: 0");
        QVERIFY(f.verleden->isEnabled());
        // An empty list asks nothing.
        f.press("btWisLst");
        QCOMPARE(f.scripted.dialogs.shown.size(), 2);
        f.press("btTerug");
        f.openList();
        QVERIFY(f.verleden->isVisible());
        QCOMPARE(f.list->count(), 0);
    }

    void restoringWithoutABackupChangesNothing()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(2)));
        f.openList();
        f.scripted.dialogs.answers.enqueue(false);
        f.press("btHerstel");
        f.press("btHerstel");
        QCOMPARE(f.scripted.dialogs.shown,
                 (QStringList{"warning: Lijst Herstellen naar laatst bewerkte versie?",
                              "warning: Lijst Herstellen naar laatst bewerkte versie?",
                              "message: Niets Hersteld. MorvelLijst.bak niet gevonden!"}));
        QCOMPARE(f.history(), Bytes(SavedLines(2)));
        QCOMPARE(f.shownLines(), SavedLines(2));
    }

    void theCopiedListEndsWithALineBreak()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(2)));
        f.openList();
        f.press("btKopieLst");
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 SavedLine(1) + "\r\n" + SavedLine(2) + "\r\n");
    }

    // A second Morvelin saved a line after this list was read: nothing may overwrite it.
    void aFileChangedElsewhereLosesNothing_data() { AddWritingButtons(); }
    void aFileChangedElsewhereLosesNothing()
    {
        QFETCH(QByteArray, button);
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        f.openList();
        f.clickRow(0);
        WriteBytes(f.path(kHistoryFileName), Bytes(SavedLines(4)));
        f.press(button.constData());
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "error: MorvelLijst.txt is intussen buiten deze lijst veranderd. De lijst toont "
                 "nu wat het bestand bevat; er is niets bewaard of gewist.");
        QCOMPARE(f.history(), Bytes(SavedLines(4)));
        QVERIFY(!QFile::exists(f.path(kHistoryBackupName)));
        QCOMPARE(f.shownLines(), SavedLines(4));
        QCOMPARE(f.caption("lbAantal"), "Aantal vragen: 4");
        QVERIFY(f.verleden->isEnabled());
    }

    void aFailedWriteLeavesBothFilesAndTheList_data() { AddWritingButtons(); }
    void aFailedWriteLeavesBothFilesAndTheList()
    {
        QFETCH(QByteArray, button);
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        QVERIFY(QDir(f.folder.path()).mkdir(kHistoryBackupName));
        f.openList();
        f.clickRow(1);
        f.press(button.constData());
        QVERIFY2(f.scripted.dialogs.shown.last().startsWith(
                     "error: MorvelLijst.bak kan niet bewaard worden: "),
                 qPrintable(f.scripted.dialogs.shown.last()));
        QCOMPARE(f.history(), Bytes(SavedLines(3)));
        QVERIFY(QFileInfo(f.path(kHistoryBackupName)).isDir());
        QCOMPARE(f.shownLines(), SavedLines(3));
        QCOMPARE(FilesIn(f.folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
    }

    void aRestoreOntoAFullDisk()
    {
        HistoryFixture f;
        QVERIFY(f.start({SavedLine(1)}));
        const QStringList backup = SavedLines(int(kFullDiskRoom) / SavedLine(1).size() + 1);
        WriteBytes(f.path(kHistoryBackupName), Bytes(backup));
        f.openList();
        QVERIFY(SucceedsUnderFileSizeLimit(kFullDiskRoom, [&f] {
            f.press("btHerstel");
            return f.scripted.dialogs.shown.last().startsWith(
                       "error: MorvelLijst.txt kan niet bewaard worden: ")
                   && f.shownLines() == QStringList{SavedLine(1)};
        }));
        QCOMPARE(f.history(), Bytes({SavedLine(1)}));
        QCOMPARE(f.backup(), Bytes(backup));
    }

    // A user's year: a hundred saves, edits, a deleted run, an edit undone and a spread
    // saved again after its line went; the file holds exactly what they expect.
    void aHundredSavesEditsDeletesARestoreAndQuitting()
    {
        HistoryFixture f;
        QVERIFY(f.start({}));
        QStringList expected;
        const auto saveDrawn = [&](int n, std::array<int, 3> cards) {
            f.scripted.random.numbers = {cards[0] - 1, cards[1] - 1, cards[2] - 1};
            Press(f.window, "btRnd");
            f.scripted.dialogs.inputs.enqueue(QString("Vraag %1").arg(n));
            Press(f.window, n % 2 ? "btBewr" : "btBewaren");
            expected << QString("09.Dec.26 (Vraag %1) [0] %2 %3 %4")
                            .arg(n)
                            .arg(cards[0], 2, 10, QLatin1Char('0'))
                            .arg(cards[1], 2, 10, QLatin1Char('0'))
                            .arg(cards[2], 2, 10, QLatin1Char('0'));
        };
        for (int n = 1; n <= 100; ++n)
            saveDrawn(n, {(n - 1) % 78 + 1, (n + 6) % 78 + 1, (n + 30) % 78 + 1});
        QCOMPARE(f.history(), Bytes(expected));

        f.openList();
        for (const int row : {9, 49}) {
            f.clickRow(row);
            f.scripted.dialogs.inputs.enqueue(QString("Bewerkt"));
            f.press("btBewerk");
            expected[row] = expected[row].left(11) + "Bewerkt" + expected[row].right(14);
        }
        f.clickRow(20);
        f.clickRow(29, Qt::ShiftModifier);
        f.press("btWisSel");
        expected.remove(20, 10);
        f.clickRow(4);
        f.scripted.dialogs.inputs.enqueue(QString("Vergissing"));
        f.press("btBewerk");
        f.press("btHerstel");
        QCOMPARE(f.shownLines(), expected);

        // The spread on screen lost its line, so it can be saved once more.
        f.clickRow(89);
        f.press("btWisSel");
        const QString last = expected.takeLast();
        f.scripted.dialogs.inputs.enqueue(QString("Opnieuw"));
        Press(f.window, "btBewaren");
        expected << last.left(11) + "Opnieuw" + last.right(14);
        QCOMPARE(f.caption("lbAantal"), "Aantal vragen: 90");

        f.window->close();
        QCOMPARE(f.history(), Bytes(expected));
        QCOMPARE(FilesIn(f.folder.path()), QStringList{kHistoryFileName});
        QVERIFY(!f.scripted.dialogs.shown.join('\n').contains("error: "));
    }
};

QTEST_MAIN(TestHistoryEdits)
#include "test_history_edits.moc"
