#include "common/Accessible.h"

#include "base/Texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QWidget>

namespace Accessible {

namespace {

const char *const WindowProperty = "auralisAccessibleWindow";

// The menu or menu bar a menu item is read in: the one shown, else the first.
QWidget *ownerOf(const QAction *action)
{
    QWidget *first = nullptr;
    for (QObject *o : action->associatedObjects()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || !(qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w)))
            continue;
        if (w->isVisible())
            return w;
        if (!first)
            first = w;
    }
    return first;
}

class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit MenuItemAccessible(QAction *action)
        : m_action(action)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                 : nullptr;
    }
    bool isValid() const override { return m_action && ownerOf(m_action); }
    QObject *object() const override { return m_action; }
    QWindow *window() const override
    {
        const QWidget *owner = ownerOf(m_action);
        return owner && owner->window() ? owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(ownerOf(m_action));
    }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && m_action->menu()
            ? QAccessible::queryAccessibleInterface(m_action->menu())
            : nullptr;
    }
    int childCount() const override { return m_action->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == m_action->menu() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QAccessible::Role role() const override
    {
        return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return Texts::withoutAccelerators(m_action->text());
        case QAccessible::Accelerator:
            return m_action->shortcut().toString(QKeySequence::NativeText);
        case QAccessible::Description:
            return m_action->statusTip();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        QWidget *owner = ownerOf(m_action);
        QRect r;
        if (auto *bar = qobject_cast<QMenuBar *>(owner))
            r = bar->actionGeometry(m_action);
        else if (auto *menu = qobject_cast<QMenu *>(owner))
            r = menu->actionGeometry(m_action);
        return owner ? r.translated(owner->mapToGlobal(QPoint(0, 0))) : r;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        QWidget *owner = ownerOf(m_action);
        s.invisible = !owner || !owner->isVisible() || !m_action->isVisible();
        if (auto *menu = qobject_cast<QMenu *>(owner))
            s.focused = menu->activeAction() == m_action;
        else if (auto *bar = qobject_cast<QMenuBar *>(owner))
            s.focused = bar->activeAction() == m_action;
        s.disabled = m_action->isSeparator() || !m_action->isEnabled();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        s.hasPopup = m_action->menu() != nullptr;
        return s;
    }

    QStringList actionNames() const override
    {
        if (!m_action->isEnabled() || m_action->isSeparator())
            return {};
        return { m_action->menu() ? showMenuAction() : pressAction() };
    }
    void doAction(const QString &name) override
    {
        if (!m_action->isEnabled())
            return;
        if (name == pressAction())
            m_action->trigger();
        else if (name == showMenuAction())
            if (auto *bar = qobject_cast<QMenuBar *>(ownerOf(m_action)))
                bar->setActiveAction(m_action);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QAction> m_action;
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QAction"))
        if (auto *action = qobject_cast<QAction *>(object); action && ownerOf(action))
            return new MenuItemAccessible(action);
    if (object && object->isWidgetType() && object->property(WindowProperty).toBool()
        && className == QLatin1String(object->metaObject()->className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

}

void install()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

void markWindow(QWidget *window)
{
    window->setProperty(WindowProperty, true);
}

}
