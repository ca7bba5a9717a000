#include "gif_writer.h"

#include <unordered_map>

namespace cardart {

namespace {

// Packs variable-width LZW codes least significant bit first, as GIF wants them.
class CodeWriter {
public:
    void put(int code, int bits)
    {
        buffer_ |= quint32(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes_.append(char(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (count_ > 0)
            bytes_.append(char(buffer_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint32 buffer_ = 0;
    int count_ = 0;
};

QByteArray Lzw(const QImage &image, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    CodeWriter out;
    std::unordered_map<quint32, int> table;
    int next = end + 1;
    int codeSize = minCodeSize + 1;
    auto reset = [&] {
        table.clear();
        next = end + 1;
        codeSize = minCodeSize + 1;
    };
    out.put(clear, codeSize);

    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int k = row[x];
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const quint32 key = (quint32(prefix) << 8) | quint32(k);
            if (const auto found = table.find(key); found != table.end()) {
                prefix = found->second;
                continue;
            }
            out.put(prefix, codeSize);
            table.emplace(key, next++);
            // The reader grows its codes one entry later than we add them.
            if (next > (1 << codeSize) && codeSize < 12)
                ++codeSize;
            if (next == 4096) {
                out.put(clear, codeSize);
                reset();
            }
            prefix = k;
        }
    }
    out.put(prefix, codeSize);
    // The reader adds one more entry on the last code before it reads the end code.
    if (next == (1 << codeSize) && codeSize < 12)
        ++codeSize;
    out.put(end, codeSize);
    return out.finish();
}

void PutWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

} // namespace

QByteArray EncodeGif(const QImage &image, int transparentIndex)
{
    Q_ASSERT(image.format() == QImage::Format_Indexed8);
    const QList<QRgb> colours = image.colorTable();
    int tableBits = 1;
    while ((1 << tableBits) < colours.size())
        ++tableBits;

    QByteArray gif("GIF89a");
    PutWord(gif, image.width());
    PutWord(gif, image.height());
    gif.append(char(0x80 | 0x70 | (tableBits - 1))); // global table, 8-bit colour resolution
    gif.append(char(transparentIndex));              // background
    gif.append(char(0));                             // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb rgb = i < colours.size() ? colours[i] : 0;
        gif.append(char(qRed(rgb)));
        gif.append(char(qGreen(rgb)));
        gif.append(char(qBlue(rgb)));
    }

    // Graphic Control Extension: no disposal, no delay, one transparent index.
    gif.append("\x21\xF9\x04\x01", 4);
    PutWord(gif, 0);
    gif.append(char(transparentIndex));
    gif.append(char(0));

    gif.append(char(0x2C));
    PutWord(gif, 0);
    PutWord(gif, 0);
    PutWord(gif, image.width());
    PutWord(gif, image.height());
    gif.append(char(0));

    const int minCodeSize = qMax(2, tableBits);
    gif.append(char(minCodeSize));
    const QByteArray data = Lzw(image, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = qMin<qsizetype>(255, data.size() - at);
        gif.append(char(n));
        gif.append(data.mid(at, n));
    }
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}

} // namespace cardart
