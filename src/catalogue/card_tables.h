#pragma once
// @brief The raw constant card tables behind the catalogue lookups.
// Only the catalogue's own .cpp files read these; everything else goes through
// card_catalogue.h and card_texts.h, which name the tables' meaning.

#include <QStringView>

namespace morvelin::tables {

inline constexpr int kDeckCount = 3;
inline constexpr int kCardsPerDeck = 78;
inline constexpr int kRwsKeywordsPerCard = 8;
inline constexpr int kSummaryGroupCount = 19;

extern const QStringView kCardNames[kDeckCount][kCardsPerDeck + 1];
extern const int kDeckListValues[kDeckCount][kCardsPerDeck + 1];
extern const QStringView kDeckKeywords[kDeckCount][kCardsPerDeck + 1];
extern const QStringView kRwsAstro[kCardsPerDeck + 1];
extern const QStringView kThierensAstro[kCardsPerDeck + 1];
extern const QStringView kRwsKeywords[kCardsPerDeck + 1][kRwsKeywordsPerCard];

// A numbered-list item whose title is the deck's own, not the common card name.
struct OwnTitle {
    int deck;
    int cardNo;
    QStringView title;
};
extern const OwnTitle kOwnTitles[];
extern const int kOwnTitleCount;

extern const QStringView kAnalysisCardNames[kCardsPerDeck + 1];
extern const QStringView kAnalysisCardLabels[kCardsPerDeck + 1];
extern const QStringView kSummaryGroupWords[kSummaryGroupCount + 1];

} // namespace morvelin::tables
