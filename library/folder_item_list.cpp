#include "library/folder_item_list.h"

namespace lumble {

bool passesVisibilityRule(const FolderEntry& entry)
{
    return entry.visible && !entry.name.starts_with('.');
}

std::vector<std::string> FolderItemList(const FolderLister& lister, const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (auto& entry : lister.list(folder).entries) {
        if (passesVisibilityRule(entry))
            names.push_back(std::move(entry.name));
    }
    return names;
}

std::optional<FolderEntry> childNamed(const FolderLister& lister, const std::filesystem::path& folder,
                                      const std::string& name)
{
    for (auto& entry : lister.list(folder).entries) {
        if (entry.name == name)
            return std::move(entry);
    }
    return std::nullopt;
}

} // namespace lumble
