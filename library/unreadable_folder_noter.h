#pragma once

#include "platform/folder_lister.h"

#include <vector>

namespace lumble {

// Lists through another lister and notes every folder that could not be read,
// so that the game can name it for the adult instead of quietly playing less.
class UnreadableFolderNoter : public FolderLister {
public:
    explicit UnreadableFolderNoter(const FolderLister& lister) : lister_(lister) {}

    FolderListing list(const std::filesystem::path& folder) const override
    {
        auto listing = lister_.list(folder);
        if (listing.problem == ListingProblem::unreadable)
            unreadable_.push_back(folder);
        return listing;
    }

    const std::vector<std::filesystem::path>& unreadable() const { return unreadable_; }

private:
    const FolderLister& lister_;
    mutable std::vector<std::filesystem::path> unreadable_;
};

} // namespace lumble
