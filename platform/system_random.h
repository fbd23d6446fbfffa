#pragma once

#include "platform/random_source.h"

#include <random>

namespace lumble {

// Seeded from the system, so every game is shuffled afresh.
class SystemRandom : public RandomSource {
public:
    SystemRandom();
    std::size_t below(std::size_t n) override;

private:
    std::mt19937_64 engine_;
};

} // namespace lumble
