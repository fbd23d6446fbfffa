#pragma once

#include "platform/folder_lister.h"
#include "platform/geometry.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <memory>
#include <optional>

namespace lumble {

// One word item's picture: its size read from the file's header, then decoded
// straight to the size the word page shows it at. Decoding at that size, and not
// at the photo's full size, keeps a 50-megapixel photo quick and memory small.
class WordPicture {
public:
    // Nothing when the entry is not a regular file that Qt can read as a picture.
    static std::unique_ptr<WordPicture> open(const FolderEntry& item);

    Size size() const { return size_; }
    // The whole picture scaled smoothly to `target`; a null image when the file
    // turns out to be corrupt or too large to decode.
    QImage render(Size target);

private:
    WordPicture(std::unique_ptr<QFile> file, Size size);

    std::unique_ptr<QFile> file_;
    QImageReader reader_;
    Size size_;
};

// The neutral picture shown for a word item that is not a picture.
QImage placeholderPicture(Size size);

} // namespace lumble
