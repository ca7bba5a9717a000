#pragma once
// @brief The questions the chance baseline is judged on, taken from the history lines
// with the analysis's own rules (the same period, a card once per question, a line's
// cards read from its code), and the lines behind each card.

#include "analysis/chance_baseline.h"

#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace morvelin {

struct ChanceSample {
    // The three saved cards of each question whose code opens, in file order.
    std::vector<QuestionCards> questions;
    // For each question, the index of its line among the history lines.
    std::vector<int> lineIndexes;
    // Lines of the period whose code does not open. The count list takes them as
    // questions without cards; here they are left out, since counting them would lower
    // the expected count of every card and make all of them look rare.
    int leftOut = 0;
};

// The questions of all years, or of one two-digit year as the analysis filters it.
ChanceSample CollectQuestions(const QStringList &lines,
                              std::optional<QStringView> year = std::nullopt);

// The indexes of the history lines whose three saved cards hold the card of that
// analysis row, in file order: as many as the card's count.
std::vector<int> LinesWithCard(const ChanceSample &sample, int row);

} // namespace morvelin
