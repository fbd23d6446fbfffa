#pragma once

#include "platform/control.h"
#include "platform/folder_lister.h"
#include "platform/geometry.h"

#include <optional>
#include <string>

namespace lumble {

// What the game asks of the main window's controls. The game finds controls by
// name and changes them only through these operations.
class Window {
public:
    virtual ~Window() = default;

    virtual Rect geometry(Control control) const = 0;
    virtual void setGeometry(Control control, Rect rect) = 0;
    virtual bool isVisible(Control control) const = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // Labels, button captions and the check box caption; always shown as plain text.
    virtual std::string text(Control control) const = 0;
    virtual void setText(Control control, const std::string& text) = 0;
    virtual void setTextColour(Control control, Colour colour) = 0;

    virtual int page() const = 0;
    virtual void setPage(int page) = 0;

    virtual void addWordListRow(const std::string& text) = 0;
    virtual void selectWordListRow(int row) = 0;
    // The selected row's text, or nothing when the drop-down has no rows.
    virtual std::optional<std::string> selectedWordListText() const = 0;

    virtual bool isHandwritingChecked() const = 0;

    // Opens a word item as a picture and reads its size from the file's header.
    // Nothing when the entry cannot be decoded as a picture.
    virtual std::optional<Size> openWordPicture(const FolderEntry& item) = 0;
    // Puts the picture last opened, scaled smoothly to `size`, into the picture
    // well; a neutral placeholder of that size when it could not be decoded.
    // False when the placeholder was shown.
    virtual bool showWordPicture(Size size) = 0;
};

} // namespace lumble
