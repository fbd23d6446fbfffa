#include "app/app.h"
#include "app/menu_bar.h"
#include "app/qorvi_wendaro.h"
#include "platform/disk_folder_lister.h"
#include "platform/file_text_reader.h"
#include "platform/qt/qt_system_services.h"
#include "platform/system_random.h"

int main(int argc, char** argv)
{
    App app(argc, argv);
    app.setMenuBar(qorviWendaroMenuBar::request());

    lumble::QtSystemServices system;
    lumble::DiskFolderLister lister;
    lumble::FileTextReader reader;
    lumble::SystemRandom random;
    qorviWendaro window(system, lister, reader, random);
    app.setFailureHandler(
        [&window](const std::string& problem) { window.game().recoverFromFailure(problem); });
    window.showOnMainScreen();
    return app.exec();
}
