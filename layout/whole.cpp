#include "layout/whole.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lumble {

int whole(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<int>(std::round(std::clamp(value, lowest, highest)));
}

} // namespace lumble
