#pragma once

#include <concepts>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace orvane::generate {

// The generator's random numbers: std::mt19937_64, whose sequence the
// standard fixes, with distributions of our own (the standard library's
// differ between implementations), so a seed gives the same maze everywhere.
class Random {
public:
    explicit Random(uint64_t seed) : engine_(seed) {}

    // A number in 0..count-1, each equally likely; count must be above 0.
    template <std::integral T> T below(T count) { return T(draw(uint64_t(count))); }

    // True `times` in `outOf` times.
    bool chance(int times, int outOf) { return below(outOf) < times; }

    template <typename T> void shuffle(std::vector<T>& items)
    {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(i)]);
    }

    template <typename T> const T& pick(const std::vector<T>& items)
    {
        return items[below(items.size())];
    }

private:
    uint64_t draw(uint64_t count)
    {
        // Drop the top values that would favour the low results: 2^64 mod count.
        const uint64_t excess = (UINT64_MAX % count + 1) % count;
        uint64_t value = engine_();
        while (value > UINT64_MAX - excess)
            value = engine_();
        return value % count;
    }

    std::mt19937_64 engine_;
};

} // namespace orvane::generate
