#include "library/word_gathering.h"
#include "support/recording_lister.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

namespace lumble {
namespace {

std::vector<std::string> namesOf(const std::vector<FolderEntry>& entries)
{
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

struct GatheringCase {
    const char* what;
    std::vector<std::string> files;   // inside the word list
    std::vector<std::string> folders; // inside the word list
    std::vector<std::string> gathered;
};

const GatheringCase gatheringCases[] = {
    {"two groups", {"g1/a.jpg", "g1/b.jpg", "g2/c.png"}, {}, {"a.jpg", "b.jpg", "c.png"}},
    {"groups in listing order, items group by group",
     {"g10/x.png", "g2/y.png", "g2/a.png"},
     {},
     {"a.png", "y.png", "x.png"}},
    {"files outside any group", {"loose.png", "g/a.jpg"}, {}, {"a.jpg"}},
    {"a group named with a dot is searched", {".secret group/d.png"}, {}, {"d.png"}},
    {"items named with a dot are not", {"g/.DS_Store", "g/.e.png", "g/a.jpg"}, {}, {"a.jpg"}},
    {"a folder is an item, its insides never", {"g/sub/never reached.png"}, {}, {"sub"}},
    {"only empty groups", {}, {"g1", "g2"}, {}},
    {"no groups", {}, {}, {}},
};

class WordGatheringTest : public ::testing::TestWithParam<GatheringCase> {};

TEST_P(WordGatheringTest, TakesTheVisibleItemsOfEveryGroup)
{
    testing::TempLibrary library;
    const auto list = library.addFolder("words/List");
    for (const auto& file : GetParam().files)
        library.addFile(list / file);
    for (const auto& folder : GetParam().folders)
        library.addFolder(list / folder);
    EXPECT_EQ(namesOf(gatherWordItems(testing::RecordingLister(), list)), GetParam().gathered);
}

INSTANTIATE_TEST_SUITE_P(Lists, WordGatheringTest, ::testing::ValuesIn(gatheringCases));

class WordGatheringOnDiskTest : public ::testing::Test {
protected:
    testing::TempLibrary library;
    testing::RecordingLister lister;
};

TEST_F(WordGatheringOnDiskTest, GroupsReportedHiddenAreSearchedItemsAreNot)
{
    library.addFile("words/List/Hidden group/a.jpg");
    library.addFile("words/List/g/Hidden item.jpg");
    library.addFile("words/List/g/b.jpg");
    lister.hidden = {"Hidden group", "Hidden item.jpg"};
    EXPECT_EQ(namesOf(gatherWordItems(lister, library.words() / "List")),
              (std::vector<std::string>{"b.jpg", "a.jpg"}));
}

TEST_F(WordGatheringOnDiskTest, ListsEachFolderOnce)
{
    library.addFile("words/List/g1/a.jpg");
    library.addFile("words/List/g2/b.jpg");
    library.addFile("words/List/g2/c.jpg");
    gatherWordItems(lister, library.words() / "List");
    const std::vector<std::filesystem::path> expected{library.words() / "List", library.words() / "List/g1",
                                                      library.words() / "List/g2"};
    EXPECT_EQ(lister.listed, expected);
}

TEST_F(WordGatheringOnDiskTest, AFileOrAMissingListGathersNothing)
{
    EXPECT_TRUE(gatherWordItems(lister, library.addFile("words/notes.txt", "a\n")).empty());
    EXPECT_TRUE(gatherWordItems(lister, library.words() / "gone").empty());
}

TEST_F(WordGatheringOnDiskTest, SymbolicLinkLoopIsJustAnItem)
{
    library.addFolder("words/Loop/g");
    std::filesystem::create_symlink("loop", library.words() / "Loop/g/loop");
    EXPECT_EQ(namesOf(gatherWordItems(lister, library.words() / "Loop")), (std::vector<std::string>{"loop"}));
}

} // namespace
} // namespace lumble
