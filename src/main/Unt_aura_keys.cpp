#include "main/Unt_aura.h"

#include <QKeyEvent>

void TfrmAuralis::FormKeyDown(int, Qt::KeyboardModifiers) { }

bool TfrmAuralis::AppMessage(QObject *, QEvent *)
{
    return false;
}

void TfrmAuralis::keyPressEvent(QKeyEvent *event)
{
    QMainWindow::keyPressEvent(event);
}

bool TfrmAuralis::eventFilter(QObject *watched, QEvent *event)
{
    return QMainWindow::eventFilter(watched, event);
}
