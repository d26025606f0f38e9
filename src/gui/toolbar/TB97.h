#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

class QRubberBand;
class TToolbar97;

// A dock strip along the top or bottom edge of a window. Its height is more than 10
// pixels exactly while a shown toolbar is docked in it, and 0 while it is empty (or its
// toolbar is hidden), so the window's layout can test the height.
class TDock97 : public QWidget
{
    Q_OBJECT
public:
    enum Position { Top, Bottom };
    explicit TDock97(Position position, QWidget *parent = nullptr);
    Position position() const { return m_position; }
    TToolbar97 *toolbar() const { return m_toolbar; }
    QSize sizeHint() const override;
    // The area, in global coordinates, where a floating toolbar docks here: the strip
    // itself, at least a docked toolbar's height deep even while the dock is empty.
    QRect dockingZone() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TToolbar97;
    void take(TToolbar97 *toolbar);
    void release();
    void updateHeight();
    int dockedHeight() const;
    Position m_position;
    QPointer<TToolbar97> m_toolbar;
};

// A toolbar that lives in a dock or floats in a small captioned tool window of its own
// with a close button. Items sit in one row at their own sizes (their width may be set
// from outside), after a grip at the left. Dragging the grip out of the dock floats the
// toolbar; moving the floating window over a dock, or double-clicking its grip, docks it
// (a double click on the grip of a docked toolbar floats it).
class TToolbar97 : public QWidget
{
    Q_OBJECT
public:
    explicit TToolbar97(const QString &caption, QWidget *parent = nullptr);
    ~TToolbar97() override;

    void addItem(QWidget *w);
    bool isFloating() const;
    TDock97 *dockedTo() const { return m_dock.data(); }
    // Docks may take the toolbar; the first is the default dock.
    void setDocks(const QList<TDock97 *> &docks);
    // Both keep the toolbar's shown or hidden state and emit dockChanged() on a change.
    void dockTo(TDock97 *dock);
    // Places the floating window's top-left corner at globalPos, moved clear of the docks.
    void floatAt(const QPoint &globalPos);
    QSize sizeHint() const override;

signals:
    // The floating toolbar was closed with its own close button (it hid itself).
    void closed();
    // Docked <-> floating, or moved to another dock.
    void dockChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void relayout();
    void itemDestroyed(QObject *item);
    TDock97 *defaultDock() const;
    int gripWidth() const;
    TDock97 *dockUnder(const QRect &globalRect) const;
    QWidget *home() const;
    // Docking from inside this widget's own event handlers would destroy the native
    // window that is delivering the event, so user-driven changes run from the loop.
    void dockLater(TDock97 *dock);
    void floatLater(const QPoint &globalPos);
    void place(TDock97 *dock);
    bool explicitlyHidden() const;
    QRect bandRect(const QRect &target, TDock97 *dock) const;

    QString m_caption;
    QList<QPointer<TDock97>> m_docks;
    QList<QWidget *> m_items;
    QPointer<TDock97> m_dock;
    QPointer<TDock97> m_lastDock;
    QRubberBand *m_band = nullptr;
    QPoint m_dragStart; // global position of the press on the grip
    QPoint m_grabOffset; // press position inside the toolbar
    QPoint m_windowStart; // floating window position at the press
    bool m_dragging = false;
    bool m_relayingOut = false;
};

// A flat picture button 23 × 22 (design size) with a tool-tip; raised under the mouse,
// sunken while pressed.
class TToolbarButton97 : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TToolbarButton97(QWidget *parent = nullptr);
    QSize sizeHint() const override;

signals:
    void mouseMoved(QObject *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_hover = false;
};

// A separator 6 pixels wide (design size): an etched vertical line.
class TToolbarSep97 : public QWidget
{
    Q_OBJECT
public:
    explicit TToolbarSep97(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
