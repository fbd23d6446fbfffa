#include "layout/page_layouts.h"

#include "layout/whole.h"

#include <algorithm>

namespace lumble {

namespace {

// Centred horizontally on the panel: the width difference halved in double,
// the panel's left added, converted once.
int centredLeft(const Rect& panel, int width)
{
    return whole(panel.left + static_cast<double>(panel.width - width) / 2);
}

} // namespace

StartScreenPositions startScreenLayout(Size screen, const StartScreenSizes& sizes)
{
    StartScreenPositions at;
    Rect panel{0, 0, sizes.pnlWordFlash.width, sizes.pnlWordFlash.height};
    panel.left = whole(static_cast<double>(screen.width - panel.width) / 2);
    panel.top = whole(static_cast<double>(screen.height - panel.height) / 2);
    at.pnlWordFlash = {panel.left, panel.top};

    at.txtInstructions = {centredLeft(panel, sizes.txtInstructions.width),
                          whole(panel.top + static_cast<double>(panel.height) / 4)};
    at.ddlWordLists = {centredLeft(panel, sizes.ddlWordLists.width),
                       whole(panel.top + static_cast<double>(panel.height) / 2)};
    at.btnStart = {centredLeft(panel, sizes.btnStart.width),
                   whole(panel.top + static_cast<double>(3 * panel.height) / 4)};
    at.chkboxHandwritingLetters = {at.btnStart.left + sizes.btnStart.width + 20, at.btnStart.top};
    at.btnQuit = {centredLeft(panel, sizes.btnQuit.width),
                  whole(at.btnStart.top + static_cast<double>(sizes.btnStart.height) * 1.5)};
    at.stinfo = {centredLeft(panel, sizes.stinfo.width),
                 whole(at.btnQuit.top + static_cast<double>(sizes.btnQuit.height) * 1.5)};
    return at;
}

WordPageLayout wordPageLayout(const WordPageInput& input)
{
    const Rect& panel = input.panel;
    const double panelHeight = panel.height;
    WordPageLayout at;

    const int tenth = whole(panelHeight / 10);
    at.txtWellDone = {centredLeft(panel, input.txtWellDoneWidth), panel.top, input.txtWellDoneWidth, tenth};

    const int pictureWidth = std::max(input.picture.width, 1);
    const int pictureHeight = std::max(input.picture.height, 1);
    const int boxWidth = whole(panel.width * 0.7);
    const int boxHeight = whole(panelHeight * 0.7);
    double scale = std::min(static_cast<double>(boxWidth) / pictureWidth,
                            static_cast<double>(boxHeight) / pictureHeight);
    scale = std::min(scale, 1.0);
    // A side that would round to nothing still gets one pixel.
    const int width = std::max(whole(pictureWidth * scale), 1);
    const int height = std::max(whole(pictureHeight * scale), 1);
    at.WordDisplay = {centredLeft(panel, width),
                      whole(panel.top + (panelHeight * 0.7 - height) / 2 + at.txtWellDone.height), width,
                      height};

    at.WordTextbox = {centredLeft(panel, input.WordTextboxWidth), whole(panel.top + panelHeight * 0.8),
                      input.WordTextboxWidth, tenth};
    at.WordButton = {centredLeft(panel, input.WordButtonWidth), whole(panel.top + panelHeight * 0.9),
                     input.WordButtonWidth, tenth};
    return at;
}

ResultsPageLayout resultsPageLayout(Rect panel, Size txtScore, Size btnMore, Size txtYouScored)
{
    ResultsPageLayout at;
    at.txtScore = {centredLeft(panel, txtScore.width),
                   whole(panel.top + static_cast<double>(panel.height - txtScore.height) / 2)};
    at.btnMore = {centredLeft(panel, btnMore.width),
                  whole(panel.top + static_cast<double>(5 * panel.height) / 6)};
    at.txtYouScored = {centredLeft(panel, txtYouScored.width), at.txtScore.top - 2 * txtYouScored.height};
    return at;
}

} // namespace lumble
