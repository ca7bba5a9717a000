// Chance as the baseline of the card counts: the binomial tails, Holm's correction, the
// chi-square over all cards, and the verdicts over simulated fair and unfair histories.

#include "analysis/chance_baseline.h"
#include "analysis/chance_statistics.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace morvelin;

namespace {

constexpr double kP = 3.0 / 78;

// A fair history: three different cards per question, drawn as the program draws them.
std::vector<QuestionCards> FairHistory(int questions, std::mt19937 &random)
{
    std::vector<QuestionCards> history;
    std::uniform_int_distribution<int> card(1, 78);
    for (int q = 0; q < questions; ++q) {
        QuestionCards cards{};
        for (int k = 0; k < 3; ++k) {
            do
                cards[k] = card(random);
            while (std::find(cards.begin(), cards.begin() + k, cards[k]) != cards.begin() + k);
        }
        history.push_back(cards);
    }
    return history;
}

int Flagged(const ChanceReport &report)
{
    return int(std::count_if(report.cards.begin(), report.cards.end(), [](const CardChance &c) {
        return c.verdict != ChanceVerdict::WithinChance;
    }));
}

} // namespace

class TestChanceBaseline : public QObject {
    Q_OBJECT

private slots:
    void binomialTails_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("upper");
        QTest::addRow("a year, 21 times") << 365 << 21 << 0.0457;
        QTest::addRow("a year, 28 times") << 365 << 28 << 0.000502;
        QTest::addRow("a hundred, 8 times") << 100 << 8 << 0.0393;
        QTest::addRow("below the mean") << 365 << 5 << 0.999;
        QTest::addRow("nothing asked") << 0 << 0 << 1.0;
    }
    void binomialTails()
    {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(double, upper);
        const double tail = BinomialUpperTail(n, kP, k);
        // Within one in the last digit given.
        const double unit = std::pow(10.0, std::floor(std::log10(upper)) - 2);
        QVERIFY2(std::fabs(tail - upper) <= unit, qPrintable(QString::number(tail, 'g', 6)));
        // The two tails overlap in exactly P(X = k).
        const double both = tail + BinomialLowerTail(n, kP, k);
        QVERIFY(both >= 1 - 1e-12);
    }

    void largeHistoriesStayFinite()
    {
        for (int k : {0, 3846, 3900, 4200, 100000}) {
            const double upper = BinomialUpperTail(100000, kP, k);
            const double lower = BinomialLowerTail(100000, kP, k);
            QVERIFY(std::isfinite(upper) && upper >= 0 && upper <= 1);
            QVERIFY(std::isfinite(lower) && lower >= 0 && lower <= 1);
        }
        QVERIFY(BinomialUpperTail(100000, kP, 4200) < 1e-6);
        QVERIFY(BinomialUpperTail(100000, kP, 3846) > 0.4);
    }

    void holmStepsDown()
    {
        // Sorted: 0.001 <= 0.05/5, 0.011 <= 0.05/4 (0.0125), 0.02 > 0.05/3: stop there.
        const double p[] = {0.02, 0.001, 0.3, 0.011, 0.04};
        QCOMPARE(HolmRejections(p, 0.05), (std::vector<bool>{false, true, false, true, false}));
        const double none[] = {0.02, 0.03};
        QCOMPARE(HolmRejections(none, 0.01), (std::vector<bool>{false, false}));
    }

    void chiSquareTail()
    {
        // The median of chi-square with 77 degrees of freedom is about 76.3.
        QVERIFY(std::fabs(ChiSquareUpperTail(76.3345, 77) - 0.5) < 1e-3);
        QVERIFY(std::fabs(ChiSquareUpperTail(2.0, 2) - std::exp(-1.0)) < 1e-12);
        QVERIFY(ChiSquareUpperTail(200, 77) < 1e-10);
    }

    void fairYearsAreRarelyFlagged()
    {
        std::mt19937 random(2026);
        int clean = 0;
        for (int year = 0; year < 100; ++year)
            clean += Flagged(AssessChance(FairHistory(365, random))) == 0;
        QVERIFY2(clean >= 95, qPrintable(QString::number(clean)));
    }

    void theScaledChiSquareAveragesItsDegreesOfFreedom()
    {
        std::mt19937 random(7);
        double sum = 0;
        constexpr int kRuns = 200;
        for (int run = 0; run < kRuns; ++run)
            sum += AssessChance(FairHistory(400, random)).chiSquare;
        const double mean = sum / kRuns;
        // The mean of 200 runs lies within about 1 of 77 (its spread is 12.4 / sqrt(200)).
        QVERIFY2(std::fabs(mean - 77) < 3, qPrintable(QString::number(mean)));
    }

    void oneUnfairCardIsFlaggedAlone_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("always");
        QTest::addColumn<int>("verdict");
        QTest::addRow("in every question") << 16 << true << int(ChanceVerdict::MoreThanChance);
        QTest::addRow("never") << 5 << false << int(ChanceVerdict::LessThanChance);
    }
    void oneUnfairCardIsFlaggedAlone()
    {
        QFETCH(int, row);
        QFETCH(bool, always);
        QFETCH(int, verdict);
        for (std::uint32_t seed : {11u, 12u, 13u, 14u, 15u}) {
            std::mt19937 random(seed);
            std::vector<QuestionCards> history = FairHistory(365, random);
            for (QuestionCards &cards : history) {
                const auto at = std::find(cards.begin(), cards.end(), row);
                if (always && at == cards.end())
                    cards[0] = row;
                // Its place goes to another card.
                while (!always && std::find(cards.begin(), cards.end(), row) != cards.end())
                    *std::find(cards.begin(), cards.end(), row) = 1 + int(random() % 78);
            }
            const ChanceReport report = AssessChance(history);
            QCOMPARE(int(report.cards[row - 1].verdict), verdict);
            QCOMPARE(Flagged(report), 1);
            QVERIFY(!report.simulated);
        }
    }

    void fewQuestionsAreNotJudged()
    {
        std::mt19937 random(3);
        std::vector<QuestionCards> history(25, QuestionCards{1, 2, 3});
        const ChanceReport few = AssessChance(history);
        QVERIFY(few.tooFewToJudge);
        QCOMPARE(Flagged(few), 0);
        QCOMPARE(few.cards[0].observed, 25);
        QCOMPARE(few.cards[0].expected, 25 * kP);

        // Below 130 questions the chi-square tail is simulated, and the same each time.
        const std::vector<QuestionCards> fair = FairHistory(60, random);
        const ChanceReport simulated = AssessChance(fair);
        QVERIFY(simulated.simulated);
        QVERIFY(simulated.chiSquareP > 0 && simulated.chiSquareP <= 1);
        QCOMPARE(AssessChance(fair).chiSquareP, simulated.chiSquareP);
        // Three times the same cards, every time: far more than chance explains.
        std::vector<QuestionCards> same(60, QuestionCards{1, 2, 3});
        QVERIFY(AssessChance(same).chiSquareP < 0.001);
    }

    void groupSharesOfAKnownHistory()
    {
        // Two questions: De Magiër, Bekers Heer, Bekers Aas; De Magiër twice and Zwaard Tien.
        const std::vector<QuestionCards> history = {{1, 23, 27}, {1, 1, 78}};
        const ChanceReport report = AssessChance(history);
        QCOMPARE(report.cards[0].observed, 2);
        QCOMPARE(report.groups.size(), std::size_t(6));
        QCOMPARE(report.groups[0].name, "Grote Arcana");
        QCOMPARE(report.groups[0].observed, 2);
        QCOMPARE(report.groups[0].share, 2.0 / 5);
        QCOMPARE(report.groups[0].expectedShare, 22.0 / 78);
        QCOMPARE(report.groups[1].observed, 1); // Bekers Heer
        QCOMPARE(report.groups[2].name, "Bekers");
        QCOMPARE(report.groups[2].observed, 2);
        QCOMPARE(report.groups[5].name, "Zwaarden");
        QCOMPARE(report.groups[5].observed, 1);
    }
};

QTEST_GUILESS_MAIN(TestChanceBaseline)
#include "test_chance_baseline.moc"
