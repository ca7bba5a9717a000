#include "analysis/chance_baseline.h"

#include "analysis/chance_statistics.h"
#include "catalogue/card_texts.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace morvelin {

namespace {

constexpr int kCardsPerQuestion = 3;
constexpr double kCardChance = double(kCardsPerQuestion) / kAnalysisCards;
constexpr int kDegreesOfFreedom = kAnalysisCards - 1;
// Three different cards per question make the counts vary less than free draws would:
// by (78 - 3) / (78 - 1). Scaling back restores the chi-square's mean of 77.
constexpr double kWithoutReplacement =
    double(kAnalysisCards - 1) / double(kAnalysisCards - kCardsPerQuestion);

using Counts = std::array<int, kAnalysisCards>;

Counts CountCards(std::span<const QuestionCards> questions)
{
    Counts counts{};
    for (const QuestionCards &cards : questions) {
        for (int k = 0; k < kCardsPerQuestion; ++k) {
            const int row = cards[k];
            const bool again =
                std::find(cards.begin(), cards.begin() + k, row) != cards.begin() + k;
            if (row >= 1 && row <= kAnalysisCards && !again)
                ++counts[row - 1];
        }
    }
    return counts;
}

double ScaledChiSquare(const Counts &counts, int questions)
{
    const double expected = questions * kCardChance;
    double sum = 0;
    for (const int observed : counts)
        sum += (observed - expected) * (observed - expected) / expected;
    return sum * kWithoutReplacement;
}

// The share of simulated fair histories of the same size whose statistic is at least as
// large, counting the observed history as one of them.
double SimulatedChiSquareP(double observed, int questions, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::array<int, kAnalysisCards> deck{};
    for (int row = 0; row < kAnalysisCards; ++row)
        deck[row] = row;
    int atLeast = 0;
    for (int run = 0; run < kChanceSimulations; ++run) {
        Counts counts{};
        for (int q = 0; q < questions; ++q) {
            // Three different cards: the first three of a partial shuffle.
            for (int k = 0; k < kCardsPerQuestion; ++k) {
                std::uniform_int_distribution<int> pick(k, kAnalysisCards - 1);
                std::swap(deck[k], deck[pick(random)]);
                ++counts[deck[k]];
            }
        }
        if (ScaledChiSquare(counts, questions) >= observed)
            ++atLeast;
    }
    return double(atLeast + 1) / double(kChanceSimulations + 1);
}

bool IsCourt(const QString &name)
{
    return name.endsWith(QLatin1String(" Heer")) || name.endsWith(QLatin1String(" Vrouw"))
           || name.endsWith(QLatin1String(" Ridder")) || name.endsWith(QLatin1String(" Page"));
}

std::vector<GroupShare> GroupShares(const Counts &counts)
{
    constexpr int kMajorArcana = 22;
    std::vector<GroupShare> groups = {{QStringLiteral("Grote Arcana"), 0, 0, 22.0 / 78},
                                      {QStringLiteral("Hofkaarten"), 0, 0, 16.0 / 78},
                                      {QStringLiteral("Bekers"), 0, 0, 14.0 / 78},
                                      {QStringLiteral("Munten"), 0, 0, 14.0 / 78},
                                      {QStringLiteral("Staven"), 0, 0, 14.0 / 78},
                                      {QStringLiteral("Zwaarden"), 0, 0, 14.0 / 78}};
    // The suits by the first word of their cards' names, in the order of the groups.
    const QString suits[] = {QStringLiteral("Bekers "), QStringLiteral("Munten "),
                             QStringLiteral("Staven "), QStringLiteral("Zwaard ")};
    int total = 0;
    for (int row = 1; row <= kAnalysisCards; ++row) {
        const int count = counts[row - 1];
        total += count;
        const QString name = AnalysisCardNames(row);
        if (row <= kMajorArcana)
            groups[0].observed += count;
        if (IsCourt(name))
            groups[1].observed += count;
        for (std::size_t s = 0; s < std::size(suits); ++s) {
            if (name.startsWith(suits[s]))
                groups[2 + s].observed += count;
        }
    }
    for (GroupShare &group : groups)
        group.share = total > 0 ? double(group.observed) / total : 0;
    return groups;
}

// Two steps, each at half the level, so that a fair history is flagged at most that often.
// First the cards that come up more than a fair draw explains. Then the others, against
// the places those cards left them: a card that came up in every question takes a third
// of all places, and the rest are then judged on the two thirds that remain, instead of
// all seeming to come up less.
void JudgeCards(ChanceReport &report, std::span<const double> more, int n)
{
    const std::vector<bool> flaggedMore = HolmRejections(more, kChanceLevel / 2);
    int placesLeft = kCardsPerQuestion * n;
    int cardsLeft = kAnalysisCards;
    for (int i = 0; i < kAnalysisCards; ++i) {
        if (flaggedMore[i]) {
            report.cards[i].verdict = ChanceVerdict::MoreThanChance;
            placesLeft -= report.cards[i].observed;
            --cardsLeft;
        }
    }
    if (cardsLeft == 0 || placesLeft <= 0)
        return;
    const double remainingChance = double(placesLeft) / n / cardsLeft;
    std::vector<double> less;
    std::vector<int> rows;
    for (int i = 0; i < kAnalysisCards; ++i) {
        if (!flaggedMore[i]) {
            less.push_back(BinomialLowerTail(n, remainingChance, report.cards[i].observed));
            rows.push_back(i);
        }
    }
    const std::vector<bool> flaggedLess = HolmRejections(less, kChanceLevel / 2);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        report.cards[rows[j]].pLess = less[j];
        if (flaggedLess[j])
            report.cards[rows[j]].verdict = ChanceVerdict::LessThanChance;
    }
}

} // namespace

ChanceReport AssessChance(std::span<const QuestionCards> questions, std::uint32_t seed)
{
    ChanceReport report;
    report.questions = int(questions.size());
    report.tooFewToJudge = report.questions < kFewestQuestionsToJudge;
    const Counts counts = CountCards(questions);
    const int n = report.questions;

    std::array<double, kAnalysisCards> more{};
    for (int i = 0; i < kAnalysisCards; ++i) {
        CardChance &card = report.cards[i];
        card.observed = counts[i];
        card.expected = n * kCardChance;
        card.deviation = std::sqrt(n * kCardChance * (1 - kCardChance));
        card.pMore = BinomialUpperTail(n, kCardChance, card.observed);
        card.pLess = BinomialLowerTail(n, kCardChance, card.observed);
        more[i] = card.pMore;
    }
    if (!report.tooFewToJudge)
        JudgeCards(report, more, n);
    if (n > 0) {
        report.chiSquare = ScaledChiSquare(counts, n);
        report.simulated = n < kFewestQuestionsForChiSquare;
        report.chiSquareP = report.simulated
                                ? SimulatedChiSquareP(report.chiSquare, n, seed)
                                : ChiSquareUpperTail(report.chiSquare, kDegreesOfFreedom);
    }
    report.groups = GroupShares(counts);
    return report;
}

} // namespace morvelin
