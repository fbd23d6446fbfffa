#include "platform/qt/word_picture.h"
#include "qt/picture_bytes.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

namespace lumble::testing {
namespace {

struct FormatCase {
    const char* name;
    std::string bytes;
    Size size;
};

// A GIF of one pixel, written out by hand: Qt reads GIF but does not write it.
std::string onePixelGif()
{
    static constexpr char gif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                                  ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
    return std::string(gif, sizeof gif - 1);
}

std::vector<FormatCase> formatCases()
{
    return {
        {"photo.png", pictureBytes(640, 480, "PNG"), {640, 480}},
        {"photo.jpg", pictureBytes(3000, 2000, "JPEG"), {3000, 2000}},
        {"photo.bmp", pictureBytes(64, 48, "BMP"), {64, 48}},
        {"photo.webp", pictureBytes(800, 600, "WEBP"), {800, 600}},
        {"photo.tiff", pictureBytes(320, 200, "TIFF"), {320, 200}},
        {"drawing.svg",
         "<svg xmlns='http://www.w3.org/2000/svg' width='300' height='150'>"
         "<rect width='300' height='150' fill='teal'/></svg>",
         {300, 150}},
        {"dot.gif", onePixelGif(), {1, 1}},
    };
}

TEST(WordPicture, EveryCommonFormatDecodesAtTheSizeAsked)
{
    TempLibrary folder;
    for (const auto& format : formatCases()) {
        const FolderEntry item{folder.addFile(format.name, format.bytes), format.name, true};
        auto picture = WordPicture::open(item);
        ASSERT_TRUE(picture) << format.name;
        EXPECT_EQ(picture->size(), format.size) << format.name;
        const Size target{std::max(1, format.size.width / 5), std::max(1, format.size.height / 5)};
        const QImage shown = picture->render(target);
        EXPECT_EQ(shown.size(), QSize(target.width, target.height)) << format.name;
        EXPECT_EQ(shown.depth(), 32) << format.name;
    }
}

TEST(WordPicture, WhatIsNotAPictureIsRefused)
{
    TempLibrary folder;
    const std::pair<const char*, std::string> refused[] = {
        {"empty.png", ""}, {"notes.txt", "hello"}, {"half.jpg", pictureBytes(64, 64, "JPEG").substr(0, 20)}};
    for (const auto& [name, bytes] : refused)
        EXPECT_FALSE(WordPicture::open({folder.addFile(name, bytes), name, true})) << name;
    EXPECT_FALSE(WordPicture::open({folder.addFolder("folder.png"), "folder.png", true}));
    EXPECT_FALSE(WordPicture::open({folder.root() / "missing.png", "missing.png", true}));
}

TEST(WordPicture, PlaceholderHasTheSizeAsked)
{
    EXPECT_EQ(placeholderPicture({700, 1}).size(), QSize(700, 1));
    EXPECT_EQ(placeholderPicture({400, 400}).depth(), 32);
}

} // namespace
} // namespace lumble::testing
