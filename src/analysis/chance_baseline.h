#pragma once
// @brief What chance alone would give: for each of the 78 cards how often it came up
// among the three saved cards of the questions, against how often a fair draw of three
// different cards would bring it, and whether the difference is more than chance
// explains, for each card and for the whole spread of counts.

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace morvelin {

inline constexpr int kAnalysisCards = 78;
// Below this many questions a card is expected less than once: too few to judge.
inline constexpr int kFewestQuestionsToJudge = 26;
// Below this many questions the chi-square approximation is poor; chance is simulated,
// by this many fair histories of the same size.
inline constexpr int kFewestQuestionsForChiSquare = 130;
inline constexpr int kChanceSimulations = 2000;

// The three saved cards of one question as analysis rows 1..78 (0 for none); a card that
// stands twice counts once.
using QuestionCards = std::array<int, 3>;

enum class ChanceVerdict { WithinChance, MoreThanChance, LessThanChance };

struct CardChance {
    int observed = 0;
    double expected = 0;
    double deviation = 0;
    // P(X >= observed) under a fair draw, and P(X <= observed) among the places the cards
    // that came up more than chance explains left to the others (with none of them, under
    // a fair draw): the tails the verdict was judged on.
    double pMore = 1;
    double pLess = 1;
    ChanceVerdict verdict = ChanceVerdict::WithinChance;
};

struct GroupShare {
    QString name;
    int observed = 0;
    double share = 0;
    double expectedShare = 0;
};

struct ChanceReport {
    int questions = 0;
    bool tooFewToJudge = true;
    // By analysis row: index 0 is row 1.
    std::array<CardChance, kAnalysisCards> cards{};
    // Pearson's statistic, scaled for three different cards per question, against 77
    // degrees of freedom; simulated when there are few questions.
    double chiSquare = 0;
    double chiSquareP = 1;
    bool simulated = false;
    std::vector<GroupShare> groups;
};

// The family-wise level of the per-card verdicts: a fair history has at most this chance
// of showing any card flagged.
inline constexpr double kChanceLevel = 0.05;

// seed fixes the simulation, so the same history always gives the same report.
ChanceReport AssessChance(std::span<const QuestionCards> questions, std::uint32_t seed = 78);

} // namespace morvelin
