// The search window and the history list's right-click menu, driven as a user drives
// them: opening the search from the history window, finding readings as the user types
// and filters, opening a found spread in the main window, and exporting and importing
// the history file through the file dialogs.

#include "history/history_export.h"
#include "history/history_reading.h"
#include "history/search_results_model.h"
#include "history/search_window.h"
#include "history_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QListView>

using namespace morvelin;
using namespace morvelin::test;

namespace {

const QStringList kHistory = {
    QString::fromUtf8("31.dec.25 (Financiën en werk) [0] 05 17 78"),
    "01.jan.26 (KRACHT gevonden) [1] 11 02 03", // Etteilla 11 is De Kracht
    "15.jan.26 (rust) [0] 08 30 40",            // Rider Waite 08 is De Kracht
    "15.jan.26 (financien, weer) [2] 01 02 03",
    "16.feb.26 (zomaar) [0] 01 02 03",
    "hand geschreven",
};

struct SearchFixture : HistoryFixture {
    TZoeken *zoeken = nullptr;

    bool startSearch(const QStringList &lines = kHistory)
    {
        if (!start(lines))
            return false;
        zoeken = &app->zoeken();
        openList();
        return QTest::qWaitForWindowActive(verleden);
    }
    QAction *menuAction(const char *name) const
    {
        for (QAction *action : list->actions()) {
            if (action->objectName() == QLatin1String(name))
                return action;
        }
        qFatal("no menu action %s", name);
    }
    bool openSearch() const
    {
        menuAction("acZoeken")->trigger();
        return QTest::qWaitForWindowActive(zoeken);
    }
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return FindControl<T>(zoeken, name);
    }
    QListView *results() const { return control<QListView>("lvResultaten"); }
    // The history lines found, counted from 0.
    QList<int> found() const
    {
        const auto *model = static_cast<const SearchResultsModel *>(results()->model());
        QList<int> lines;
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->lineAt(row);
        return lines;
    }
    QString count() const { return control<QLabel>("lbGevonden")->text(); }
    void typeWords(const QString &words) const
    {
        auto *field = control<QLineEdit>("edWoorden");
        field->setFocus();
        QTest::keyClicks(field, words);
    }
    void chooseResult(int row) const
    {
        results()->setCurrentIndex(results()->model()->index(row, 0));
    }
};

} // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheHistoryWindow_data()
    {
        QTest::addColumn<bool>("shortcut");
        QTest::addRow("Ctrl+F") << true;
        QTest::addRow("Zoeken… in the right-click menu") << false;
    }
    void opensFromTheHistoryWindow()
    {
        QFETCH(bool, shortcut);
        SearchFixture f;
        QVERIFY(f.startSearch());
        QVERIFY(!f.zoeken->isVisible());
        if (shortcut) {
            // Whichever of the window's controls has the focus.
            FindControl(f.verleden, "btKeuze")->setFocus();
            QTest::keyClick(FindControl(f.verleden, "btKeuze"), Qt::Key_F, Qt::ControlModifier);
            QVERIFY(QTest::qWaitForWindowActive(f.zoeken));
        } else {
            QCOMPARE(f.list->contextMenuPolicy(), Qt::ActionsContextMenu);
            QStringList menu;
            for (const QAction *action : f.list->actions())
                menu << action->text();
            QCOMPARE(menu, (QStringList{"Zoeken…", "Exporteren…", "Importeren…"}));
            QVERIFY(f.openSearch());
        }
        QCOMPARE(f.zoeken->windowTitle(), "Zoeken in MorvelLijst.txt");
        QVERIFY(!f.zoeken->isModal());
        QCOMPARE(QApplication::focusWidget(), f.control("edWoorden"));
        QCOMPARE(f.found(), (QList<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(f.count(), "6 lezingen gevonden (van 6).");
        QVERIFY(f.results()->uniformItemSizes());
        QCOMPARE(f.results()->model()->index(1, 0).data().toString(),
                 QString::fromUtf8("01-01-2026   KRACHT gevonden   —   De Kracht, De Zon, "
                                   "De Maan (Etteilla)"));

        // The history window's own controls stay where they were designed.
        QCOMPARE(f.verleden->size(), QSize(436, 582));
        QCOMPARE(f.list->geometry(), QRect(9, 34, 416, 511));
        QCOMPARE(FindControl(f.verleden, "btKeuze")->geometry(), QRect(339, 553, 39, 24));
        QCOMPARE(FindControl(f.verleden, "btWisLst")->geometry(), QRect(9, 5, 65, 24));
        QCOMPARE(FindControl(f.verleden, "lbAantal")->pos(), QPoint(79, 10));
    }

    void typingAndFilteringFind_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("deck");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QList<int>>("found");
        QTest::addColumn<QString>("count");
        QTest::addRow("accents and case ignored")
            << "financien"
            << "" << 0 << ""
            << "" << QList<int>{0, 3} << "2 lezingen gevonden (van 6).";
        QTest::addRow("capitals") << "kracht"
                                  << "" << 0 << ""
                                  << "" << QList<int>{1} << "1 lezing gevonden (van 6).";
        QTest::addRow("nothing") << "niets"
                                 << "" << 0 << ""
                                 << "" << QList<int>{} << "Geen lezingen gevonden (van 6).";
        QTest::addRow("a card across decks")
            << ""
            << "De Kracht" << 0 << ""
            << "" << QList<int>{1, 2} << "2 lezingen gevonden (van 6).";
        QTest::addRow("card and deck") << ""
                                       << "De Kracht" << 1 << ""
                                       << "" << QList<int>{2} << "1 lezing gevonden (van 6).";
        QTest::addRow("deck") << ""
                              << "" << 3 << ""
                              << "" << QList<int>{3} << "1 lezing gevonden (van 6).";
        QTest::addRow("both days included")
            << ""
            << "" << 0 << "1-1-2026"
            << "15-01-2026" << QList<int>{1, 2, 3} << "3 lezingen gevonden (van 6).";
        QTest::addRow("open end") << ""
                                  << "" << 0 << "15-01-2026"
                                  << "" << QList<int>{2, 3, 4} << "3 lezingen gevonden (van 6).";
        QTest::addRow("words and dates")
            << "financien"
            << "" << 0 << ""
            << "31-12-2025" << QList<int>{0} << "1 lezing gevonden (van 6).";
        QTest::addRow("a day half typed")
            << ""
            << "" << 0 << "15-01"
            << "" << QList<int>{} << "Vul de dag in als dd-mm-jjjj, of laat het veld leeg.";
    }
    void typingAndFilteringFind()
    {
        QFETCH(QString, words);
        QFETCH(QString, card);
        QFETCH(int, deck);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QList<int>, found);
        QFETCH(QString, count);
        SearchFixture f;
        QVERIFY(f.startSearch());
        QVERIFY(f.openSearch());
        auto *cards = f.control<QComboBox>("cbKaart");
        QCOMPARE(cards->count(), 1 + 78);
        QCOMPARE(cards->itemText(0), "alle kaarten");
        auto *decks = f.control<QComboBox>("cbDeck");
        QCOMPARE(decks->itemText(0), "alle decks");
        if (!card.isEmpty())
            cards->setCurrentIndex(cards->findText(card));
        decks->setCurrentIndex(deck);
        QTest::keyClicks(f.control<QLineEdit>("edVan"), from);
        QTest::keyClicks(f.control<QLineEdit>("edTot"), to);
        f.typeWords(words);
        QCOMPARE(f.found(), found);
        QCOMPARE(f.count(), count);
    }

    void aFoundSpreadOpensInTheMainWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("double click") << "double click";
        QTest::addRow("Enter in the results") << "Enter";
        QTest::addRow("Enter in the words field") << "Enter in words";
        QTest::addRow("Down, then Enter") << "Down";
        QTest::addRow("Openen") << "Openen";
    }
    void aFoundSpreadOpensInTheMainWindow()
    {
        QFETCH(QString, how);
        SearchFixture f;
        QVERIFY(f.startSearch());
        QVERIFY(f.openSearch());
        QVERIFY(!f.app->spreadSaved());
        f.typeWords("kracht");
        QListView *results = f.results();
        if (how == "double click") {
            const QRect row = results->visualRect(results->model()->index(0, 0));
            // A double click starts as a click.
            QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, row.center());
            QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, row.center());
        } else if (how == "Enter") {
            results->setFocus();
            QTest::keyClick(results, Qt::Key_Return);
        } else if (how == "Enter in words") {
            QTest::keyClick(f.control("edWoorden"), Qt::Key_Return);
        } else if (how == "Down") {
            QTest::keyClick(f.control("edWoorden"), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), results);
            QTest::keyClick(results, Qt::Key_Enter);
        } else {
            Click(f.zoeken, "btOpenen");
        }
        QCOMPARE(f.window->deckId(), 1);
        QCOMPARE(f.slotCards(), SpreadOf(11, 2, 3));
        QVERIFY(f.app->spreadSaved());
        QVERIFY(f.zoeken->isVisible());
        QVERIFY(f.scripted.dialogs.shown.isEmpty());
    }

    void aLineWithoutCodeOpensNothing()
    {
        SearchFixture f;
        QVERIFY(f.startSearch());
        QVERIFY(f.openSearch());
        const QList<int> before = f.slotCards();
        f.typeWords("geschreven");
        QCOMPARE(f.found(), QList<int>{5});
        QTest::keyClick(f.control("edWoorden"), Qt::Key_Return);
        QCOMPARE(f.scripted.dialogs.shown.size(), 1);
        QVERIFY(f.scripted.dialogs.shown.first().startsWith("error: "));
        QCOMPARE(f.slotCards(), before);
        QVERIFY(!f.app->spreadSaved());
    }

    void theKeyboardWalksAndEscCloses()
    {
        SearchFixture f;
        QVERIFY(f.startSearch());
        QVERIFY(f.openSearch());
        QStringList order;
        QWidget *next = f.control("edWoorden");
        for (int i = 0; i < 8; ++i, next = next->nextInFocusChain()) {
            while (next->focusPolicy() == Qt::NoFocus || next->window() != f.zoeken)
                next = next->nextInFocusChain();
            order << next->objectName();
        }
        QCOMPARE(order, (QStringList{"edWoorden", "cbKaart", "cbDeck", "edVan", "edTot",
                                     "lvResultaten", "btOpenen", "btSluiten"}));
        QTest::keyClick(f.control("cbDeck"), Qt::Key_Escape);
        QVERIFY(!f.zoeken->isVisible());

        // It opens again as it was left, and the main window's closing hides it.
        QVERIFY(f.openSearch());
        f.window->close();
        QVERIFY(!f.zoeken->isVisible());
    }

    void theResultsFollowTheHistoryFile()
    {
        SearchFixture f;
        QVERIFY(f.startSearch());
        QVERIFY(f.openSearch());
        f.scripted.dialogs.inputs.enqueue(QString("Nieuw en financieel"));
        Press(f.window, "btBewaren");
        f.typeWords("financi");
        QCOMPARE(f.found(), (QList<int>{0, 3, 6}));

        // Deleting a line in the history window takes it out of the results too.
        f.clickRow(0);
        f.press("btWisSel");
        QCOMPARE(f.found(), (QList<int>{2, 5}));
        QCOMPARE(f.count(), "2 lezingen gevonden (van 6).");
    }

    void exportWritesTheChosenFormat_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addRow("CSV") << 0 << "uit.csv"
                             << "uit.csv";
        QTest::addRow("CSV voor Excel") << 1 << "uit.csv"
                                        << "uit.csv";
        QTest::addRow("JSON, the suffix added") << 2 << "uit"
                                                << "uit.json";
    }
    void exportWritesTheChosenFormat()
    {
        QFETCH(int, filter);
        QFETCH(QString, name);
        QFETCH(QString, written);
        SearchFixture f;
        QVERIFY(f.startSearch());
        f.scripted.dialogs.files.enqueue(ChosenFile{f.path(name), filter});
        f.menuAction("acExporteren")->trigger();
        QCOMPARE(f.scripted.dialogs.shown.size(), 2);
        QCOMPARE(f.scripted.dialogs.shown[0],
                 "save: MorvelLijst.txt exporteren | " + f.path("MorvelLijst.csv")
                     + " | CSV (*.csv);CSV voor Excel (*.csv);JSON (*.json)");
        QCOMPARE(f.scripted.dialogs.shown[1], "message: MorvelLijst.txt is geëxporteerd naar "
                                                  + QDir::toNativeSeparators(f.path(written))
                                                  + ".");
        const QByteArray bytes = ReadBytes(f.path(written));
        if (filter == 2) {
            QCOMPARE(ReadExportedLines(bytes)->lines, kHistory);
        } else {
            const auto format = filter == 0 ? ExportFormat::Csv : ExportFormat::CsvExcel;
            QCOMPARE(bytes, ExportHistory(TextList{kHistory}, format, {}, HistoryDateReader()));
        }
    }

    void importAddsWhatIsMissingOnce()
    {
        SearchFixture f;
        QVERIFY(f.startSearch(kHistory.mid(0, 4)));
        QVERIFY(f.openSearch());
        WriteBytes(f.path("uit.json"),
                   ExportHistory(TextList{kHistory}, ExportFormat::Json, {}, HistoryDateReader()));
        for (const char *said : {"message: 2 lezingen toegevoegd.",
                                 "message: Niets toegevoegd: alle lezingen staan er al."}) {
            f.scripted.dialogs.shown.clear();
            f.scripted.dialogs.files.enqueue(ChosenFile{f.path("uit.json"), 0});
            f.menuAction("acImporteren")->trigger();
            QCOMPARE(f.scripted.dialogs.shown,
                     (QStringList{"open: Lezingen importeren | " + f.folder.path()
                                      + " | JSON-export (*.json);Alle bestanden (*)",
                                  said}));
            QCOMPARE(f.history(), Bytes(kHistory));
            QCOMPARE(f.shownLines(), kHistory);
            QCOMPARE(f.caption("lbAantal"), "Aantal vragen: 6");
            QCOMPARE(f.found().size(), 6);
        }
        QCOMPARE(f.backup(), Bytes(kHistory.mid(0, 4)));
    }

    void aFailedTransferChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("error");
        QTest::addRow("export over a folder")
            << QByteArray("acExporteren") << true
            << "error: uit.json kan niet bewaard worden: er staat een map met die naam.";
        QTest::addRow("import from a folder")
            << QByteArray("acImporteren") << true
            << "error: uit.json kan niet gelezen worden: er staat een map met die naam. Er is "
               "niets toegevoegd.";
        QTest::addRow("import of no export") << QByteArray("acImporteren") << false
                                             << "error: Dit bestand is geen export van "
                                                "MorvelLijst.txt: geen geldige JSON";
    }
    void aFailedTransferChangesNothing()
    {
        QFETCH(QByteArray, action);
        QFETCH(bool, folder);
        QFETCH(QString, error);
        SearchFixture f;
        QVERIFY(f.startSearch());
        if (folder)
            QVERIFY(QDir(f.folder.path()).mkdir("uit.json"));
        else
            WriteBytes(f.path("uit.json"), "01.jan.26 (los) [0] 01 02 03\r\n");
        const QStringList before = FilesIn(f.folder.path());
        f.scripted.dialogs.files.enqueue(ChosenFile{f.path("uit.json"), 2});
        f.menuAction(action.constData())->trigger();
        QCOMPARE(f.scripted.dialogs.shown.size(), 2);
        const QString shown = f.scripted.dialogs.shown[1];
        QVERIFY2(shown.startsWith(
                     error.replace("uit.json", QDir::toNativeSeparators(f.path("uit.json")))),
                 qPrintable(shown));
        QCOMPARE(FilesIn(f.folder.path()), before);
        QCOMPARE(f.history(), Bytes(kHistory));
        QCOMPARE(f.shownLines(), kHistory);
    }

    void cancelledDialogsDoNothing()
    {
        SearchFixture f;
        QVERIFY(f.startSearch());
        const QStringList before = FilesIn(f.folder.path());
        f.menuAction("acExporteren")->trigger();
        f.menuAction("acImporteren")->trigger();
        QCOMPARE(f.scripted.dialogs.shown.size(), 2);
        QCOMPARE(FilesIn(f.folder.path()), before);
    }
};

QTEST_MAIN(TestSearchWindow)
#include "test_search_window.moc"
