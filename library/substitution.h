#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumble {

struct SubstitutionLine {
    std::string key;
    std::string value;
    bool operator==(const SubstitutionLine&) const = default;
};

// Key: the text before the first "*" (the whole line without one). Value: the
// text between the first and second "*", or everything after the first.
SubstitutionLine splitSubstitutionLine(std::string_view line);

// Keys typed on the word page mapped to the text to check instead; keys that
// differ only in letter case are one key.
class SubstitutionTable {
public:
    void clear();
    void set(const std::string& key, const std::string& value);
    std::optional<std::string> lookup(std::string_view key) const;
    std::size_t size() const;

private:
    std::unordered_map<std::string, std::string> valuesByFoldedKey_;
};

} // namespace lumble
