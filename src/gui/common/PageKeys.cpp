#include "common/PageKeys.h"

#include "common/ErrorBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTabWidget>
#include <QWidget>

PageKeys::PageKeys(QWidget *dialog, const QTabWidget *pages, std::function<void(int)> turn)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_pages(pages)
    , m_turn(std::move(turn))
{
    qApp->installEventFilter(this);
}

int PageKeys::pageFor(const QKeyEvent *key) const
{
    if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) != Qt::AltModifier)
        return -1;
    for (int page = 0; page < m_pages->count(); ++page)
        if (const int k = keyOf(m_pages->tabText(page)); k && k == key->key())
            return page;
    return -1;
}

int PageKeys::keyOf(const QString &caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? 0 : mnemonic[0].key();
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
