#include "history/text_list.h"

#include <QStringDecoder>
#include <QStringEncoder>

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

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
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
    QStringDecoder decoder(kWindows1252);
    // Qt reads Windows-1252 through ICU; without it nothing could be read back faithfully.
    if (!decoder.isValid())
        return Failure{QStringLiteral("Windows-1252 kan op dit systeem niet gelezen worden")};
    return TextList{SplitLines(decoder.decode(bytes)), TextEncoding::Windows1252};
}

QByteArray EncodeTextList(const TextList &list)
{
    const QString text = JoinLinesCrLf(list.lines);
    if (const Marked *marked = FindMarked(list.encoding))
        return EncodeMarked(*marked, text);
    QStringEncoder encoder(kWindows1252);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.isValid() && !encoder.hasError())
        return bytes;
    return EncodeMarked(*FindMarked(TextEncoding::Utf8Bom), text);
}

} // namespace morvelin
