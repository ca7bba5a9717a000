// The group totals over the count lines and the 24 lines of the summary.

#include "analysis/analysis_lines.h"
#include "analysis/card_tally.h"
#include "analysis/group_summary.h"
#include "catalogue/card_texts.h"

#include <QtTest>

#include <numeric>
#include <set>

using namespace morvelin;

namespace {

const QString kSeparator = QStringLiteral(" ---------------------------------------");

int RowOf(const QString &label)
{
    for (int row = 1; row <= kAnalysisRowCount; ++row) {
        if (AnalysisCardLabels(row) == label)
            return row;
    }
    return 0;
}

int Total(const GroupTotalList &totals, const QString &word)
{
    for (int index = 1; index <= kSummaryGroupCount; ++index) {
        if (SummaryGroupWords(index) == word)
            return totals[index - 1];
    }
    return -1;
}

int Sum(const GroupTotalList &totals, const QStringList &words)
{
    int sum = 0;
    for (const QString &word : words)
        sum += Total(totals, word);
    return sum;
}

GroupTotalList TotalsOf(const CardTally &tally)
{
    return GroupTotals(CardListLines(tally, AnalysisMode::ByCount));
}

// A history of saved spreads over the three decks and several years, with comments that
// hold digits and markers, as users write them.
QStringList GeneratedHistory(int lines)
{
    QRandomGenerator random(20261209);
    const QStringList comments{"Werk en liefde", "kamer 12 of 44?", "De Magiër,De Ster,Munten Tien",
                               "wat brengt [2] mij", "..."};
    QStringList history;
    for (int i = 0; i < lines; ++i) {
        QString code = QString::number(random.bounded(3)) + u']';
        for (int k = 0; k < 3; ++k)
            code += QStringLiteral(" %1").arg(random.bounded(1, 79), 2, 10, QLatin1Char('0'));
        history << QStringLiteral("%1.dec.%2 (%3) [%4")
                       .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
                       .arg(random.bounded(20, 27))
                       .arg(comments[random.bounded(comments.size())], code);
    }
    return history;
}

// How many cards the lines hold, each card once per line, read straight from the codes.
int CardsIn(const QStringList &history)
{
    int cards = 0;
    for (const QString &line : history) {
        const QStringList numbers = line.right(8).split(u' ');
        cards += int(std::set<QString>(numbers.begin(), numbers.end()).size());
    }
    return cards;
}

} // namespace

class TestGroupSummary : public QObject {
    Q_OBJECT

private slots:
    void totalsAddWholeCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        for (const auto &[count, text] :
             {std::pair{9, "09"}, {10, "10"}, {99, "99"}, {100, "100"}, {101, "101"}})
            QTest::addRow("%d", count) << count << QString(text);
    }
    void totalsAddWholeCounts()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        CardTally tally;
        tally.counts[RowOf("Bekers 11 Page")] = count;
        tally.counts[RowOf("04) De Heerser")] = count;
        const GroupTotalList totals = TotalsOf(tally);
        QCOMPARE(Total(totals, "Page"), count);
        QCOMPARE(Total(totals, "Bekers"), count);
        // The Emperor is a major arcanum, not a king.
        QCOMPARE(Total(totals, ") "), count);
        QCOMPARE(Total(totals, "Heer"), 0);
        QCOMPARE(std::accumulate(totals.begin(), totals.end(), 0), 3 * count);
        const QStringList lines = GroupSummaryLines(totals);
        QVERIFY(lines.contains("  HofK:  " + text + " x Page"));
        QVERIFY(lines.contains("  Kleur:  " + text + " x Bekers"));
        QVERIFY(lines.contains("  Arca:  " + text + " x Grote Arcana"));
    }

    void eachRankAndSuitPicksItsOwnCards()
    {
        // Every card once: each group holds exactly the cards the table gives it.
        CardTally tally;
        tally.counts.fill(1);
        const GroupTotalList totals = TotalsOf(tally);
        QCOMPARE(Total(totals, ") "), 22);
        for (const QString word : {"Heer", "Vrouw", "Ridder", "Page", "Aas", " 02", " 05", " 10"})
            QCOMPARE(Total(totals, word), 4);
        for (const QString word : {"Bekers", "Munten", "Staven", "Zwaard"})
            QCOMPARE(Total(totals, word), 14);
    }

    void invariantsOverAGeneratedHistory()
    {
        const QStringList history = GeneratedHistory(5000);
        const CardTally tally = TallyCards(history);
        const int allCards = std::accumulate(tally.counts.begin(), tally.counts.end(), 0);
        QCOMPARE(allCards, CardsIn(history));
        const GroupTotalList totals = TotalsOf(tally);
        const int kleur = Sum(totals, {"Staven", "Bekers", "Zwaard", "Munten"});
        const int hofk = Sum(totals, {"Heer", "Vrouw", "Ridder", "Page"});
        const int numr =
            Sum(totals, {"Aas", " 02", " 03", " 04", " 05", " 06", " 07", " 08", " 09", " 10"});
        QCOMPARE(kleur, hofk + numr);
        QCOMPARE(Total(totals, ") ") + kleur, allCards);
        // Enough questions for three-digit totals, which still add up whole.
        QVERIFY(Total(totals, ") ") > 999);
    }

    void emptyHistoryOrdersEachBlockByItsWords()
    {
        QCOMPARE(GroupSummaryLines(TotalsOf(TallyCards({}))),
                 (QStringList{kSeparator,
                              "  Arca:  00 x Grote Arcana",
                              kSeparator,
                              "  HofK:  00 x Koning",
                              "  HofK:  00 x Koningin",
                              "  HofK:  00 x Page",
                              "  HofK:  00 x Ridder",
                              kSeparator,
                              "  Kleur:  00 x Bekers",
                              "  Kleur:  00 x Munten",
                              "  Kleur:  00 x Staven",
                              "  Kleur:  00 x Zwaarden",
                              kSeparator,
                              "  Numr:  00 x Aas",
                              "  Numr:  00 x Acht",
                              "  Numr:  00 x Drie",
                              "  Numr:  00 x Negen",
                              "  Numr:  00 x Tien",
                              "  Numr:  00 x Twee",
                              "  Numr:  00 x Vier",
                              "  Numr:  00 x Vijf",
                              "  Numr:  00 x Zes",
                              "  Numr:  00 x Zeven",
                              kSeparator}));
        QCOMPARE(kSeparator.size(), 40);
    }

    void blocksRunFromLowToHighTotal()
    {
        CardTally tally;
        tally.counts[RowOf("19) De Zon")] = 31;
        tally.counts[RowOf("Munten 13 Vrouw")] = 3;
        tally.counts[RowOf("Staven 11 Page")] = 3;
        tally.counts[RowOf("Zwaard 12 Ridder")] = 5;
        tally.counts[RowOf("Bekers 14 Heer")] = 100;
        tally.counts[RowOf("Bekers 02")] = 99;
        const QStringList lines = GroupSummaryLines(TotalsOf(tally));
        QCOMPARE(lines.size(), kSummaryLineCount);
        QCOMPARE(lines.mid(0, 8),
                 (QStringList{kSeparator, "  Arca:  31 x Grote Arcana", kSeparator,
                              "  HofK:  03 x Koningin", "  HofK:  03 x Page",
                              "  HofK:  05 x Ridder", "  HofK:  100 x Koning", kSeparator}));
        QCOMPARE(lines.mid(8, 4),
                 (QStringList{"  Kleur:  03 x Munten", "  Kleur:  03 x Staven",
                              "  Kleur:  05 x Zwaarden", "  Kleur:  199 x Bekers"}));
        QCOMPARE(lines.mid(12),
                 (QStringList{kSeparator, "  Numr:  00 x Aas", "  Numr:  00 x Acht",
                              "  Numr:  00 x Drie", "  Numr:  00 x Negen", "  Numr:  00 x Tien",
                              "  Numr:  00 x Vier", "  Numr:  00 x Vijf", "  Numr:  00 x Zes",
                              "  Numr:  00 x Zeven", "  Numr:  99 x Twee", kSeparator}));
    }
};

QTEST_GUILESS_MAIN(TestGroupSummary)
#include "test_group_summary.moc"
