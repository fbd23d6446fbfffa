// The floor for start-up: a bare full-screen Qt Widgets window, shown the way
// lumble shows its own. With the argument "text" it also shows one line of
// text, which costs Qt its font database: the floor for any window with words.
#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Lumble");
    if (argc > 1 && QString(argv[1]) == "text")
        new QLabel("Choose a list then press 'Start'", &window);
    window.setGeometry(QGuiApplication::screens().first()->geometry());
    window.showFullScreen();
    return app.exec();
}
