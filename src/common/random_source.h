#pragma once
// @brief The program's one source of chance: a uniform integer 0..n-1.
// Seeded once for the whole run, so two draws in the same clock tick still differ;
// tests hand the windows a scripted source instead.

#include <random>

namespace morvelin {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0..n-1; n is at least 1.
    virtual int uniform(int n) = 0;
};

class SeededRandomSource final : public RandomSource {
public:
    SeededRandomSource();
    int uniform(int n) override;

private:
    std::mt19937 m_engine;
};

} // namespace morvelin
