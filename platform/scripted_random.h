#pragma once
#include "random.h"
#include <cstddef>
#include <vector>

namespace platform {

// Hands out the numbers it was given, in order, starting over at the end.
// With no script it always answers `fallback`.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<double> script = {}, double fallback = 0.0)
        : script_(std::move(script)), fallback_(fallback) {}

    double next() override
    {
        ++draws_;
        if (script_.empty())
            return fallback_;
        double v = script_[pos_];
        pos_ = (pos_ + 1) % script_.size();
        return v;
    }
    void set_script(std::vector<double> script) { script_ = std::move(script); pos_ = 0; }
    std::size_t draws() const { return draws_; }

private:
    std::vector<double> script_;
    double fallback_;
    std::size_t pos_ = 0;
    std::size_t draws_ = 0;
};

} // namespace platform
