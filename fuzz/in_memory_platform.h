#pragma once

#include "platform/folder_lister.h"
#include "platform/text_file_reader.h"
#include "text/unicode_text.h"

#include <map>

namespace lumble::fuzzing {

// Folders held in memory: a fuzz run plays thousands of games a second, far
// more than a library on disk would allow.
class InMemoryLister : public FolderLister {
public:
    void add(const std::filesystem::path& folder, const std::string& rawName)
    {
        folders_[folder].push_back({folder / rawName, toNfc(rawName), !rawName.starts_with('.')});
    }

    FolderListing list(const std::filesystem::path& folder) const override
    {
        const auto found = folders_.find(folder);
        if (found == folders_.end())
            return {{}, ListingProblem::missing};
        return {found->second, ListingProblem::none};
    }

private:
    std::map<std::filesystem::path, std::vector<FolderEntry>> folders_;
};

// Every file reads as the same lines.
class InMemoryReader : public TextFileReader {
public:
    std::vector<std::string> lines;

    std::optional<std::vector<std::string>> readLines(const std::filesystem::path&) const override
    {
        return lines;
    }
};

} // namespace lumble::fuzzing
