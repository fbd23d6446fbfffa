#pragma once

#include "platform/random_source.h"

#include <cstdint>
#include <string_view>

namespace lumble::fuzzing {

// Draws come from the fuzzer's bytes, so it can steer every random choice.
class BytesRandom : public RandomSource {
public:
    explicit BytesRandom(std::string_view bytes) : bytes_(bytes) {}
    std::size_t below(std::size_t n) override
    {
        const auto byte = bytes_.empty() ? 0 : static_cast<std::uint8_t>(bytes_.front());
        if (!bytes_.empty())
            bytes_.remove_prefix(1);
        return byte % n;
    }

private:
    std::string_view bytes_;
};

} // namespace lumble::fuzzing
