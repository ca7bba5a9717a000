// Decodes all embedded card pictures with TurboJPEG (what the program uses) and
// with Qt's own JPEG reader, and prints the time per picture of both.
#include "catalogue/card_picture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <vector>

using namespace morvelin;

namespace {

constexpr int kRounds = 30;

// Nanoseconds per picture over all rounds; fails when a picture does not decode.
template <typename Decode>
double TimePerPicture(const std::vector<QByteArray> &pictures, Decode decode)
{
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round) {
        for (const QByteArray &jpeg : pictures) {
            if (!decode(jpeg))
                return -1;
        }
    }
    return double(timer.nsecsElapsed()) / (double(kRounds) * double(pictures.size()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    std::vector<QByteArray> pictures;
    qint64 bytes = 0;
    for (int id = 1; id <= kPictureCount; ++id) {
        QFile file(CardPictureResource(id));
        if (!file.open(QIODevice::ReadOnly)) {
            std::printf("picture %d is not embedded\n", id);
            return 1;
        }
        pictures.push_back(file.readAll());
        bytes += pictures.back().size();
    }
    std::printf("%zu pictures, %.1f kB on average, %d rounds\n", pictures.size(),
                double(bytes) / double(pictures.size()) / 1024.0, kRounds);

    const double turbo = TimePerPicture(pictures, [](const QByteArray &jpeg) {
        return DecodeJpeg(jpeg).has_value();
    });
    if (turbo < 0) {
        std::printf("TurboJPEG could not decode a picture\n");
        return 1;
    }
    std::printf("TurboJPEG (DecodeJpeg):   %8.1f us per picture\n", turbo / 1000.0);

    if (!QImageReader::supportedImageFormats().contains("jpeg")) {
        std::printf("Qt cannot read JPEG here: the qjpeg image format plugin is missing "
                    "(Debian: libqt6gui6 ships plugins/imageformats/libqjpeg.so)\n");
        return 2;
    }
    const double qt = TimePerPicture(pictures, [](const QByteArray &jpeg) {
        QImage image;
        return image.loadFromData(jpeg, "JPEG");
    });
    if (qt < 0) {
        std::printf("Qt's JPEG reader could not decode a picture\n");
        return 1;
    }
    std::printf("Qt (QImage::loadFromData): %8.1f us per picture\n", qt / 1000.0);
    std::printf("Qt takes %.2f times as long as TurboJPEG\n", qt / turbo);
    return 0;
}
