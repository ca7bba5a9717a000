#include "analysis/chance_statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace morvelin {

namespace {

double LogBinomialTerm(int n, double p, int j)
{
    return std::lgamma(n + 1.0) - std::lgamma(j + 1.0) - std::lgamma(n - j + 1.0) + j * std::log(p)
           + (n - j) * std::log1p(-p);
}

// The sum of the terms j = from, from + step, ... while inside 0..n, stopped once the terms
// have fallen far below the sum: moving away from the mode they only get smaller.
double SumTerms(int n, double p, int from, int step)
{
    const double first = LogBinomialTerm(n, p, from);
    double sum = 0;
    for (int j = from; j >= 0 && j <= n; j += step) {
        const double relative = std::exp(LogBinomialTerm(n, p, j) - first);
        sum += relative;
        const bool pastMode = step > 0 ? j >= n * p : j <= n * p;
        if (pastMode && relative < 1e-17 * sum)
            break;
    }
    return std::exp(first) * sum;
}

// The regularized lower incomplete gamma P(a, x) by its series, for x < a + 1.
double LowerGammaSeries(double a, double x)
{
    double term = 1.0 / a;
    double sum = term;
    for (int k = 1; k < 10000; ++k) {
        term *= x / (a + k);
        sum += term;
        if (term < sum * 1e-16)
            break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// The regularized upper incomplete gamma Q(a, x) by Lentz's continued fraction, x >= a + 1.
double UpperGammaFraction(double a, double x)
{
    constexpr double kTiny = 1e-300;
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 10000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < kTiny)
            d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny)
            c = kTiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-16)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

double BinomialUpperTail(int n, double p, int k)
{
    if (k <= 0)
        return 1;
    if (k > n)
        return 0;
    // Above the mean the upper terms are few and small; below it, one minus the lower tail.
    if (k >= n * p)
        return std::min(1.0, SumTerms(n, p, k, +1));
    return std::max(0.0, 1 - SumTerms(n, p, k - 1, -1));
}

double BinomialLowerTail(int n, double p, int k)
{
    if (k < 0)
        return 0;
    if (k >= n)
        return 1;
    if (k <= n * p)
        return std::min(1.0, SumTerms(n, p, k, -1));
    return std::max(0.0, 1 - SumTerms(n, p, k + 1, +1));
}

std::vector<bool> HolmRejections(std::span<const double> pValues, double alpha)
{
    std::vector<std::size_t> order(pValues.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return pValues[a] < pValues[b]; });
    std::vector<bool> rejected(pValues.size(), false);
    const std::size_t m = pValues.size();
    for (std::size_t rank = 0; rank < m; ++rank) {
        if (pValues[order[rank]] > alpha / double(m - rank))
            break;
        rejected[order[rank]] = true;
    }
    return rejected;
}

double ChiSquareUpperTail(double x, double degreesOfFreedom)
{
    if (x <= 0)
        return 1;
    const double a = degreesOfFreedom / 2;
    const double half = x / 2;
    if (half < a + 1)
        return 1 - LowerGammaSeries(a, half);
    return UpperGammaFraction(a, half);
}

} // namespace morvelin
