// Counting the cards of the history lines, the year filter, and the list's lines and order.

#include "analysis/analysis_lines.h"
#include "analysis/card_tally.h"
#include "analysis/year_filter.h"
#include "catalogue/card_texts.h"
#include "history/text_list.h"

#include <QtTest>

using namespace morvelin;

namespace {

QString Line(const QString &code, const QString &comment = QStringLiteral("..."),
             const QString &date = QStringLiteral("09.dec.26"))
{
    return QStringLiteral("%1 (%2) %3").arg(date, comment, code);
}

// The rows that counted anything, by their labels.
QMap<QString, int> Counted(const CardTally &tally)
{
    QMap<QString, int> counted;
    for (int row = 1; row <= kAnalysisRowCount; ++row) {
        if (tally.count(row) != 0)
            counted.insert(AnalysisCardLabels(row), tally.count(row));
    }
    return counted;
}

QMap<QString, int> Ones(const QStringList &labels)
{
    QMap<QString, int> ones;
    for (const QString &label : labels)
        ones.insert(label, 1);
    return ones;
}

int RowOf(const QString &name)
{
    for (int row = 1; row <= kAnalysisRowCount; ++row) {
        if (AnalysisCardNames(row) == name)
            return row;
    }
    return 0;
}

} // namespace

class TestCardTally : public QObject {
    Q_OBJECT

private slots:
    void oneLineCountsTheCardsOfItsCode_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cards");
        const QStringList magierTweeZon{"01) De Magiër", "Staven 02", "19) De Zon"};
        QTest::addRow("Rider Waite")
            << Line("[0] 01 28 19", "De Magiër,Staven Twee,De Zon") << magierTweeZon;
        QTest::addRow("Etteilla numbers them otherwise")
            << Line("[1] 01 28 19", "De Magiër,Staven Twee,De Zon")
            << QStringList{"05) De Hogepriester", "Staven 08", "16) De Toren"};
        QTest::addRow("the same card twice counts once")
            << Line("[0] 19 28 19") << QStringList{"Staven 02", "19) De Zon"};
        QTest::addRow("three times the same card")
            << Line("[2] 05 05 05") << QStringList{"05) De Hogepriester"};
        QTest::addRow("digits in the comment count nothing")
            << Line("[0] 01 28 19", "kamer 12 en 44") << magierTweeZon;
        QTest::addRow("a marker in the comment is not the deck")
            << Line("[0] 01 28 19", "vraag [1] of [2]") << magierTweeZon;
        QTest::addRow("a marker only in the comment")
            << Line("[2] 01 28 19", "zoals [0]")
            << QStringList{"01) De Magiër", "Staven 06", "19) De Zon"};
        QTest::addRow("older deck code opens as Rider Waite")
            << Line("[5] 01 28 19") << magierTweeZon;
        QTest::addRow("card 79 makes a question without cards")
            << Line("[0] 01 79 19") << QStringList{};
        QTest::addRow("card 00 likewise") << Line("[0] 00 28 19") << QStringList{};
        QTest::addRow("a damaged code counts nothing")
            << Line("[0] 01 2x 19", "De Magiër [0] 01 28 19") << QStringList{};
        QTest::addRow("a line without a code") << "zomaar een regel [0] 01 02 03." << QStringList{};
        QTest::addRow("an empty line") << "" << QStringList{};
    }
    void oneLineCountsTheCardsOfItsCode()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, cards);
        const CardTally tally = TallyCards({line});
        QCOMPARE(tally.questions, 1);
        QCOMPARE(Counted(tally), Ones(cards));
    }

    void lineDeckIsTheDeckTheCodeOpensIn_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("deck");
        QTest::addRow("Rider Waite") << Line("[0] 01 02 03") << 0;
        QTest::addRow("Etteilla, [0] in the comment") << Line("[1] 01 02 03", "[0]") << 1;
        QTest::addRow("Thierens") << Line("[2] 01 02 03") << 2;
        QTest::addRow("deck code 9") << Line("[9] 01 02 03") << 0;
        QTest::addRow("a card outside 1..78") << Line("[1] 01 02 99") << -1;
        QTest::addRow("no code") << "09.dec.26 (Werk) [1]" << -1;
    }
    void lineDeckIsTheDeckTheCodeOpensIn()
    {
        QFETCH(QString, line);
        QFETCH(int, deck);
        QCOMPARE(LineDeck(line).value_or(-1), deck);
    }

    // Every card of every deck is counted on the row of its own name, so a card drawn from
    // different decks adds up on one line of the list.
    void everyCardCountsOnTheRowOfItsName()
    {
        for (DeckId deck = 0; deck < kDeckCount; ++deck) {
            for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
                const QString number = QStringLiteral("%1").arg(card, 2, 10, QLatin1Char('0'));
                const CardTally tally =
                    TallyCards({Line(QStringLiteral("[%1] %2 %2 %2").arg(deck).arg(number))});
                const int row = RowOf(CardName(deck, card));
                QCOMPARE(Counted(tally), (QMap<QString, int>{{AnalysisCardLabels(row), 1}}));
                QCOMPARE(CardSearchText(deck, row), u' ' + number);
            }
        }
    }

    void krachtAndGerechtigheidAcrossDecks()
    {
        const int kracht = RowOf("De Kracht");
        const int gerechtigheid = RowOf("Gerechtigheid");
        QCOMPARE(AnalysisCardLabels(kracht), "11) De Kracht");
        QCOMPARE(AnalysisCardLabels(gerechtigheid), "08) Gerechtigheid");
        QCOMPARE(CardSearchText(0, kracht), " 08");
        QCOMPARE(CardSearchText(1, kracht), " 11");
        QCOMPARE(CardSearchText(2, kracht), " 11");
        QCOMPARE(CardSearchText(0, gerechtigheid), " 11");
        QCOMPARE(CardSearchText(1, gerechtigheid), " 09");
        QCOMPARE(CardSearchText(2, gerechtigheid), " 08");
        const CardTally tally = TallyCards({Line("[0] 08 11 78"), Line("[1] 11 09 78"),
                                            Line("[2] 11 08 78"), Line("[1] 08 40 50")});
        QCOMPARE(tally.count(kracht), 3);
        QCOMPARE(tally.count(gerechtigheid), 3);
    }

    void yearFilterReadsCharacters8And9_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("magier");
        QTest::addRow("26") << "26" << 2 << 1;
        QTest::addRow("25") << "25" << 1 << 0;
        QTest::addRow("a four-letter month has no year there") << ".2" << 1 << 1;
        QTest::addRow("an eight-character line") << "6" << 1 << 0;
        QTest::addRow("a seven-character line") << "" << 1 << 0;
        QTest::addRow("letters match nothing") << "ab" << 0 << 0;
    }
    void yearFilterReadsCharacters8And9()
    {
        QFETCH(QString, year);
        QFETCH(int, questions);
        QFETCH(int, magier);
        const QStringList lines{
            Line("[0] 01 02 03"),
            Line("[1] 01 02 03", "...", "01.jan.25"),
            Line("[0] 04 05 06", "...", "31.dec.26"),
            Line("[0] 01 02 03", "...", "01.juni.26"),
            "1234567",
            "12345676",
        };
        const CardTally tally = TallyCards(lines, QStringView(year));
        QCOMPARE(tally.questions, questions);
        QCOMPARE(tally.count(1), magier);
        // Over all years every line is a question, whatever its date.
        QCOMPARE(TallyCards(lines).questions, lines.size());
        QCOMPARE(TallyCards(lines).count(1), 2);
    }

    void emptyHistoryGivesZeroCounts()
    {
        const CardTally tally = TallyCards({});
        QCOMPARE(tally.questions, 0);
        const QStringList lines = CardListLines(tally, AnalysisMode::ByCount);
        QCOMPARE(lines.size(), 78);
        for (const QString &line : lines)
            QVERIFY2(line.startsWith("00 x "), qPrintable(line));
    }

    void countText_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        for (const auto &[count, text] :
             {std::pair{0, "00"}, {9, "09"}, {10, "10"}, {99, "99"}, {100, "100"}, {101, "101"}})
            QTest::addRow("%d", count) << count << QString(text);
    }
    void countText()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(CountText(count), text);
        QCOMPARE(CountLine(count, "19) De Zon"), text + " x 19) De Zon");
        QCOMPARE(NameLine(count, "19) De Zon"), "19) De Zon x " + text);
    }

    void countLinesRunFromLowToHighByNumber()
    {
        CardTally tally;
        tally.counts[RowOf("De Magiër")] = 9;
        tally.counts[RowOf("Bekers Aas")] = 10;
        tally.counts[RowOf("Munten Twee")] = 99;
        tally.counts[RowOf("De Zon")] = 100;
        tally.counts[RowOf("De Ster")] = 101;
        const QStringList lines = CardListLines(tally, AnalysisMode::ByCount);
        QCOMPARE(lines.size(), 78);
        QCOMPARE(lines.mid(73),
                 (QStringList{"09 x 01) De Magiër", "10 x Bekers 01 Aas", "99 x Munten 02",
                              "100 x 19) De Zon", "101 x 17) De Ster"}));
        // Equal counts in label order: the major arcana by number, then the suits.
        QCOMPARE(lines.mid(0, 3), (QStringList{"00 x 00) De Dwaas", "00 x 02) Hogepriesteres",
                                               "00 x 03) De Keizerin"}));
        QCOMPARE(lines.mid(18, 4), (QStringList{"00 x 21) De Wereld", "00 x Bekers 02",
                                                "00 x Bekers 03", "00 x Bekers 04"}));
        QCOMPARE(lines.at(72), "00 x Zwaard 14 Heer");

        const QStringList major = CardListLines(tally, AnalysisMode::MajorArcana);
        QCOMPARE(major.size(), 22);
        QCOMPARE(major.first(), "00 x 00) De Dwaas");
        QCOMPARE(major.mid(19),
                 (QStringList{"09 x 01) De Magiër", "100 x 19) De Zon", "101 x 17) De Ster"}));
    }

    void nameLinesRunThroughTheMajorArcanaThenTheSuits()
    {
        CardTally tally;
        tally.counts[RowOf("De Zon")] = 100;
        QStringList labels{"00) De Dwaas"};
        for (int row = 1; row <= 21; ++row)
            labels << AnalysisCardLabels(row);
        for (const QString suit : {"Bekers", "Munten", "Staven", "Zwaard"}) {
            labels << suit + " 01 Aas";
            for (int pip = 2; pip <= 10; ++pip)
                labels << suit + QStringLiteral(" %1").arg(pip, 2, 10, QLatin1Char('0'));
            labels << suit + " 11 Page" << suit + " 12 Ridder" << suit + " 13 Vrouw"
                   << suit + " 14 Heer";
        }
        QStringList expected;
        for (const QString &label : labels)
            expected << label + (label == "19) De Zon" ? " x 100" : " x 00");
        QCOMPARE(CardListLines(tally, AnalysisMode::ByName), expected);
    }

    void listOrder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addRow("99 before 100") << "99 x Bekers 02"
                                       << "100 x 01) De Magiër";
        QTest::addRow("11 before 100") << "11 x Zwaard 10"
                                       << "100 x Bekers 02";
        QTest::addRow("09 before 10") << "  HofK:  09 x Page"
                                      << "  HofK:  10 x Koning";
        QTest::addRow("digits before letters") << "07 x 21) De Wereld"
                                               << "07 x Bekers 01 Aas";
        QTest::addRow("blank before digits") << "Bekers 1"
                                             << "Bekers1";
        QTest::addRow(") before digits") << "a) x"
                                         << "a0 x";
        QTest::addRow("case ignored") << "  Numr:  00 x aas"
                                      << "  Numr:  00 x Acht";
        QTest::addRow("shorter first") << "  HofK:  00 x Koning"
                                       << "  HofK:  00 x Koningin";
        QTest::addRow("blocks by prefix") << "  Kleur:  99 x Zwaarden"
                                          << "  Numr:  00 x Aas";
    }
    void listOrder()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(ListOrderLess(first, second));
        QVERIFY(!ListOrderLess(second, first));
        QVERIFY(!ListOrderLess(first, first));
    }

    void clipboardTextEndsEveryLineWithCrLf()
    {
        QCOMPARE(JoinLinesCrLf({"00 x Bekers 02", "01 x 19) De Zon"}),
                 "00 x Bekers 02\r\n01 x 19) De Zon\r\n");
        QCOMPARE(JoinLinesCrLf({}), "");
    }

    void promptedYear_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("year");
        QTest::addRow("2026") << "2026"
                              << "26";
        QTest::addRow("26") << "26"
                            << "26";
        QTest::addRow("one digit") << "7"
                                   << "7";
        QTest::addRow("letters") << "twintig"
                                 << "ig";
    }
    void promptedYear()
    {
        QFETCH(QString, typed);
        QFETCH(QString, year);
        QCOMPARE(PromptedYear(typed), year);
    }

    void stepYear_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("stepped");
        QTest::addRow("26 back") << "26" << -1 << "25";
        QTest::addRow("26 on") << "26" << +1 << "27";
        QTest::addRow("10 back keeps two digits") << "10" << -1 << "09";
        QTest::addRow("00 back wraps") << "00" << -1 << "99";
        QTest::addRow("99 on wraps") << "99" << +1 << "00";
        QTest::addRow("one digit") << "7" << +1 << "08";
        QTest::addRow("letters") << "ig" << -1 << QString();
        QTest::addRow("a sign") << "-1" << +1 << QString();
        QTest::addRow("no year") << "Filter Jaar" << +1 << QString();
    }
    void stepYear()
    {
        QFETCH(QString, shown);
        QFETCH(int, step);
        QFETCH(QString, stepped);
        QCOMPARE(StepYear(shown, step).value_or(QString()), stepped);
    }
};

QTEST_GUILESS_MAIN(TestCardTally)
#include "test_card_tally.moc"
