#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lumble {

// One entry of a folder as the game sees it. `path` keeps the exact bytes the
// file system gave, so the entry can be opened again even when its name is not
// valid UTF-8; `name` is that name as NFC UTF-8 text, ready to show and compare.
struct FolderEntry {
    std::filesystem::path path;
    std::string name;
    bool visible = true;

    bool operator==(const FolderEntry&) const = default;
};

enum class ListingProblem { none, missing, notAFolder, unreadable };

struct FolderListing {
    std::vector<FolderEntry> entries;
    ListingProblem problem = ListingProblem::none;
};

// Lists a folder's entries once, in the order a person expects to read them.
// A file, a missing path or an unreadable folder lists no entries and says why.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    virtual FolderListing list(const std::filesystem::path& folder) const = 0;
};

} // namespace lumble
