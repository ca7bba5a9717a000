#pragma once
// @brief One card picture: drawn at four times its size and scaled down smoothly.

#include "card_face.h"

#include <QImage>

namespace cardart {

inline constexpr int kOversample = 4;

// The picture at the deck's size (83, 74 or 95 × 147), RGB888.
QImage RenderCard(const CardFace &face);

} // namespace cardart
