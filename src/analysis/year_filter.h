#pragma once
// @brief The year the analysis filters on: taken from what the user types, and stepped
// a year back or forth from the one shown.

#include <QString>
#include <QStringView>

#include <optional>

namespace morvelin {

// The last two characters of a typed year, the whole text when it is shorter: "2026"
// and "26" both filter on "26".
QString PromptedYear(QStringView typed);

// The year one step (-1 or +1) from the shown one, in two digits and wrapping as the
// two-digit years of the lines do ("10" -> "09", "00" -> "99", "99" -> "00"); none when
// the shown text is not a number.
std::optional<QString> StepYear(QStringView shown, int step);

} // namespace morvelin
