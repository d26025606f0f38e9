#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class TToolbar97;

// A dock strip along the top or bottom edge of a window. Its height is more than 10
// pixels exactly while a toolbar is docked in it, and 0 while it is empty.
class TDock97 : public QWidget
{
    Q_OBJECT
public:
    enum Position { Top, Bottom };
    explicit TDock97(Position position, QWidget *parent = nullptr);
    Position position() const { return m_position; }
    TToolbar97 *toolbar() const { return m_toolbar; }

private:
    friend class TToolbar97;
    void take(TToolbar97 *toolbar);
    void release();
    Position m_position;
    QPointer<TToolbar97> m_toolbar;
    QHBoxLayout *m_layout = nullptr;
};

// A toolbar that lives in a dock or floats in a small captioned tool window of its own
// with a close button. Dragging its grip out of the dock floats it; moving the floating
// window over a dock docks it again.
class TToolbar97 : public QWidget
{
    Q_OBJECT
public:
    explicit TToolbar97(const QString &caption, QWidget *parent = nullptr);

    void addItem(QWidget *w);
    bool isFloating() const;
    TDock97 *dockedTo() const { return m_dock; }
    // Docks may take the toolbar; the first is the default dock.
    void setDocks(const QList<TDock97 *> &docks);
    void dockTo(TDock97 *dock);
    void floatAt(const QPoint &globalPos);

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
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QString m_caption;
    QList<TDock97 *> m_docks;
    TDock97 *m_dock = nullptr;
    QHBoxLayout *m_layout = nullptr;
    QPoint m_dragStart;
    bool m_dragging = false;
};

// A flat picture button 23 × 22 (design size) with a tool-tip.
class TToolbarButton97 : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TToolbarButton97(QWidget *parent = nullptr);

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

// A separator 6 pixels wide (design size).
class TToolbarSep97 : public QWidget
{
    Q_OBJECT
public:
    explicit TToolbarSep97(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
