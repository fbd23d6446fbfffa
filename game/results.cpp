#include "game/results.h"

namespace lumble {

std::string scoreText(int countCorrect, int countViewed)
{
    return std::to_string(countCorrect) + " out of " + std::to_string(countViewed);
}

} // namespace lumble
