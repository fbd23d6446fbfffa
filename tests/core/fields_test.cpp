#include "text/fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumble {
namespace {

struct FieldCase {
    std::string text;
    int count;
    std::vector<std::string> fields; // fields 1 to count, then one past the last
};

const FieldCase fieldCases[] = {
    {"the cat sat.cat.jpg", 3, {"the cat sat", "cat", "jpg", ""}},
    {"elephant", 1, {"elephant", ""}},
    {"big dog.dog", 2, {"big dog", "dog", ""}},
    {"a..b", 3, {"a", "", "b", ""}},
    {".png", 2, {"", "png", ""}},
    {"cat.", 2, {"cat", "", ""}},
    {"", 1, {"", ""}},
};

class FieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, CutsAtEverySeparator)
{
    const auto& c = GetParam();
    EXPECT_EQ(fieldCount(c.text, '.'), c.count);
    for (std::size_t n = 0; n < c.fields.size(); ++n)
        EXPECT_EQ(field(c.text, '.', static_cast<int>(n) + 1), c.fields[n]) << "field " << n + 1;
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldTest, ::testing::ValuesIn(fieldCases));

TEST(Field, UsesTheSeparatorAsked)
{
    EXPECT_EQ(field("a.b*c.d*e", '*', 2), "c.d");
    EXPECT_EQ(fieldCount("a.b*c.d*e", '*'), 3);
}

struct SplitCase {
    std::string phrase;
    std::vector<std::string> words;
};

const SplitCase splitCases[] = {
    {"the cat sat", {"the", "cat", "sat"}},
    {"elephant", {"elephant"}},
    {"the  cat", {"the", "", "cat"}},
    {" big dog ", {"", "big", "dog", ""}},
    {"   ", {"", "", "", ""}},
    {"", {""}},
    {"a\tb\xC2\xA0"
     "c",
     {"a\tb\xC2\xA0"
      "c"}}, // only the plain space cuts
};

class SplitAtSpacesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAtSpacesTest, KeepsEmptyWords)
{
    EXPECT_EQ(splitAtSpaces(GetParam().phrase), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Phrases, SplitAtSpacesTest, ::testing::ValuesIn(splitCases));

} // namespace
} // namespace lumble
