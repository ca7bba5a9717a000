#pragma once
// @brief The "dd.mmm.yy" date at the start of every line of the program's lists, with
// the month abbreviation of the user's regional settings cut to three characters, so
// that the fixed positions of a line always hold.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

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

// Reads the date at the start of a list line back, with the three-character month names
// that any of the given locales writes, in any case; the two-digit year as POSIX reads
// it: 69..99 are 1969..1999, 00..68 are 2000..2068.
class ListDateReader {
public:
    explicit ListDateReader(std::span<const MonthNames> localeNames);

    // Nothing when the line does not start with such a date.
    std::optional<QDate> read(QStringView line) const;

private:
    std::optional<int> monthOf(QStringView abbreviation) const;

    // Each locale's abbreviation of month m (1..12) stands at m - 1 of its block of twelve.
    QStringList m_abbreviations;
};

} // namespace morvelin
