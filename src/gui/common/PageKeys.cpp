#include "common/PageKeys.h"

#include "common/ErrorBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

PageKeys::PageKeys(
    QWidget *dialog, const QList<QPair<int, int>> &keys, std::function<void(int)> turn)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_keys(keys)
    , m_turn(std::move(turn))
{
    qApp->installEventFilter(this);
}

int PageKeys::pageFor(const QKeyEvent *key) const
{
    if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) != Qt::AltModifier)
        return -1;
    for (const auto &[k, page] : m_keys)
        if (k == key->key())
            return page;
    return -1;
}

bool PageKeys::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const int page = m_dialog->isVisible() ? pageFor(key) : -1;
    if (page < 0)
        return false;
    // Taken as a shortcut override, the key comes back as a key press.
    key->accept();
    if (event->type() == QEvent::KeyPress)
        ErrorBox::guarded([this, page] { m_turn(page); });
    return true;
}
