#include "Rng.h"

#include <cmath>

Rng::Rng(std::uint64_t seed) : m_state(seed) { }

std::uint64_t Rng::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double Rng::range(double low, double high)
{
    return low + (high - low) * uniform();
}

double Rng::gauss()
{
    // Sum of four uniforms (Irwin-Hall) scaled to unit variance: cheap and bounded.
    double sum = uniform() + uniform() + uniform() + uniform();
    return (sum - 2.0) * std::sqrt(3.0);
}
