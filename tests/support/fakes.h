#pragma once

#include "platform/random_source.h"
#include "platform/system_services.h"
#include "platform/window.h"

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace lumble::testing {

// The value of one control in an array indexed by control.
template <typename Array> auto& at(Array& values, Control control)
{
    return values[static_cast<std::size_t>(control)];
}

// Draws the queued numbers in turn (each taken modulo n), then 0.
class ScriptedRandom : public RandomSource {
public:
    std::deque<std::size_t> draws;
    std::size_t below(std::size_t n) override
    {
        if (draws.empty())
            return 0;
        const auto draw = draws.front();
        draws.pop_front();
        return draw % n;
    }
};

class FakeSystem : public SystemServices {
public:
    explicit FakeSystem(std::filesystem::path folder, Size screen = {1000, 800})
        : folder_(std::move(folder)), screen_(screen)
    {
    }
    int beeps = 0;
    std::vector<int> quits;

    void beep() override { ++beeps; }
    void quit(int exitStatus) override { quits.push_back(exitStatus); }
    Size mainScreenSize() const override { return screen_; }
    std::filesystem::path applicationFolder() const override { return folder_; }

private:
    std::filesystem::path folder_;
    Size screen_;
};

// The main window's controls as plain values, with the design geometry.
class FakeWindow : public Window {
public:
    FakeWindow();

    std::vector<std::string> rows;
    int selectedRow = -1;
    int currentPage = 0;
    bool handwritingChecked = false;
    // Pictures by file name; an item not listed is not a picture.
    std::map<std::string, Size> pictures;
    std::vector<Size> shownPictures;
    std::array<Colour, 16> colours{};

    Rect geometry(Control control) const override { return at(rects_, control); }
    void setGeometry(Control control, Rect rect) override { at(rects_, control) = rect; }
    bool isVisible(Control control) const override { return at(visible_, control); }
    void setVisible(Control control, bool visible) override { at(visible_, control) = visible; }
    std::string text(Control control) const override { return at(texts_, control); }
    void setText(Control control, const std::string& text) override { at(texts_, control) = text; }
    void setTextColour(Control control, Colour colour) override { at(colours, control) = colour; }
    int page() const override { return currentPage; }
    void setPage(int page) override { currentPage = page; }
    void addWordListRow(const std::string& text) override { rows.push_back(text); }
    void selectWordListRow(int row) override { selectedRow = row < static_cast<int>(rows.size()) ? row : -1; }
    std::optional<std::string> selectedWordListText() const override;
    bool isHandwritingChecked() const override { return handwritingChecked; }
    std::optional<Size> openWordPicture(const FolderEntry& item) override;
    bool showWordPicture(Size size) override
    {
        shownPictures.push_back(size);
        return true;
    }

private:
    std::array<Rect, 16> rects_{};
    std::array<bool, 16> visible_{};
    std::array<std::string, 16> texts_{};
};

} // namespace lumble::testing
