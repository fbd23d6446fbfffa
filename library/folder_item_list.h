#pragma once

#include "platform/folder_lister.h"

#include <optional>
#include <string>
#include <vector>

namespace lumble {

// Whether an entry counts as a word list or word item: reported visible, and
// its name does not begin with ".".
bool passesVisibilityRule(const FolderEntry& entry);

// The names of a folder's entries that pass the visibility rule, in listing order.
std::vector<std::string> FolderItemList(const FolderLister& lister, const std::filesystem::path& folder);

// The first entry of `folder` whose name is exactly `name`.
std::optional<FolderEntry> childNamed(const FolderLister& lister, const std::filesystem::path& folder,
                                      const std::string& name);

} // namespace lumble
