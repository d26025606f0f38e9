#pragma once

#include <QMenu>
#include <QStyleOptionMenuItem>

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
