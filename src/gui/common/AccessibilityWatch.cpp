#include "common/AccessibilityWatch.h"

AccessibilityWatch::AccessibilityWatch(QObject *parent)
    : QObject(parent)
{
    QAccessible::installActivationObserver(this);
}

AccessibilityWatch::~AccessibilityWatch()
{
    QAccessible::removeActivationObserver(this);
}

void AccessibilityWatch::accessibilityActiveChanged(bool active)
{
    const bool starts = active && !m_active;
    m_active = active;
    if (starts)
        emit started();
}
