// The card and deck choosers as a user types, steps, picks and tabs through them: they
// show their items from the number on, list whole items and complete only what grew.

#include "app_fixture.h"

#include <QAbstractItemView>
#include <QSignalSpy>

using namespace morvelin;
using morvelin::test::AppFixture;

namespace {

// The first character the chooser shows: 0 while the text is shown from its start.
int FirstShownCharacter(CardChooser *chooser)
{
    QLineEdit *edit = chooser->lineEdit();
    // A line edit settles which part of its text it shows when it paints.
    edit->repaint();
    return edit->cursorPositionAt(QPoint(1, edit->height() / 2));
}

} // namespace

class TestCardChooser : public QObject {
    Q_OBJECT

private slots:
    // Items wider than the box show their number however they were chosen.
    void choosersShowTheirTextFromTheStart_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("chooser");
        QTest::addColumn<QString>("shown");
        QTest::addRow("typed after Tab") << "typed" << 2 << "67) Munten Ridder";
        QTest::addRow("stepped with Down") << "down" << 3 << "53) Zwaard Ridder";
        QTest::addRow("picked with the mouse") << "mouse" << 1 << "07) De Zegewagen";
        QTest::addRow("entered with Tab") << "tab" << 2 << "12) De Gehangene";
        QTest::addRow("entered with Shift+Tab") << "backtab" << 1 << "05) De Hogepriester";
    }
    void choosersShowTheirTextFromTheStart()
    {
        QFETCH(QString, how);
        QFETCH(int, chooser);
        QFETCH(QString, shown);
        AppFixture f;
        QVERIFY(f.open(5, 12, 52));
        CardChooser *combo = f.chooser(chooser);
        if (how == "typed") {
            QTest::keyClick(f.chooser(1), Qt::Key_Tab);
            FirstShownCharacter(combo);
            QTest::keyClicks(combo, "67");
        } else if (how == "down") {
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
        } else if (how == "mouse") {
            combo->showPopup();
            QAbstractItemView *list = combo->view();
            const QRect item = list->visualRect(list->model()->index(6, 0));
            // A release right after the list opens is taken as the end of the opening click.
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        } else if (how == "tab") {
            QTest::keyClick(f.chooser(1), Qt::Key_Tab);
        } else {
            f.chooser(2)->setFocus();
            QTest::keyClick(f.chooser(2), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(combo->currentText(), shown);
        QVERIFY(combo->lineEdit()->fontMetrics().horizontalAdvance(shown)
                > combo->lineEdit()->width());
        QCOMPARE(FirstShownCharacter(combo), 0);
    }

    // Right after the start the focus is in ComboBox1 and typing replaces its text.
    void typingRightAfterTheStart()
    {
        AppFixture f;
        QVERIFY(f.open(32, 62, 30));
        QTest::keyClicks(QApplication::focusWidget(), "15");
        QCOMPARE(f.chooser(1)->currentText(), "15) De Duivel");
        QCOMPARE(f.window->spread().card(1), 15);
        QCOMPARE(FirstShownCharacter(f.chooser(1)), 0);
    }

    // The drop-down list is as wide as its longest item, in every deck.
    void listShowsWholeItems_data()
    {
        QTest::addColumn<int>("deck");
        QTest::addRow("Rider Waite") << 0;
        QTest::addRow("Etteilla") << 1;
        QTest::addRow("Thierens") << 2;
    }
    void listShowsWholeItems()
    {
        QFETCH(int, deck);
        AppFixture f;
        QVERIFY(f.open());
        f.chooseDeck(deck);
        for (int k = 1; k <= 4; ++k) {
            CardChooser *combo = f.chooser(k);
            combo->showPopup();
            QAbstractItemView *list = combo->view();
            QVERIFY(list->isVisible());
            QVERIFY2(list->viewport()->width() >= list->sizeHintForColumn(0),
                     qPrintable(QStringLiteral("ComboBox%1: %2 < %3")
                                    .arg(k)
                                    .arg(list->viewport()->width())
                                    .arg(list->sizeHintForColumn(0))));
            combo->hidePopup();
        }
    }

    // A key that removes the completed part leaves the typed digits for the next one,
    // completes nothing and redraws nothing.
    void deletingDoesNotCompleteAgain_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("Backspace") << int(Qt::Key_Backspace);
        QTest::addRow("Delete") << int(Qt::Key_Delete);
    }
    void deletingDoesNotCompleteAgain()
    {
        QFETCH(int, key);
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.type(1, "1");
        QCOMPARE(f.chooser(1)->currentText(), "10) Rad v Fortuin");
        QSignalSpy refreshes(f.window, &TForm1::spreadChanged);

        QTest::keyClick(f.chooser(1), Qt::Key(key));
        QCOMPARE(f.chooser(1)->currentText(), "1");
        QTest::keyClick(f.chooser(1), Qt::Key_Backspace);
        QCOMPARE(f.chooser(1)->currentText(), "");
        QCOMPARE(refreshes.count(), 0);
        QCOMPARE(f.window->spread().card(1), 10);

        // Typing again completes again.
        QTest::keyClicks(f.chooser(1), "23");
        QCOMPARE(f.chooser(1)->currentText(), "23) Staven Heer");
        QCOMPARE(f.window->spread().card(1), 23);
    }

    // Leaving a chooser whose text was cut back shows the card it holds again.
    void leavingAfterDeletingShowsTheCard()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.type(1, "1");
        QTest::keyClick(f.chooser(1), Qt::Key_Backspace);
        QTest::keyClick(f.chooser(1), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.chooser(2));
        QCOMPARE(f.chooser(1)->currentText(), "10) Rad v Fortuin");
        QCOMPARE(f.window->spread().card(1), 10);
    }
};

QTEST_MAIN(TestCardChooser)
#include "test_card_chooser.moc"
