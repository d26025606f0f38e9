#include "main/Unt_aura.h"

#include "elements/Elements.h"

#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>

TfrmAuralis::TfrmAuralis(const StartOptions &options, QWidget *parent)
    : QMainWindow(parent),
      m_decimalSeparator(options.decimalSeparator),
      m_programFolder(options.programFolder),
      m_screenSize(options.screenSize)
{
}

TfrmAuralis::~TfrmAuralis() = default;

TElement *TfrmAuralis::tile(int z) const
{
    return z >= 1 && z <= ElementCount ? m_tiles[size_t(z)] : nullptr;
}

QSize TfrmAuralis::screenSize() const
{
    if (!m_screenSize.isEmpty())
        return m_screenSize;
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}

TColor TfrmAuralis::labelColour(const QLabel *label)
{
    const QVariant v = label->property("TColor");
    return v.isValid() ? TColor(v.toUInt()) : TColor();
}

void TfrmAuralis::setLabelColour(QLabel *label, TColor colour)
{
    label->setProperty("TColor", colour.value());
}

QString TfrmAuralis::statusText(int) const
{
    return QString();
}

void TfrmAuralis::FormCreate() {}

void TfrmAuralis::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}
