#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumble {

// Reads a text file as the lines a read-line loop would give: each line without
// its ending ("\n" or "\r\n"), at least one line even for an empty file, text
// as NFC UTF-8. Nothing when the file cannot be opened as a regular file.
class TextFileReader {
public:
    virtual ~TextFileReader() = default;
    virtual std::optional<std::vector<std::string>> readLines(const std::filesystem::path& file) const = 0;
};

} // namespace lumble
