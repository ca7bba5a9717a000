// The Pentagram window and its list window, driven through the whole program.

#include "app_fixture.h"
#include "catalogue/card_picture.h"
#include "common/picture_box.h"
#include "file_checks.h"
#include "mainwindow/help_info.h"
#include "pentagram/pentagram_list.h"
#include "pentagram/pentagram_list_window.h"
#include "pentagram/pentagram_window.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>

using namespace morvelin;
using morvelin::test::AppFixture;
using morvelin::test::Click;
using morvelin::test::FindControl;
using morvelin::test::Press;
using morvelin::test::ReadBytes;
using morvelin::test::WriteBytes;

namespace {

QImage Pixels(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

bool ShowsCard(const PictureBox *box, DeckId deck, CardNo card)
{
    return box->hasPicture()
           && Pixels(box->pixmap().toImage()) == Pixels(*LoadCardPicture(deck, card));
}

// The program with its Pentagram window shown by the main window's button.
struct PentagramFixture : AppFixture {
    TForm3 *form3 = nullptr;
    TForm4 *form4 = nullptr;

    bool openPentagram()
    {
        if (!open(1, 2, 3))
            return false;
        form3 = &app->form3();
        form4 = &app->form4();
        click("btPenta");
        return QTest::qWaitForWindowActive(form3);
    }
    // A key pressed where the focus is, as the user presses it.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    CardChooser *box(int k) const
    {
        return FindControl<CardChooser>(form3, qPrintable(QStringLiteral("Box%1").arg(k)));
    }
    PictureBox *picture(int k) const
    {
        return FindControl<PictureBox>(form3, qPrintable(QStringLiteral("Image%1").arg(k)));
    }
    QString caption(int k) const
    {
        return FindControl<QLabel>(form3, qPrintable(QStringLiteral("Label%1").arg(k)))->text();
    }
    QListWidget *list() const { return FindControl<QListWidget>(form4, "lbLijstP"); }

    // Picks the card in chooser k as the mouse does; keyword draws follow the script.
    void choose(int k, CardNo card, QList<int> draws)
    {
        scripted.random.numbers = draws;
        box(k)->setIndexQuietly(card - 1);
        emit box(k)->chosen();
    }
    void chooseAll(const PentagramCards &cards)
    {
        for (int k = 1; k <= kPentagramPositions; ++k)
            choose(k, cards[k - 1], k < kPentagramPositions ? QList<int>{0} : QList<int>{0, 0});
    }
    void clickLine(int row, QList<int> draws)
    {
        scripted.random.numbers = draws;
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
    QStringList lines() const
    {
        QStringList shown;
        for (int row = 0; row < list()->count(); ++row)
            shown << list()->item(row)->text();
        return shown;
    }
    QStringList boxes() const
    {
        QStringList texts;
        for (int k = 1; k <= kPentagramPositions; ++k)
            texts << box(k)->currentText();
        return texts;
    }
};

const QByteArray kTwoLines = "01.Jan.26 : 01,02,03,04,05\r\n"
                             "02.Feb.26 : 10,20,30,05,40\r\n";

} // namespace

class TestPentagramWindows : public QObject {
    Q_OBJECT

private slots:
    void theWindowOpensOnTheScreenWithNothingChosen()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        QCOMPARE(f.form3->windowTitle(), "Pentagram - De Weg die je gaat");
        QCOMPARE(f.form3->size(), QSize(498, 699));
        QVERIFY(
            f.form3->screen()->availableGeometry().contains(f.form3->frameGeometry().topLeft()));
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(f.caption(k), QString::number(k));
            QVERIFY(!f.picture(k)->hasPicture());
        }
        QCOMPARE(f.box(1)->currentText(), "Kies een kaart");
        QCOMPARE(f.box(1)->count(), 78);
        QCOMPARE(f.box(1)->itemText(77), "78) Munten Tien");
        QCOMPARE(FindControl<QLabel>(f.form3, "Label12")->text(),
                 "(6) - Advies, de raad die de kaarten je geven. ");
    }

    void fourCardsGiveNoSixthTheFifthAddsIt()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        f.choose(1, 10, {0});
        f.choose(2, 20, {7});
        f.choose(3, 30, {1});
        f.choose(4, 5, {2});
        QCOMPARE(f.caption(1), "1-Kansen");
        QCOMPARE(f.caption(4), "4-Onderwijs");
        QVERIFY(ShowsCard(f.picture(4), kRiderWaite, 5));
        QCOMPARE(f.form3->sixthCard(), 0);
        QVERIFY(!f.picture(6)->hasPicture());
        QCOMPARE(f.caption(6), "6");

        f.choose(5, 40, {0, 2});
        QCOMPARE(f.form3->pentagramCards(), (PentagramCards{10, 20, 30, 5, 40}));
        QCOMPARE(f.form3->sixthCard(), 27);
        QVERIFY(ShowsCard(f.picture(6), kRiderWaite, 27));
        QCOMPARE(f.caption(6), "6-Fortuin");
        QVERIFY(f.scripted.random.numbers.isEmpty());
    }

    // Typing a card's number completes it, as in the main window's choosers.
    void typingANumberChoosesTheCard()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        QCOMPARE(QApplication::focusWidget(), f.box(1));
        f.scripted.random.numbers = {0, 0};
        QTest::keyClicks(QApplication::focusWidget(), "27");
        QCOMPARE(f.box(1)->currentIndex(), 26);
        QCOMPARE(f.form3->pentagramCards()[0], 27);
        QCOMPARE(f.caption(1), "1-Impuls");
    }

    void trefwoordDrawsOnlyWhenAllFiveAreChosen()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        for (int k = 1; k <= 4; ++k)
            f.choose(k, 1, {0});
        // No keyword is drawn: the script is empty and would stop the test at a draw.
        Click(f.form3, "btTrefTroef");
        QCOMPARE(f.caption(4), "4-Handelen");

        f.choose(5, 1, {0, 0});
        QCOMPARE(f.form3->sixthCard(), 5);
        // Positions 5 down to 1, then the sixth card.
        f.scripted.random.numbers = {5, 4, 3, 2, 1, 7};
        Click(f.form3, "btTrefTroef");
        QCOMPARE((QStringList{f.caption(1), f.caption(2), f.caption(3), f.caption(4), f.caption(5),
                              f.caption(6)}),
                 (QStringList{"1-Communicatie", "2-Initiatief", "3-Vaardigheid", "4-Daadkracht",
                              "5-Zelfcontrole", "6-Vergeving"}));
        QVERIFY(ShowsCard(f.picture(1), kRiderWaite, 1));
    }

    void saveAppendsAndClosesTheList()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        WriteBytes(f.path(kPentagramListName), kTwoLines);
        f.choose(1, 10, {0});
        f.choose(3, 30, {0});
        Click(f.form3, "btOpe");
        QVERIFY(f.form4->isVisible());

        Click(f.form3, "btSave");
        QCOMPARE(f.scripted.dialogs.shown.last(), "confirm: Pentagram Bewaren?");
        QVERIFY(!f.form4->isVisible());
        QCOMPARE(ReadBytes(f.path(kPentagramListName)),
                 kTwoLines + "09.Dec.26 : 10,00,30,00,00\r\n");
        QVERIFY(!QFile::exists(f.path(kPentagramBackupName)));

        Click(f.form3, "btOpe");
        QCOMPARE(f.lines().last(), "09.Dec.26 : 10,00,30,00,00");
        QCOMPARE(f.list()->currentRow(), -1);

        f.scripted.dialogs.answers.enqueue(false);
        Click(f.form3, "btSave");
        QVERIFY(f.form4->isVisible());
        QCOMPARE(ReadBytes(f.path(kPentagramListName)),
                 kTwoLines + "09.Dec.26 : 10,00,30,00,00\r\n");
    }

    // Ctrl saves and Shift opens the list on their own press; Esc in the list closes only
    // the list, Esc in the Pentagram window closes both.
    void keys()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        f.scripted.dialogs.answers.enqueue(false);
        f.key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f.scripted.dialogs.shown, QStringList{"confirm: Pentagram Bewaren?"});
        QVERIFY(!QFile::exists(f.path(kPentagramListName)));

        f.key(Qt::Key_Shift);
        QVERIFY(f.form4->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(f.form4));
        f.key(Qt::Key_Escape);
        QVERIFY(!f.form4->isVisible());
        QVERIFY(f.form3->isVisible());

        f.form3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form3));
        f.key(Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(f.form4->isVisible());
        f.form3->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form3));
        f.key(Qt::Key_Escape);
        QVERIFY(!f.form3->isVisible());
        QVERIFY(!f.form4->isVisible());
        QVERIFY(f.window->isVisible());
    }

    void tabGoesFromChooserToChooser()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        QCOMPARE(QApplication::focusWidget(), f.box(1));
        QStringList visited;
        for (int step = 0; step < 8; ++step) {
            f.key(Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Box2", "Box3", "Box4", "Box5", "btOpe", "btSave",
                                       "btTrefTroef", "Box1"}));
    }

    void aClickOnALineSetsTheFiveChoosers()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        WriteBytes(f.path(kPentagramListName), kTwoLines);
        Click(f.form3, "btOpe");
        QVERIFY(QTest::qWaitForWindowActive(f.form4));
        QCOMPARE(QApplication::focusWidget(), f.list());
        QCOMPARE(f.lines(),
                 (QStringList{"01.Jan.26 : 01,02,03,04,05", "02.Feb.26 : 10,20,30,05,40"}));
        // Taking the focus opens no line.
        QCOMPARE(f.form3->pentagramCards(), (PentagramCards{}));

        // The keyboard opens the line it moves to, the first Down the first line: five
        // choices, the sixth card after the fifth and once more at the end.
        f.scripted.random.numbers = {0, 0, 0, 0, 0, 0, 0};
        f.key(Qt::Key_Down);
        QCOMPARE(f.form3->pentagramCards(), (PentagramCards{1, 2, 3, 4, 5}));
        QCOMPARE(f.form3->sixthCard(), 15);
        QVERIFY(ShowsCard(f.picture(6), kRiderWaite, 15));

        // With five cards already there, every choice also counts out the sixth card anew.
        f.clickLine(1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2});
        QVERIFY(f.scripted.random.numbers.isEmpty());
        QCOMPARE(f.boxes(), (QStringList{"10) Rad v Fortuin", "20) Het Oordeel", "30) Staven Vier",
                                         "05) De Hogepriester", "40) Bekers Page"}));
        QCOMPARE(f.form3->pentagramCards(), (PentagramCards{10, 20, 30, 5, 40}));
        QCOMPARE(f.form3->sixthCard(), 27);
        QCOMPARE(f.caption(6), "6-Fortuin");
    }

    void aFieldThatIsNoCardClearsItsPosition_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addRow("00") << QByteArray("09.Dec.26 : 10,00,30,05,40\r\n");
        QTest::addRow("above 78") << QByteArray("09.Dec.26 : 10,79,30,05,40\r\n");
    }
    void aFieldThatIsNoCardClearsItsPosition()
    {
        QFETCH(QByteArray, line);
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        f.chooseAll({1, 2, 3, 4, 5});
        WriteBytes(f.path(kPentagramListName), line);
        Click(f.form3, "btOpe");

        f.clickLine(0, {0, 0, 0, 0, 0});
        QCOMPARE(f.form3->pentagramCards(), (PentagramCards{10, 0, 30, 5, 40}));
        QCOMPARE(f.box(2)->currentIndex(), -1);
        QCOMPARE(f.box(2)->currentText(), "Kies een kaart");
        QVERIFY(!f.picture(2)->hasPicture());
        QCOMPARE(f.caption(2), "2");
        QCOMPARE(f.form3->sixthCard(), 0);
        QVERIFY(!f.picture(6)->hasPicture());
        QCOMPARE(f.caption(6), "6");
        QVERIFY(ShowsCard(f.picture(3), kRiderWaite, 30));
    }

    void aDamagedLineChangesNoPosition()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        f.chooseAll({1, 2, 3, 4, 5});
        const QStringList before = f.boxes();
        WriteBytes(f.path(kPentagramListName), "09.Dec.26 : 10,20,30,x5,40\r\n");
        Click(f.form3, "btOpe");
        f.clickLine(0, {});
        QCOMPARE(f.scripted.dialogs.shown.last(), "error: 'x5' is not a valid integer value");
        QCOMPARE(f.form3->pentagramCards(), (PentagramCards{1, 2, 3, 4, 5}));
        QCOMPARE(f.boxes(), before);
    }

    void deleteTheOnlyLineThenRestore()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        WriteBytes(f.path(kPentagramListName), "09.Dec.26 : 10,20,30,05,40\r\n");
        Click(f.form3, "btOpe");
        f.clickLine(0, {0, 0, 0, 0, 0, 0, 0});

        Click(f.form4, "btWisSel");
        QVERIFY(f.lines().isEmpty());
        QCOMPARE(ReadBytes(f.path(kPentagramListName)), QByteArray());
        QCOMPARE(ReadBytes(f.path(kPentagramBackupName)), "09.Dec.26 : 10,20,30,05,40\r\n");

        Click(f.form4, "btHerstelP");
        QCOMPARE(f.lines(), QStringList{"09.Dec.26 : 10,20,30,05,40"});
        QCOMPARE(ReadBytes(f.path(kPentagramListName)), "09.Dec.26 : 10,20,30,05,40\r\n");
        QVERIFY(f.scripted.dialogs.shown.filter("error").isEmpty());

        Click(f.form4, "Button2");
        QVERIFY(!f.form4->isVisible());
        QVERIFY(f.form3->isVisible());
    }

    // A second Morvelin saved a Pentagram while the list was shown: the deletion writes
    // nothing and the list shows the file as it is now.
    void aDeleteFromAListChangedElsewhereShowsTheFile()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        WriteBytes(f.path(kPentagramListName), kTwoLines);
        Click(f.form3, "btOpe");
        f.clickLine(0, {0, 0, 0, 0, 0, 0, 0});
        QVERIFY(AppendPentagramLine(f.app->store(), "09.Dec.26 : 10,20,30,05,40"));

        Click(f.form4, "btWisSel");
        QVERIFY(f.scripted.dialogs.shown.last().startsWith(
            "error: TarPentLijst.txt is intussen buiten deze lijst veranderd."));
        QCOMPARE(ReadBytes(f.path(kPentagramListName)),
                 kTwoLines + "09.Dec.26 : 10,20,30,05,40\r\n");
        QVERIFY(!QFile::exists(f.path(kPentagramBackupName)));
        QCOMPARE(f.lines().size(), 3);
    }

    // A folder where the list should be: nothing can be shown, deleted or saved over it.
    void aListThatCannotBeReadIsNeitherShownNorSavedTo()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        QVERIFY(QDir(f.folder.path()).mkdir(kPentagramListName));
        Click(f.form3, "btOpe");
        QVERIFY(!f.form4->isVisible());
        QVERIFY(f.scripted.dialogs.shown.last().startsWith(
            "error: TarPentLijst.txt kan niet gelezen worden: "));
        Click(f.form3, "btSave");
        QVERIFY(f.scripted.dialogs.shown.last().startsWith(
            "error: TarPentLijst.txt kan niet gelezen worden: "));
        QVERIFY(QFileInfo(f.path(kPentagramListName)).isDir());
    }

    // A full disk, as root meets it too: the child's save fails, the list stays whole.
    void aSaveThatCannotBeWrittenLosesNothing()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        const QByteArray list = morvelin::test::TooLongForAFullDisk(kTwoLines);
        WriteBytes(f.path(kPentagramListName), list);
        f.chooseAll({10, 20, 30, 5, 40});

        // Pressed without the event loop: the child has none of its parent's threads to
        // paint with.
        QVERIFY(morvelin::test::SucceedsUnderFileSizeLimit(morvelin::test::kFullDiskRoom, [&f] {
            Press(f.form3, "btSave");
            return f.scripted.dialogs.shown.last().startsWith(
                "error: TarPentLijst.txt kan niet bewaard worden: ");
        }));
        QCOMPARE(ReadBytes(f.path(kPentagramListName)), list);
        QCOMPARE(morvelin::test::FilesIn(f.folder.path()), QStringList{kPentagramListName});
    }

    void theMainWindowKeepsItsEtteillaPictures()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        f.chooseDeck(kEtteilla);
        const QList<int> mainCards = f.slotCards();
        f.chooseAll({1, 2, 3, 4, 5});
        for (int k = 1; k <= 5; ++k)
            QVERIFY(ShowsCard(f.picture(k), kRiderWaite, k));
        QCOMPARE(f.window->deckId(), kEtteilla);
        QCOMPARE(f.slotCards(), mainCards);
        for (int slot = 1; slot <= 3; ++slot)
            QVERIFY(ShowsCard(static_cast<PictureBox *>(f.image(slot)), kEtteilla,
                              mainCards[slot - 1]));
    }

    void helpShowsThePentagramHeadingAtTheTop()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        Click(f.form3, "SpeedButton1");
        THelpInfo *help = &f.app->helpInfo();
        QVERIFY(help->isVisible());
        QPlainTextEdit *memo = help->memo();
        QCOMPARE(memo->textCursor().selectedText(), "Pentagram:");
        QTRY_COMPARE(memo->cursorForPosition(QPoint(4, 4)).block().text(), "Pentagram:");
    }

    void closingTheMainWindowClosesBoth()
    {
        PentagramFixture f;
        QVERIFY(f.openPentagram());
        WriteBytes(f.path(kPentagramListName), kTwoLines);
        Click(f.form3, "btOpe");
        f.clickLine(0, {0, 0, 0, 0, 0, 0, 0});
        Click(f.form4, "btWisSel");
        QVERIFY(QFile::exists(f.path(kPentagramBackupName)));

        f.window->close();
        QVERIFY(!f.form3->isVisible());
        QVERIFY(!f.form4->isVisible());
        QVERIFY(!QFile::exists(f.path(kPentagramBackupName)));
        QCOMPARE(ReadBytes(f.path(kPentagramListName)), "02.Feb.26 : 10,20,30,05,40\r\n");
    }
};

QTEST_MAIN(TestPentagramWindows)
#include "test_pentagram_windows.moc"
