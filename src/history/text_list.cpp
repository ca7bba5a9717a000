#include "history/text_list.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace morvelin {

namespace {

constexpr char kWindows1252[] = "windows-1252";

struct Marked {
    TextEncoding encoding;
    QByteArrayView bom;
    QStringConverter::Encoding converter;
};

const Marked kMarkedEncodings[] = {
    {TextEncoding::Utf8Bom, "\xEF\xBB\xBF", QStringConverter::Utf8},
    {TextEncoding::Utf16LeBom, "\xFF\xFE", QStringConverter::Utf16LE},
    {TextEncoding::Utf16BeBom, "\xFE\xFF", QStringConverter::Utf16BE},
};

const Marked *FindMarked(TextEncoding encoding)
{
    for (const Marked &marked : kMarkedEncodings) {
        if (marked.encoding == encoding)
            return &marked;
    }
    return nullptr;
}

// CR LF, LF and a lone CR all end a line; a final line break adds no empty line. The line
// ends are found by Qt's searches, which look at many characters at once.
template <typename View, typename ToString>
QStringList SplitLines(View text, ToString toString)
{
    QStringList lines;
    qsizetype start = 0;
    // The next CR and the next LF from start on; -1 when there is none.
    qsizetype nextCr = text.indexOf(u'\r');
    qsizetype nextLf = text.indexOf(u'\n');
    while (nextCr != -1 || nextLf != -1) {
        const qsizetype end = nextCr == -1   ? nextLf
                              : nextLf == -1 ? nextCr
                                             : std::min(nextCr, nextLf);
        lines.append(toString(text.sliced(start, end - start)));
        start = end + (end == nextCr && end + 1 == nextLf ? 2 : 1);
        if (nextCr != -1 && nextCr < start)
            nextCr = text.indexOf(u'\r', start);
        if (nextLf != -1 && nextLf < start)
            nextLf = text.indexOf(u'\n', start);
    }
    if (start < text.size())
        lines.append(toString(text.sliced(start)));
    return lines;
}

QStringList SplitLines(QStringView text)
{
    return SplitLines(text, [](QStringView line) { return line.toString(); });
}

// Windows-1252 and Latin-1 agree on every byte but 0x80..0x9F. Text without those goes
// through Qt's own Latin-1 conversion, byte for byte the same and many times faster than
// ICU, which a long history would otherwise wait for at every save. Both checks count
// without a branch, so the compiler looks at many characters at once.
bool IsLatin1Alike(QByteArrayView bytes)
{
    qsizetype others = 0;
    for (const char byte : bytes) {
        const auto value = static_cast<uchar>(byte);
        others += (value >= 0x80) & (value <= 0x9F);
    }
    return others == 0;
}

bool IsLatin1Alike(QStringView text)
{
    qsizetype others = 0;
    for (const QChar c : text) {
        const char16_t value = c.unicode();
        others += (value >= 0x80) & ((value < 0xA0) | (value > 0xFF));
    }
    return others == 0;
}

std::optional<QByteArray> EncodeWindows1252(const QString &text)
{
    if (IsLatin1Alike(text))
        return text.toLatin1();
    QStringEncoder encoder(kWindows1252);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

// As the list's encoding writes them: no lone CR or LF, and a line break after the last
// line. Counted without a branch, as above.
bool EndsEveryLineWithCrLf(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n") || bytes.front() == '\n')
        return false;
    // A CR without an LF after it, or an LF without a CR before it.
    qsizetype lone = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        lone += (bytes[i] == '\r') != (bytes[i + 1] == '\n');
    return lone == 0;
}

QByteArray EncodeMarked(const Marked &marked, const QString &text)
{
    QStringEncoder encoder(marked.converter);
    return marked.bom.toByteArray() + encoder.encode(text);
}

} // namespace

QString JoinLinesCrLf(const QStringList &lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text.append(line);
        text.append(QLatin1String("\r\n"));
    }
    return text;
}

Result<TextList> DecodeTextList(const QByteArray &bytes)
{
    for (const Marked &marked : kMarkedEncodings) {
        if (!bytes.startsWith(marked.bom))
            continue;
        const QByteArrayView body = QByteArrayView(bytes).sliced(marked.bom.size());
        const bool utf16 = marked.converter != QStringConverter::Utf8;
        // The mark is already taken off; a second one is the text's own first character,
        // which the decoder would otherwise drop.
        QStringDecoder decoder(marked.converter, QStringConverter::Flag::ConvertInitialBom);
        const QString text = decoder.decode(body);
        // An odd byte count leaves half a UTF-16 unit that the decoder keeps to itself.
        if (decoder.hasError() || (utf16 && body.size() % 2 != 0))
            return Failure{utf16 ? QStringLiteral("de tekst is geen geldige UTF-16")
                                 : QStringLiteral("de tekst is geen geldige UTF-8")};
        return TextList{SplitLines(text), marked.encoding};
    }
    if (IsLatin1Alike(bytes))
        return TextList{SplitLines(QByteArrayView(bytes),
                                   [](QByteArrayView line) { return QString::fromLatin1(line); }),
                        TextEncoding::Windows1252};
    QStringDecoder decoder(kWindows1252);
    // Qt reads Windows-1252 through ICU; without it nothing could be read back faithfully.
    if (!decoder.isValid())
        return Failure{QStringLiteral("Windows-1252 kan op dit systeem niet gelezen worden")};
    const QString text = decoder.decode(bytes);
    return TextList{SplitLines(text), TextEncoding::Windows1252};
}

QByteArray EncodeTextList(const TextList &list)
{
    const QString text = JoinLinesCrLf(list.lines);
    if (const Marked *marked = FindMarked(list.encoding))
        return EncodeMarked(*marked, text);
    if (std::optional<QByteArray> bytes = EncodeWindows1252(text))
        return *std::move(bytes);
    return EncodeMarked(*FindMarked(TextEncoding::Utf8Bom), text);
}

std::optional<QByteArray> AppendLineToBytes(const QByteArray &bytes, const QString &line)
{
    for (const Marked &marked : kMarkedEncodings) {
        if (bytes.startsWith(marked.bom))
            return std::nullopt;
    }
    if (!EndsEveryLineWithCrLf(bytes))
        return std::nullopt;
    std::optional<QByteArray> encoded = EncodeWindows1252(line);
    if (!encoded)
        return std::nullopt;
    QByteArray appended;
    appended.reserve(bytes.size() + encoded->size() + 2);
    return appended.append(bytes).append(*encoded).append("\r\n");
}

} // namespace morvelin
