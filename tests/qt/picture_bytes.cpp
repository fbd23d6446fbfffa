#include "qt/picture_bytes.h"

#include <QBuffer>
#include <QImage>

#include <zlib.h>

#include <stdexcept>

namespace lumble::testing {

namespace {

void putBigEndian(std::string& bytes, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * (width - 1 - i))) & 0xFF);
}

} // namespace

std::string pictureBytes(int width, int height, const char* format)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(90, 160, 200));
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        throw std::runtime_error("cannot encode a test picture");
    return encoded.toStdString();
}

std::string pngClaiming(int width, int height)
{
    std::string png = pictureBytes(8, 8, "PNG");
    // IHDR's width and height follow the signature, the length and the type.
    putBigEndian(png, 16, static_cast<std::uint32_t>(width), 4);
    putBigEndian(png, 20, static_cast<std::uint32_t>(height), 4);
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
    putBigEndian(png, 29, static_cast<std::uint32_t>(crc), 4);
    return png;
}

std::string jpegClaiming(int width, int height)
{
    std::string jpeg = pictureBytes(16, 16, "JPEG");
    const auto frame = jpeg.find("\xFF\xC0");
    if (frame == std::string::npos)
        throw std::runtime_error("the test JPEG has no baseline frame header");
    // Marker, length, precision, then height and width.
    putBigEndian(jpeg, frame + 5, static_cast<std::uint32_t>(height), 2);
    putBigEndian(jpeg, frame + 7, static_cast<std::uint32_t>(width), 2);
    return jpeg;
}

} // namespace lumble::testing
