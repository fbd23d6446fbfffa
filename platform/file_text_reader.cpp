#include "platform/file_text_reader.h"

#include "text/unicode_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumble {

namespace {

std::optional<std::string> readRegularFile(const std::filesystem::path& file, std::size_t limit)
{
    // Whatever the path turns out to be, opening it must neither wait (a FIFO
    // without a writer) nor make a terminal ours.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat facts {};
    if (::fstat(fd, &facts) != 0 || !S_ISREG(facts.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string contents;
    char buffer[65536];
    while (contents.size() < limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (contents.size() > limit)
        contents.resize(limit);
    return contents;
}

} // namespace

std::optional<std::vector<std::string>> FileTextReader::readLines(const std::filesystem::path& file) const
{
    const auto contents = readRegularFile(file, limit_);
    if (!contents)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string_view rest = *contents;
    // Windows editors often begin a UTF-8 file with a byte order mark; it is no
    // part of the first line's text.
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    // A read-line loop reads at least once, and a final line ending ends the last line.
    do {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(toNfc(line));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    } while (!rest.empty());
    return lines;
}

} // namespace lumble
