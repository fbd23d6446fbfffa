#pragma once

#include "app/qorvi_wendaro.h"
#include "platform/disk_folder_lister.h"
#include "platform/file_text_reader.h"
#include "support/fakes.h"
#include "support/temp_library.h"

#include <QImage>
#include <QKeyEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace lumble::testing {

// The real main window over a temporary library on disk, with the beep and
// quit recorded instead of performed.
class WindowFixture : public ::testing::Test {
protected:
    void addPicture(const std::filesystem::path& relative, int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const auto path = library.root() / relative;
        std::filesystem::create_directories(path.parent_path());
        ASSERT_TRUE(picture.save(QString::fromStdString(path.string()), "PNG"));
    }

    qorviWendaro& openWindow()
    {
        window = std::make_unique<qorviWendaro>(system, lister, reader, random);
        window->showOnMainScreen();
        return *window;
    }

    template <typename Widget = QWidget> Widget* find(Control control) const
    {
        return window->findChild<Widget*>(QString::fromUtf8(controlName(control)));
    }

    void click(Control control) { find<QPushButton>(control)->click(); }

    void press(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(window.get(), &event);
    }

    void type(const QString& letters)
    {
        for (const QChar letter : letters)
            press(0, QString(letter));
    }

    TempLibrary library;
    FakeSystem system{library.root(), {1280, 1024}};
    DiskFolderLister lister;
    FileTextReader reader;
    ScriptedRandom random;
    std::unique_ptr<qorviWendaro> window;
};

} // namespace lumble::testing
