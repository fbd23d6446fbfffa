#pragma once

#include <QApplication>
#include <QMenuBar>
#include <QPointer>

#include <functional>
#include <string>

// The application object. Its one duty beyond Qt's is the boundary around
// event dispatch: anything thrown inside a handler is reported and handed to
// the failure handler instead of ending the game.
class App : public QApplication {
    Q_OBJECT
public:
    App(int& argc, char** argv);

    void setMenuBar(QMenuBar* menuBar) { menuBar_ = menuBar; }
    QMenuBar* menuBar() const { return menuBar_; }

    void setFailureHandler(std::function<void(const std::string&)> handler)
    {
        onFailure_ = std::move(handler);
    }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportFailure(const std::string& problem);

    QPointer<QMenuBar> menuBar_;
    std::function<void(const std::string&)> onFailure_;
};
