#include "catalogue/card_catalogue.h"

#include "catalogue/card_tables.h"
#include "common/decimal_field.h"

#include <array>

namespace morvelin {

namespace {

QStringList BuildNumberedCardList(DeckId deck)
{
    QStringList items;
    items.reserve(kCardsPerDeck);
    for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
        QStringView title = tables::kCardNames[deck][card];
        for (int i = 0; i < tables::kOwnTitleCount; ++i) {
            const tables::OwnTitle &own = tables::kOwnTitles[i];
            if (own.deck == deck && own.cardNo == card)
                title = own.title;
        }
        items.append(QStringLiteral("%1) %2").arg(TwoDigits(card), title));
    }
    return items;
}

} // namespace

QString DeckName(DeckId deck)
{
    Q_ASSERT(IsValidDeck(deck));
    static const char *const kNames[kDeckCount] = {"Rider Waite", "Etteilla", "Thierens"};
    return QString::fromLatin1(kNames[deck]);
}

QString CardName(DeckId deck, CardNo card)
{
    Q_ASSERT(IsValidDeck(deck) && card >= 0 && card <= kCardsPerDeck);
    return tables::kCardNames[deck][card].toString();
}

int ListValue(DeckId deck, CardNo card)
{
    Q_ASSERT(IsValidDeck(deck) && card >= 0 && card <= kCardsPerDeck);
    return tables::kDeckListValues[deck][card];
}

CardNo FindCardByName(DeckId deck, QStringView name)
{
    Q_ASSERT(IsValidDeck(deck));
    for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
        if (tables::kCardNames[deck][card] == name)
            return card;
    }
    return 0;
}

const QStringList &NumberedCardList(DeckId deck)
{
    Q_ASSERT(IsValidDeck(deck));
    static const std::array<QStringList, kDeckCount> lists = {
        BuildNumberedCardList(kRiderWaite),
        BuildNumberedCardList(kEtteilla),
        BuildNumberedCardList(kThierens),
    };
    return lists[deck];
}

} // namespace morvelin
