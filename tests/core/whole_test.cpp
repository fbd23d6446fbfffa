#include "layout/whole.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumble {
namespace {

TEST(Whole, RoundsToNearestWithHalvesAwayFromZero)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int expected;
    } cases[] = {
        {12.5, 13},
        {-12.5, -13},
        // Halves go away from zero, not to the even neighbour.
        {2.5, 3},
        {-2.5, -3},
        {0.5, 1},
        {-0.5, -1},
        {666.666, 667},
        {566.4, 566},
        {-0.4, 0},
        {-99.6, -100},
        {0.84, 1},
        {1e12, 2147483647},
        {-1e12, -2147483647 - 1},
        {infinity, 2147483647},
        {-infinity, -2147483647 - 1},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& example : cases)
        EXPECT_EQ(whole(example.value), example.expected) << example.value;
}

} // namespace
} // namespace lumble
