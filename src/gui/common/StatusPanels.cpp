#include "common/StatusPanels.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace StatusPanels {

namespace {

// A panel's size does not follow its text (the text is clipped): asking for it is a line's
// height whatever it shows, kept until the font or style changes. The temperature panel is
// rewritten on every step of the slider, and a label measures its text for each.
class Panel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return minimumSizeHint(); }
    QSize minimumSizeHint() const override
    {
        if (!m_hint.isValid()) {
            const QMargins m = contentsMargins();
            m_hint = QSize(1, fontMetrics().height() + 2 * margin() + m.top() + m.bottom());
        }
        return m_hint;
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange
            || event->type() == QEvent::ContentsRectChange)
            m_hint = QSize();
        QLabel::changeEvent(event);
    }

private:
    mutable QSize m_hint;
};

}

std::array<QLabel *, 2> create(QStatusBar *bar)
{
    std::array<QLabel *, 2> panels {};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new Panel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setMinimumWidth(1);
        panels[size_t(i)] = panel;
    }
    bar->addWidget(panels[0]);
    bar->addWidget(panels[1], 1);
    return panels;
}

}
