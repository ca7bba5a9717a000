#pragma once
// @brief All 234 cards on one sheet, a deck to a block, for looking the art over.

#include <QImage>

#include <vector>

namespace cardart {

// cards holds the pictures in id order 1..234.
QImage ContactSheet(const std::vector<QImage> &cards, int scale);

} // namespace cardart
