#pragma once

#include <string>

namespace lumble {

// "7 out of 10".
std::string scoreText(int countCorrect, int countViewed);

} // namespace lumble
