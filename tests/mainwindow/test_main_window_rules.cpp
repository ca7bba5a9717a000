// The main window's rules without a window: the draw, the spread's texts, the label
// modes, the clipboard texts and the window's placement.

#include "mainwindow/export_texts.h"
#include "mainwindow/label_view.h"
#include "mainwindow/main_spread.h"
#include "mainwindow/spread_draw.h"
#include "mainwindow/window_placement.h"
#include "scripted_services.h"

#include <QtTest>

using namespace morvelin;

namespace {

MainSpread CompleteSpread(DeckId deck, CardNo c1, CardNo c2, CardNo c3, bool triangle = false)
{
    MainSpread spread;
    spread.setSlotCard(1, deck, c1);
    spread.setSlotCard(2, deck, c2);
    spread.setSlotCard(3, deck, c3);
    spread.deriveSlots(deck);
    spread.setMagicCard(deck, spread.count(deck, triangle));
    return spread;
}

ExportInputs NumberedInputs()
{
    ExportInputs inputs;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        inputs.labels[slot - 1] = QStringLiteral("n%1").arg(slot);
        inputs.hints[slot - 1] = QStringLiteral("k%1").arg(slot);
    }
    inputs.magicLabel = QStringLiteral("nM");
    inputs.magicHint = QStringLiteral("kM");
    return inputs;
}

} // namespace

class TestMainWindowRules : public QObject {
    Q_OBJECT

private slots:
    void drawGivesThreeDifferentCards_data()
    {
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QList<int>>("cards");
        QTest::addRow("first try") << QList<int>{0, 1, 77} << QList<int>{1, 2, 78};
        QTest::addRow("a equals b") << QList<int>{4, 4, 9, 1, 2, 3} << QList<int>{2, 3, 4};
        QTest::addRow("b equals c") << QList<int>{4, 9, 9, 7, 8, 9} << QList<int>{8, 9, 10};
        QTest::addRow("a equals c") << QList<int>{9, 4, 9, 0, 10, 20} << QList<int>{1, 11, 21};
    }
    void drawGivesThreeDifferentCards()
    {
        QFETCH(QList<int>, script);
        QFETCH(QList<int>, cards);
        test::ScriptedRandom random;
        random.numbers = script;
        const auto drawn = DrawThreeDifferentCards(random);
        QCOMPARE(QList<int>(drawn.begin(), drawn.end()), cards);
        QVERIFY(random.numbers.isEmpty());
    }

    // Each deck's astrology is kept while the other decks are shown.
    void slotTextsKeepEachDecksAstrology()
    {
        MainSpread spread;
        spread.setSlotCard(1, kRiderWaite, 1);
        QCOMPARE(spread.texts(1).rwsAstro, "Mercury");
        spread.setSlotCard(1, kThierens, 1);
        QCOMPARE(spread.texts(1).name, "De Magiër");
        QCOMPARE(spread.texts(1).keyword, "Persoonlijkheid");
        QCOMPARE(spread.texts(1).thierensAstro, "Ram");
        QCOMPARE(spread.texts(1).rwsAstro, "Mercury");
        spread.setSlotCard(1, kEtteilla, 15);
        QCOMPARE(spread.texts(1).keyword, "Ziekte");
        QCOMPARE(spread.texts(1).thierensAstro, "Ram");
        QCOMPARE(spread.value(1), 15);
        QVERIFY(!spread.isComplete());
    }

    void magicCardTexts()
    {
        const MainSpread rws = CompleteSpread(kRiderWaite, 1, 2, 3);
        QCOMPARE(rws.texts(kMagicCardSlot).name, "Munten Vijf");
        QCOMPARE(rws.texts(kMagicCardSlot).keyword, "Zorgen");
        const MainSpread etteilla = CompleteSpread(kEtteilla, 1, 2, 3);
        // Etteilla's Magic Card is the old count's: its card 73, not the new count's 51.
        QCOMPARE(etteilla.texts(kMagicCardSlot).name, "Munten Vijf");
        QCOMPARE(etteilla.texts(kMagicCardSlot).keyword, "Minnaar(es)");
    }

    void labelView_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("deck");
        QTest::addColumn<bool>("triangle");
        QTest::addColumn<QString>("caption1");
        QTest::addColumn<QString>("hint1");
        QTest::addColumn<QString>("magicCaption");
        QTest::addColumn<QString>("magicHint");
        QTest::addColumn<bool>("labelsShown");
        QTest::addColumn<bool>("magicShown");
        // Card 1 of each deck, and the Magic Card of cards 1, 2, 3 (73 in every deck here).
        QTest::addRow("none") << 0 << 0 << false << "Leiding"
                              << "De Magiër"
                              << "Zorgen"
                              << "Munten Vijf" << false << false;
        QTest::addRow("name") << 1 << 0 << false << "De Magiër"
                              << "Leiding"
                              << "Munten Vijf"
                              << "Zorgen" << true << true;
        QTest::addRow("keyword") << 2 << 0 << false << "Leiding"
                                 << "De Magiër"
                                 << "Zorgen"
                                 << "Munten Vijf" << true << true;
        QTest::addRow("astro Rider Waite") << 3 << 0 << false << "Mercury"
                                           << "De Magiër"
                                           << "Mer in Tau"
                                           << "Munten Vijf" << true << true;
        QTest::addRow("astro Thierens") << 3 << 2 << false << "Ram"
                                        << "De Magiër"
                                        << "Hs 09 Boogsch."
                                        << "Zwaard Negen" << true << true;
        QTest::addRow("astro Etteilla shows keywords") << 3 << 1 << false << "Vragensteller"
                                                       << "De Hogepriester"
                                                       << "Minnaar(es)"
                                                       << "Munten Vijf" << true << false;
        QTest::addRow("name, triangle") << 1 << 0 << true << "De Magiër"
                                        << "Leiding"
                                        << "De Dwaas"
                                        << "Optimisme" << true << true;
    }
    void labelView()
    {
        QFETCH(int, mode);
        QFETCH(int, deck);
        QFETCH(bool, triangle);
        QFETCH(QString, caption1);
        QFETCH(QString, hint1);
        QFETCH(QString, magicCaption);
        QFETCH(QString, magicHint);
        QFETCH(bool, labelsShown);
        QFETCH(bool, magicShown);

        const MainSpread spread = CompleteSpread(deck, 1, 2, 3, triangle);
        const LabelView view = ComposeLabelView(LabelMode(mode), deck, triangle, spread.allTexts());
        QCOMPARE(view.captions[0], caption1);
        QCOMPARE(view.hints[0], hint1);
        QCOMPARE(view.magic.caption, magicCaption);
        QCOMPARE(view.magic.hint, magicHint);
        QCOMPARE(view.magic.captionVisible, magicShown);
        // The triangle hides the labels of slots 4, 7, 9 and 10.
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const bool outsideTriangle = slot == 4 || slot == 7 || slot == 9 || slot == 10;
            QCOMPARE(view.captionVisible[slot - 1], labelsShown && !(triangle && outsideTriangle));
        }
    }

    void labelCycle()
    {
        QCOMPARE(NextLabelCycle(0), 1);
        QCOMPARE(NextLabelCycle(2), 3);
        QCOMPARE(NextLabelCycle(3), 0);
    }

    void exportDate()
    {
        QCOMPARE(ExportDate(QDate(2026, 12, 9)), "9-12-2026");
        QCOMPARE(ExportDate(QDate(2027, 1, 31)), "31-1-2027");
    }

    void exportTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("triangle");
        QTest::addColumn<QString>("fullBody");
        QTest::addColumn<QString>("fourBody");
        QTest::addRow("names in the labels")
            << 1 << false
            << " n1 + n2 + n3 = n4\r n5 - n6 - n7\r n8 - n9 - n10\r MagicCard: nM\r\r"
               " k1 + k2 + k3 = k4\r k5 - k6 - k7\r k8 - k9 - k10\r MagicCard: kM\r\r"
            << " n1 + n2 + n3 = n4 / mc: nM\r k1 + k2 + k3 = k4 / mc: kM\r";
        QTest::addRow("names in the hints")
            << 2 << false
            << " k1 + k2 + k3 = k4\r k5 - k6 - k7\r k8 - k9 - k10\r MagicCard: kM\r\r"
               " n1 + n2 + n3 = n4\r n5 - n6 - n7\r n8 - n9 - n10\r MagicCard: nM\r\r"
            << " k1 + k2 + k3 = k4 / mc: kM\r n1 + n2 + n3 = n4 / mc: nM\r";
        QTest::addRow("triangle") << 1 << true
                                  << " n1 + n2 + n3\r n5 - n6\r n8\r MagicCard: nM\r\r"
                                     " k1 + k2 + k3\r k5 - k6\r k8\r MagicCard: kM\r\r"
                                  << " n1 + n2 + n3 = n4 / mc: nM\r k1 + k2 + k3 = k4 / mc: kM\r";
        QTest::addRow("no labels, triangle")
            << 0 << true
            << " k1 + k2 + k3\r k5 - k6\r k8\r MagicCard: kM\r\r"
               " n1 + n2 + n3\r n5 - n6\r n8\r MagicCard: nM\r\r"
            << " k1 + k2 + k3 = k4 / mc: kM\r n1 + n2 + n3 = n4 / mc: nM\r";
    }
    void exportTexts()
    {
        QFETCH(int, mode);
        QFETCH(bool, triangle);
        QFETCH(QString, fullBody);
        QFETCH(QString, fourBody);
        const ExportTexts texts =
            BuildExportTexts(NumberedInputs(), LabelMode(mode), triangle, QDate(2026, 12, 9));
        const QString headings[kDeckCount] = {"Rider-Waite tarot voor 9-12-2026: \r",
                                              "Etteilla tarot voor 9-12-2026: \r",
                                              "Thierens tarot voor 9-12-2026: \r"};
        for (DeckId deck = 0; deck < kDeckCount; ++deck) {
            QCOMPARE(texts.full[deck], headings[deck] + fullBody);
            QCOMPARE(texts.four[deck], headings[deck] + fourBody);
            QVERIFY(!texts.full[deck].contains(QLatin1Char('\n')));
        }
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<bool>("scrollBars");
        QTest::addColumn<int>("fullHeight");
        QTest::addRow("700 high: top left") << QSize(1024, 700) << QPoint(0, 0) << true << 661;
        QTest::addRow("708 high: centred") << QSize(1024, 708) << QPoint(255, -9) << true << 669;
        QTest::addRow("768 high") << QSize(1366, 768) << QPoint(426, 21) << false << 687;
        QTest::addRow("1080 high") << QSize(1920, 1080) << QPoint(703, 177) << false << 687;
    }
    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, topLeft);
        QFETCH(bool, scrollBars);
        QFETCH(int, fullHeight);
        const MainWindowPlacement placement = PlaceMainWindow(screen);
        QCOMPARE(placement.topLeft, topLeft);
        QCOMPARE(placement.scrollBarsInFullLayout, scrollBars);
        QCOMPARE(placement.fullClientHeight, fullHeight);
    }
};

QTEST_GUILESS_MAIN(TestMainWindowRules)
#include "test_main_window_rules.moc"
