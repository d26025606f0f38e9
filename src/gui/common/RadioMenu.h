#pragma once

#include <QMenu>
#include <QStyleOptionMenuItem>
#include <functional>

// A menu whose items can carry a radio mark without joining an action group: the
// exclusivity is the window's MenuClick's business, the mark only says how the item looks.
// An item shows the radio mark when its "radio" property is true.
class TMenu : public QMenu
{
public:
    TMenu(const QString &title, QWidget *parent)
        : QMenu(title, parent)
    {
    }

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override
    {
        QMenu::initStyleOption(option, action);
        if (action->isCheckable() && action->property("radio").toBool())
            option->checkType = QStyleOptionMenuItem::Exclusive;
    }
};

// The one way the windows make their menus and items.
namespace MenuItems {

enum class Mark { None, Check, Radio };

// A menu of owner's, named for tests.
TMenu *menu(QWidget *owner, const QString &name, const QString &title);

// An item of owner's at the end of menu. The window's handler owns the marks: Qt toggles a
// check item before triggered() arrives, so the toggle is taken back before onTrigger runs
// and decides.
QAction *item(QMenu *menu, QObject *owner, const QString &name, const QString &caption, Mark mark,
    const std::function<void(QAction *)> &onTrigger);

}
