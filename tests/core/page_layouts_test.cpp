#include "layout/page_layouts.h"

#include <gtest/gtest.h>

namespace lumble {
namespace {

const StartScreenSizes designSizes{{1000, 800}, {800, 120}, {800, 60}, {300, 60}, {300, 60}, {600, 20}};

struct StartCase {
    Size screen;
    StartScreenPositions expected;
};

const StartCase startCases[] = {
    {{1000, 800}, {{0, 0}, {100, 200}, {100, 400}, {350, 600}, {670, 600}, {350, 690}, {200, 780}}},
    {{1280, 1024}, {{140, 112}, {240, 312}, {240, 512}, {490, 712}, {810, 712}, {490, 802}, {340, 892}}},
    {{800, 600}, {{-100, -100}, {0, 100}, {0, 300}, {250, 500}, {570, 500}, {250, 590}, {100, 680}}},
    // An odd width: the panel's left is whole(12.5), rounded away from zero.
    {{1025, 800}, {{13, 0}, {113, 200}, {113, 400}, {363, 600}, {683, 600}, {363, 690}, {213, 780}}},
    {{1024, 767}, {{12, -17}, {112, 183}, {112, 383}, {362, 583}, {682, 583}, {362, 673}, {212, 763}}},
};

class StartScreenLayoutTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartScreenLayoutTest, CentresThePanelAndPlacesTheControls)
{
    EXPECT_EQ(startScreenLayout(GetParam().screen, designSizes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartScreenLayoutTest, ::testing::ValuesIn(startCases));

struct WordPageCase {
    Point panel;
    Size picture;
    Rect display;
};

const WordPageCase wordPageCases[] = {
    {{0, 0}, {1400, 700}, {150, 185, 700, 350}},
    {{0, 0}, {700, 1120}, {325, 80, 350, 560}},
    {{0, 0}, {400, 300}, {300, 210, 400, 300}},
    {{0, 0}, {700, 560}, {150, 80, 700, 560}},
    {{140, 112}, {1400, 700}, {290, 297, 700, 350}},
    {{-100, -100}, {700, 1120}, {225, -20, 350, 560}},
    // Too thin to keep a whole pixel across: one pixel all the same.
    {{0, 0}, {3, 2000}, {500, 80, 1, 560}},
    {{0, 0}, {5000, 1}, {150, 360, 700, 1}},
    // A picture that reports no size is fitted as a single pixel, never divided by.
    {{0, 0}, {0, 0}, {500, 360, 1, 1}},
};

class WordPageLayoutTest : public ::testing::TestWithParam<WordPageCase> {};

TEST_P(WordPageLayoutTest, FitsThePictureIntoSeventyPercentOfThePanel)
{
    const auto& example = GetParam();
    const Rect panel{example.panel.left, example.panel.top, 1000, 800};
    const auto layout = wordPageLayout({panel, example.picture, 1000, 1000, 1000});
    const int left = example.panel.left;
    const int top = example.panel.top;
    EXPECT_EQ(layout.WordDisplay, example.display);
    EXPECT_EQ(layout.txtWellDone, (Rect{left, top, 1000, 80}));
    EXPECT_EQ(layout.WordTextbox, (Rect{left, top + 640, 1000, 80}));
    EXPECT_EQ(layout.WordButton, (Rect{left, top + 720, 1000, 80}));
}

INSTANTIATE_TEST_SUITE_P(Pictures, WordPageLayoutTest, ::testing::ValuesIn(wordPageCases));

TEST(ResultsPageLayout, CentresTheScoreWithTheCaptionAbove)
{
    const struct {
        Point panel;
        ResultsPageLayout expected;
    } cases[] = {
        {{0, 0}, {{100, 370}, {100, 667}, {100, 250}}},
        {{140, 112}, {{240, 482}, {240, 779}, {240, 362}}},
        {{-100, -100}, {{0, 270}, {0, 567}, {0, 150}}},
    };
    for (const auto& example : cases) {
        const Rect panel{example.panel.left, example.panel.top, 1000, 800};
        EXPECT_EQ(resultsPageLayout(panel, {800, 60}, {800, 60}, {800, 60}), example.expected);
    }
}

} // namespace
} // namespace lumble
