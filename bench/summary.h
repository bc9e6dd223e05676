#pragma once
#include <algorithm>
#include <vector>

// Median, 99th percentile and maximum of a series of timings; zeros for an empty one.
struct Summary {
    double p50 = 0, p99 = 0, max = 0;
};

inline Summary summarise(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    auto at = [&](double q) { return v[std::min(v.size() - 1, static_cast<size_t>(q * v.size()))]; };
    return {at(0.5), at(0.99), v.back()};
}
