#include "history/history_export.h"

#include "catalogue/card_catalogue.h"
#include "history/history_reading.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace morvelin {

namespace {

const QString kFormatName = QStringLiteral("morvelin-history");
constexpr int kFormatVersion = 1;

struct EncodingName {
    TextEncoding encoding;
    const char *name;
};
const EncodingName kEncodingNames[] = {{TextEncoding::Windows1252, "windows-1252"},
                                       {TextEncoding::Utf8Bom, "utf-8-bom"},
                                       {TextEncoding::Utf16LeBom, "utf-16le-bom"},
                                       {TextEncoding::Utf16BeBom, "utf-16be-bom"}};

QString EncodingNameOf(TextEncoding encoding)
{
    for (const EncodingName &known : kEncodingNames) {
        if (known.encoding == encoding)
            return QString::fromLatin1(known.name);
    }
    return {};
}

// An export without a known encoding came from the lists' own encoding.
TextEncoding EncodingNamed(const QString &name)
{
    for (const EncodingName &known : kEncodingNames) {
        if (name == QLatin1String(known.name))
            return known.encoding;
    }
    return TextEncoding::Windows1252;
}

// The fields of one row, as text, in the order of the header.
QStringList RowFields(const HistoryReading &reading)
{
    QStringList fields;
    fields << (reading.date ? reading.date->toString(Qt::ISODate) : QString())
           << reading.comment.value_or(QString());
    if (const auto &spread = reading.spread) {
        fields << DeckName(spread->deck);
        for (const CardNo card : spread->cards)
            fields << QString::number(card) << CardName(spread->deck, card);
    } else {
        for (int i = 0; i < 7; ++i)
            fields << QString();
    }
    fields << reading.line;
    return fields;
}

const QStringList kHeader = {"datum",   "opmerking", "deck",    "kaart 1", "naam 1",
                             "kaart 2", "naam 2",    "kaart 3", "naam 3",  "regel"};

struct CsvDialect {
    QChar separator;
    bool excel;
};

QString CsvField(QString field, const CsvDialect &dialect)
{
    // A spreadsheet runs a cell that starts like a formula; the quote keeps it text.
    if (dialect.excel && !field.isEmpty() && QStringView(u"=+-@").contains(field.front()))
        field.prepend(u'\'');
    const bool quoted = field.contains(u'"') || field.contains(dialect.separator)
                        || field.contains(u'\r') || field.contains(u'\n');
    if (!quoted)
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + field + u'"';
}

QString CsvRow(const QStringList &fields, const CsvDialect &dialect)
{
    QStringList cells;
    cells.reserve(fields.size());
    for (const QString &field : fields)
        cells << CsvField(field, dialect);
    return cells.join(dialect.separator) + QLatin1String("\r\n");
}

QByteArray ExportCsv(const QStringList &lines, const ListDateReader &dates,
                     const CsvDialect &dialect)
{
    QString text = CsvRow(kHeader, dialect);
    for (const QString &line : lines)
        text += CsvRow(RowFields(ReadHistoryLine(line, dates)), dialect);
    // Spreadsheet programs take UTF-8 for their own only with a byte-order mark.
    return (dialect.excel ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

QJsonValue OrNull(const std::optional<QString> &text)
{
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

QJsonObject ReadingObject(const HistoryReading &reading)
{
    QJsonObject object;
    object.insert(QStringLiteral("line"), reading.line);
    object.insert(
        QStringLiteral("date"),
        OrNull(reading.date ? std::optional(reading.date->toString(Qt::ISODate)) : std::nullopt));
    object.insert(QStringLiteral("comment"), OrNull(reading.comment));
    if (const auto &spread = reading.spread) {
        object.insert(QStringLiteral("deck"), spread->deck);
        object.insert(QStringLiteral("deckName"), DeckName(spread->deck));
        QJsonArray cards;
        for (const CardNo card : spread->cards)
            cards.append(QJsonObject{{QStringLiteral("number"), card},
                                     {QStringLiteral("name"), CardName(spread->deck, card)}});
        object.insert(QStringLiteral("cards"), cards);
    } else {
        object.insert(QStringLiteral("deck"), QJsonValue::Null);
        object.insert(QStringLiteral("deckName"), QJsonValue::Null);
        object.insert(QStringLiteral("cards"), QJsonValue::Null);
    }
    return object;
}

QByteArray ExportJson(const TextList &history, const QDateTime &exported,
                      const ListDateReader &dates)
{
    QJsonArray readings;
    for (const QString &line : history.lines)
        readings.append(ReadingObject(ReadHistoryLine(line, dates)));
    const QJsonObject root{{QStringLiteral("format"), kFormatName},
                           {QStringLiteral("version"), kFormatVersion},
                           {QStringLiteral("exported"), exported.toString(Qt::ISODate)},
                           {QStringLiteral("encoding"), EncodingNameOf(history.encoding)},
                           {QStringLiteral("readings"), readings}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Failure NotAnExport(const QString &reason)
{
    return {QStringLiteral("Dit bestand is geen export van MorvelLijst.txt: %1.").arg(reason)};
}

} // namespace

std::optional<ExportFormat> ParseExportFormat(QStringView name)
{
    if (name == u"csv")
        return ExportFormat::Csv;
    if (name == u"csv-excel")
        return ExportFormat::CsvExcel;
    if (name == u"json")
        return ExportFormat::Json;
    return std::nullopt;
}

QByteArray ExportHistory(const TextList &history, ExportFormat format, const QDateTime &exported,
                         const ListDateReader &dates)
{
    switch (format) {
    case ExportFormat::Csv:
        return ExportCsv(history.lines, dates, {u',', false});
    case ExportFormat::CsvExcel:
        return ExportCsv(history.lines, dates, {u';', true});
    case ExportFormat::Json:
        break;
    }
    return ExportJson(history, exported, dates);
}

Result<TextList> ReadExportedLines(const QByteArray &json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return NotAnExport(QStringLiteral("geen geldige JSON (%1)").arg(parseError.errorString()));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != kFormatName)
        return NotAnExport(QStringLiteral("het kenmerk \"%1\" ontbreekt").arg(kFormatName));
    if (root.value(QStringLiteral("version")).toInt() != kFormatVersion)
        return NotAnExport(QStringLiteral("versie %1 is onbekend")
                               .arg(root.value(QStringLiteral("version")).toVariant().toString()));
    const QJsonValue readings = root.value(QStringLiteral("readings"));
    if (!readings.isArray())
        return NotAnExport(QStringLiteral("de lijst van lezingen ontbreekt"));
    QStringList lines;
    const QJsonArray array = readings.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue line = array.at(i).toObject().value(QStringLiteral("line"));
        if (!line.isString() || line.toString().contains(u'\r') || line.toString().contains(u'\n'))
            return NotAnExport(QStringLiteral("lezing %1 heeft geen geldige regel").arg(i + 1));
        lines << line.toString();
    }
    return TextList{lines, EncodingNamed(root.value(QStringLiteral("encoding")).toString())};
}

QStringList LinesToImport(const QStringList &history, const QStringList &exported)
{
    QHash<QString, int> held;
    for (const QString &line : history)
        ++held[line];
    QStringList added;
    for (const QString &line : exported) {
        int &count = held[line];
        if (count > 0)
            --count;
        else
            added << line;
    }
    return added;
}

} // namespace morvelin
