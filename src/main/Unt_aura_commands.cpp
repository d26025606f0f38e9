#include "main/Unt_aura.h"

#include <QAction>
#include <QEvent>
#include <QShowEvent>

void TfrmAuralis::createMenus() { }

void TfrmAuralis::MenuClick(QObject *) { }

void TfrmAuralis::MenuTrendsClick(QAction *) { }

void TfrmAuralis::ElementClick(TElement *, Qt::MouseButton) { }

void TfrmAuralis::TableMouseDown(QObject *, Qt::MouseButton) { }

void TfrmAuralis::LegendDblClick(QObject *) { }

void TfrmAuralis::ApplyTemperature() { }

void TfrmAuralis::ApplyNamingScheme(bool) { }

void TfrmAuralis::FormShow() { }

void TfrmAuralis::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
}

void TfrmAuralis::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
}

void TfrmAuralis::WMSysCommand(Qt::WindowStates, Qt::WindowStates) { }
