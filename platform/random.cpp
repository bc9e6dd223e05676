#include "random.h"

namespace platform {

SystemRandom::SystemRandom() : engine_(std::random_device{}()) {}

SystemRandom::SystemRandom(uint64_t seed) : engine_(seed) {}

double SystemRandom::next()
{
    double v = unit_(engine_);
    return v >= 1.0 ? 0.0 : v;
}

} // namespace platform
