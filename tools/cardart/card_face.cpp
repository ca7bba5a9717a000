#include "card_face.h"

#include "catalogue/card_texts.h"

#include <QStringList>

namespace cardart {

using namespace morvelin;

QString RomanNumeral(int value)
{
    if (value == 0)
        return QStringLiteral("0");
    static constexpr struct {
        int value;
        const char *letters;
    } kSteps[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString roman;
    for (const auto &step : kSteps) {
        while (value >= step.value) {
            roman += QLatin1String(step.letters);
            value -= step.value;
        }
    }
    return roman;
}

namespace {

Suit SuitFromWord(const QString &word)
{
    if (word == u"Staven")
        return Suit::Staven;
    if (word == u"Bekers")
        return Suit::Bekers;
    if (word == u"Zwaard")
        return Suit::Zwaard;
    if (word == u"Munten")
        return Suit::Munten;
    return Suit::None;
}

int RankFromWord(const QString &word)
{
    static const QStringList kRanks = {
        QStringLiteral("Aas"),   QStringLiteral("Twee"), QStringLiteral("Drie"),
        QStringLiteral("Vier"),  QStringLiteral("Vijf"), QStringLiteral("Zes"),
        QStringLiteral("Zeven"), QStringLiteral("Acht"), QStringLiteral("Negen"),
        QStringLiteral("Tien"),  QStringLiteral("Page"), QStringLiteral("Ridder"),
        QStringLiteral("Vrouw"), QStringLiteral("Heer")};
    return int(kRanks.indexOf(word)) + 1;
}

} // namespace

CardFace MakeCardFace(DeckId deck, CardNo card)
{
    CardFace face;
    face.deck = deck;
    face.card = card;
    face.commonName = CardName(deck, card);
    // "09) De Pelgrim" -> "De Pelgrim": the list item is the title the deck prints.
    face.title = NumberedCardList(deck).at(card - 1).mid(4);

    const QStringList words = face.commonName.split(u' ');
    if (words.size() == 2 && SuitFromWord(words[0]) != Suit::None) {
        face.suit = SuitFromWord(words[0]);
        face.rank = RankFromWord(words[1]);
    }

    const bool fool = face.commonName == u"De Dwaas";
    if (face.isMajor() && deck != kEtteilla)
        face.number = RomanNumeral(fool ? 0 : card);
    else
        face.number = QString::number(card);

    if (const auto astro = AstroText(deck, card))
        face.astro = *astro;
    return face;
}

} // namespace cardart
