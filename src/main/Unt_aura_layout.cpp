#include "main/Unt_aura.h"

#include <QPainter>

void TfrmAuralis::FormResize() {}

void TfrmAuralis::PeriodicTableResize() {}

void TfrmAuralis::BackgroundPaint(QPainter &) {}

void TfrmAuralis::LinesPaint(QWidget *, QPainter &) {}
