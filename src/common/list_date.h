#pragma once
// @brief The "dd.mmm.yy" date at the start of every line of the program's lists, with
// the month abbreviation of the user's regional settings cut to three characters, so
// that the fixed positions of a line always hold.

#include <QDate>
#include <QString>

#include <array>

class QLocale;

namespace morvelin {

// The twelve abbreviated month names as a locale gives them, January first.
using MonthNames = std::array<QString, 12>;

MonthNames LocaleMonthNames(const QLocale &locale);

// The three characters that stand for the month: the locale's abbreviation without its
// trailing full stops, cut to three; the English one when fewer than three remain.
QString ListMonthAbbreviation(int month, const MonthNames &localeNames);

// "09.dec.26" for 9 December 2026 under Dutch names.
QString FormatListDate(QDate date, const MonthNames &localeNames);

} // namespace morvelin
