#pragma once
// @brief The lines the save driver writes and the tests expect: line n of a writer is
// always the same text, so the list a run should have left can be written out exactly.

#include "history/history_line.h"
#include "history/text_list.h"
#include "pentagram/pentagram_line.h"

#include <QLocale>

namespace morvelin::test {

enum class DriverList { History, Pentagram };

inline const MonthNames &DriverMonthNames()
{
    static const MonthNames names = LocaleMonthNames(QLocale::c());
    return names;
}

// Writer is a small number that tells concurrent writers apart; n counts from 1.
inline QString DriverLine(DriverList list, int writer, int n)
{
    const QDate date(2026, 12, 9);
    if (list == DriverList::Pentagram)
        return ComposePentagramLine({date, {writer, n / 100, n % 100, n % 78 + 1, 78}},
                                    DriverMonthNames());
    const HistoryEntry entry{date,
                             QStringLiteral("Schrijver %1, legging %2").arg(writer).arg(n),
                             DeckId(n % 3),
                             {n % 78 + 1, (n + 25) % 78 + 1, (n + 50) % 78 + 1}};
    return ComposeHistoryLine(entry, DriverMonthNames());
}

// Lines first..last of one writer.
inline QStringList DriverLines(DriverList list, int writer, int first, int last)
{
    QStringList lines;
    for (int n = first; n <= last; ++n)
        lines << DriverLine(list, writer, n);
    return lines;
}

} // namespace morvelin::test
