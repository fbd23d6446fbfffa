#pragma once

#include "platform/disk_folder_lister.h"

#include <set>
#include <string>
#include <vector>

namespace lumble::testing {

// Lists the real folders, notes every folder it was asked for, and reports the
// entries named in `hidden` as hidden, as a system with its own hidden flag would.
class RecordingLister : public FolderLister {
public:
    std::set<std::string> hidden;
    mutable std::vector<std::filesystem::path> listed;

    FolderListing list(const std::filesystem::path& folder) const override
    {
        listed.push_back(folder);
        auto listing = disk_.list(folder);
        for (auto& entry : listing.entries)
            entry.visible = entry.visible && !hidden.contains(entry.name);
        return listing;
    }

private:
    DiskFolderLister disk_;
};

} // namespace lumble::testing
