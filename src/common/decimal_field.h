#pragma once
// @brief Reading a number field of a list line: plain decimal digits only, or the
// conversion error the user has always seen for a damaged field.

#include "common/result.h"

#include <QString>
#include <QStringView>

namespace morvelin {

// "'%s' is not a valid integer value", with the offending text.
Failure NotAnInteger(QStringView text);

// The value of a field of one or more ASCII digits; anything else (empty, a sign, a
// blank, a letter) is the conversion error. A field of more than nine digits is refused
// too, so the value always fits.
Result<int> ParseDecimalField(QStringView text);

// A number as the list lines and choosers write it: two digits at least, so below 10 with
// a leading zero ("07"), which the fields above read back.
QString TwoDigits(int number);

} // namespace morvelin
