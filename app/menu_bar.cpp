#include "app/menu_bar.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>

namespace {

struct MenuEntry {
    const char* name;
    const char* placedIn; // null: the menu bar itself
    const char* text;
    const char* shortcut; // null: no shortcut set at all (separators)
};

// The menu tree in the order it is built.
constexpr MenuEntry menuEntries[] = {
    {"FileMenu", nullptr, "&File", ""},
    {"FileQuit", "FileMenu", "Quit", "Ctrl+Q"},
    {"EditMenu", nullptr, "&Edit", ""},
    {"EditUndo", "EditMenu", "&Undo", "Ctrl+Z"},
    {"UntitledMenu1", "EditMenu", "-", nullptr},
    {"EditCut", "EditMenu", "Cu&t", "Ctrl+X"},
    {"EditCopy", "EditMenu", "&Copy", "Ctrl+C"},
    {"EditPaste", "EditMenu", "&Paste", "Ctrl+V"},
    {"EditClear", "EditMenu", "&Delete", ""},
    {"UntitledMenu0", "EditMenu", "-", nullptr},
    {"EditSelectAll", "EditMenu", "Select &All", "Ctrl+A"},
};

} // namespace

qorviWendaroMenuBar* qorviWendaroMenuBar::request()
{
    // Guarded, so a request after the window (and with it the menu bar) is gone builds anew.
    static QPointer<qorviWendaroMenuBar> instance;
    if (!instance) {
        instance = new qorviWendaroMenuBar;
        instance->build();
    }
    return instance;
}

qorviWendaroMenuBar::qorviWendaroMenuBar()
{
    setObjectName("qorviWendaroMenuBar");
}

void qorviWendaroMenuBar::build()
{
    for (const auto& spec : menuEntries) {
        const QString text = QString::fromUtf8(spec.text);
        if (!spec.placedIn) {
            auto* menu = new QMenu(text, this);
            menu->setObjectName(spec.name);
            menu->menuAction()->setObjectName(spec.name);
            menu->menuAction()->setShortcut(QKeySequence(QString::fromUtf8(spec.shortcut)));
            addMenu(menu);
            continue;
        }
        auto* menu = findChild<QMenu*>(spec.placedIn);
        auto* action = new QAction(text, menu);
        action->setObjectName(spec.name);
        action->setSeparator(text == "-");
        if (spec.shortcut)
            action->setShortcut(QKeySequence(QString::fromUtf8(spec.shortcut)));
        if (action->objectName() == "FileQuit") {
            action->setMenuRole(QAction::QuitRole);
            connect(action, &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });
        }
        menu->addAction(action);
    }
}

QAction* qorviWendaroMenuBar::entry(const QString& name) const
{
    if (auto* menu = findChild<QMenu*>(name))
        return menu->menuAction();
    return findChild<QAction*>(name);
}
