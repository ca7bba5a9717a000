// The history window driven as a user drives it: its controls as designed, opening the
// list, opening a saved spread into the main window by double click, "Kies" or the
// arrows, and closing, with what it hands to the main window and the analysis.

#include "history_fixture.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace morvelin;
using namespace morvelin::test;

class TestHistoryWindow : public QObject {
    Q_OBJECT

private slots:
    void theWindowAsDesigned()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        QVERIFY(!f.verleden->isVisible());
        f.openList();
        QVERIFY(f.verleden->isVisible());
        QCOMPARE(f.verleden->windowTitle(), "MorvelLijst.txt");
        QCOMPARE(f.verleden->size(), QSize(436, 582));
        QCOMPARE(f.verleden->minimumSize(), f.verleden->maximumSize());
        QCOMPARE(f.verleden->pos(), QPoint(267, 175));
        QCOMPARE(f.verleden->font().family(), "MS Sans Serif");
        QCOMPARE(f.verleden->font().pixelSize(), 13);
        QCOMPARE(f.list->font().family(), "Tahoma");
        QCOMPARE(f.list->font().pixelSize(), 13);
        QCOMPARE(f.list->geometry(), QRect(9, 34, 416, 511));
        QCOMPARE(f.list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(f.list->uniformItemSizes());
        QCOMPARE(f.list->visualRect(f.list->model()->index(0, 0)).width(), 800);
        QCOMPARE(f.list->focusPolicy(), Qt::ClickFocus);
        auto *count = FindControl<QLabel>(f.verleden, "lbAantal");
        QCOMPARE(count->pos(), QPoint(79, 10));
        QVERIFY(count->font().bold());
        QCOMPARE(count->text(), "Aantal vragen: 3");
        QCOMPARE(FindControl<QLabel>(f.verleden, "lbRegnr")->pos(), QPoint(222, 10));
        QCOMPARE(f.caption("lbRegnr"), "Regel: ");
        QVERIFY(!FindControl<QPushButton>(f.verleden, "btKopieLst")->icon().isNull());

        // Tab walks the buttons that have a tab stop, in the designed order.
        QWidget *next = FindControl(f.verleden, "btKeuze");
        QStringList order;
        for (; order.size() < 9; next = next->nextInFocusChain()) {
            if (next->parentWidget() == f.verleden && next->focusPolicy() != Qt::NoFocus)
                order << next->objectName();
        }
        QCOMPARE(order, (QStringList{"btKeuze", "btTerug", "btWisSel", "btWisLst", "btKopieLst",
                                     "btBewerk", "btAnalies", "btHerstel", "lbxLijst"}));
    }

    void theButtons_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("tabStop");
        QTest::addColumn<bool>("hand");
        QTest::addRow("btWisLst") << QByteArray("btWisLst") << QRect(9, 5, 65, 24) << "Wis Lijst"
                                  << "" << false << true;
        QTest::addRow("btKopieLst")
            << QByteArray("btKopieLst") << QRect(297, 5, 128, 24) << "Lijst naar Klembord"
            << "Kopieer Lijst naar Geheugen" << false << true;
        QTest::addRow("btWisSel") << QByteArray("btWisSel") << QRect(9, 553, 93, 24)
                                  << "Wis Selectie"
                                  << "Selectie = Klik (+ Ctrl / Shift)" << false << true;
        QTest::addRow("btHerstel")
            << QByteArray("btHerstel") << QRect(106, 553, 61, 24) << "Herstel"
            << "Herstel naar laatst bewaarde bewerking" << true << false;
        QTest::addRow("btBewerk") << QByteArray("btBewerk") << QRect(171, 553, 91, 24)
                                  << "Bewerk Opm."
                                  << "Bewerk geselecteerd Item" << true << true;
        QTest::addRow("btAnalies")
            << QByteArray("btAnalies") << QRect(267, 553, 66, 24) << "Analyse"
            << "Tijdelijk uitgeschakeld / Telt het aantal dezelfde kaarten op." << true << true;
        QTest::addRow("btKeuze") << QByteArray("btKeuze") << QRect(339, 553, 39, 24) << "Kies"
                                 << "Of Dubbelklik op een keuze" << true << true;
        QTest::addRow("btTerug") << QByteArray("btTerug") << QRect(384, 553, 41, 24) << "&Sluit"
                                 << "" << true << true;
    }
    void theButtons()
    {
        QFETCH(QByteArray, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, tabStop);
        QFETCH(bool, hand);
        HistoryFixture f;
        QVERIFY(f.start({}));
        auto *button = FindControl<QPushButton>(f.verleden, name.constData());
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(bool(button->focusPolicy() & Qt::TabFocus), tabStop);
        QCOMPARE(button->cursor().shape() == Qt::PointingHandCursor, hand);
    }

    void openingShowsTheListWithItsCursorOnTheLastLine()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(5)));
        f.openList();
        QCOMPARE(f.shownLines(), SavedLines(5));
        QCOMPARE(f.list->cursorRow(), 4);
        QVERIFY(!f.list->hasSelection());
        QVERIFY(f.scripted.dialogs.shown.isEmpty());
    }

    void openingWithoutOrWithAnEmptyFile()
    {
        AppFixture f;
        QVERIFY(f.open());
        Press(f.window, "btOpenen");
        QCOMPARE(f.scripted.dialogs.shown,
                 QStringList{"message: Er zijn nog geen vragen bewaard!"});
        QVERIFY(!f.app->verleden().isVisible());

        WriteBytes(f.path(kHistoryFileName), "");
        Press(f.window, "btOpenen");
        QVERIFY(f.app->verleden().isVisible());
        QCOMPARE(FindControl<QLabel>(&f.app->verleden(), "lbAantal")->text(), "Aantal vragen: 0");
        QCOMPARE(FindControl<HistoryListView>(&f.app->verleden(), "lbxLijst")->count(), 0);
    }

    void anUnreadableFileIsNotShown()
    {
        AppFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir(kHistoryFileName));
        QVERIFY(f.open());
        Press(f.window, "btOpenen");
        QCOMPARE(f.scripted.dialogs.shown,
                 QStringList{"error: MorvelLijst.txt kan niet gelezen worden: er staat een map "
                             "met die naam."});
        QVERIFY(!f.app->verleden().isVisible());
    }

    // A line of the Thierens deck opens in that deck with exactly its three cards.
    void aDoubleClickOpensALineOfAnotherDeck()
    {
        HistoryFixture f;
        QVERIFY(f.start({SavedLine(1), "09.dec.26 (Thierens) [2] 05 17 78", SavedLine(3)}));
        f.openList();
        f.clickRow(1);
        QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, {},
                           f.list->visualRect(f.list->model()->index(1, 0)).center());
        QCOMPARE(f.window->deckId(), 2);
        QCOMPARE(f.slotCards(), SpreadOf(5, 17, 78));
        QCOMPARE(f.chooser(1)->currentIndex(), 4);
        QCOMPARE(f.chooser(3)->currentIndex(), 77);
        QCOMPARE(f.caption("lbRegnr"), "Regel: 2");
        QVERIFY(f.app->spreadSaved());
        QTRY_COMPARE(QApplication::activeWindow(), f.verleden);

        // The spread opened is a saved one, until a chooser changes it.
        Press(f.window, "btBewaren");
        QCOMPARE(f.scripted.dialogs.shown, QStringList{"message:    Legging is al Bewaard!"});
        f.type(2, "33");
        QVERIFY(!f.app->spreadSaved());
    }

    void theArrowsOpenTheLineTheCursorMovesTo()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(10), 70, 71, 72));
        f.openList();
        f.clickRow(2);
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{70, 71, 72}));
        f.key(Qt::Key_Down);
        QCOMPARE(f.slotCards(), SpreadOf(4, 24, 44));
        QCOMPARE(f.window->deckId(), 1);
        QCOMPARE(f.caption("lbRegnr"), "Regel: 4");
        QCOMPARE(f.list->cursorRow(), 3);
        f.key(Qt::Key_Up);
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{3, 23, 43}));
        QCOMPARE(f.caption("lbRegnr"), "Regel: 3");

        // Up on the first line opens nothing; "Kies" then opens that line itself.
        f.clickRow(0);
        f.key(Qt::Key_Up);
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{3, 23, 43}));
        QCOMPARE(f.list->cursorRow(), 0);
        f.press("btKeuze");
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{1, 21, 41}));
        QCOMPARE(f.caption("lbRegnr"), "Regel: 1");

        // Down on the last line opens nothing either.
        f.clickRow(9);
        f.key(Qt::Key_Down);
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{1, 21, 41}));
        QVERIFY(f.scripted.dialogs.shown.isEmpty());
    }

    // With nothing selected only the line number is shown again.
    void choosingWithoutASelection()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(4), 70, 71, 72));
        f.openList();
        f.key(Qt::Key_Up);
        QCOMPARE(f.caption("lbRegnr"), "Regel: 4");
        QCOMPARE(f.list->selectedRows(), QList<int>{2});
        f.clickRow(2, Qt::ControlModifier);
        QVERIFY(!f.list->hasSelection());
        f.press("btKeuze");
        QCOMPARE(f.caption("lbRegnr"), "Regel: 4");
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{70, 71, 72}));
        QVERIFY(!f.app->spreadSaved());
    }

    // The code is checked whole before the main window is touched.
    void aDamagedCodeLeavesTheSpread_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::addRow("letters") << "09.dec.26 (x) [0] 0a 17 78"
                                 << "'0a' is not a valid integer value";
        QTest::addRow("card 00") << "09.dec.26 (x) [1] 00 17 78"
                                 << "De code '1] 00 17 78' is niet te openen: kaartnummers lopen "
                                    "van 01 tot 78.";
        QTest::addRow("card 79") << "09.dec.26 (x) [2] 05 17 79"
                                 << "De code '2] 05 17 79' is niet te openen: kaartnummers lopen "
                                    "van 01 tot 78.";
    }
    void aDamagedCodeLeavesTheSpread()
    {
        QFETCH(QString, line);
        QFETCH(QString, error);
        HistoryFixture f;
        QVERIFY(f.start({line}, 70, 71, 72));
        const QList<int> before = f.slotCards();
        f.openList();
        f.clickRow(0);
        f.press("btKeuze");
        QCOMPARE(f.scripted.dialogs.shown, QStringList{"error: " + error});
        QCOMPARE(f.slotCards(), before);
        QCOMPARE(f.window->deckId(), 0);
        QVERIFY(!f.app->spreadSaved());
    }

    void reopeningSelectsTheLineLastOpened()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(6)));
        f.openList();
        f.clickRow(3);
        f.press("btKeuze");
        f.press("btTerug");
        f.openList();
        QCOMPARE(f.list->selectedRows(), QList<int>{3});
        QCOMPARE(f.list->cursorRow(), 5);

        // Beyond the end of a list shortened elsewhere, nothing is selected.
        WriteBytes(f.path(kHistoryFileName), Bytes(SavedLines(3)));
        f.press("btTerug");
        f.openList();
        QVERIFY(!f.list->hasSelection());
    }

    void theAnalysisGetsTheNumberOfLines()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(7)));
        f.openList();
        QSignalSpy requested(f.verleden, &TVerleden::analysisRequested);
        f.press("btAnalies");
        QCOMPARE(requested.count(), 1);
        QCOMPARE(f.app->shared().questionCountText, "7");
    }

    void closingHandsTheFocusBackAndTheCountOn_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addRow("&Sluit") << false;
        QTest::addRow("Esc") << true;
    }
    void closingHandsTheFocusBackAndTheCountOn()
    {
        QFETCH(bool, escape);
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        f.openList();
        f.chooser(1)->setFocus();
        if (escape)
            f.key(Qt::Key_Escape);
        else
            f.press("btTerug");
        QVERIFY(!f.verleden->isVisible());
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->focusWidget(), f.chooser(4));
        QCOMPARE(f.app->shared().questionCountText, "3");
    }

    // The analysis closes the list before every count, shown or not.
    void closingAHiddenListStillCounts()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        Press(f.window, "btBewaren");
        f.verleden->closeList();
        QCOMPARE(f.app->shared().questionCountText, "4");
        QVERIFY(!f.verleden->isVisible());
    }

    void aLayoutChangeHidesTheList()
    {
        HistoryFixture f;
        QVERIFY(f.start(SavedLines(3)));
        f.openList();
        Press(f.window, "btPlus");
        QVERIFY(!f.verleden->isVisible());
        f.openList();
        Press(f.window, "btPlus");
        QVERIFY(!f.verleden->isVisible());
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
