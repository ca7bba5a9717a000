#pragma once
// @brief The background of the Pentagram window: a five-pointed star in a circle,
// thin light-violet lines on a transparent ground, one point up.

#include <QImage>

namespace cardart {

inline constexpr int kPentagramSize = 475;

// An indexed picture; colour 0 is the transparent ground.
QImage RenderPentagram();

} // namespace cardart
