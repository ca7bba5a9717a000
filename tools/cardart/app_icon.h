#pragma once
// @brief The program's icon: three cards fanned out as a spread is laid, one of each deck
// (Rider Waite left, Etteilla right, Thierens in front with the Magic Card's star), on a
// transparent ground.

#include <QImage>

namespace cardart {

// The sizes the desktop's icon theme gets.
inline constexpr int kAppIconSizes[] = {48, 128, 256};

// A square ARGB picture of the given size in pixels.
QImage RenderAppIcon(int size);

} // namespace cardart
