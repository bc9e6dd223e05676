#pragma once
#include <cstdint>
#include <random>

namespace platform {

// Numbers in [0, 1), the classic Rnd.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

// One generator, seeded once when it is made.
class SystemRandom final : public Random {
public:
    SystemRandom();
    explicit SystemRandom(uint64_t seed);
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

} // namespace platform
