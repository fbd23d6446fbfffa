#pragma once

#include <cstddef>
#include <utility>

namespace lumble {

// The game's only source of chance, injectable so tests can fix every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number in [0, n); n is at least 1.
    virtual std::size_t below(std::size_t n) = 0;
};

// Fisher-Yates over any random-access sequence.
template <typename Sequence> void shuffle(Sequence& items, RandomSource& random)
{
    for (std::size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[random.below(i)]);
}

} // namespace lumble
