#include "library/word_gathering.h"

#include "library/folder_item_list.h"

namespace lumble {

std::vector<FolderEntry> gatherWordItems(const FolderLister& lister, const std::filesystem::path& wordList)
{
    std::vector<FolderEntry> items;
    // Groups are searched whatever their name; only the items must be visible.
    for (const auto& group : lister.list(wordList).entries) {
        for (auto& item : lister.list(group.path).entries) {
            if (passesVisibilityRule(item))
                items.push_back(std::move(item));
        }
    }
    return items;
}

} // namespace lumble
