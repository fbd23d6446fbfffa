#include "library/folder_item_list.h"
#include "support/recording_lister.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

namespace lumble {
namespace {

class FolderItemListTest : public ::testing::Test {
protected:
    testing::TempLibrary library;
    testing::RecordingLister lister;
};

TEST_F(FolderItemListTest, WordListsAreTheVisibleEntriesOfWords)
{
    library.addFolder("words/Colours");
    library.addFolder("words/Animals");
    library.addFolder("words/Farm Animals");
    library.addFolder("words/.hidden list");
    library.addFile("words/.DS_Store");
    library.addFile("words/notes.txt");
    EXPECT_EQ(FolderItemList(lister, library.words()),
              (std::vector<std::string>{"Animals", "Colours", "Farm Animals", "notes.txt"}));
}

TEST_F(FolderItemListTest, EntryReportedHiddenIsLeftOutWhateverItsName)
{
    library.addFolder("words/Animals");
    library.addFolder("words/Colours");
    lister.hidden = {"Colours"};
    EXPECT_EQ(FolderItemList(lister, library.words()), (std::vector<std::string>{"Animals"}));
}

TEST_F(FolderItemListTest, MissingEmptyOrFileGivesNoNames)
{
    EXPECT_TRUE(FolderItemList(lister, library.words()).empty());
    library.addFolder("empty");
    EXPECT_TRUE(FolderItemList(lister, library.root() / "empty").empty());
    library.addFile("words", "not a folder");
    EXPECT_TRUE(FolderItemList(lister, library.words()).empty());
}

TEST_F(FolderItemListTest, ChildNamedFindsTheListAgain)
{
    library.addFolder("words/Farm Animals");
    const auto found = childNamed(lister, library.words(), "Farm Animals");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, library.words() / "Farm Animals");
    EXPECT_FALSE(childNamed(lister, library.words(), "farm animals"));
    EXPECT_FALSE(childNamed(lister, library.words(), ""));
}

} // namespace
} // namespace lumble
