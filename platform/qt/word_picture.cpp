#include "platform/qt/word_picture.h"

#include <QPainter>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace lumble {

namespace {

// Opens only regular files, and without blocking: a FIFO or a device among the
// pictures must not freeze the game.
std::unique_ptr<QFile> openRegularFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat facts {};
    if (::fstat(fd, &facts) != 0 || !S_ISREG(facts.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

// JPEG decoders can shrink by 1/2, 1/4 or 1/8 while decoding. The largest
// shrink that still leaves at least the target size costs a fraction of a
// full decode and loses nothing once the result is scaled down smoothly.
QSize reducedJpegSize(QSize full, Size target)
{
    for (int factor : {8, 4, 2}) {
        const QSize reduced(full.width() / factor, full.height() / factor);
        if (reduced.width() >= target.width && reduced.height() >= target.height)
            return reduced;
    }
    return full;
}

} // namespace

std::unique_ptr<WordPicture> WordPicture::open(const FolderEntry& item)
{
    auto file = openRegularFile(item.path);
    if (!file)
        return nullptr;
    QImageReader probe(file.get());
    probe.setAutoTransform(true);
    QSize size = probe.size();
    if (!probe.canRead() || size.width() < 1 || size.height() < 1)
        return nullptr;
    // Phone photos stand upright through their orientation tag.
    if (probe.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    file->seek(0);
    return std::unique_ptr<WordPicture>(new WordPicture(std::move(file), {size.width(), size.height()}));
}

WordPicture::WordPicture(std::unique_ptr<QFile> file, Size size) : file_(std::move(file)), size_(size)
{
    reader_.setDevice(file_.get());
    reader_.setAutoTransform(true);
}

QImage WordPicture::render(Size target)
{
    const QSize stored = reader_.size();
    if (reader_.format() == "jpeg") {
        const bool turned = reader_.transformation() & QImageIOHandler::TransformationRotate90;
        const Size storedTarget = turned ? Size{target.height, target.width} : target;
        const QSize reduced = reducedJpegSize(stored, storedTarget);
        if (reduced != stored) {
            // Below this quality Qt lets libjpeg shrink while decoding.
            reader_.setQuality(49);
            reader_.setScaledSize(reduced);
        }
    } else if (reader_.supportsOption(QImageIOHandler::ScaledSize)) {
        reader_.setScaledSize(QSize(target.width, target.height));
    }
    QImage decoded = reader_.read();
    if (decoded.isNull())
        return {};
    return decoded.scaled(target.width, target.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage placeholderPicture(Size size)
{
    QImage picture(std::max(size.width, 1), std::max(size.height, 1), QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(236, 236, 236));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(190, 190, 190), std::max(1, std::min(size.width, size.height) / 40)));
    const int margin = std::min(size.width, size.height) / 8;
    painter.drawRoundedRect(picture.rect().adjusted(margin, margin, -margin, -margin), margin / 2,
                            margin / 2);
    return picture;
}

} // namespace lumble
