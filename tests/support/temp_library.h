#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumble::testing {

// A temporary folder standing for the application folder, removed with the
// object. Paths are relative to it ("words/Animals/g1/cat.png").
class TempLibrary {
public:
    TempLibrary();
    ~TempLibrary();
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path words() const { return root_ / "words"; }

    // Creates the folder and its parents.
    std::filesystem::path addFolder(const std::filesystem::path& relative);
    // Creates the file (and its parent folders) holding `contents`.
    std::filesystem::path addFile(const std::filesystem::path& relative, std::string_view contents = {});

private:
    std::filesystem::path root_;
};

} // namespace lumble::testing
