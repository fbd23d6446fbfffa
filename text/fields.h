#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumble {

// Field n (1-based) of a text cut at every `separator`; empty past the last.
std::string field(std::string_view text, char separator, int n);

// Number of fields; a text without the separator has one.
int fieldCount(std::string_view text, char separator);

// Words of a phrase cut at every single space: leading, trailing and repeated
// spaces give empty words.
std::vector<std::string> splitAtSpaces(std::string_view phrase);

} // namespace lumble
