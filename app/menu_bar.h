#pragma once

#include <QMenuBar>

// The program's one menu bar, File and Edit, shared by the application and
// the main window. Its entries have no handlers; Quit is the platform's quit item.
class qorviWendaroMenuBar : public QMenuBar {
    Q_OBJECT
public:
    // The single instance: built at the first request, the same one afterwards.
    static qorviWendaroMenuBar* request();

    // The entry of that name anywhere below the menu bar, or null.
    QAction* entry(const QString& name) const;

private:
    qorviWendaroMenuBar();
    void build();
};
