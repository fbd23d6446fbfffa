#include "platform/system_random.h"

namespace lumble {

SystemRandom::SystemRandom() : engine_(std::random_device{}()) {}

std::size_t SystemRandom::below(std::size_t n)
{
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
}

} // namespace lumble
