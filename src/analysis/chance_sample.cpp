#include "analysis/chance_sample.h"

#include "analysis/card_tally.h"
#include "history/history_line.h"

#include <algorithm>

namespace morvelin {

ChanceSample CollectQuestions(const QStringList &lines, std::optional<QStringView> year)
{
    ChanceSample sample;
    for (int index = 0; index < lines.size(); ++index) {
        const QString &line = lines.at(index);
        if (!InTallyYear(line, year))
            continue;
        const Result<SavedSpread> spread = ReadSavedSpread(line);
        if (!spread) {
            ++sample.leftOut;
            continue;
        }
        QuestionCards cards{};
        for (std::size_t k = 0; k < cards.size(); ++k)
            cards[k] = AnalysisRow(spread->deck, spread->cards[k]);
        sample.questions.push_back(cards);
        sample.lineIndexes.push_back(index);
    }
    return sample;
}

std::vector<int> LinesWithCard(const ChanceSample &sample, int row)
{
    std::vector<int> indexes;
    for (std::size_t q = 0; q < sample.questions.size(); ++q) {
        const QuestionCards &cards = sample.questions[q];
        if (std::find(cards.begin(), cards.end(), row) != cards.end())
            indexes.push_back(sample.lineIndexes[q]);
    }
    return indexes;
}

} // namespace morvelin
