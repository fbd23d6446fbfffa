#include "support/fakes.h"

namespace lumble::testing {

FakeWindow::FakeWindow()
{
    const std::pair<Control, Rect> design[] = {
        {Control::pnlWordFlash, {0, 0, 1000, 800}},
        {Control::ddlWordLists, {100, 400, 800, 60}},
        {Control::btnStart, {350, 600, 300, 60}},
        {Control::WordButton, {0, 700, 1000, 100}},
        {Control::WordTextbox, {0, 400, 1000, 300}},
        {Control::txtInstructions, {100, 182, 800, 120}},
        {Control::btnQuit, {350, 672, 300, 60}},
        {Control::WordDisplay, {484, 126, 32, 32}},
        {Control::txtWellDone, {0, 0, 1000, 100}},
        {Control::btnMore, {120, 620, 800, 60}},
        {Control::txtFeedback, {120, 120, 800, 60}},
        {Control::txtScore, {120, 350, 800, 60}},
        {Control::txtYouScored, {120, 250, 800, 60}},
        {Control::txtFeedbackMessage, {120, 450, 800, 60}},
        {Control::chkboxHandwritingLetters, {723, 602, 177, 20}},
        {Control::stinfo, {200, 760, 600, 20}},
    };
    for (const auto& [control, rect] : design) {
        at(rects_, control) = rect;
        at(visible_, control) = true;
    }
    at(visible_, Control::txtWellDone) = false;
    at(visible_, Control::chkboxHandwritingLetters) = false;
}

std::optional<std::string> FakeWindow::selectedWordListText() const
{
    if (selectedRow < 0)
        return std::nullopt;
    return rows[static_cast<std::size_t>(selectedRow)];
}

std::optional<Size> FakeWindow::openWordPicture(const FolderEntry& item)
{
    const auto found = pictures.find(item.name);
    if (found == pictures.end())
        return std::nullopt;
    return found->second;
}

} // namespace lumble::testing
