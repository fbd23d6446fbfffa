#include "support/temp_library.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace lumble::testing {

TempLibrary::TempLibrary()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lumble-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    root_ = pattern;
}

TempLibrary::~TempLibrary()
{
    std::error_code ignored;
    // Tests may take read permission away; give it back so the folder can go.
    for (auto it = std::filesystem::recursive_directory_iterator(
             root_, std::filesystem::directory_options::skip_permission_denied, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempLibrary::addFolder(const std::filesystem::path& relative)
{
    const auto path = root_ / relative;
    std::filesystem::create_directories(path);
    return path;
}

std::filesystem::path TempLibrary::addFile(const std::filesystem::path& relative, std::string_view contents)
{
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path;
}

} // namespace lumble::testing
