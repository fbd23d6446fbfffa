#pragma once

#include <string>

namespace lumble::testing {

// A small picture of one colour, encoded in `format` ("PNG", "JPEG", ...).
std::string pictureBytes(int width, int height, const char* format);

// A valid PNG whose header claims `width` × `height` pixels.
std::string pngClaiming(int width, int height);

// A valid baseline JPEG whose frame header claims `width` × `height` pixels.
std::string jpegClaiming(int width, int height);

} // namespace lumble::testing
