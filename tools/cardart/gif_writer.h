#pragma once
// @brief A small GIF89a encoder (Qt reads GIF but cannot write it): one frame,
// a palette of up to 256 colours, one of them transparent.

#include <QByteArray>
#include <QImage>

namespace cardart {

// image must be Format_Indexed8 with at most 256 colours; transparentIndex is
// marked transparent in a Graphic Control Extension.
QByteArray EncodeGif(const QImage &image, int transparentIndex);

} // namespace cardart
