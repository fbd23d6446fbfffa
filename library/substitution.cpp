#include "library/substitution.h"

#include "text/unicode_text.h"

namespace lumble {

SubstitutionLine splitSubstitutionLine(std::string_view line)
{
    const auto first = line.find('*');
    if (first == std::string_view::npos)
        return {std::string(line), {}};
    const auto rest = line.substr(first + 1);
    return {std::string(line.substr(0, first)), std::string(rest.substr(0, rest.find('*')))};
}

void SubstitutionTable::clear()
{
    valuesByFoldedKey_.clear();
}

void SubstitutionTable::set(const std::string& key, const std::string& value)
{
    valuesByFoldedKey_.insert_or_assign(caseFoldKey(key), value);
}

std::optional<std::string> SubstitutionTable::lookup(std::string_view key) const
{
    const auto found = valuesByFoldedKey_.find(caseFoldKey(key));
    if (found == valuesByFoldedKey_.end())
        return std::nullopt;
    return found->second;
}

std::size_t SubstitutionTable::size() const
{
    return valuesByFoldedKey_.size();
}

} // namespace lumble
