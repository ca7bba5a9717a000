#pragma once
// @brief Reading a number field of a list line: plain decimal digits only, or the
// conversion error the user has always seen for a damaged field.

#include "common/result.h"

#include <QStringView>

namespace morvelin {

// "'%s' is not a valid integer value", with the offending text.
Failure NotAnInteger(QStringView text);

// The value of a field of one or more ASCII digits; anything else (empty, a sign, a
// blank, a letter) is the conversion error. A field of more than nine digits is refused
// too, so the value always fits.
Result<int> ParseDecimalField(QStringView text);

} // namespace morvelin
