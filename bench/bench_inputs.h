#pragma once

#include <QString>

namespace lumble::bench {

// A photo-like picture (smooth gradients with fine noise, so it compresses like
// a real photo) of width × height, saved as `format` to `path`.
void writePhoto(const QString& path, int width, int height, const char* format);

} // namespace lumble::bench
