#pragma once

#include "platform/folder_lister.h"

#include <unicode/uversion.h>

#include <memory>
#include <string>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace lumble {

// Lists folders on disk in the order a file manager shows them: names compared
// for the user's language, with numbers in numeric order ("List 2" before
// "List 10"). Never throws and never follows more than the one folder asked for.
class DiskFolderLister : public FolderLister {
public:
    DiskFolderLister();
    ~DiskFolderLister() override;

    FolderListing list(const std::filesystem::path& folder) const override;

private:
    // Bytes that sort as the collator orders the names.
    std::string sortKey(const std::string& name) const;

    std::unique_ptr<icu::Collator> collator_;
};

} // namespace lumble
