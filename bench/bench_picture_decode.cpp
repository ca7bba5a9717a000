// Decodes all embedded card pictures with TurboJPEG (what the program uses) and
// with Qt's own JPEG reader, and prints the time per picture of both.
#include "catalogue/card_picture.h"
#include "median.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <vector>

using namespace morvelin;

namespace {

constexpr int kRounds = 31;

// Nanoseconds per picture of one round over all pictures; -1 when one does not decode.
template <typename Decode>
double RoundTime(const std::vector<QByteArray> &pictures, Decode decode)
{
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray &jpeg : pictures) {
        if (!decode(jpeg))
            return -1;
    }
    return double(timer.nsecsElapsed()) / double(pictures.size());
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

    const auto turboDecode = [](const QByteArray &jpeg) { return DecodeJpeg(jpeg).has_value(); };
    const auto qtDecode = [](const QByteArray &jpeg) {
        QImage image;
        return image.loadFromData(jpeg, "JPEG");
    };
    const bool qtReadsJpeg = QImageReader::supportedImageFormats().contains("jpeg");
    if (!qtReadsJpeg)
        std::printf("Qt cannot read JPEG here: the qjpeg image format plugin is missing "
                    "(Debian: libqt6gui6 ships plugins/imageformats/libqjpeg.so)\n");

    // The two decoders take turns, so that both see the same state of the machine.
    std::vector<double> turbo;
    std::vector<double> qt;
    for (int round = 0; round < kRounds; ++round) {
        turbo.push_back(RoundTime(pictures, turboDecode));
        if (turbo.back() < 0) {
            std::printf("TurboJPEG could not decode a picture\n");
            return 1;
        }
        if (!qtReadsJpeg)
            continue;
        qt.push_back(RoundTime(pictures, qtDecode));
        if (qt.back() < 0) {
            std::printf("Qt's JPEG reader could not decode a picture\n");
            return 1;
        }
    }
    const double turboMedian = Median(turbo);
    std::printf("TurboJPEG (DecodeJpeg):    %8.1f us per picture (median of %d rounds)\n",
                turboMedian / 1000.0, kRounds);
    if (!qtReadsJpeg)
        return 2;
    const double qtMedian = Median(qt);
    std::printf("Qt (QImage::loadFromData): %8.1f us per picture (median of %d rounds)\n",
                qtMedian / 1000.0, kRounds);
    std::printf("Qt takes %.2f times as long as TurboJPEG\n", qtMedian / turboMedian);
    return 0;
}
