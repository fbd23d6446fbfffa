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

std::string bigEndian(std::uint32_t value, int width)
{
    std::string bytes(static_cast<std::size_t>(width), '\0');
    putBigEndian(bytes, 0, value, width);
    return bytes;
}

std::string jpegSegment(char marker, const std::string& payload)
{
    return std::string("\xFF", 1) + marker + bigEndian(static_cast<std::uint32_t>(payload.size() + 2), 2) +
           payload;
}

std::string pngChunk(const std::string& type, const std::string& data)
{
    auto crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), static_cast<uInt>(type.size()));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    return bigEndian(static_cast<std::uint32_t>(data.size()), 4) + type + data +
           bigEndian(static_cast<std::uint32_t>(crc), 4);
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

std::string greyJpeg(int width, int height)
{
    using namespace std::string_literals;
    // One Huffman code, "0", in each table: DC difference 0, and end of block.
    const std::string oneCode = "\x01"s + std::string(15, '\0') + "\x00"s;
    std::string jpeg = "\xFF\xD8"s;
    jpeg += jpegSegment('\xDB', "\x00"s + std::string(64, '\x01'));
    jpeg += jpegSegment('\xC0', "\x08"s + bigEndian(static_cast<std::uint32_t>(height), 2) +
                                    bigEndian(static_cast<std::uint32_t>(width), 2) + "\x01\x01\x11\x00"s);
    jpeg += jpegSegment('\xC4', "\x00"s + oneCode);
    jpeg += jpegSegment('\xC4', "\x10"s + oneCode);
    jpeg += jpegSegment('\xDA', "\x01\x01\x00\x00\x3F\x00"s);
    const std::size_t blocks =
        static_cast<std::size_t>((width + 7) / 8) * static_cast<std::size_t>((height + 7) / 8);
    jpeg += std::string((blocks * 2 + 7) / 8, '\0'); // two bits a block
    return jpeg + "\xFF\xD9"s;
}

std::string blackPng(int width, int height)
{
    using namespace std::string_literals;
    const std::string row(1 + static_cast<std::size_t>(width + 7) / 8, '\0'); // filter byte, then the bits
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    std::string compressed;
    char buffer[65536];
    for (int y = 0; y <= height; ++y) {
        const bool last = y == height;
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.data()));
        stream.avail_in = last ? 0 : static_cast<uInt>(row.size());
        do {
            stream.next_out = reinterpret_cast<Bytef*>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            compressed.append(buffer, sizeof buffer - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    const std::string header = bigEndian(static_cast<std::uint32_t>(width), 4) +
                               bigEndian(static_cast<std::uint32_t>(height), 4) + "\x01\x00\x00\x00\x00"s;
    return "\x89PNG\r\n\x1A\n"s + pngChunk("IHDR", header) + pngChunk("IDAT", compressed) +
           pngChunk("IEND", "");
}

} // namespace lumble::testing
