#include "pentagram/pentagram_line.h"

#include "common/decimal_field.h"

namespace morvelin {

namespace {

constexpr qsizetype kFirstCardOffset = 12;
constexpr qsizetype kCardFieldStep = 3;
constexpr qsizetype kCardFieldLength = 2;

} // namespace

QString ComposePentagramLine(const PentagramEntry &entry, const MonthNames &monthNames)
{
    QStringList cards;
    for (const CardNo card : entry.cards)
        cards << TwoDigits(card);
    return FormatListDate(entry.date, monthNames) + QStringLiteral(" : ")
           + cards.join(QLatin1Char(','));
}

Result<std::array<int, kPentagramPositions>> ParsePentagramLine(QStringView line)
{
    std::array<int, kPentagramPositions> cards{};
    for (int k = 0; k < kPentagramPositions; ++k) {
        const qsizetype offset = kFirstCardOffset + kCardFieldStep * k;
        // A short line leaves its last fields short or empty, and so not a number.
        const QStringView field =
            offset < line.size() ? line.mid(offset, kCardFieldLength) : QStringView();
        const Result<int> card = ParseDecimalField(field);
        if (!card)
            return Failure{card.error()};
        cards[k] = *card;
    }
    return cards;
}

} // namespace morvelin
