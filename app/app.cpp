#include "app/app.h"

#include "app/app_style.h"

#include <exception>
#include <iostream>

App::App(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("Lumble");
    setStyle(new AppStyle(style()));
}

bool App::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        reportFailure(failure.what());
    } catch (...) {
        reportFailure("unknown failure");
    }
    return true;
}

void App::reportFailure(const std::string& problem)
{
    std::cerr << "lumble: unexpected failure: " << problem << '\n';
    if (!onFailure_)
        return;
    try {
        onFailure_(problem);
    } catch (...) {
        std::cerr << "lumble: could not recover from the failure\n";
    }
}
