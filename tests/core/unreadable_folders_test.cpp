#include "game/game.h"
#include "platform/disk_folder_lister.h"
#include "platform/file_text_reader.h"
#include "support/fakes.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace lumble {
namespace {

// The real folders, except those named in `unreadable`, which list as a folder
// without permission to read would, whoever runs the test.
class LockingLister : public FolderLister {
public:
    std::set<std::filesystem::path> unreadable;

    FolderListing list(const std::filesystem::path& folder) const override
    {
        if (unreadable.contains(folder))
            return {{}, ListingProblem::unreadable};
        return disk_.list(folder);
    }

private:
    DiskFolderLister disk_;
};

class UnreadableFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library.addFile("words/Locked/g/cow.png");
        library.addFile("words/Mixed/open/hen.png");
        library.addFile("words/Mixed/shut/pig.png");
        library.addFile("words/Empty/g/.hidden.png");
        lister.unreadable = {library.words() / "Locked", library.words() / "Mixed/shut"};
        window.pictures = {{"hen.png", {40, 30}}};
        game.Open();
    }

    void start(const std::string& list)
    {
        window.selectedRow =
            static_cast<int>(std::find(window.rows.begin(), window.rows.end(), list) - window.rows.begin());
        game.btnStart_Action();
    }

    testing::TempLibrary library;
    testing::FakeWindow window;
    testing::FakeSystem system{library.root()};
    LockingLister lister;
    FileTextReader reader;
    testing::ScriptedRandom random;
    Game game{window, system, lister, reader, random};
};

TEST_F(UnreadableFoldersTest, AnUnreadableListIsNamedAndStartBeeps)
{
    start("Locked");
    EXPECT_EQ(window.currentPage, 0);
    EXPECT_EQ(system.beeps, 1);
    EXPECT_EQ(window.text(Control::stinfo), "Cannot read the folder words/Locked");
}

TEST_F(UnreadableFoldersTest, AnUnreadableGroupIsNamedAndTheRestPlays)
{
    start("Mixed");
    EXPECT_EQ(window.currentPage, 1);
    EXPECT_EQ(game.state().WordFile->name, "hen.png");
    EXPECT_TRUE(game.state().WordList.empty());
    EXPECT_EQ(window.text(Control::stinfo), "Cannot read the folder words/Mixed/shut");
}

TEST_F(UnreadableFoldersTest, AListWithNothingToPlaySaysSo)
{
    start("Empty");
    EXPECT_EQ(system.beeps, 1);
    EXPECT_EQ(window.text(Control::stinfo), "The word list Empty has no pictures to play.");
}

} // namespace
} // namespace lumble
