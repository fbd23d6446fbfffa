#pragma once

#include "platform/text_file_reader.h"

#include <cstddef>

namespace lumble {

// Reads regular files only, so a FIFO or a device can never block the game,
// and at most `limit` bytes of them. Bytes that are not UTF-8 become U+FFFD; a
// NUL byte stays in its line like any other character. A UTF-8 byte order mark
// at the start is dropped.
class FileTextReader : public TextFileReader {
public:
    static constexpr std::size_t defaultLimit = 4 * 1024 * 1024;
    explicit FileTextReader(std::size_t limit = defaultLimit) : limit_(limit) {}

    std::optional<std::vector<std::string>> readLines(const std::filesystem::path& file) const override;

private:
    std::size_t limit_;
};

} // namespace lumble
