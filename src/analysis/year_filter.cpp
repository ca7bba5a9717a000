#include "analysis/year_filter.h"

#include "common/decimal_field.h"

namespace morvelin {

namespace {

constexpr int kYearsInCentury = 100;

} // namespace

QString PromptedYear(QStringView typed)
{
    return typed.right(2).toString();
}

std::optional<QString> StepYear(QStringView shown, int step)
{
    const Result<int> year = ParseDecimalField(shown);
    if (!year)
        return std::nullopt;
    const int stepped = ((*year + step) % kYearsInCentury + kYearsInCentury) % kYearsInCentury;
    return TwoDigits(stepped);
}

} // namespace morvelin
