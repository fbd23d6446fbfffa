#include "app/app.h"
#include "app/menu_bar.h"
#include "qt/window_fixture.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>

namespace lumble::testing {
namespace {

using MainWindow = WindowFixture;

// Stands for a handler that fails in a way nobody foresaw.
class FailingReceiver : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("broken picture"); }
};

TEST_F(MainWindow, HasTheSixteenNamedControlsAndCoversTheScreen)
{
    library.addFolder("words/Animals");
    openWindow();
    for (const auto name : controlNames)
        EXPECT_NE(window->findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_EQ(window->geometry(), QGuiApplication::screens().first()->geometry());
    EXPECT_EQ(window->windowTitle(), "Lumble");
    EXPECT_EQ(window->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(window->menuBar()->isVisible());
    EXPECT_EQ(find<QStackedWidget>(Control::pnlWordFlash)->currentIndex(), 0);
    EXPECT_FALSE(find(Control::chkboxHandwritingLetters)->isVisible());
    EXPECT_TRUE(find(Control::stinfo)->isVisible());
}

TEST_F(MainWindow, ControlsArePlacedInWindowCoordinatesAroundTheCentredPanel)
{
    openWindow();
    EXPECT_EQ(window->geometry(Control::pnlWordFlash), (Rect{140, 112, 1000, 800}));
    EXPECT_EQ(find(Control::btnStart)->mapTo(window.get(), QPoint(0, 0)), QPoint(490, 712));
    EXPECT_EQ(window->geometry(Control::btnStart), (Rect{490, 712, 300, 60}));
}

TEST_F(MainWindow, MenuBarIsOneInstanceWithFileAndEditMenus)
{
    openWindow();
    auto* menuBar = qorviWendaroMenuBar::request();
    EXPECT_EQ(window->menuBar(), menuBar);
    const QStringList expected = {"FileMenu",      "FileQuit",      "EditMenu",     "EditUndo",
                                  "UntitledMenu1", "EditCut",       "EditCopy",     "EditPaste",
                                  "EditClear",     "UntitledMenu0", "EditSelectAll"};
    for (const auto& name : expected)
        EXPECT_NE(menuBar->entry(name), nullptr) << name.toStdString();
    EXPECT_EQ(menuBar->entry("FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(menuBar->entry("FileQuit")->text(), "Quit");
    EXPECT_TRUE(menuBar->entry("UntitledMenu0")->isSeparator());
    const auto editActions = menuBar->findChild<QMenu*>("EditMenu")->actions();
    ASSERT_EQ(editActions.size(), 8);
    EXPECT_EQ(editActions.at(2)->objectName(), "EditCut");
    EXPECT_EQ(editActions.at(7)->objectName(), "EditSelectAll");
}

TEST_F(MainWindow, NamesAreShownAsPlainText)
{
    library.addFolder("words/<i>big & <img src=cat.png>");
    openWindow();
    EXPECT_EQ(find<QComboBox>(Control::ddlWordLists)->currentText(), "<i>big & <img src=cat.png>");
    for (auto* label : window->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(MainWindow, QuitButtonAndCommandQQuitWithStatusZero)
{
    openWindow();
    click(Control::btnQuit);
    press(Qt::Key_Q, "\x11", Qt::ControlModifier);
    press(Qt::Key_A, "\x01", Qt::ControlModifier);
    EXPECT_EQ(system.quits, (std::vector<int>{0, 0}));
}

TEST_F(MainWindow, WholeGameThroughTheWidgets)
{
    addPicture("words/Animals/farm/cat.png", 1400, 700);
    addPicture("words/Animals/farm/horse.png", 40, 30);
    addPicture("words/Animals/pond/frog.png", 700, 1120);
    openWindow();
    for (int game = 0; game < 2; ++game) {
        click(Control::btnStart);
        auto* page = find<QStackedWidget>(Control::pnlWordFlash);
        ASSERT_EQ(page->currentIndex(), 1);
        int words = 0;
        while (page->currentIndex() == 1) {
            const std::string word = window->game().state().PhraseToSpell;
            auto* display = find<QLabel>(Control::WordDisplay);
            EXPECT_EQ(display->pixmap().size(), display->size());
            if (game == 1)
                click(Control::WordButton); // one hint per word in the second game
            type(QString::fromStdString(word).mid(game));
            EXPECT_EQ(find<QLabel>(Control::WordTextbox)->text().toStdString(), word);
            EXPECT_EQ(find<QLabel>(Control::txtWellDone)->text(), "Word Complete!");
            press(Qt::Key_Return, "\r");
            ++words;
        }
        EXPECT_EQ(words, 3);
        EXPECT_EQ(page->currentIndex(), 2);
        EXPECT_EQ(find<QLabel>(Control::txtScore)->text(), game == 0 ? "12 out of 12" : "9 out of 12");
        click(Control::btnMore);
        EXPECT_EQ(page->currentIndex(), 0);
    }
    EXPECT_EQ(system.beeps, 0);
}

TEST_F(MainWindow, PicturesAreFittedAndNeverEnlarged)
{
    addPicture("words/One/g/wide.png", 1400, 700);
    openWindow();
    click(Control::btnStart);
    const Rect panel = window->geometry(Control::pnlWordFlash);
    EXPECT_EQ(window->geometry(Control::WordDisplay), (Rect{panel.left + 150, panel.top + 185, 700, 350}));
}

TEST_F(MainWindow, AccentedNamesPlayInComposedAndDecomposedForm)
{
    addPicture("words/Français/g/café.png", 20, 20);
    addPicture("words/Français/g/cafe\xCC\x81 noir.cafe\xCC\x81.png", 20, 20);
    openWindow();
    click(Control::btnStart);
    auto* page = find<QStackedWidget>(Control::pnlWordFlash);
    while (page->currentIndex() == 1) {
        EXPECT_EQ(window->game().state().PhraseToSpell, "caf\xC3\xA9");
        EXPECT_EQ(window->game().state().CountAvailable, 4);
        type(QString::fromUtf8("CAF"));
        press(0, QString::fromUtf8("e\xCC\x81")); // a letter arriving decomposed
        EXPECT_TRUE(window->game().state().boolWordFinished);
        press(Qt::Key_Return, "\r");
    }
    EXPECT_EQ(find<QLabel>(Control::txtScore)->text(), "8 out of 8");
}

TEST_F(MainWindow, FailureInsideAHandlerIsCaughtAndTheGameGoesOn)
{
    addPicture("words/One/g/cat.png", 20, 20);
    openWindow();
    auto* app = qobject_cast<App*>(QCoreApplication::instance());
    app->setFailureHandler(
        [this](const std::string& problem) { window->game().recoverFromFailure(problem); });
    click(Control::btnStart);
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    EXPECT_EQ(find<QStackedWidget>(Control::pnlWordFlash)->currentIndex(), 0);
    EXPECT_NE(find<QLabel>(Control::stinfo)->text().indexOf("broken picture"), -1);
    app->setFailureHandler(nullptr);
}

} // namespace
} // namespace lumble::testing
