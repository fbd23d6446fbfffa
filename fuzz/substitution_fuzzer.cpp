// Any line splits into a key without "*" and a value without "*" that come from the line.
#include "library/substitution.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto [key, value] = lumble::splitSubstitutionLine(line);
    if (key.find('*') != std::string::npos || value.find('*') != std::string::npos)
        std::abort();
    if (line.substr(0, key.size()) != key)
        std::abort();
    const bool hasStar = line.find('*') != std::string_view::npos;
    if (hasStar ? line.substr(key.size() + 1, value.size()) != value : !value.empty())
        std::abort();

    lumble::SubstitutionTable table;
    table.set(key, value);
    if (table.lookup(key) != value)
        std::abort();
    return 0;
}
