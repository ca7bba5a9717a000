#pragma once
// @brief The random draw of the main window: three different cards of a deck.

#include "catalogue/card_catalogue.h"
#include "common/random_source.h"

#include <array>

namespace morvelin {

// Draws a, b, c uniformly from 1..78, in this order, all three again until they differ.
std::array<CardNo, 3> DrawThreeDifferentCards(RandomSource &random);

} // namespace morvelin
