#pragma once
// @brief What the program says about a card besides its name: keywords, astrological
// attributions, and the small tables with which the analysis finds and labels cards.

#include "catalogue/card_catalogue.h"

#include <optional>

namespace morvelin {

class RandomSource;

inline constexpr int kRwsKeywordsPerCard = 8;
inline constexpr int kSummaryGroupCount = 19;

// One keyword per card, by the card's number in its own deck.
QString DeckKeywords(DeckId deck, CardNo card);
// Keyword position 1..8 of a Rider Waite card.
QString RwsKeywords(CardNo card, int position);
// One of the eight keywords of a Rider Waite card, each with equal chance: keyword
// number Random(8) + 1, drawn afresh at every call.
QString RandomRwsKeyword(CardNo card, RandomSource &random);
QString RwsAstro(CardNo card);
QString ThierensAstro(CardNo card);
// The deck's astrological text of a card; the Etteilla deck has none.
std::optional<QString> AstroText(DeckId deck, CardNo card);

// " 01" .. " 78": how a card number stands in a saved spread's code.
QString CardNumberCodes(int number);
// Row 1..78 of the card-frequency analysis: the common name and the label shown.
QString AnalysisCardNames(int row);
QString AnalysisCardLabels(int row);
// Search word 1..19 of the group summary.
QString SummaryGroupWords(int index);

} // namespace morvelin
