#include "app/qorvi_wendaro.h"

#include "app/menu_bar.h"
#include "platform/qt/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

using lumble::Colour;
using lumble::Control;
using lumble::Rect;

namespace {

enum class Kind { pagePanel, dropDown, button, label, pictureWell, checkBox };

using Handler = void (lumble::Game::*)();

struct ControlDesign {
    Control control;
    Kind kind;
    int page; // -1: on the window itself
    Rect rect;
    bool visible;
    const char* text;
    int fontPoints; // 0: the system font
    std::optional<Colour> colour = std::nullopt;
    Handler press = nullptr;
    bool wraps = false;
};

constexpr Colour black{0, 0, 0};
constexpr Colour green{0, 255, 0};
using lumble::Game;

// The controls as the window is created, in creation order.
// clang-format off
const ControlDesign controlDesigns[] = {
    {Control::pnlWordFlash, Kind::pagePanel, -1, {0, 0, 1000, 800}, true, "", 0},
    {Control::ddlWordLists, Kind::dropDown, 0, {100, 400, 800, 60}, true, "", 48},
    {Control::btnStart, Kind::button, 0, {350, 600, 300, 60}, true, "Start", 48, {}, &Game::btnStart_Action},
    {Control::WordButton, Kind::button, 1, {0, 700, 1000, 100}, true, "next", 64, {}, &Game::WordButton_Action},
    {Control::WordTextbox, Kind::label, 1, {0, 400, 1000, 300}, true, "Word", 36, black, nullptr, true},
    {Control::txtInstructions, Kind::label, 0, {100, 182, 800, 120}, true, "Choose a list then press 'Start'", 48, black},
    {Control::btnQuit, Kind::button, 0, {350, 672, 300, 60}, true, "Quit", 48, {}, &Game::btnQuit_Action},
    {Control::WordDisplay, Kind::pictureWell, 1, {484, 126, 32, 32}, true, "", 0},
    {Control::txtWellDone, Kind::label, 1, {0, 0, 1000, 100}, false, "Well Done!", 64, green},
    {Control::btnMore, Kind::button, 2, {120, 620, 800, 60}, true, "More...", 48, {}, &Game::btnMore_Action},
    {Control::txtFeedback, Kind::label, 2, {120, 120, 800, 60}, true, "Well Done!", 64, green},
    {Control::txtScore, Kind::label, 2, {120, 350, 800, 60}, true, "score", 48, black},
    {Control::txtYouScored, Kind::label, 2, {120, 250, 800, 60}, true, "You Scored", 48, black},
    {Control::txtFeedbackMessage, Kind::label, 2, {120, 450, 800, 60}, true, "feedback", 48, black},
    {Control::chkboxHandwritingLetters, Kind::checkBox, 0, {723, 602, 177, 20}, false, "HandwritingLetters", 0, {},
     &Game::chkboxHandwritingLetters_Action},
    {Control::stinfo, Kind::label, 0, {200, 760, 600, 20}, true, "", 0, black},
};
// clang-format on

QWidget* makeWidget(const ControlDesign& design, QWidget* parent)
{
    const QString text = QString::fromUtf8(design.text);
    switch (design.kind) {
    case Kind::pagePanel: {
        auto* panel = new QStackedWidget(parent);
        for (int page = 0; page < 3; ++page)
            panel->addWidget(new QWidget(panel));
        return panel;
    }
    case Kind::dropDown:
        return new QComboBox(parent);
    case Kind::button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::checkBox:
        return new QCheckBox(text, parent);
    case Kind::label:
    case Kind::pictureWell:
        break;
    }
    auto* label = new QLabel(text, parent);
    // Names come from files: never let them be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(design.wraps);
    if (design.kind == Kind::pictureWell)
        label->setAccessibleName("picture");
    return label;
}

QFont designFont(int points)
{
    if (points == 0)
        return QFont();
    // The sizes were designed where a point is a pixel; at X11's 96 dpi the same
    // points overflow their controls and cut off the descenders.
    QFont font("Times New Roman");
    font.setPixelSize(points);
    // Metric-compatible stand-ins (Liberation Serif) keep the designed layout.
    font.setStyleHint(QFont::Serif);
    return font;
}

void setColour(QWidget* widget, Colour colour)
{
    QPalette palette = widget->palette();
    const QColor qt(colour.red, colour.green, colour.blue);
    palette.setColor(QPalette::WindowText, qt);
    palette.setColor(QPalette::ButtonText, qt);
    widget->setPalette(palette);
}

} // namespace

qorviWendaro::qorviWendaro(lumble::SystemServices& system, const lumble::FolderLister& lister,
                           const lumble::TextFileReader& reader, lumble::RandomSource& random)
    : game_(*this, system, lister, reader, random)
{
    setObjectName("qorviWendaro");
    setMenuBar(qorviWendaroMenuBar::request());
    menuBar()->hide();
    applyWindowSettings();
    createControls();
    game_.Open();
}

qorviWendaro::~qorviWendaro() = default;

void qorviWendaro::applyWindowSettings()
{
    setWindowTitle("Lumble");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(1000, 800);
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys, compose and input methods deliver their letters here.
    setAttribute(Qt::WA_InputMethodEnabled);
    setCentralWidget(new QWidget(this));
}

void qorviWendaro::createControls()
{
    for (const auto& design : controlDesigns) {
        QWidget* widget = makeWidget(design, design.page < 0 ? centralWidget() : panel_->widget(design.page));
        if (design.kind == Kind::pagePanel)
            panel_ = static_cast<QStackedWidget*>(widget); // the parent of every later control
        widget->setObjectName(QString::fromUtf8(lumble::controlName(design.control)));
        widget->setFocusPolicy(Qt::NoFocus);
        widget->setFont(designFont(design.fontPoints));
        if (design.colour)
            setColour(widget, *design.colour);
        controls_[static_cast<std::size_t>(design.control)] = widget;
        setGeometry(design.control, design.rect);
        widget->setVisible(design.visible);
        if (design.press) {
            // A check box fires after the platform has toggled it; a button on its press.
            const auto handler = [this, press = design.press] { (game_.*press)(); };
            if (auto* box = qobject_cast<QCheckBox*>(widget))
                connect(box, &QCheckBox::toggled, this, handler);
            else
                connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, handler);
        }
    }
    wordLists_ = static_cast<QComboBox*>(control(Control::ddlWordLists));
    handwriting_ = static_cast<QCheckBox*>(control(Control::chkboxHandwritingLetters));
}

void qorviWendaro::showOnMainScreen()
{
    // Without a window manager nobody else would size the window, so set the
    // screen's geometry first, then ask for full screen.
    if (const auto screens = QGuiApplication::screens(); !screens.isEmpty())
        QMainWindow::setGeometry(screens.first()->geometry());
    showFullScreen();
    activateWindow();
    setFocus();
}

QWidget* qorviWendaro::control(Control control) const
{
    return controls_[static_cast<std::size_t>(control)];
}

QPoint qorviWendaro::panelOffset(Control control) const
{
    return control == Control::pnlWordFlash ? QPoint() : panel_->pos();
}

Rect qorviWendaro::geometry(Control which) const
{
    const QRect rect = control(which)->geometry().translated(panelOffset(which));
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void qorviWendaro::setGeometry(Control which, Rect rect)
{
    const QPoint offset = panelOffset(which);
    control(which)->setGeometry(rect.left - offset.x(), rect.top - offset.y(), rect.width, rect.height);
}

bool qorviWendaro::isVisible(Control which) const
{
    return !control(which)->isHidden();
}

void qorviWendaro::setVisible(Control which, bool visible)
{
    control(which)->setVisible(visible);
}

std::string qorviWendaro::text(Control which) const
{
    QWidget* widget = control(which);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return lumble::fromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return lumble::fromQString(button->text());
    return {};
}

void qorviWendaro::setText(Control which, const std::string& text)
{
    QWidget* widget = control(which);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(lumble::toQString(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(lumble::toQString(text));
}

void qorviWendaro::setTextColour(Control which, Colour colour)
{
    setColour(control(which), colour);
}

int qorviWendaro::page() const
{
    return panel_->currentIndex();
}

void qorviWendaro::setPage(int page)
{
    panel_->setCurrentIndex(page);
}

void qorviWendaro::addWordListRow(const std::string& text)
{
    wordLists_->addItem(lumble::toQString(text));
}

void qorviWendaro::selectWordListRow(int row)
{
    wordLists_->setCurrentIndex(row);
}

std::optional<std::string> qorviWendaro::selectedWordListText() const
{
    if (wordLists_->currentIndex() < 0)
        return std::nullopt;
    return lumble::fromQString(wordLists_->currentText());
}

bool qorviWendaro::isHandwritingChecked() const
{
    return handwriting_->isChecked();
}

std::optional<lumble::Size> qorviWendaro::openWordPicture(const lumble::FolderEntry& item)
{
    picture_ = lumble::WordPicture::open(item);
    if (!picture_)
        return std::nullopt;
    return picture_->size();
}

bool qorviWendaro::showWordPicture(lumble::Size size)
{
    QImage image = picture_ ? picture_->render(size) : QImage();
    picture_.reset();
    const bool decoded = !image.isNull();
    if (!decoded)
        image = lumble::placeholderPicture(size);
    static_cast<QLabel*>(control(Control::WordDisplay))->setPixmap(QPixmap::fromImage(std::move(image)));
    return decoded;
}

void qorviWendaro::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const QString key = event->key() == Qt::Key_Q ? QStringLiteral("q") : event->text();
        game_.KeyDown(lumble::fromQString(key), true);
        return;
    }
    typeText(event->text());
}

void qorviWendaro::inputMethodEvent(QInputMethodEvent* event)
{
    typeText(event->commitString());
    event->accept();
}

void qorviWendaro::typeText(const QString& text)
{
    // One letter at a time, composed first so é typed as e + ´ stays one letter.
    for (const char32_t letter : text.normalized(QString::NormalizationForm_C).toUcs4())
        game_.KeyDown(lumble::fromQString(QString::fromUcs4(&letter, 1)), false);
}
