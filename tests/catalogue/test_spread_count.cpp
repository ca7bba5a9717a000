#include "catalogue/spread_count.h"

#include <QtTest>

using namespace morvelin;

namespace {

struct Spread {
    SpreadCards cards{};
    SpreadValues values{};
};

// A spread as the main window holds it: three chosen cards, seven derived, each with its value.
Spread MakeSpread(DeckId deck, CardNo c1, CardNo c2, CardNo c3)
{
    Spread spread;
    spread.cards[0] = c1;
    spread.cards[1] = c2;
    spread.cards[2] = c3;
    const auto derived = DeriveSpreadCards(c1, c2, c3);
    std::copy(derived.begin(), derived.end(), spread.cards.begin() + 3);
    for (int i = 0; i < kSlotCount; ++i)
        spread.values[i] = ListValue(deck, spread.cards[i]);
    return spread;
}

QList<int> Derived(const Spread &spread)
{
    return QList<int>(spread.cards.begin() + 3, spread.cards.end());
}

} // namespace

class TestSpreadCount : public QObject {
    Q_OBJECT

private slots:
    void wrapCardNo_data()
    {
        QTest::addColumn<int>("sum");
        QTest::addColumn<int>("card");
        QTest::addRow("1 stays") << 1 << 1;
        QTest::addRow("78 stays") << 78 << 78;
        QTest::addRow("79 wraps to 1") << 79 << 1;
        QTest::addRow("156 is 78") << 156 << 78;
        QTest::addRow("157 wraps to 1") << 157 << 1;
        QTest::addRow("234 is 78") << 234 << 78;
        QTest::addRow("0 is 78") << 0 << 78;
    }
    void wrapCardNo()
    {
        QFETCH(int, sum);
        QFETCH(int, card);
        QCOMPARE(WrapCardNo(sum), card);
    }

    void quintessenceText_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::addRow("0") << 0 << "0";
        QTest::addRow("22 has no digit sum") << 22 << "22";
        QTest::addRow("23") << 23 << "23 = 5";
        QTest::addRow("99 is not reduced twice") << 99 << "99 = 18";
        QTest::addRow("100") << 100 << "100 = 1";
        QTest::addRow("108") << 108 << "108 = 9";
        QTest::addRow("199 keeps 19") << 199 << "199 = 19";
        QTest::addRow("220 highest total") << 220 << "220 = 4";
    }
    void quintessenceText()
    {
        QFETCH(int, total);
        QFETCH(QString, text);
        QCOMPARE(QuintessenceText(total), text);
    }

    // The worked examples: chosen cards, the pyramid, both counts and the three line texts.
    void workedExamples_data()
    {
        QTest::addColumn<int>("deck");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<bool>("triangle");
        QTest::addColumn<QList<int>>("derived");
        QTest::addColumn<int>("oldCard");
        QTest::addColumn<QString>("oldLine");
        QTest::addColumn<int>("valueTotal");
        QTest::addColumn<QString>("quintLine");
        QTest::addColumn<QString>("newLine");
        QTest::addColumn<int>("newCard");
        QTest::addColumn<int>("magicCard");

        QTest::addRow("first three majors")
            << 0 << QList<int>{1, 2, 3} << false << QList<int>{6, 3, 5, 9, 8, 14, 22} << 73
            << "Oud MC: Munten Vijf" << 73 << "Quintessence: 73 = 10"
            << "Nieuw MC: Munten Vijf" << 73 << 73;
        QTest::addRow("first three majors, triangle")
            << 0 << QList<int>{1, 2, 3} << true << QList<int>{6, 3, 5, 9, 8, 14, 22} << 22
            << "Oud MC: De Dwaas" << 22 << "Quintessence: 22"
            << "Nieuw MC: De Dwaas" << 22 << 22;
        QTest::addRow("wrapped sums")
            << 0 << QList<int>{22, 50, 78} << false << QList<int>{72, 72, 50, 72, 44, 44, 10} << 46
            << "Oud MC: Bekers Zes" << 82 << "Quintessence: 82 = 10"
            << "Nieuw MC: De Heerser" << 4 << 4;
        QTest::addRow("three-digit total")
            << 0 << QList<int>{1, 10, 78} << false << QList<int>{11, 11, 10, 11, 21, 21, 42} << 60
            << "Oud MC: Zwaard Zes" << 108 << "Quintessence: 108 = 9"
            << "Nieuw MC: Staven Vier" << 30 << 30;
        QTest::addRow("court cards only")
            << 0 << QList<int>{39, 26, 39} << false << QList<int>{26, 65, 65, 65, 52, 52, 26} << 65
            << "Oud MC: Munten Heer" << 0 << "Quintessence: 0"
            << "Nieuw MC: Munten Tien" << 78 << 78;
        QTest::addRow("Etteilla takes the old count")
            << 1 << QList<int>{1, 2, 3} << false << QList<int>{6, 3, 5, 9, 8, 14, 22} << 73
            << "Oud MC: Munten Vijf" << 51 << "Quintessence: 51 = 6" << QString() << 51 << 73;
    }
    void workedExamples()
    {
        QFETCH(int, deck);
        QFETCH(QList<int>, chosen);
        QFETCH(bool, triangle);
        QFETCH(QList<int>, derived);
        QFETCH(int, oldCard);
        QFETCH(QString, oldLine);
        QFETCH(int, valueTotal);
        QFETCH(QString, quintLine);
        QFETCH(QString, newLine);
        QFETCH(int, newCard);
        QFETCH(int, magicCard);

        const Spread spread = MakeSpread(deck, chosen[0], chosen[1], chosen[2]);
        QCOMPARE(Derived(spread), derived);
        QCOMPARE(OldMagicCard(spread.cards, triangle), oldCard);

        const SpreadCount count = CountSpread(deck, spread.cards, spread.values, triangle);
        QCOMPARE(count.valueTotal, valueTotal);
        QCOMPARE(count.newMagicCard, newCard);
        QCOMPARE(count.magicCard, magicCard);

        const CountLineTexts lines = ComposeCountLines(deck, count);
        QCOMPARE(lines.oldMagicCard, oldLine);
        QCOMPARE(lines.quintessence, quintLine);
        QCOMPARE(lines.newMagicCard.has_value(), !newLine.isNull());
        if (!newLine.isNull())
            QCOMPARE(*lines.newMagicCard, newLine);
    }

    void countedSlots()
    {
        QCOMPARE(QList<int>(CountedSlots(true).begin(), CountedSlots(true).end()),
                 (QList<int>{1, 2, 3, 5, 6, 8}));
        QCOMPARE(CountedSlots(false).size(), std::size_t(10));
    }

    // The same card in several choosers is counted each time it stands there.
    void repeatedCardCountsTwice()
    {
        const Spread spread = MakeSpread(kRiderWaite, 5, 5, 5);
        QCOMPARE(spread.cards[3], 15);
        QCOMPARE(ValueTotal(spread.values, true), 5 + 5 + 5 + 10 + 10 + 20);
    }
};

QTEST_GUILESS_MAIN(TestSpreadCount)
#include "test_spread_count.moc"
