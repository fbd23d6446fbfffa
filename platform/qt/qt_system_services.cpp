#include "platform/qt/qt_system_services.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

namespace lumble {

namespace {

std::filesystem::path executableFolder()
{
    // /proc/self/exe names the executable with every symbolic link resolved,
    // so a link to lumble elsewhere still finds the words beside the real file.
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return executable.parent_path();
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace

QtSystemServices::QtSystemServices(std::filesystem::path applicationFolder)
    : applicationFolder_(applicationFolder.empty() ? executableFolder() : std::move(applicationFolder))
{
}

void QtSystemServices::beep()
{
    QApplication::beep();
}

void QtSystemServices::quit(int exitStatus)
{
    QCoreApplication::exit(exitStatus);
}

Size QtSystemServices::mainScreenSize() const
{
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return {1000, 800};
    const QRect geometry = screens.first()->geometry();
    return {geometry.width(), geometry.height()};
}

std::filesystem::path QtSystemServices::applicationFolder() const
{
    return applicationFolder_;
}

} // namespace lumble
