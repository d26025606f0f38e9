#include "toolbar/TB97.h"

#include "common/Scale.h"
#include "elements/Pixels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QTimer>

namespace {

// Design sizes: the grip with its border ends at 11, so the first item starts there.
constexpr int ItemsLeft = 11;
constexpr int RightMargin = 2;
constexpr int VerticalMargin = 2;
constexpr int ButtonHeight = 22;
constexpr int DockHeight = 27;

const Qt::WindowFlags FloatingFlags
    = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

} // namespace

// --- TDock97 ------------------------------------------------------------------------------

TDock97::TDock97(Position position, QWidget *parent)
    : QWidget(parent)
    , m_position(position)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(0);
}

QSize TDock97::sizeHint() const
{
    return QSize(m_toolbar ? m_toolbar->width() : 0, height());
}

int TDock97::dockedHeight() const
{
    return qMax(Scale::px(DockHeight), m_toolbar ? m_toolbar->sizeHint().height() : 0);
}

QRect TDock97::dockingZone() const
{
    if (!isVisible() || width() <= 0)
        return QRect();
    const int depth = qMax(height(), dockedHeight());
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    if (m_position == Top)
        return QRect(origin, QSize(width(), depth));
    return QRect(origin.x(), origin.y() + height() - depth, width(), depth);
}

void TDock97::take(TToolbar97 *toolbar)
{
    m_toolbar = toolbar;
    toolbar->installEventFilter(this);
    toolbar->move(0, 0);
    updateHeight();
}

void TDock97::release()
{
    if (m_toolbar)
        m_toolbar->removeEventFilter(this);
    m_toolbar = nullptr;
    updateHeight();
}

void TDock97::updateHeight()
{
    // A hidden toolbar takes no room, so hiding it from the menu closes the strip.
    const bool shown = m_toolbar && !m_toolbar->isHidden();
    const int h = shown ? dockedHeight() : 0;
    if (minimumHeight() != h || maximumHeight() != h || height() != h)
        setFixedHeight(h);
    updateGeometry();
}

bool TDock97::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_toolbar
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        updateHeight();
    return QWidget::eventFilter(watched, event);
}

// --- TToolbar97 ---------------------------------------------------------------------------

TToolbar97::TToolbar97(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_caption(caption)
{
    setWindowTitle(caption);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    relayout();
}

TToolbar97::~TToolbar97()
{
    // The items go with the base class; by then this part no longer exists.
    for (QWidget *item : qAsConst(m_items)) {
        item->removeEventFilter(this);
        disconnect(item, nullptr, this, nullptr);
    }
    delete m_band;
}

void TToolbar97::addItem(QWidget *w)
{
    const bool hidden = w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
    w->setParent(this);
    w->installEventFilter(this);
    connect(w, &QObject::destroyed, this, &TToolbar97::itemDestroyed);
    m_items.append(w);
    w->setVisible(!hidden);
    relayout();
}

bool TToolbar97::isFloating() const
{
    return m_dock == nullptr && isWindow();
}

void TToolbar97::itemDestroyed(QObject *item)
{
    m_items.removeAll(static_cast<QWidget *>(item));
    relayout();
}

TDock97 *TToolbar97::defaultDock() const
{
    for (const QPointer<TDock97> &dock : m_docks) {
        if (dock)
            return dock;
    }
    return nullptr;
}

void TToolbar97::setDocks(const QList<TDock97 *> &docks)
{
    m_docks.clear();
    for (TDock97 *dock : docks)
        m_docks.append(dock);
    // A toolbar starts in its default dock.
    TDock97 *first = defaultDock();
    if (!m_dock && first && !(isWindow() && isVisible()))
        place(first);
}

int TToolbar97::gripWidth() const
{
    return Scale::px(ItemsLeft);
}

QSize TToolbar97::sizeHint() const
{
    int w = Scale::px(ItemsLeft);
    int h = Scale::px(ButtonHeight);
    for (const QWidget *item : m_items) {
        if (item->isHidden() && item->testAttribute(Qt::WA_WState_ExplicitShowHide))
            continue;
        w += item->width();
        h = qMax(h, item->height());
    }
    return QSize(w + Scale::px(RightMargin), h + 2 * Scale::px(VerticalMargin));
}

void TToolbar97::relayout()
{
    if (m_relayingOut)
        return;
    m_relayingOut = true;
    const QSize hint = sizeHint();
    const int h = m_dock ? m_dock->dockedHeight() : hint.height();
    resize(hint.width(), h);
    int x = Scale::px(ItemsLeft);
    for (QWidget *item : qAsConst(m_items)) {
        if (item->isHidden() && item->testAttribute(Qt::WA_WState_ExplicitShowHide))
            continue;
        item->move(x, (h - item->height()) / 2);
        x += item->width();
    }
    updateGeometry();
    if (m_dock)
        m_dock->updateHeight();
    m_relayingOut = false;
}

bool TToolbar97::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (m_items.contains(static_cast<QWidget *>(watched)))
            relayout();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QWidget *TToolbar97::home() const
{
    if (TDock97 *dock = defaultDock())
        return dock->window();
    if (m_dock)
        return m_dock->window();
    return isWindow() ? parentWidget() : window();
}

bool TToolbar97::explicitlyHidden() const
{
    return isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide);
}

void TToolbar97::place(TDock97 *dock)
{
    const bool hidden = explicitlyHidden();
    m_dragging = false;
    if (m_band)
        m_band->hide();
    if (m_dock)
        m_dock->release();
    if (parentWidget() != dock || isWindow())
        setParent(dock, Qt::Widget);
    m_dock = dock;
    m_lastDock = dock;
    setVisible(!hidden);
    dock->take(this);
    relayout();
}

void TToolbar97::dockTo(TDock97 *dock)
{
    if (!dock || dock == m_dock)
        return;
    place(dock);
    emit dockChanged();
}

void TToolbar97::floatAt(const QPoint &globalPos)
{
    const bool wasFloating = isFloating();
    const bool hidden = explicitlyHidden();
    m_dragging = false;
    if (m_band)
        m_band->hide();
    if (m_dock) {
        m_dock->release();
        m_dock = nullptr;
    }
    if (!wasFloating)
        setParent(home(), FloatingFlags);
    setWindowTitle(m_caption);
    relayout();

    // Keep clear of the docks, or the window would dock again as soon as it lands.
    QRect r(globalPos, size());
    for (int pass = 0; pass < 2; ++pass) {
        for (const QPointer<TDock97> &dock : qAsConst(m_docks)) {
            if (!dock)
                continue;
            const QRect zone = dock->dockingZone();
            if (!zone.isValid() || !zone.intersects(r))
                continue;
            if (dock->position() == TDock97::Top)
                r.moveTop(zone.bottom() + 1);
            else
                r.moveBottom(zone.top() - 1);
        }
    }
    move(r.topLeft());
    setVisible(!hidden);
    if (!wasFloating)
        emit dockChanged();
}

TDock97 *TToolbar97::dockUnder(const QRect &globalRect) const
{
    for (const QPointer<TDock97> &dock : m_docks) {
        if (!dock)
            continue;
        const QRect zone = dock->dockingZone();
        if (zone.isValid() && zone.intersects(globalRect))
            return dock;
    }
    return nullptr;
}

void TToolbar97::dockLater(TDock97 *dock)
{
    QPointer<TDock97> target(dock);
    QTimer::singleShot(0, this, [this, target] {
        if (target)
            dockTo(target);
    });
}

void TToolbar97::floatLater(const QPoint &globalPos)
{
    QTimer::singleShot(0, this, [this, globalPos] { floatAt(globalPos); });
}

QRect TToolbar97::bandRect(const QRect &target, TDock97 *dock) const
{
    if (!dock)
        return QRect(target.topLeft(), sizeHint());
    const QRect zone = dock->dockingZone();
    return QRect(zone.topLeft(), QSize(width(), zone.height()));
}

void TToolbar97::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    if (!isWindow())
        Pixels::edge(p, rect(), light, dark);
    // The grip: two raised bars.
    const int top = Scale::px(3);
    const int bottom = height() - 1 - Scale::px(3);
    for (int i = 0; i < 2; ++i) {
        const int x = Scale::px(3) + i * Scale::px(3);
        Pixels::edge(p, QRect(QPoint(x, top), QPoint(x + Scale::px(3) - 2, bottom)), light, dark);
    }
}

void TToolbar97::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || event->position().x() >= gripWidth()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_dragStart = event->globalPosition().toPoint();
    m_grabOffset = event->position().toPoint();
    m_windowStart = pos();
    event->accept();
}

void TToolbar97::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint global = event->globalPosition().toPoint();
    if ((global - m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    if (isFloating()) {
        // The grip moves the floating window like its caption does.
        move(m_windowStart + (global - m_dragStart));
        return;
    }
    const QRect target(global - m_grabOffset, size());
    if (!m_band)
        m_band = new QRubberBand(QRubberBand::Rectangle);
    m_band->setGeometry(bandRect(target, dockUnder(target)));
    m_band->show();
}

void TToolbar97::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    if (m_band)
        m_band->hide();
    const QPoint global = event->globalPosition().toPoint();
    if ((global - m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    if (isFloating()) {
        if (TDock97 *dock = dockUnder(geometry()))
            dockLater(dock);
        return;
    }
    const QRect target(global - m_grabOffset, size());
    TDock97 *dock = dockUnder(target);
    if (!dock)
        floatLater(target.topLeft());
    else if (dock != m_dock)
        dockLater(dock);
}

void TToolbar97::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || event->position().x() >= gripWidth()) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (isFloating()) {
        TDock97 *dock = m_lastDock ? m_lastDock.data() : defaultDock();
        if (dock)
            dockLater(dock);
    } else {
        floatLater(mapToGlobal(QPoint(0, height() + Scale::px(DockHeight))));
    }
}

void TToolbar97::closeEvent(QCloseEvent *event)
{
    event->accept();
    hide();
    // Only the floating window has a close button of its own.
    if (isFloating())
        emit closed();
}

void TToolbar97::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Moved by its caption over a dock: dock there. The grip drag decides on release.
    if (!isFloating() || !isVisible() || m_dragging)
        return;
    if (TDock97 *dock = dockUnder(geometry()))
        dockLater(dock);
}

// --- TToolbarButton97 ---------------------------------------------------------------------

TToolbarButton97::TToolbarButton97(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setIconSize(Scale::size(16, 16));
    resize(sizeHint());
}

QSize TToolbarButton97::sizeHint() const
{
    return Scale::size(23, 22);
}

void TToolbarButton97::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const bool sunken = isDown() || isChecked();
    if (sunken)
        Pixels::edge(p, rect(), dark, light);
    else if (m_hover && isEnabled())
        Pixels::edge(p, rect(), light, dark);

    QRect iconRect(QPoint(0, 0), iconSize());
    iconRect.moveCenter(rect().center());
    if (sunken)
        iconRect.translate(1, 1);
    icon().paint(&p, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void TToolbarButton97::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(this);
    QAbstractButton::mouseMoveEvent(event);
}

void TToolbarButton97::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TToolbarButton97::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// --- TToolbarSep97 ------------------------------------------------------------------------

TToolbarSep97::TToolbarSep97(QWidget *parent)
    : QWidget(parent)
{
    resize(sizeHint());
}

QSize TToolbarSep97::sizeHint() const
{
    return Scale::size(6, 22);
}

void TToolbarSep97::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int x = width() / 2 - 1;
    p.fillRect(QRect(x, 1, 1, height() - 2), palette().color(QPalette::Dark));
    p.fillRect(QRect(x + 1, 1, 1, height() - 2), palette().color(QPalette::Light));
}
