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

ListDateReader HistoryDateReader()
{
    const MonthNames names[] = {LocaleMonthNames(QLocale()),
                                LocaleMonthNames(QLocale(QLocale::Dutch, QLocale::Netherlands)),
                                LocaleMonthNames(QLocale::c())};
    return ListDateReader(names);
}

} // namespace morvelin
