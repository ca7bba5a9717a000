#include "catalogue/card_picture.h"

#include <QCache>
#include <QFile>
#include <QSysInfo>

#include <turbojpeg.h>

#include <memory>

namespace morvelin {

QSize DeckPictureSize(DeckId deck)
{
    static constexpr int kWidths[kDeckCount] = {83, 74, 95};
    Q_ASSERT(IsValidDeck(deck));
    return {kWidths[deck], 147};
}

QString CardPictureResource(int pictureId)
{
    return QStringLiteral(":/cards/%1.jpg").arg(pictureId, 3, 10, QLatin1Char('0'));
}

namespace {

struct TjHandleDeleter {
    void operator()(void *handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjHandleDeleter>;

std::optional<QImage> Decode(tjhandle decompressor, QByteArrayView jpeg)
{
    // TurboJPEG's 2.x API takes a non-const buffer but only reads it.
    auto *data = const_cast<unsigned char *>(reinterpret_cast<const unsigned char *>(jpeg.data()));
    const auto size = static_cast<unsigned long>(jpeg.size());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(decompressor, data, size, &width, &height, &subsampling, &colorspace)
        != 0)
        return std::nullopt;
    if (width <= 0 || height <= 0)
        return std::nullopt;

    // Decoded straight into the layout the screen uses, so showing it converts nothing.
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        return std::nullopt;
    constexpr int kScreenPixelFormat =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
    // Any complaint, a warning about a truncated stream included, means the picture is not whole.
    if (tjDecompress2(decompressor, data, size, picture.bits(), width, int(picture.bytesPerLine()),
                      height, kScreenPixelFormat, TJFLAG_ACCURATEDCT)
        != 0)
        return std::nullopt;
    return picture;
}

} // namespace

std::optional<QImage> DecodeJpeg(QByteArrayView jpeg)
{
    if (jpeg.isEmpty())
        return std::nullopt;
    // One decompressor serves every picture: setting one up costs as much as a small decode.
    thread_local TjHandle decompressor;
    if (!decompressor)
        decompressor.reset(tjInitDecompress());
    if (!decompressor)
        return std::nullopt;
    std::optional<QImage> picture = Decode(decompressor.get(), jpeg);
    // A damaged stream may leave the decompressor unfit for the next picture: start afresh.
    if (!picture)
        decompressor.reset();
    return picture;
}

namespace {

std::optional<QImage> DecodeResource(int pictureId)
{
    QFile resource(CardPictureResource(pictureId));
    if (!resource.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeJpeg(resource.readAll());
}

} // namespace

std::optional<QImage> LoadPictureById(int pictureId)
{
    if (pictureId < 1 || pictureId > kPictureCount)
        return std::nullopt;
    // The least lately shown picture makes room. A copy handed out shares the kept
    // pixels until its holder changes it.
    thread_local QCache<int, QImage> kept(kKeptPictureCount);
    if (const QImage *picture = kept.object(pictureId))
        return *picture;
    std::optional<QImage> picture = DecodeResource(pictureId);
    if (picture)
        kept.insert(pictureId, new QImage(*picture));
    return picture;
}

std::optional<QImage> LoadCardPicture(DeckId deck, CardNo card)
{
    if (!IsValidDeck(deck) || !IsValidCard(card))
        return std::nullopt;
    return LoadPictureById(PictureId(deck, card));
}

} // namespace morvelin
