#include "platform/disk_folder_lister.h"

#include "text/unicode_text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <string_view>

namespace lumble {

namespace {

// Why a folder could not be opened for listing. Only a path that is not there
// is missing; one that cannot even be looked at (no permission on the way, a
// link loop) is unreadable.
ListingProblem problemOf(const std::filesystem::path& folder)
{
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return ListingProblem::missing;
    if (error)
        return ListingProblem::unreadable;
    if (!std::filesystem::is_directory(status))
        return ListingProblem::notAFolder;
    return ListingProblem::unreadable;
}

struct Sortable {
    std::string key;
    FolderEntry entry;
};

} // namespace

DiskFolderLister::DiskFolderLister()
{
    UErrorCode status = U_ZERO_ERROR;
    // The C locale maps to en_US_POSIX, whose byte-like order puts "Zoo" before
    // "apple"; people expect the common order there, as in any other language.
    const icu::Locale& user = icu::Locale::getDefault();
    const bool posix = std::string_view(user.getName()) == "en_US_POSIX";
    collator_.reset(icu::Collator::createInstance(posix ? icu::Locale::getRoot() : user, status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator_.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (collator_)
        collator_->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
}

DiskFolderLister::~DiskFolderLister() = default;

std::string DiskFolderLister::sortKey(const std::string& name) const
{
    if (!collator_)
        return {};
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    // Most keys fit in the first try; a longer one is asked for again at its size.
    std::string key(64, '\0');
    auto length =
        collator_->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    if (static_cast<std::size_t>(length) > key.size()) {
        key.resize(static_cast<std::size_t>(length));
        length = collator_->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), length);
    }
    key.resize(static_cast<std::size_t>(length));
    return key;
}

FolderListing DiskFolderLister::list(const std::filesystem::path& folder) const
{
    FolderListing listing;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        listing.problem = problemOf(folder);
        return listing;
    }

    std::vector<Sortable> sortable;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error) {
            listing.problem = ListingProblem::unreadable;
            break;
        }
        const std::string raw = it->path().filename().string();
        FolderEntry entry{it->path(), toNfc(raw), !raw.starts_with('.')};
        // One sort key per entry: far cheaper than asking the collator per comparison.
        sortable.push_back({sortKey(entry.name), std::move(entry)});
    }
    // Names the collator ranks equal fall back to their bytes, so the order is total.
    std::sort(sortable.begin(), sortable.end(), [](const Sortable& a, const Sortable& b) {
        return a.key != b.key ? a.key < b.key : a.entry.path.filename() < b.entry.path.filename();
    });
    listing.entries.reserve(sortable.size());
    for (auto& item : sortable)
        listing.entries.push_back(std::move(item.entry));
    return listing;
}

} // namespace lumble
