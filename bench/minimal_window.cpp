// The floor for start-up: a bare full-screen Qt Widgets window, shown the way
// lumble shows its own.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Lumble");
    window.setGeometry(QGuiApplication::screens().first()->geometry());
    window.showFullScreen();
    return app.exec();
}
