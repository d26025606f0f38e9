#include "common/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Placement {

QPoint centredOver(const QRect &ownerFrame, QSize own)
{
    return QPoint(ownerFrame.left() + ownerFrame.width() / 2 - own.width() / 2,
        ownerFrame.top() + ownerFrame.height() / 2 - own.height() / 2);
}

QRect ownerFrame(const QWidget *owner)
{
    if (owner)
        return owner->window()->frameGeometry();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void centreOnScreen(QWidget *w, QSize screen)
{
    w->adjustSize();
    w->move((screen.width() - w->width()) / 2, (screen.height() - w->height()) / 2);
}

}
