#include "main/Unt_aura.h"

#include "base/Texts.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "elements/ElementsAccessible.h"
#include "main/KeyCycles.h"
#include "toolbar/TB97.h"

#include <QApplication>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

namespace {

bool isTabKey(const QKeyEvent *key)
{
    // An open pop-up menu runs its own loop; its keys are its own.
    if (QApplication::activePopupWidget())
        return false;
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return false;
    // Only Shift is looked at (it picks the direction); Ctrl+Tab is a Tab as well. Alt and
    // the system key make a system key press, which is not a plain Tab.
    return !(key->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

void TfrmAuralis::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    const int z = m_state.selectedElement();
    const int count = m_state.elementCount();
    if (z < 1 || z > count || !tile(z))
        return;
    int target = 0;
    switch (key) {
    case Qt::Key_Right:
        target = KeyCycles::rowNext(z, count);
        break;
    case Qt::Key_Left:
        target = KeyCycles::rowPrevious(z, count);
        break;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const bool down = key == Qt::Key_Down;
        std::array<QRect, MaxElementCount + 1> rects {};
        for (int i = 1; i <= count; ++i)
            if (TElement *t = tile(i))
                rects[i] = t->geometry();
        target = KeyCycles::verticalTarget(z, down, rects, count);
        // Before the first layout the tiles have no places yet; the cycles still hold.
        if (!target)
            target = down ? KeyCycles::columnNext(z, count) : KeyCycles::columnPrevious(z, count);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        MenuClick(tile(z));
        return;
    default:
        return;
    }
    if (tile(target))
        ElementClick(target, Qt::LeftButton);
}

namespace {

// A key's characters that go into the search text: printable, no blank (Space shows the
// information window), no control character.
bool typeable(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (!c.isPrint() || c.isSpace())
            return false;
    return true;
}

bool modifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
        || key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock
        || key == Qt::Key_NumLock || key == Qt::Key_unknown;
}

}

bool TfrmAuralis::TypeAheadKey(const QKeyEvent *key)
{
    if (QApplication::activeWindow() != this || QApplication::activePopupWidget()
        || !tilesCreated())
        return false;
    if (!m_typeClock.isValid())
        m_typeClock.start();
    const qint64 now = m_typeClock.elapsed();
    const bool plain
        = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && m_typeAhead.active(now)) {
        if (key->key() == Qt::Key_Backspace) {
            m_typeAhead.backspace(now);
            if (m_typeAhead.text().isEmpty())
                endTypeAhead();
            else
                typeAheadFind();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            endTypeAhead();
            return true;
        }
    }
    if (plain && typeable(key->text())) {
        // A held key or a long paste stops growing the text at its limit; nothing more is
        // looked for then.
        if (m_typeAhead.type(key->text(), now))
            typeAheadFind();
        else if (m_typeAheadTimer)
            m_typeAheadTimer->start();
        return true;
    }
    // Every other key has a meaning of its own, and ends the search.
    if (m_typeAhead.active(now) && !modifierOnly(key->key()))
        endTypeAhead();
    return false;
}

void TfrmAuralis::TypeAheadText(const QString &text)
{
    if (QApplication::activeWindow() != this || !tilesCreated() || !typeable(text))
        return;
    if (!m_typeClock.isValid())
        m_typeClock.start();
    if (m_typeAhead.type(text, m_typeClock.elapsed()))
        typeAheadFind();
}

QString TfrmAuralis::typeAheadText() const
{
    return m_typeClock.isValid() && m_typeAhead.active(m_typeClock.elapsed()) ? m_typeAhead.text()
                                                                              : QString();
}

void TfrmAuralis::typeAheadFind()
{
    if (!m_typeAheadTimer) {
        m_typeAheadTimer = new QTimer(this);
        m_typeAheadTimer->setSingleShot(true);
        m_typeAheadTimer->setInterval(TypeAhead::TimeoutMs);
        connect(m_typeAheadTimer, &QTimer::timeout, this, [this] { endTypeAhead(); });
    }
    m_typeAheadTimer->start();
    // Names and symbols as they are now: the scheme and the language in force.
    const QString text = m_typeAhead.text();
    const int z = TypeAhead::match(
        text, m_state.elementCount(), [this](int n) { return m_state.name(n); },
        [this](int n) { return m_state.symbol(n); });
    m_typeAheadStatus = z ? tr("Go to: %1 → %2 %3").arg(text, QString::number(z), m_state.name(z))
                          : tr("Go to: %1 → no element").arg(text);
    m_statusPanels[0]->setText(Texts::cut(m_typeAheadStatus));
    if (z)
        ElementClick(z, Qt::LeftButton);
}

void TfrmAuralis::endTypeAhead()
{
    m_typeAhead.end();
    if (m_typeAheadTimer)
        m_typeAheadTimer->stop();
    // The panel forgets the search unless the mouse has written there since.
    if (!m_typeAheadStatus.isEmpty() && m_statusPanels[0]->text() == Texts::cut(m_typeAheadStatus))
        m_statusPanels[0]->clear();
    m_typeAheadStatus.clear();
}

bool TfrmAuralis::AppMessage(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);

    // Alt keys are the menus' and the dialogs' (each dialog takes its own page keys).
    if (key->modifiers() & Qt::AltModifier)
        return false;

    if (isTabKey(key) && QApplication::activeWindow() == this && tilesCreated()) {
        const bool shift = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        const int z = m_state.selectedElement();
        const int count = m_state.elementCount();
        const int target = z < 1 ? 1
            : shift              ? KeyCycles::tabPrevious(z, count)
                                 : KeyCycles::tabNext(z, count);
        if (tile(target))
            ElementClick(target, Qt::LeftButton);
        return true;
    }
    return false;
}

// The menu bar's own keyboard navigation is left to it, as a menu loop would be. Once
// that has ended the bar may still hold the focus; its keys are then the window's.
bool TfrmAuralis::isMainWindowWidget(const QObject *watched) const
{
    if (!watched || !watched->isWidgetType())
        return false;
    if (const auto *bar = qobject_cast<const QMenuBar *>(watched))
        if (bar->activeAction() || QApplication::activePopupWidget())
            return false;
    return static_cast<const QWidget *>(watched)->window() == this;
}

// A key event is offered to its receiver and then, while ignored, to each parent; the
// filter sees every step. Only the first step counts.
bool TfrmAuralis::firstKeyDelivery(QObject *watched, QEvent *event)
{
    if (event == m_lastKeyEvent && m_lastKeyReceiver) {
        for (QObject *o = m_lastKeyReceiver->parent(); o; o = o->parent())
            if (o == watched)
                return false;
    }
    m_lastKeyEvent = event;
    m_lastKeyReceiver = watched;
    return true;
}

bool TfrmAuralis::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        // Events are often built at the same address; a release ends the press it follows.
        m_lastKeyEvent = nullptr;
        return false;
    case QEvent::ShortcutOverride: {
        // Keys the hook takes must reach it as key presses, not as mnemonics or shortcuts.
        auto *key = static_cast<QKeyEvent *>(event);
        if (isTabKey(key) && QApplication::activeWindow() == this && tilesCreated()) {
            key->accept();
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress:
        // A click ends typing to go to an element.
        if (!m_typeAheadStatus.isEmpty() && isMainWindowWidget(watched))
            endTypeAhead();
        return false;
    case QEvent::InputMethod: {
        // What an input method composed (a dead key and a letter, say) comes once, here.
        const auto *im = static_cast<QInputMethodEvent *>(event);
        if (!im->commitString().isEmpty() && isMainWindowWidget(watched))
            ErrorBox::guarded([&] { TypeAheadText(im->commitString()); });
        return false;
    }
    case QEvent::ToolTip:
        // A hide delay of 0: no tool-tip stays up while the pop-up menu is open.
        return m_hintHidePause == 0;
    case QEvent::FocusIn:
        if (watched == PeriodicTable)
            ElementsAccessible::tableFocused(PeriodicTable, tile(m_state.selectedElement()));
        [[fallthrough]];
    case QEvent::Hide:
        // The slider of a hidden toolbar keeps, or gets back from the menu bar, the focus it
        // had; its keys would move a temperature nobody sees. The table takes it instead.
        if ((watched == static_cast<QObject *>(Toolbar) || watched == TempSlider) && Toolbar
            && Toolbar->isHidden() && TempSlider->hasFocus() && PeriodicTable)
            PeriodicTable->setFocus();
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }

    if (!firstKeyDelivery(watched, event))
        return false;
    bool handled = false;
    ErrorBox::guarded([&] {
        handled = TypeAheadKey(static_cast<QKeyEvent *>(event)) || AppMessage(watched, event);
        if (!handled && isMainWindowWidget(watched)) {
            auto *key = static_cast<QKeyEvent *>(event);
            FormKeyDown(key->key(), key->modifiers());
        }
    });
    // Selecting handles pending events, so this press's own release (or another key) may
    // have come meanwhile; the rest of this press's way up the parents is no new delivery.
    m_lastKeyEvent = event;
    m_lastKeyReceiver = watched;
    return handled;
}
