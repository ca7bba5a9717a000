// The main window driven as a user drives it: the first draw, the choosers, the decks,
// the layouts, the label modes and the clipboard.

#include "app_fixture.h"
#include "common/picture_box.h"
#include "mainwindow/about_box.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

using namespace morvelin;
using morvelin::test::AppFixture;

namespace {

const char *const kSideButtons[] = {"btHelp1", "btOmsch", "btBewr", "bt4X", "btMC"};

// The names and keywords of the Rider Waite spread 1, 2, 3 and its Magic Card, Munten Vijf.
const QString kNames10 = " De Magiër + Hogepriesteres + De Keizerin = De Geliefden\r"
                         " De Keizerin - De Hogepriester - De Kluizenaar\r"
                         " De Kracht - Gematigdheid - De Dwaas\r"
                         " MagicCard: Munten Vijf\r\r";
const QString kKeywords10 = " Leiding + Kennis + Groei = Keuzes\r"
                            " Groei - Orde - Reflectie\r"
                            " Verantwoording - Evenwicht - Optimisme\r"
                            " MagicCard: Zorgen\r\r";
const QString kHeading = "Rider-Waite tarot voor 9-12-2026: \r";

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpDrawsACompleteSpread()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        QCOMPARE(f.window->windowTitle(), "Morvelin - Herziene Versie 2.2");
        QCOMPARE(f.window->size(), QSize(498, 202));
        QCOMPARE(f.slotCards(), (QList<int>{1, 2, 3, 6, 3, 5, 9, 8, 14, 22}));
        QCOMPARE(f.chooser(1)->currentText(), "01) De Magiër");
        QCOMPARE(f.chooser(4)->currentText(), "Rider Waite Tarot");
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QVERIFY(static_cast<PictureBox *>(f.image(slot))->hasPicture());
            QVERIFY(f.label(slot)->isVisible());
        }
        QCOMPARE(f.label(4)->text(), "De Geliefden");
        QCOMPARE(f.image(4)->toolTip(), "Keuzes");
        for (const char *name : kSideButtons)
            QVERIFY2(f.find(name)->isVisible(), name);
        QVERIFY(f.find("btPlus")->isVisible() && f.find("Shape1")->isVisible());
        QCOMPARE(f.find<QLabel>("lbOudMc")->text(), "Oud MC: Munten Vijf");
        QCOMPARE(f.find<QLabel>("lbQuint")->text(), "Quintessence: 73 = 10");
        QCOMPARE(f.find<QLabel>("lbNieuwMc")->text(), "Nieuw MC: Munten Vijf");
        QCOMPARE(QApplication::focusWidget(), f.chooser(1));
        QVERIFY(f.scripted.dialogs.shown.isEmpty());
        QVERIFY(!f.app->spreadSaved());
    }

    void rndDrawsAgainUntilTheCardsDiffer()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.scripted.random.numbers = {9, 9, 4, 30, 31, 32};
        f.click("btRnd");
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{31, 32, 33}));
        QVERIFY(f.scripted.random.numbers.isEmpty());
    }

    void typingCompletesToTheFirstItem()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.type(1, "15");
        QCOMPARE(f.chooser(1)->currentIndex(), 14);
        QCOMPARE(f.chooser(1)->currentText(), "15) De Duivel");
        QCOMPARE(f.slotCards(), (QList<int>{15, 2, 3, 20, 17, 5, 23, 22, 28, 50}));
        QCOMPARE(f.label(1)->text(), "De Duivel");

        // "9" begins no item: the last applied card comes back and nothing is redrawn.
        f.type(1, "9");
        QCOMPARE(f.chooser(1)->currentIndex(), 14);
        QCOMPARE(f.chooser(1)->currentText(), "15) De Duivel");
        QCOMPARE(f.slotCards().first(), 15);
        QVERIFY(f.scripted.dialogs.shown.isEmpty());
    }

    void deckSwitchCarriesTheCardsByName()
    {
        AppFixture f;
        QVERIFY(f.open(9, 2, 3));
        f.chooseDeck(kEtteilla);
        QCOMPARE(f.chooser(1)->currentText(), "18) De Monnik");
        QCOMPARE(f.chooser(1)->count(), 78);
        QCOMPARE(f.chooser(2)->itemText(0), "01) Chaos");
        // Etteilla numbers: De Kluizenaar 18, Hogepriesteres 8, De Keizerin 6.
        QCOMPARE(f.slotCards().mid(0, 4), (QList<int>{18, 8, 6, 32}));
        QVERIFY(!f.find("lbNieuwMc")->isVisible());
        QVERIFY(!f.find<QRadioButton>("RadioGroup1Item3")->isEnabled());

        f.chooseDeck(kRiderWaite);
        QCOMPARE(f.chooser(1)->currentText(), "09) De Kluizenaar");
        QCOMPARE(f.slotCards().mid(0, 4), (QList<int>{9, 2, 3, 14}));
        QVERIFY(f.find("lbNieuwMc")->isVisible());
        QVERIFY(f.find<QRadioButton>("RadioGroup1Item3")->isEnabled());
    }

    // After a deck switch, text that begins no item brings back the item of the card the
    // slot shows, not the item index the chooser last applied in the earlier deck.
    void unknownTextAfterADeckSwitch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addRow("letters") << "xyz";
        QTest::addRow("a digit no number begins with") << "9";
    }
    void unknownTextAfterADeckSwitch()
    {
        QFETCH(QString, typed);
        AppFixture f;
        QVERIFY(f.open(10, 2, 3));
        f.chooseDeck(kEtteilla);
        QCOMPARE(f.chooser(1)->currentText(), "20) Rad v. Fortuin");
        f.type(1, typed);
        QCOMPARE(f.chooser(1)->currentIndex(), 19);
        QCOMPARE(f.chooser(1)->currentText(), "20) Rad v. Fortuin");
        QCOMPARE(f.window->spread().card(1), 20);
        QCOMPARE(f.label(1)->text(), "Rad v Fortuin");
    }

    void toggleLayoutTwice()
    {
        AppFixture f;
        QVERIFY(f.open());
        // The test screen is higher than 708 pixels: the full layout fits without scroll bars.
        QVERIFY(QGuiApplication::primaryScreen()->size().height() > 708);
        f.click("btPlus");
        QCOMPARE(f.window->size(), QSize(498, 687));
        QCOMPARE(f.find<QScrollArea>("scrollArea")->verticalScrollBarPolicy(),
                 Qt::ScrollBarAlwaysOff);
        QCOMPARE(f.find<QAbstractButton>("btPlus")->text(), "4K");
        for (const char *name : kSideButtons)
            QVERIFY2(!f.find(name)->isVisible(), name);
        QVERIFY(!f.window->isCompactLayout());

        f.click("btPlus");
        QCOMPARE(f.window->size(), QSize(498, 202));
        QCOMPARE(f.find<QAbstractButton>("btPlus")->text(), "10K");
        for (const char *name : kSideButtons)
            QVERIFY2(f.find(name)->isVisible(), name);
        QCOMPARE(QApplication::focusWidget(), f.chooser(1));
    }

    void triangleShowsAndCountsSixSlots()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.click("btPlus");
        f.click("cbDriehoek");
        for (int slot : {4, 7, 9, 10}) {
            QVERIFY(!f.image(slot)->isVisible());
            QVERIFY(!f.label(slot)->isVisible());
        }
        for (const char *name : {"btPlus", "Shape1", "Shape2"})
            QVERIFY2(!f.find(name)->isVisible(), name);
        QVERIFY(f.image(8)->isVisible() && f.label(8)->isVisible());
        QCOMPARE(f.find<QLabel>("lbOudMc")->text(), "Oud MC: De Dwaas");
        QCOMPARE(f.find<QLabel>("lbQuint")->text(), "Quintessence: 22");
        QCOMPARE(f.app->aboutBox().magicLabel()->text(), "De Dwaas");

        // Off again while no labels are shown: the pictures come back, their labels do not.
        f.click("RadioGroup1Item0");
        f.click("cbDriehoek");
        for (int slot : {4, 7, 9, 10}) {
            QVERIFY(f.image(slot)->isVisible());
            QVERIFY(!f.label(slot)->isVisible());
        }
        QCOMPARE(f.find<QLabel>("lbOudMc")->text(), "Oud MC: Munten Vijf");
    }

    void labelModes_data()
    {
        QTest::addColumn<int>("deck");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("labelsShown");
        QTest::addColumn<bool>("magicShown");
        // Card 1 of the deck in slot 1, so its texts are those of each deck's first card.
        QTest::addRow("RWS none") << 0 << 0 << "Leiding"
                                  << "De Magiër" << false << false;
        QTest::addRow("RWS name") << 0 << 1 << "De Magiër"
                                  << "Leiding" << true << true;
        QTest::addRow("RWS keyword") << 0 << 2 << "Leiding"
                                     << "De Magiër" << true << true;
        QTest::addRow("RWS astro") << 0 << 3 << "Mercury"
                                   << "De Magiër" << true << true;
        QTest::addRow("Etteilla name") << 1 << 1 << "De Hogepriester"
                                       << "Vragensteller" << true << true;
        QTest::addRow("Etteilla astro stays keyword") << 1 << 3 << "Vragensteller"
                                                      << "De Hogepriester" << true << false;
        QTest::addRow("Thierens keyword") << 2 << 2 << "Persoonlijkheid"
                                          << "De Magiër" << true << true;
        QTest::addRow("Thierens astro") << 2 << 3 << "Ram"
                                        << "De Magiër" << true << true;
    }
    void labelModes()
    {
        QFETCH(int, deck);
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, labelsShown);
        QFETCH(bool, magicShown);

        AppFixture f;
        QVERIFY(f.open(2, 3, 4));
        // Mode 3 is chosen first: it stays selected, though disabled, on the Etteilla deck.
        f.window->setLabelMode(LabelMode(mode));
        f.chooseDeck(deck);
        f.type(1, "01");
        QCOMPARE(int(f.window->labelMode()), mode);
        QCOMPARE(f.label(1)->text(), caption);
        QCOMPARE(f.image(1)->toolTip(), hint);
        QCOMPARE(f.label(1)->isVisible(), labelsShown);
        QCOMPARE(f.label(10)->isVisible(), labelsShown);
        QCOMPARE(f.app->aboutBox().magicLabel()->isVisibleTo(&f.app->aboutBox()), magicShown);
    }

    void omschCyclesFromTheStart()
    {
        AppFixture f;
        QVERIFY(f.open());
        QList<int> modes;
        for (int press = 0; press < 5; ++press) {
            f.click("btOmsch");
            modes << int(f.window->labelMode());
        }
        QCOMPARE(modes, (QList<int>{1, 2, 3, 0, 1}));
        QCOMPARE(QApplication::focusWidget(), f.chooser(4));
    }

    void rwsKeywordsFromTheThierensDeck()
    {
        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.chooseDeck(kThierens);
        f.scripted.random.numbers = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1};
        f.click("btRndTrefwoord");
        QCOMPARE(f.window->deckId(), kRiderWaite);
        QCOMPARE(f.window->labelMode(), LabelMode::Keyword);
        QCOMPARE(f.slotCards().mid(0, 3), (QList<int>{1, 2, 3}));
        // Cards 1, 2, 3, 6, 3, 5, 9, 8, 14, 22, each with the keyword at the position drawn.
        const QStringList drawn = {"Handelen",   "Wijsheid",   "Talent",    "Relatie",
                                   "Praktisch",  "Gehoorzaam", "Discretie", "Evenwichtig",
                                   "Integratie", "Dwaasheid"};
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            QCOMPARE(f.label(slot)->text(), drawn[slot - 1]);
            QCOMPARE(f.label(slot)->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
        // The clipboard keeps the one-word keywords of the last refresh.
        f.window->bt10XClick();
        QVERIFY(QGuiApplication::clipboard()->text().contains(" Leiding + Kennis + Groei"));

        f.type(2, "02");
        QCOMPARE(f.label(1)->text(), "Leiding");
        QCOMPARE(f.label(1)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void exportTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("triangle");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("four");
        QTest::addRow("names") << 1 << false << kHeading + kNames10 + kKeywords10
                               << kHeading
                                      + " De Magiër + Hogepriesteres + De Keizerin = De Geliefden"
                                        " / mc: Munten Vijf\r"
                                        " Leiding + Kennis + Groei = Keuzes / mc: Zorgen\r";
        QTest::addRow("keywords")
            << 2 << false << kHeading + kNames10 + kKeywords10
            << kHeading
                   + " De Magiër + Hogepriesteres + De Keizerin = De Geliefden"
                     " / mc: Munten Vijf\r"
                     " Leiding + Kennis + Groei = Keuzes / mc: Zorgen\r";
        QTest::addRow("triangle")
            << 1 << true
            << kHeading
                   + " De Magiër + Hogepriesteres + De Keizerin\r"
                     " De Keizerin - De Hogepriester\r De Kracht\r"
                     " MagicCard: De Dwaas\r\r"
                     " Leiding + Kennis + Groei\r Groei - Orde\r"
                     " Verantwoording\r MagicCard: Optimisme\r\r"
            << kHeading
                   + " De Magiër + Hogepriesteres + De Keizerin = De Geliefden"
                     " / mc: De Dwaas\r"
                     " Leiding + Kennis + Groei = Keuzes / mc: Optimisme\r";
    }
    void exportTexts()
    {
        QFETCH(int, mode);
        QFETCH(bool, triangle);
        QFETCH(QString, full);
        QFETCH(QString, four);

        AppFixture f;
        QVERIFY(f.open(1, 2, 3));
        f.window->setLabelMode(LabelMode(mode));
        if (triangle) {
            f.click("btPlus");
            f.click("cbDriehoek");
        }
        f.window->bt10XClick();
        QCOMPARE(QGuiApplication::clipboard()->text(), full);
        f.window->bt4XClick();
        QCOMPARE(QGuiApplication::clipboard()->text(), four);
        QVERIFY(!full.contains(QLatin1Char('\n')) && !four.contains(QLatin1Char('\n')));
    }

    void spreadPicture_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("deck");
        QTest::addColumn<QSize>("size");
        // The client area without its top 30 pixels, the row of choosers.
        QTest::addRow("compact") << false << 0 << QSize(498, 172);
        QTest::addRow("full, Etteilla") << true << 1 << QSize(498, 657);
    }
    void spreadPicture()
    {
        QFETCH(bool, full);
        QFETCH(int, deck);
        QFETCH(QSize, size);
        AppFixture f;
        QVERIFY(f.open());
        f.chooseDeck(deck);
        if (full)
            f.click("btPlus");
        f.click("btBigImg");
        const QImage picture = QGuiApplication::clipboard()->image();
        QCOMPARE(picture.size(), size);
        QCOMPARE(f.scripted.dialogs.shown.last(),
                 "message: Afbeelding is gekopieerd naar Klembord.");
        // Every control is back as it was: the Etteilla deck keeps its new-count line hidden.
        QVERIFY(f.find("btRnd")->isVisible());
        QCOMPARE(f.find("lbNieuwMc")->isVisible(), deck != kEtteilla);
        QVERIFY(!f.find("RadioGroup1")->isHidden());
    }

    void aMissingPictureIsReportedOnce()
    {
        test::ScriptedDialogs dialogs;
        PictureBox box;
        box.resize(108, 147);
        ShowCardPicture(box, kThierens, 78, dialogs);
        QVERIFY(box.hasPicture());
        QVERIFY(dialogs.shown.isEmpty());
        // Card 0 has no picture: one message, an empty box, and nothing else changes.
        ShowCardPicture(box, kThierens, 0, dialogs);
        QCOMPARE(dialogs.shown, QStringList{"message: Deze Kaart Bestaat Niet!"});
        QVERIFY(!box.hasPicture());
    }

    void spreadPictureHeights()
    {
        AppFixture f;
        QVERIFY(f.open());
        f.click("btBigImg");
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(498, 172));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
