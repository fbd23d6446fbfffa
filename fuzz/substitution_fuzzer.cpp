// Any line splits into a key without "*" and a value without "*" that come from
// the line, and the table finds the key under exactly the texts equal to it
// ignoring case. Input: the line, then after a newline a typed key.
#include "fuzz/require.h"
#include "library/substitution.h"
#include "text/unicode_text.h"

using lumble::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\n');
    const std::string_view raw = input.substr(0, split);
    const auto [rawKey, rawValue] = lumble::splitSubstitutionLine(raw);
    require(rawKey.find('*') == std::string::npos && rawValue.find('*') == std::string::npos);
    require(raw.substr(0, rawKey.size()) == rawKey);
    const bool hasStar = raw.find('*') != std::string_view::npos;
    require(hasStar ? raw.substr(rawKey.size() + 1, rawValue.size()) == rawValue : rawValue.empty());

    // Lines and typed keys reach the table as NFC text.
    const auto [key, value] = lumble::splitSubstitutionLine(lumble::toNfc(raw));
    const std::string typed = lumble::toNfc(split == std::string_view::npos ? "" : input.substr(split + 1));
    lumble::SubstitutionTable table;
    table.set(key, value);
    require(table.size() == 1 && table.lookup(key) == value);
    const auto found = table.lookup(typed);
    require(found.has_value() == lumble::equalsIgnoringCase(typed, key));
    require(!found || *found == value);
    return 0;
}
