#include "common/random_source.h"

namespace morvelin {

SeededRandomSource::SeededRandomSource() : m_engine(std::random_device{}()) {}

int SeededRandomSource::uniform(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace morvelin
