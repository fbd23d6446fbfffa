#pragma once

#include "platform/geometry.h"

namespace lumble {

struct StartScreenSizes {
    Size pnlWordFlash;
    Size txtInstructions;
    Size ddlWordLists;
    Size btnStart;
    Size btnQuit;
    Size stinfo;
};

struct StartScreenPositions {
    Point pnlWordFlash;
    Point txtInstructions;
    Point ddlWordLists;
    Point btnStart;
    Point chkboxHandwritingLetters;
    Point btnQuit;
    Point stinfo;
    bool operator==(const StartScreenPositions&) const = default;
};

// Centres the panel on the screen and places the start page's controls on it.
StartScreenPositions startScreenLayout(Size screen, const StartScreenSizes& sizes);

struct WordPageInput {
    Rect panel;
    Size picture; // the source picture's width and height, both at least 1
    int txtWellDoneWidth = 0;
    int WordTextboxWidth = 0;
    int WordButtonWidth = 0;
};

struct WordPageLayout {
    Rect txtWellDone;
    Rect WordDisplay; // its width and height are the display picture's size
    Rect WordTextbox;
    Rect WordButton;
    bool operator==(const WordPageLayout&) const = default;
};

// The banner, the picture fitted into 70 % of the panel (never enlarged, each
// side at least one pixel), the phrase label and the big button.
WordPageLayout wordPageLayout(const WordPageInput& input);

struct ResultsPageLayout {
    Point txtScore;
    Point btnMore;
    Point txtYouScored;
    bool operator==(const ResultsPageLayout&) const = default;
};

ResultsPageLayout resultsPageLayout(Rect panel, Size txtScore, Size btnMore, Size txtYouScored);

} // namespace lumble
