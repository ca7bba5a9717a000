#include "catalogue/spread_count.h"

#include <numeric>

namespace morvelin {

namespace {

constexpr std::array<int, kSlotCount> kAllSlots = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

int DigitSum(int number)
{
    int sum = 0;
    for (; number > 0; number /= 10)
        sum += number % 10;
    return sum;
}

// SpreadCards and SpreadValues share one shape: ten numbers, slot s at s - 1.
int SumOverCountedSlots(const std::array<int, kSlotCount> &perSlot, bool triangle)
{
    int sum = 0;
    for (int slot : CountedSlots(triangle))
        sum += perSlot[slot - 1];
    return sum;
}

} // namespace

std::array<CardNo, kDerivedSlotCount> DeriveSpreadCards(CardNo c1, CardNo c2, CardNo c3)
{
    const CardNo s4 = WrapCardNo(c1 + c2 + c3);
    const CardNo s5 = WrapCardNo(c1 + c2);
    const CardNo s6 = WrapCardNo(c2 + c3);
    const CardNo s7 = WrapCardNo(c3 + s4);
    const CardNo s8 = WrapCardNo(s5 + s6);
    const CardNo s9 = WrapCardNo(s6 + s7);
    const CardNo s10 = WrapCardNo(s8 + s9);
    return {s4, s5, s6, s7, s8, s9, s10};
}

std::span<const int> CountedSlots(bool triangle)
{
    if (triangle)
        return TriangleSlots;
    return kAllSlots;
}

CardNo OldMagicCard(const SpreadCards &cards, bool triangle)
{
    return WrapCardNo(SumOverCountedSlots(cards, triangle));
}

int ValueTotal(const SpreadValues &values, bool triangle)
{
    return SumOverCountedSlots(values, triangle);
}

QString QuintessenceText(int valueTotal)
{
    if (valueTotal <= 22)
        return QString::number(valueTotal);
    return QStringLiteral("%1 = %2").arg(valueTotal).arg(DigitSum(valueTotal));
}

SpreadCount CountSpread(DeckId deck, const SpreadCards &cards, const SpreadValues &values,
                        bool triangle)
{
    SpreadCount count;
    count.oldMagicCard = OldMagicCard(cards, triangle);
    count.valueTotal = ValueTotal(values, triangle);
    count.newMagicCard = NewMagicCard(count.valueTotal);
    count.magicCard = deck == kEtteilla ? count.oldMagicCard : count.newMagicCard;
    return count;
}

CountLineTexts ComposeCountLines(DeckId deck, const SpreadCount &count)
{
    CountLineTexts lines;
    lines.oldMagicCard = QStringLiteral("Oud MC: ") + CardName(deck, count.oldMagicCard);
    lines.quintessence = QStringLiteral("Quintessence: ") + QuintessenceText(count.valueTotal);
    if (deck != kEtteilla)
        lines.newMagicCard = QStringLiteral("Nieuw MC: ") + CardName(deck, count.newMagicCard);
    return lines;
}

} // namespace morvelin
