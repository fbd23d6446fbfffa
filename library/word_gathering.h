#pragma once

#include "platform/folder_lister.h"

#include <vector>

namespace lumble {

// Every word item of a word list: for each of its entries (the word groups,
// hidden or not), each entry that passes the visibility rule, in listing order.
// Each folder is listed once. A word list or group that is a file adds nothing.
std::vector<FolderEntry> gatherWordItems(const FolderLister& lister, const std::filesystem::path& wordList);

} // namespace lumble
