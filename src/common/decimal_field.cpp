#include "common/decimal_field.h"

namespace morvelin {

Failure NotAnInteger(QStringView text)
{
    return {QStringLiteral("'%1' is not a valid integer value").arg(text)};
}

Result<int> ParseDecimalField(QStringView text)
{
    constexpr int kMaxDigits = 9;
    if (text.isEmpty() || text.size() > kMaxDigits)
        return NotAnInteger(text);
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return NotAnInteger(text);
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString TwoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace morvelin
