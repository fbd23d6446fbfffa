// Preloaded into an installed lumble (LD_PRELOAD) to report what its start page
// shows, since the game itself has no command line and prints nothing. Once the
// main window is up, it prints the current page and the rows of the word list
// drop-down on stdout and quits the program.
#include <QApplication>
#include <QComboBox>
#include <QStackedWidget>
#include <QTimer>
#include <QWidget>

#include <iostream>

namespace {

QWidget* shownMainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "qorviWendaro" && widget->isVisible())
            return widget;
    return nullptr;
}

void reportStartPage()
{
    QWidget* window = shownMainWindow();
    if (window == nullptr) {
        // The window is created after the application object; look again once it may exist.
        QTimer::singleShot(10, reportStartPage);
        return;
    }
    const auto* pages = window->findChild<QStackedWidget*>("pnlWordFlash");
    const auto* lists = window->findChild<QComboBox*>("ddlWordLists");
    if (pages == nullptr || lists == nullptr) {
        std::cout << "missing controls\n";
    } else {
        std::cout << "page " << pages->currentIndex() << '\n';
        std::cout << "selected " << lists->currentIndex() << '\n';
        for (int row = 0; row < lists->count(); ++row)
            std::cout << "list " << lists->itemText(row).toStdString() << '\n';
    }
    std::cout.flush();
    QCoreApplication::exit(0);
}

void scheduleReport()
{
    QTimer::singleShot(0, reportStartPage);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleReport)
