#include "platform/file_text_reader.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace lumble {
namespace {

using namespace std::string_literals;

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
        // Only the "\r" of a line ending goes; one inside a line stays.
        {"a\rb\r\r\n", {"a\rb\r"}},
        {"cafe\xCC\x81*\xFF\n", {"caf\xC3\xA9*\xEF\xBF\xBD"}},
        // A NUL byte is kept as a character of its line.
        {"a\0*b\n"s, {"a\0*b"s}},
        // A byte order mark, as Windows editors write, is not part of the first key.
        {"\xEF\xBB\xBFx*c\r\ny*a\r\n", {"x*c", "y*a"}},
        {"\xEF\xBB\xBF", {""}},
    };
    FileTextReader reader;
    for (const auto& example : cases) {
        const auto file = folder.addFile("CharacterSubstitution.txt", example.contents);
        EXPECT_EQ(reader.readLines(file), example.lines) << example.contents;
    }
}

TEST(FileTextReader, FollowsALinkToARegularFile)
{
    testing::TempLibrary folder;
    folder.addFile("real.txt", "a*b\n");
    std::filesystem::create_symlink("real.txt", folder.root() / "CharacterSubstitution.txt");
    EXPECT_EQ(FileTextReader().readLines(folder.root() / "CharacterSubstitution.txt"),
              (std::vector<std::string>{"a*b"}));
}

// A FIFO with no writer would block a plain open or read for ever.
TEST(FileTextReader, RefusesWhatIsNotARegularFile)
{
    testing::TempLibrary folder;
    const auto fifo = folder.root() / "fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("missing.txt", folder.root() / "dangling.txt");
    const std::filesystem::path refused[] = {
        folder.root() / "missing.txt",
        folder.addFolder("a folder"),
        fifo,
        folder.root() / "dangling.txt",
        "/dev/null",
        "/dev/zero",
    };
    FileTextReader reader;
    for (const auto& path : refused)
        EXPECT_FALSE(reader.readLines(path)) << path;
}

TEST(FileTextReader, ReadsOnlyUpToItsLimit)
{
    testing::TempLibrary folder;
    EXPECT_EQ(FileTextReader(8).readLines(folder.addFile("long.txt", "0123456789abcdef")),
              (std::vector<std::string>{"01234567"}));
    EXPECT_EQ(FileTextReader(8).readLines(folder.addFile("lines.txt", "0123\n567\nabc")),
              (std::vector<std::string>{"0123", "567"}));
    // A limit that falls inside a later block of the read.
    const auto big = FileTextReader(100000).readLines(folder.addFile("big.txt", std::string(200000, 'x')));
    ASSERT_TRUE(big);
    EXPECT_EQ(*big, (std::vector<std::string>{std::string(100000, 'x')}));
}

} // namespace
} // namespace lumble
