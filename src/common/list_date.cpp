#include "common/list_date.h"

#include <QLocale>

namespace morvelin {

namespace {

constexpr int kAbbreviationLength = 3;

} // namespace

MonthNames LocaleMonthNames(const QLocale &locale)
{
    MonthNames names;
    for (int month = 1; month <= 12; ++month)
        names[month - 1] = locale.monthName(month, QLocale::ShortFormat);
    return names;
}

QString ListMonthAbbreviation(int month, const MonthNames &localeNames)
{
    QString name = localeNames[month - 1];
    while (name.endsWith(u'.'))
        name.chop(1);
    if (name.size() < kAbbreviationLength)
        return QLocale::c().monthName(month, QLocale::ShortFormat);
    return name.left(kAbbreviationLength);
}

QString FormatListDate(QDate date, const MonthNames &localeNames)
{
    const auto twoDigits = [](int n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    return QStringLiteral("%1.%2.%3")
        .arg(twoDigits(date.day()), ListMonthAbbreviation(date.month(), localeNames),
             twoDigits(date.year() % 100));
}

} // namespace morvelin
