#include "common/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>

namespace StatusPanels {

std::array<QLabel *, 2> create(QStatusBar *bar)
{
    std::array<QLabel *, 2> panels {};
    for (int i = 0; i < 2; ++i) {
        auto *panel = new QLabel(bar);
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
