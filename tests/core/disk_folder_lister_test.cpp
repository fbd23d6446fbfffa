#include "platform/disk_folder_lister.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

#include <fstream>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumble {
namespace {

using testing::TempLibrary;

std::vector<std::string> namesOf(const FolderListing& listing)
{
    std::vector<std::string> names;
    for (const auto& entry : listing.entries)
        names.push_back(entry.name);
    return names;
}

class DiskFolderListerTest : public ::testing::Test {
protected:
    TempLibrary library;
    DiskFolderLister lister;
};

TEST_F(DiskFolderListerTest, ListsEveryEntryOnceWithItsNameAndVisibility)
{
    library.addFolder("words/Farm Animals");
    library.addFile("words/notes.TXT");
    library.addFolder("words/.hidden list");
    library.addFile("words/.DS_Store");
    const auto listing = lister.list(library.words());
    EXPECT_EQ(listing.problem, ListingProblem::none);
    const std::vector<FolderEntry> expected{
        {library.words() / ".DS_Store", ".DS_Store", false},
        {library.words() / ".hidden list", ".hidden list", false},
        {library.words() / "Farm Animals", "Farm Animals", true},
        {library.words() / "notes.TXT", "notes.TXT", true},
    };
    EXPECT_EQ(listing.entries, expected);
}

TEST_F(DiskFolderListerTest, OrdersAsAFileManagerDoes)
{
    for (const auto* name : {"List 10", "List 2", "apple", "List 1", "list 3", "Zoo"})
        library.addFolder(std::filesystem::path("words") / name);
    EXPECT_EQ(namesOf(lister.list(library.words())),
              (std::vector<std::string>{"apple", "List 1", "List 2", "list 3", "List 10", "Zoo"}));
}

TEST_F(DiskFolderListerTest, NamesThatCompareEqualKeepTheirByteOrder)
{
    // The same name composed and decomposed: two entries, one shown name.
    const auto decomposed = library.addFile("words/cafe\xCC\x81");
    const auto composed = library.addFile("words/caf\xC3\xA9");
    const auto listing = lister.list(library.words());
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_EQ(listing.entries[0].path, decomposed);
    EXPECT_EQ(listing.entries[1].path, composed);
    EXPECT_EQ(namesOf(listing), (std::vector<std::string>{"caf\xC3\xA9", "caf\xC3\xA9"}));
}

TEST_F(DiskFolderListerTest, NameThatIsNotUtf8IsListedAndItsPathOpens)
{
    const auto path = library.addFile("words/caf\xE9.png", "bytes");
    const auto listing = lister.list(library.words());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries.front().name, "caf\xEF\xBF\xBD.png");
    EXPECT_EQ(listing.entries.front().path, path);
    EXPECT_TRUE(std::ifstream(listing.entries.front().path).good());
}

TEST_F(DiskFolderListerTest, SaysWhyThereAreNoEntries)
{
    std::filesystem::create_symlink("loop", library.root() / "loop");
    const struct {
        std::filesystem::path folder;
        ListingProblem problem;
    } cases[] = {
        {library.words(), ListingProblem::missing},
        {library.addFile("notes.txt", "text"), ListingProblem::notAFolder},
        {library.root() / "notes.txt/inside", ListingProblem::missing},
        {library.addFolder("empty"), ListingProblem::none},
        {library.root() / "loop", ListingProblem::unreadable},
    };
    for (const auto& example : cases) {
        const auto listing = lister.list(example.folder);
        EXPECT_TRUE(listing.entries.empty()) << example.folder;
        EXPECT_EQ(listing.problem, example.problem) << example.folder;
    }
}

// Root reads every folder, so the listing runs in a child that drops to the
// unprivileged user "nobody" first. Exit status 77: it could not drop.
template <typename Check> int exitStatusAsUnprivileged(Check check)
{
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        constexpr id_t nobody = 65534;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0))
            _exit(77);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST_F(DiskFolderListerTest, FolderWithoutPermissionIsUnreadable)
{
    std::filesystem::permissions(library.root(), std::filesystem::perms::all);
    const auto words = library.addFolder("words");
    library.addFolder("words/Animals/g1");
    std::filesystem::permissions(words, std::filesystem::perms::none);
    // The folder itself, and one that cannot be reached through it.
    const int status = exitStatusAsUnprivileged([&] {
        for (const auto& folder : {words, words / "Animals"}) {
            const auto listing = lister.list(folder);
            if (listing.problem != ListingProblem::unreadable || !listing.entries.empty())
                return false;
        }
        return true;
    });
    if (status == 77)
        GTEST_SKIP() << "running as root and cannot drop to an unprivileged user";
    EXPECT_EQ(status, 0);
}

} // namespace
} // namespace lumble
