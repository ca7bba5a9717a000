#pragma once
// @brief The arithmetic of chance behind "does this card come up more than chance
// explains?": binomial tails in log space, Holm's correction, and the chi-square tail.

#include <span>
#include <vector>

namespace morvelin {

// P(X >= k) for X ~ Binomial(n, p), exact, summed in log space so that n = 100,000 neither
// overflows nor underflows.
double BinomialUpperTail(int n, double p, int k);
// P(X <= k) for the same X.
double BinomialLowerTail(int n, double p, int k);

// For each p-value, whether Holm's step-down procedure rejects it at the given level:
// the family-wise error stays below alpha.
std::vector<bool> HolmRejections(std::span<const double> pValues, double alpha);

// P(Y >= x) for Y chi-square distributed with the given degrees of freedom.
double ChiSquareUpperTail(double x, double degreesOfFreedom);

} // namespace morvelin
