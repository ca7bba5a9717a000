#include "jpeg_writer.h"

#include <turbojpeg.h>

#include <memory>

namespace cardart {

std::optional<QByteArray> EncodeBaselineJpeg(const QImage &image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(), tjDestroy);
    if (!handle)
        return std::nullopt;
    unsigned char *jpeg = nullptr;
    unsigned long size = 0;
    // No TJFLAG_PROGRESSIVE: the pictures must be baseline.
    const int failed =
        tjCompress2(handle.get(), rgb.constBits(), rgb.width(), int(rgb.bytesPerLine()),
                    rgb.height(), TJPF_RGB, &jpeg, &size, TJSAMP_444, quality, TJFLAG_ACCURATEDCT);
    std::optional<QByteArray> out;
    if (failed == 0)
        out = QByteArray(reinterpret_cast<const char *>(jpeg), qsizetype(size));
    tjFree(jpeg);
    return out;
}

} // namespace cardart
