#include "history/history_reading.h"

#include <QLocale>

namespace morvelin {

HistoryReading ReadHistoryLine(const QString &line, const ListDateReader &dates)
{
    HistoryReading reading{line, dates.read(line), std::nullopt, std::nullopt};
    if (const std::optional<HistoryLineParts> parts = SplitHistoryLine(line);
        parts && parts->head.endsWith(u'(') && parts->tail.startsWith(u')'))
        reading.comment = parts->comment;
    if (const Result<SavedSpread> spread = ReadSavedSpread(line))
        reading.spread = *spread;
    return reading;
}

QString ReadingSummary(const HistoryReading &reading)
{
    if (!reading.date && !reading.comment && !reading.spread)
        return reading.line;
    QString cards = QStringLiteral("geen kaarten te lezen");
    if (const auto &spread = reading.spread) {
        QStringList names;
        for (const CardNo card : spread->cards)
            names << CardName(spread->deck, card);
        cards =
            QStringLiteral("%1 (%2)").arg(names.join(QStringLiteral(", ")), DeckName(spread->deck));
    }
    return QStringLiteral("%1   %2   \u2014   %3")
        .arg(reading.date ? reading.date->toString(QStringLiteral("dd-MM-yyyy"))
                          : QStringLiteral("(geen datum)"),
             reading.comment.value_or(reading.line), cards);
}

ListDateReader HistoryDateReader()
{
    const MonthNames names[] = {LocaleMonthNames(QLocale()),
                                LocaleMonthNames(QLocale(QLocale::Dutch, QLocale::Netherlands)),
                                LocaleMonthNames(QLocale::c())};
    return ListDateReader(names);
}

} // namespace morvelin
