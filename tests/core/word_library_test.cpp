#include "library/folder_item_list.h"
#include "library/word_gathering.h"
#include "platform/disk_folder_lister.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace lumble {
namespace {

using testing::TempLibrary;

std::vector<std::string> namesOf(const std::vector<FolderEntry>& entries)
{
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

class WordLibraryTest : public ::testing::Test {
protected:
    TempLibrary library;
    DiskFolderLister lister;
};

TEST_F(WordLibraryTest, WordListsAreTheVisibleEntriesOfWords)
{
    library.addFolder("words/Colours");
    library.addFolder("words/Animals");
    library.addFolder("words/Farm Animals");
    library.addFolder("words/.hidden list");
    library.addFile("words/notes.txt");
    EXPECT_EQ(FolderItemList(lister, library.words()),
              (std::vector<std::string>{"Animals", "Colours", "Farm Animals", "notes.txt"}));
}

TEST_F(WordLibraryTest, NumbersSortInNumericOrder)
{
    for (const auto* name : {"List 10", "List 2", "List 1", "list 3"})
        library.addFolder(std::filesystem::path("words") / name);
    EXPECT_EQ(FolderItemList(lister, library.words()),
              (std::vector<std::string>{"List 1", "List 2", "list 3", "List 10"}));
}

TEST_F(WordLibraryTest, MissingEmptyOrFileGivesNoNamesAndSaysWhy)
{
    EXPECT_TRUE(FolderItemList(lister, library.words()).empty());
    EXPECT_EQ(lister.list(library.words()).problem, ListingProblem::missing);
    library.addFile("words", "not a folder");
    EXPECT_TRUE(FolderItemList(lister, library.words()).empty());
    EXPECT_EQ(lister.list(library.words()).problem, ListingProblem::notAFolder);
    library.addFolder("empty");
    EXPECT_TRUE(lister.list(library.root() / "empty").entries.empty());
    EXPECT_EQ(lister.list(library.root() / "empty").problem, ListingProblem::none);
}

TEST_F(WordLibraryTest, UnreadableFolderIsReported)
{
    std::filesystem::permissions(library.root(), std::filesystem::perms::all);
    const auto folder = library.addFolder("words");
    library.addFolder("words/Animals");
    std::filesystem::permissions(folder, std::filesystem::perms::none);
    // Root reads every folder, so the listing runs in a child that drops to nobody.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        const auto listing = lister.list(folder);
        _exit(listing.problem == ListingProblem::unreadable && listing.entries.empty() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(WordLibraryTest, NamesThatAreNotUtf8AreListedAndStillOpen)
{
    const auto path = library.addFile("words/Odd/g/caf\xE9.png", "bytes");
    const auto items = gatherWordItems(lister, library.words() / "Odd");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items.front().name, "caf\xEF\xBF\xBD.png");
    EXPECT_EQ(items.front().path, path);
    EXPECT_TRUE(std::ifstream(items.front().path).good());
}

TEST_F(WordLibraryTest, GatheringTakesTheVisibleItemsOfEveryGroup)
{
    library.addFile("words/Animals/g1/a.jpg");
    library.addFile("words/Animals/g1/b.jpg");
    library.addFile("words/Animals/g2/c.png");
    library.addFile("words/Animals/loose.png");
    library.addFile("words/Animals/.secret group/d.png");
    library.addFile("words/Animals/g2/.DS_Store");
    library.addFile("words/Animals/g2/sub/never reached.png");
    auto names = namesOf(gatherWordItems(lister, library.words() / "Animals"));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.jpg", "b.jpg", "c.png", "d.png", "sub"}));
}

TEST_F(WordLibraryTest, ChildNamedFindsTheListAgain)
{
    library.addFolder("words/Farm Animals");
    const auto found = childNamed(lister, library.words(), "Farm Animals");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, library.words() / "Farm Animals");
    EXPECT_FALSE(childNamed(lister, library.words(), "farm animals"));
    EXPECT_FALSE(childNamed(lister, library.words(), ""));
}

TEST_F(WordLibraryTest, SymbolicLinkLoopIsJustAnEntry)
{
    library.addFolder("words/Loop/g");
    std::filesystem::create_symlink("loop", library.words() / "Loop/g/loop");
    EXPECT_EQ(namesOf(gatherWordItems(lister, library.words() / "Loop")), (std::vector<std::string>{"loop"}));
    const auto loop = lister.list(library.words() / "Loop/g/loop");
    EXPECT_TRUE(loop.entries.empty());
    EXPECT_NE(loop.problem, ListingProblem::none);
}

} // namespace
} // namespace lumble
