#include "library/substitution.h"
#include "platform/file_text_reader.h"
#include "support/temp_library.h"

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

TEST(FileTextReader, ReadsLinesAsAReadLineLoopWould)
{
    testing::TempLibrary folder;
    const struct {
        std::string contents;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {""}},
        {"a*b\n", {"a*b"}},
        {"a*b\nc*d", {"a*b", "c*d"}},
        {"a*b\r\nc*d\r\n", {"a*b", "c*d"}},
        {"\n\n", {"", ""}},
        {"cafe\xCC\x81*\xFF\n", {"caf\xC3\xA9*\xEF\xBF\xBD"}},
    };
    FileTextReader reader;
    for (const auto& example : cases) {
        const auto file = folder.addFile("CharacterSubstitution.txt", example.contents);
        EXPECT_EQ(reader.readLines(file), example.lines) << example.contents;
    }
}

TEST(FileTextReader, RefusesWhatIsNotARegularFileAndCapsTheSize)
{
    testing::TempLibrary folder;
    FileTextReader reader(8);
    EXPECT_FALSE(reader.readLines(folder.root() / "missing.txt"));
    EXPECT_FALSE(reader.readLines(folder.addFolder("a folder")));
    EXPECT_EQ(reader.readLines(folder.addFile("long.txt", "0123456789abcdef")),
              (std::vector<std::string>{"01234567"}));
}

} // namespace
} // namespace lumble
