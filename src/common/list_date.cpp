#include "common/list_date.h"

#include "common/decimal_field.h"

#include <QLocale>

namespace morvelin {

namespace {

constexpr int kAbbreviationLength = 3;
constexpr int kDateLength = 9;

std::optional<int> TwoDigitsAt(QStringView text, qsizetype at)
{
    const QChar tens = text.at(at);
    const QChar ones = text.at(at + 1);
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
        return std::nullopt;
    return (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
}

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
    return QStringLiteral("%1.%2.%3")
        .arg(TwoDigits(date.day()), ListMonthAbbreviation(date.month(), localeNames),
             TwoDigits(date.year() % 100));
}

ListDateReader::ListDateReader(std::span<const MonthNames> localeNames)
{
    for (const MonthNames &names : localeNames) {
        for (int month = 1; month <= 12; ++month)
            m_abbreviations.append(ListMonthAbbreviation(month, names));
    }
}

std::optional<int> ListDateReader::monthOf(QStringView abbreviation) const
{
    for (qsizetype i = 0; i < m_abbreviations.size(); ++i) {
        if (abbreviation.compare(m_abbreviations[i], Qt::CaseInsensitive) == 0)
            return int(i % 12) + 1;
    }
    return std::nullopt;
}

std::optional<QDate> ListDateReader::read(QStringView line) const
{
    if (line.size() < kDateLength || line.at(2) != u'.' || line.at(6) != u'.')
        return std::nullopt;
    const std::optional<int> day = TwoDigitsAt(line, 0);
    const std::optional<int> month = monthOf(line.mid(3, kAbbreviationLength));
    const std::optional<int> year = TwoDigitsAt(line, 7);
    if (!day || !month || !year)
        return std::nullopt;
    const QDate date(*year >= 69 ? 1900 + *year : 2000 + *year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace morvelin
