#pragma once

#include <string>

namespace lumble::testing {

// A small picture of one colour, encoded in `format` ("PNG", "JPEG", ...).
std::string pictureBytes(int width, int height, const char* format);

// A valid PNG whose header claims `width` × `height` pixels.
std::string pngClaiming(int width, int height);

// A valid baseline JPEG whose frame header claims `width` × `height` pixels.
std::string jpegClaiming(int width, int height);

// A genuine baseline JPEG of `width` × `height` pixels of mid grey, written
// directly: every 8 × 8 block is "no change, end of block", so even a photo
// of 20000 × 20000 pixels takes a few milliseconds and under 2 MB.
std::string greyJpeg(int width, int height);

// A genuine PNG of `width` × `height` black pixels, one bit each.
std::string blackPng(int width, int height);

} // namespace lumble::testing
