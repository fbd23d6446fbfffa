#pragma once

#include <array>
#include <string_view>

namespace lumble {

// The main window's controls, in the order they are created.
enum class Control {
    pnlWordFlash,
    ddlWordLists,
    btnStart,
    WordButton,
    WordTextbox,
    txtInstructions,
    btnQuit,
    WordDisplay,
    txtWellDone,
    btnMore,
    txtFeedback,
    txtScore,
    txtYouScored,
    txtFeedbackMessage,
    chkboxHandwritingLetters,
    stinfo,
};

inline constexpr std::array<std::string_view, 16> controlNames = {
    "pnlWordFlash",    "ddlWordLists", "btnStart",     "WordButton",         "WordTextbox",
    "txtInstructions", "btnQuit",      "WordDisplay",  "txtWellDone",        "btnMore",
    "txtFeedback",     "txtScore",     "txtYouScored", "txtFeedbackMessage", "chkboxHandwritingLetters",
    "stinfo",
};

constexpr std::string_view controlName(Control control)
{
    return controlNames[static_cast<std::size_t>(control)];
}

} // namespace lumble
