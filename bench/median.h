#pragma once
// @brief The middle of a benchmark's rounds: one slow round from a busy machine does not
// move it, as it would move a mean.

#include <algorithm>
#include <cstddef>
#include <vector>

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
