#include "bench/bench_inputs.h"

#include <QImage>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace lumble::bench {

void writePhoto(const QString& path, int width, int height, const char* format)
{
    QImage photo(width, height, QImage::Format_RGB32);
    std::mt19937 noise(42);
    std::uniform_int_distribution<int> grain(-12, 12);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int red = 60 + 150 * x / width + grain(noise);
            const int green = 90 + 120 * y / height + grain(noise);
            const int blue = 140 + ((x / 97 + y / 61) % 7) * 12 + grain(noise);
            row[x] = qRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
        }
    }
    if (!photo.save(path, format, 90))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace lumble::bench
