#include "text/fields.h"

namespace lumble {

std::string field(std::string_view text, char separator, int n)
{
    for (int current = 1; current < n; ++current) {
        const auto next = text.find(separator);
        if (next == std::string_view::npos)
            return {};
        text.remove_prefix(next + 1);
    }
    return std::string(text.substr(0, text.find(separator)));
}

int fieldCount(std::string_view text, char separator)
{
    int count = 1;
    for (const char c : text)
        count += c == separator ? 1 : 0;
    return count;
}

std::vector<std::string> splitAtSpaces(std::string_view phrase)
{
    std::vector<std::string> words;
    while (true) {
        const auto space = phrase.find(' ');
        words.emplace_back(phrase.substr(0, space));
        if (space == std::string_view::npos)
            return words;
        phrase.remove_prefix(space + 1);
    }
}

} // namespace lumble
