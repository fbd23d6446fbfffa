#pragma once

#include "game/game.h"
#include "platform/qt/word_picture.h"
#include "platform/window.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QComboBox;
class QCheckBox;
class QStackedWidget;

// The main window: owns the controls and the game, translates presses and key
// presses into the game's handlers, and carries out what the game asks of its
// controls. Every control's object name is its name in the game.
class qorviWendaro : public QMainWindow, public lumble::Window {
    Q_OBJECT
public:
    qorviWendaro(lumble::SystemServices& system, const lumble::FolderLister& lister,
                 const lumble::TextFileReader& reader, lumble::RandomSource& random);
    ~qorviWendaro() override;

    // Covers the main screen, also where no window manager would do it.
    void showOnMainScreen();

    lumble::Game& game() { return game_; }
    QWidget* control(lumble::Control control) const;

    using QMainWindow::geometry;
    using QMainWindow::isVisible;
    using QMainWindow::setGeometry;
    using QMainWindow::setVisible;

    // lumble::Window
    lumble::Rect geometry(lumble::Control control) const override;
    void setGeometry(lumble::Control control, lumble::Rect rect) override;
    bool isVisible(lumble::Control control) const override;
    void setVisible(lumble::Control control, bool visible) override;
    std::string text(lumble::Control control) const override;
    void setText(lumble::Control control, const std::string& text) override;
    void setTextColour(lumble::Control control, lumble::Colour colour) override;
    int page() const override;
    void setPage(int page) override;
    void addWordListRow(const std::string& text) override;
    void selectWordListRow(int row) override;
    std::optional<std::string> selectedWordListText() const override;
    bool isHandwritingChecked() const override;
    std::optional<lumble::Size> openWordPicture(const lumble::FolderEntry& item) override;
    bool showWordPicture(lumble::Size size) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void applyWindowSettings();
    void createControls();
    void typeText(const QString& text);
    QPoint panelOffset(lumble::Control control) const;

    std::array<QWidget*, lumble::controlNames.size()> controls_{};
    QStackedWidget* panel_ = nullptr;
    QComboBox* wordLists_ = nullptr;
    QCheckBox* handwriting_ = nullptr;
    std::unique_ptr<lumble::WordPicture> picture_;
    lumble::Game game_;
};
