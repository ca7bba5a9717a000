// Saving the spread on the main window into the history file: the comment asked for,
// the line and its backup written, a second save refused, and nothing written when the
// user cancels or the disk refuses.

#include "history_fixture.h"

using namespace morvelin;
using namespace morvelin::test;

namespace {

const QString kNames123 = QString::fromUtf8("De Magiër,Hogepriesteres,De Keizerin");
const QString kAsked = "input: Bewaren in MorvelLijst.txt? | Omschrijving: Max 80 tekens. | ";
const QByteArray kOneLine = "01.jan.26 (Oud) [1] 10 20 30\r\n";

void Save(const AppFixture &f, const char *button = "btBewaren")
{
    Press(f.window, button);
}

QList<QString> LabelTexts(const AppFixture &f)
{
    QList<QString> texts;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        texts << f.label(slot)->text();
    return texts;
}

} // namespace

class TestSaveFlow : public QObject {
    Q_OBJECT

private slots:
    void aSaveWritesOneLineAndRefusesTheSecond_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addRow("&Bewaren") << QByteArray("btBewaren");
        QTest::addRow("Bew") << QByteArray("btBewr");
    }
    void aSaveWritesOneLineAndRefusesTheSecond()
    {
        QFETCH(QByteArray, button);
        HistoryFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.scripted.dialogs.inputs.enqueue(QString("Werk en liefde"));
        Save(f, button);
        QCOMPARE(f.scripted.dialogs.shown, QStringList{kAsked + kNames123});
        const QByteArray saved = "09.Dec.26 (Werk en liefde) [0] 01 02 03\r\n";
        QCOMPARE(f.history(), saved);
        QVERIFY(f.app->spreadSaved());

        Save(f, "btBewaren");
        Save(f, "btBewr");
        QCOMPARE(f.scripted.dialogs.shown.mid(1),
                 QStringList(2, "message:    Legging is al Bewaard!"));
        QCOMPARE(f.history(), saved);

        // Any chooser applied makes the spread on screen a new one.
        f.type(1, "05");
        Save(f, button);
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 kAsked + QString::fromUtf8("De Hogepriester,Hogepriesteres,De Keizerin"));
        QCOMPARE(f.history(),
                 saved + "09.Dec.26 (De Hogepriester,Hogepriesteres,De Keizerin) [0] 05 02 03\r\n");
    }

    // The default comment needs the card names; the labels go back to what they showed.
    void theDefaultCommentNamesTheCardsInEveryLabelMode_data()
    {
        QTest::addColumn<int>("mode");
        for (int mode = 0; mode < kLabelModeCount; ++mode)
            QTest::addRow("mode %d", mode) << mode;
    }
    void theDefaultCommentNamesTheCardsInEveryLabelMode()
    {
        QFETCH(int, mode);
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.window->setLabelMode(LabelMode(mode));
        const QList<QString> shown = LabelTexts(f);
        const QString hint = f.image(1)->toolTip();
        const auto exported = f.window->exportTexts().full;
        Save(f);
        QCOMPARE(f.scripted.dialogs.shown, QStringList{kAsked + kNames123});
        QCOMPARE(int(f.window->labelMode()), mode);
        QCOMPARE(LabelTexts(f), shown);
        QCOMPARE(f.image(1)->toolTip(), hint);
        QCOMPARE(f.window->exportTexts().full, exported);
    }

    void cancelWritesNothing()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.window->setLabelMode(LabelMode::Keyword);
        f.scripted.dialogs.inputs.enqueue(std::nullopt);
        Save(f);
        QVERIFY(!QFile::exists(f.path(kHistoryFileName)));
        QVERIFY(!QFile::exists(f.path(kHistoryBackupName)));
        QVERIFY(!f.app->spreadSaved());
        QCOMPARE(f.window->labelMode(), LabelMode::Keyword);
        // Not saved, so the next press asks again.
        Save(f);
        QCOMPARE(f.scripted.dialogs.shown, QStringList(2, kAsked + kNames123));
    }

    // A list kept in UTF-8 stays UTF-8, and the backup holds the very same bytes.
    void theBackupEqualsTheHistoryAfterASave()
    {
        HistoryFixture f;
        const QByteArray earlier =
            "\xEF\xBB\xBF" + QString::fromUtf8("01.jan.26 (Één) [1] 10 20 30\n").toUtf8();
        WriteBytes(f.path(kHistoryFileName), earlier);
        QVERIFY(f.open(1, 2, 3));
        f.scripted.dialogs.inputs.enqueue(QString("b"));
        Save(f);
        const QByteArray history = f.history();
        QCOMPARE(history, "\xEF\xBB\xBF"
                              + QString::fromUtf8("01.jan.26 (Één) [1] 10 20 30\r\n"
                                                  "09.Dec.26 (b) [0] 01 02 03\r\n")
                                    .toUtf8());
        QCOMPARE(f.backup(), history);
    }

    // The list shows the new line at its end even when it was hidden during the save.
    void aSaveReloadsTheHiddenList()
    {
        AppFixture f;
        WriteBytes(f.path(kHistoryFileName), kOneLine + kOneLine);
        QVERIFY(f.open(1, 2, 3));
        TVerleden &verleden = f.app->verleden();
        Press(f.window, "btMC");
        Press(&verleden, "btTerug");
        QVERIFY(!verleden.isVisible());
        Save(f);
        auto *list = FindControl<HistoryListView>(&verleden, "lbxLijst");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->line(2), "09.Dec.26 (" + kNames123 + ") [0] 01 02 03");
        QCOMPARE(list->cursorRow(), 2);
        QCOMPARE(FindControl<QLabel>(&verleden, "lbAantal")->text(), "Aantal vragen: 3");
    }

    void aFailedWriteLeavesBothFilesAndTheMark_data()
    {
        QTest::addColumn<QString>("folderInPlaceOf");
        QTest::addColumn<QString>("error");
        QTest::addRow("a folder where the history should be")
            << kHistoryFileName << "MorvelLijst.txt kan niet gelezen worden: ";
        QTest::addRow("a folder where the backup should be")
            << kHistoryBackupName << "MorvelLijst.bak kan niet bewaard worden: ";
    }
    void aFailedWriteLeavesBothFilesAndTheMark()
    {
        QFETCH(QString, folderInPlaceOf);
        QFETCH(QString, error);
        AppFixture f;
        WriteBytes(f.path(kHistoryFileName), kOneLine);
        WriteBytes(f.path(kHistoryBackupName), kOneLine);
        QVERIFY(QFile::remove(f.path(folderInPlaceOf)));
        QVERIFY(QDir(f.folder.path()).mkdir(folderInPlaceOf));
        QVERIFY(f.open());
        Save(f);
        QVERIFY2(f.scripted.dialogs.shown.last().startsWith("error: " + error),
                 qPrintable(f.scripted.dialogs.shown.last()));
        QVERIFY(!f.app->spreadSaved());
        const QString other =
            folderInPlaceOf == kHistoryFileName ? kHistoryBackupName : kHistoryFileName;
        QCOMPARE(ReadBytes(f.path(other)), kOneLine);
        QCOMPARE(FilesIn(f.folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
    }

    void aListFolderBehindARegularFile()
    {
        AppFixture f;
        WriteBytes(f.path("plain"), "x");
        f.listFolder = f.path("plain");
        QVERIFY(f.open());
        Save(f);
        QVERIFY(f.scripted.dialogs.shown.last().startsWith(
            "error: MorvelLijst.txt kan niet bewaard worden: "));
        QVERIFY(!f.app->spreadSaved());
        QCOMPARE(FilesIn(f.folder.path()), QStringList{"plain"});
    }

    void aFullDiskLeavesBothFilesAndTheMark()
    {
        HistoryFixture f;
        const QByteArray history = TooLongForAFullDisk(kOneLine);
        WriteBytes(f.path(kHistoryFileName), history);
        WriteBytes(f.path(kHistoryBackupName), history);
        QVERIFY(f.open());
        QVERIFY(SucceedsUnderFileSizeLimit(kFullDiskRoom, [&f] {
            Save(f);
            return f.scripted.dialogs.shown.last().startsWith(
                       "error: MorvelLijst.txt kan niet bewaard worden: ")
                   && !f.app->spreadSaved();
        }));
        QCOMPARE(f.history(), history);
        QCOMPARE(f.backup(), history);
        QCOMPARE(FilesIn(f.folder.path()), (QStringList{kHistoryBackupName, kHistoryFileName}));
    }

    // A second Morvelin in the middle of a change of the same folder, for longer than the
    // save waits: the save says so, writes nothing and the spread stays unsaved.
    void aFolderLockedElsewhereLeavesBothFilesAndTheMark()
    {
        HistoryFixture f;
        WriteBytes(f.path(kHistoryFileName), kOneLine);
        WriteBytes(f.path(kHistoryBackupName), kOneLine);
        QVERIFY(f.open());
        const Result<ListLock> elsewhere = f.app->store().lock(kHistoryFileName);
        QVERIFY(elsewhere);
        Save(f);
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "error: MorvelLijst.txt kan niet bewaard worden: een tweede Morvelin of een "
                 "ander programma bewaart nog in deze map; probeer het zo nog eens. Het bestand "
                 "is niet veranderd.");
        QVERIFY(!f.app->spreadSaved());
        QCOMPARE(f.history(), kOneLine);
        QCOMPARE(f.backup(), kOneLine);
    }

    void theBackupsGoWhenTheMainWindowClosesAndTheListsStay()
    {
        AppFixture f;
        WriteBytes(f.path("TarPentLijst.txt"), "09.Dec.26 : 01,02,03,04,05\r\n");
        WriteBytes(f.path("TarPentLijst.bak"), "09.Dec.26 : 01,02,03,04,05\r\n");
        QVERIFY(f.open());
        Save(f);
        Press(f.window, "btMC");
        QVERIFY(f.app->verleden().isVisible());
        QVERIFY(QFile::exists(f.path(kHistoryBackupName)));
        f.window->close();
        QVERIFY(!f.app->verleden().isVisible());
        QCOMPARE(FilesIn(f.folder.path()), (QStringList{kHistoryFileName, "TarPentLijst.txt"}));
    }
};

QTEST_MAIN(TestSaveFlow)
#include "test_save_flow.moc"
