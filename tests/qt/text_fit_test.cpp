#include "qt/window_fixture.h"

#include <QFontMetrics>
#include <QStackedWidget>

namespace lumble::testing {
namespace {

// A line of text taller than its control loses the tops of its capitals and
// its descenders: "jumping grapes" in the drop-down, the p of "points".
class TextFit : public WindowFixture {
protected:
    void expectEveryShownLineFits(const char* page)
    {
        for (const auto name : controlNames) {
            const QWidget* widget = window->findChild<QWidget*>(QString::fromUtf8(name));
            if (widget->isVisible()) {
                EXPECT_LE(widget->fontMetrics().height(), widget->height()) << name << " on the " << page;
            }
        }
    }
};

TEST_F(TextFit, ALineOfEachShownControlsFontFitsItsHeightOnEveryPage)
{
    addPicture("words/Animals/farm/cat.png", 40, 30);
    openWindow();
    expectEveryShownLineFits("start page");
    click(Control::btnStart);
    type("cat");
    ASSERT_TRUE(find(Control::txtWellDone)->isVisible());
    expectEveryShownLineFits("word page");
    press(Qt::Key_Return, "\r");
    ASSERT_EQ(find<QStackedWidget>(Control::pnlWordFlash)->currentIndex(), 2);
    expectEveryShownLineFits("results page");
}

} // namespace
} // namespace lumble::testing
