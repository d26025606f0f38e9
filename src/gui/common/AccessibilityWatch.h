#pragma once

#include <QAccessible>
#include <QObject>

// Whether a screen reader or other assistive tool listens, and when one starts, so texts
// that are only worth keeping current for one can be brought up to date then.
class AccessibilityWatch : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    explicit AccessibilityWatch(QObject *parent = nullptr);
    ~AccessibilityWatch() override;

    bool active() const { return m_active; }
    void accessibilityActiveChanged(bool active) override;

signals:
    void started();

private:
    bool m_active = QAccessible::isActive();
};
