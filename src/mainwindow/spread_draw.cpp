#include "mainwindow/spread_draw.h"

namespace morvelin {

std::array<CardNo, 3> DrawThreeDifferentCards(RandomSource &random)
{
    for (;;) {
        const CardNo a = random.uniform(kCardsPerDeck) + 1;
        const CardNo b = random.uniform(kCardsPerDeck) + 1;
        const CardNo c = random.uniform(kCardsPerDeck) + 1;
        if (a != b && b != c && a != c)
            return {a, b, c};
    }
}

} // namespace morvelin
