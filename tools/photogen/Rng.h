#pragma once

#include <cstdint>

// Small deterministic generator (splitmix64): the same seed gives the same picture on every
// platform, which the standard distributions do not promise.
class Rng
{
public:
    explicit Rng(std::uint64_t seed);

    std::uint64_t next();
    double uniform(); // [0, 1)
    double range(double low, double high); // [low, high)
    double gauss(); // approximately N(0, 1)

private:
    std::uint64_t m_state;
};
