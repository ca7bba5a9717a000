#pragma once
// @brief The rules of the Pentagram spread: the sixth card counted out from the five
// chosen ones, and the caption under each card.

#include "pentagram/pentagram_line.h"

#include <QString>

namespace morvelin {

// The centre of the star.
inline constexpr int kSixthPosition = 6;

// The wrapped total of the five cards, or 0 while a position has no card. A total that is
// a multiple of 78 gives card 78, like every other count of the program, so the centre
// never keeps a card of an earlier Pentagram.
CardNo SixthCard(const PentagramCards &cards);

// "k-" and the keyword: what stands under the card of position k (1..6).
QString PositionCaption(int position, const QString &keyword);

// "k": what stands under position k while it has no card.
QString EmptyPositionCaption(int position);

} // namespace morvelin
