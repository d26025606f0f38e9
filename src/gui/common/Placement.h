#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where dialogs without a stored position go.
namespace Placement {

// Centred over the owner's outer frame: left = owner's left + owner's width div 2 − own
// width div 2, top likewise.
QPoint centredOver(const QRect &ownerFrame, QSize own);
// The owner window's outer frame, or the primary screen when there is no owner.
QRect ownerFrame(const QWidget *owner);
// Sized to its contents and centred on a screen of the given size.
void centreOnScreen(QWidget *w, QSize screen);

}
