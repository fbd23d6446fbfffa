#include "library/substitution.h"

#include <gtest/gtest.h>

namespace lumble {
namespace {

TEST(SubstitutionLine, SplitsAtTheFirstTwoStars)
{
    const struct {
        std::string line;
        SubstitutionLine expected;
    } cases[] = {
        {"a*b", {"a", "b"}}, {"ab*c", {"ab", "c"}}, {"a*b*c", {"a", "b"}}, {"a*", {"a", ""}},
        {"a", {"a", ""}},    {"*b", {"", "b"}},     {"", {"", ""}},        {"**", {"", ""}},
    };
    for (const auto& example : cases)
        EXPECT_EQ(splitSubstitutionLine(example.line), example.expected) << example.line;
}

TEST(SubstitutionTable, KeysIgnoreCaseAndLookupIsOneStep)
{
    SubstitutionTable table;
    table.set("a", "1");
    table.set("A", "2");
    table.set("b", "c");
    table.set("c", "d");
    table.set("\xC3\x89", "e"); // É
    EXPECT_EQ(table.size(), 4u);
    EXPECT_EQ(table.lookup("a"), "2");
    EXPECT_EQ(table.lookup("b"), "c");
    EXPECT_EQ(table.lookup("\xC3\xA9"), "e");
    EXPECT_FALSE(table.lookup("z"));
    table.clear();
    EXPECT_FALSE(table.lookup("a"));
}

} // namespace
} // namespace lumble
