#pragma once
// @brief Baseline JPEG files through TurboJPEG, the library the program decodes them with.

#include <QByteArray>
#include <QImage>

#include <optional>

namespace cardart {

// Baseline JPEG, full colour resolution (4:4:4) so that small lettering stays sharp.
std::optional<QByteArray> EncodeBaselineJpeg(const QImage &image, int quality);

} // namespace cardart
