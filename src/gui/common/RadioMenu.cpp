#include "common/RadioMenu.h"

namespace MenuItems {

TMenu *menu(QWidget *owner, const QString &name, const QString &title)
{
    auto *m = new TMenu(title, owner);
    m->setObjectName(name);
    return m;
}

QAction *item(QMenu *menu, QObject *owner, const QString &name, const QString &caption, Mark mark,
    const std::function<void(QAction *)> &onTrigger)
{
    auto *a = new QAction(caption, owner);
    a->setObjectName(name);
    a->setCheckable(mark != Mark::None);
    a->setProperty("radio", mark == Mark::Radio);
    menu->addAction(a);
    QObject::connect(a, &QAction::triggered, owner, [a, onTrigger](bool checked) {
        if (a->isCheckable())
            a->setChecked(!checked);
        onTrigger(a);
    });
    return a;
}

}
