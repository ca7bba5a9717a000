#include "catalogue/card_texts.h"

#include "catalogue/card_tables.h"
#include "common/decimal_field.h"
#include "common/random_source.h"

namespace morvelin {

static_assert(kRwsKeywordsPerCard == tables::kRwsKeywordsPerCard);
static_assert(kSummaryGroupCount == tables::kSummaryGroupCount);

QString DeckKeywords(DeckId deck, CardNo card)
{
    Q_ASSERT(IsValidDeck(deck) && IsValidCard(card));
    return tables::kDeckKeywords[deck][card].toString();
}

QString RwsKeywords(CardNo card, int position)
{
    Q_ASSERT(IsValidCard(card) && position >= 1 && position <= kRwsKeywordsPerCard);
    return tables::kRwsKeywords[card][position - 1].toString();
}

QString RandomRwsKeyword(CardNo card, RandomSource &random)
{
    return RwsKeywords(card, random.uniform(kRwsKeywordsPerCard) + 1);
}

QString RwsAstro(CardNo card)
{
    Q_ASSERT(IsValidCard(card));
    return tables::kRwsAstro[card].toString();
}

QString ThierensAstro(CardNo card)
{
    Q_ASSERT(IsValidCard(card));
    return tables::kThierensAstro[card].toString();
}

std::optional<QString> AstroText(DeckId deck, CardNo card)
{
    switch (deck) {
    case kRiderWaite:
        return RwsAstro(card);
    case kThierens:
        return ThierensAstro(card);
    default:
        return std::nullopt;
    }
}

QString CardNumberCodes(int number)
{
    Q_ASSERT(IsValidCard(number));
    return u' ' + TwoDigits(number);
}

QString AnalysisCardNames(int row)
{
    Q_ASSERT(IsValidCard(row));
    return tables::kAnalysisCardNames[row].toString();
}

QString AnalysisCardLabels(int row)
{
    Q_ASSERT(IsValidCard(row));
    return tables::kAnalysisCardLabels[row].toString();
}

QString SummaryGroupWords(int index)
{
    Q_ASSERT(index >= 1 && index <= kSummaryGroupCount);
    return tables::kSummaryGroupWords[index].toString();
}

} // namespace morvelin
