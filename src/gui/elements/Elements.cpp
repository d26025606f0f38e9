#include "elements/Elements.h"

#include "base/Contrast.h"
#include "base/Temperature.h"

#include "common/Guarded.h"
#include "elements/Pixels.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

struct Shades
{
    QColor light;
    QColor dark;
};

} // namespace

TElement::TElement(QWidget *owner)
    : QWidget(owner)
{
    // The panel shows through wherever the tile draws nothing.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
    setMouseTracking(true);
}

void TElement::setSymbol(const QString &s)
{
    m_symbol = s;
}

void TElement::setNumber(const QString &s)
{
    m_number = s;
}

void TElement::setDepth(int d)
{
    m_depth = d;
}

void TElement::setHint(const QString &s)
{
    m_hint = s;
}

void TElement::setSynthetic(bool s)
{
    m_synthetic = s;
    if (s) {
        m_stateColor = m_syntheticColor;
        decideOutlines();
    }
}

void TElement::setSyntheticColor(TColor c)
{
    m_syntheticColor = c;
    if (m_synthetic) {
        m_stateColor = c;
        decideOutlines();
    }
}

void TElement::setNumberColor(TColor c)
{
    m_numberColor = c;
    decideOutlines();
}

void TElement::decideOutlines()
{
    const QColor face = color().resolve(palette());
    const int pixels = QFontInfo(canvasFont()).pixelSize();
    m_symbolOutline = Contrast::outline(m_stateColor.resolve(palette()), face, pixels);
    m_numberOutline = Contrast::outline(m_numberColor.resolve(palette()), face, pixels);
}

void TElement::setSelected(bool s)
{
    m_selected = s;
    // Only the outermost ring looks different when selected.
    update(frameRegion(1));
}

void TElement::setTemperature(double k)
{
    // A synthetic element has no natural state: it keeps its colour and its temperature.
    if (m_synthetic)
        return;
    m_temperature = k;
    const TColor colours[] = { m_solidColor, m_liquidColor, m_gasColor };
    const TColor chosen = colours[int(Temperature::stateAt(k, m_meltingPoint, m_boilingPoint))];
    if (chosen == m_stateColor)
        return;
    m_stateColor = chosen;
    decideOutlines();
    // Only the symbol changes colour; the frame is redrawn with it.
    const QFont canvas = canvasFont();
    const QFontMetrics fm(canvas);
    // An outline reaches one pixel beyond the glyphs.
    const int halo = m_symbolOutline.isValid() ? 1 : 0;
    update(QRegion(symbolArea(canvas, fm, m_symbolOnly).adjusted(-halo, -halo, halo, halo))
        + frameRegion(ringCount()));
}

TColor TElement::color() const
{
    // The colour value given, so that a system colour that happens to resolve to silver
    // still counts as a system colour.
    if (m_faceColor)
        return *m_faceColor;
    const QWidget *panel = parentWidget();
    if (!panel)
        return Colours::Silver;
    return TColor::fromQColor(panel->palette().color(panel->backgroundRole()));
}

void TElement::setFaceColor(TColor c)
{
    if (m_faceColor == c)
        return;
    m_faceColor = c;
    decideOutlines();
    update();
}

QFont TElement::canvasFont() const
{
    // The canvas font takes the family and size of the tile's font, not its style.
    QFont f = font();
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

const TElement::TextExtents &TElement::extents(const QFont &canvas, const QFontMetrics &fm) const
{
    if (!m_extents || m_extents->symbol != m_symbol || m_extents->number != m_number
        || m_extents->font != canvas) {
        m_extents = TextExtents { canvas, m_symbol, m_number, fm.horizontalAdvance(m_symbol),
            fm.boundingRect(m_symbol), fm.horizontalAdvance(m_number) };
    }
    return *m_extents;
}

QRect TElement::symbolArea(const QFont &canvas, const QFontMetrics &fm, bool symbolOnly) const
{
    const TextExtents &e = extents(canvas, fm);
    const int tw = e.symbolWidth;
    const int th = fm.height();
    const QPoint at = symbolOnly ? QPoint(width() / 2 - tw / 2, height() / 2 - th / 2)
                                 : QPoint(2, height() - 2 - th);
    // The text cell, and any ink of the glyphs that reaches beyond it.
    return QRect(at, QSize(tw, th)).united(e.symbolInk.translated(at + QPoint(0, fm.ascent())));
}

int TElement::ringCount() const
{
    if (m_depth == 0)
        return 1;
    if (m_depth == -1)
        return 2;
    const qint64 half = m_maxDepth / 2;
    const qint64 n = m_depth <= half ? half - m_depth + 1 : qint64(m_depth) - half;
    // A ring k at or beyond both the width and the height lies wholly outside the tile.
    return int(qMin<qint64>(n, qMax(width(), height()))) + 1;
}

QRegion TElement::frameRegion(int rings) const
{
    const QRect all = rect();
    return QRegion(all) - QRegion(all.adjusted(rings, rings, -rings, -rings));
}

void TElement::paintEvent(QPaintEvent *)
{
    const int W = width();
    const int H = height();
    const TColor face = color();
    const QColor fill = face.resolve(palette());

    Shades shade;
    if (face == Colours::Silver) {
        shade = { QColor(255, 255, 255), QColor(128, 128, 128) };
    } else {
        shade = { TColor::system(TColor::BtnHighlight).resolve(palette()),
            TColor::system(TColor::BtnShadow).resolve(palette()) };
    }

    const QFont canvas = canvasFont();
    const QFontMetrics fm(canvas);
    const TextExtents &measured = extents(canvas, fm);
    const int TH = fm.height();

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(canvas);

    // Text is drawn opaque: each text cell is filled with the face colour first. A colour
    // too close to the face is drawn over its decided outline.
    const auto text = [&](int x, int y, const QString &s, int width, const QColor &colour,
                          const QColor &outline) {
        if (s.isEmpty())
            return;
        p.fillRect(QRect(x, y, width, TH), fill);
        Guarded::drawText(p, QPoint(x, y + fm.ascent()), s, colour, outline, width);
    };

    m_symbolOnly = (font().pointSize() == 8 && 2 * TH > H - 2) || m_depth != 0;

    const QRect symbolCell = symbolArea(canvas, fm, m_symbolOnly);
    text(symbolCell.left(), symbolCell.top(), m_symbol, measured.symbolWidth,
        m_stateColor.resolve(palette()), m_symbolOutline);
    if (!m_symbolOnly)
        text(W - 3 - measured.numberWidth, 1, m_number, measured.numberWidth,
            m_numberColor.resolve(palette()), m_numberOutline);

    // Ring k: left and top in the first colour, right and bottom in the second.
    const auto ring = [&](int k, const QColor &first, const QColor &second, int bottomEnd) {
        Pixels::polyline(p, { QPoint(k, H - 1 - k), QPoint(k, k), QPoint(W - 1 - k, k) }, first);
        Pixels::polyline(p,
            { QPoint(W - 1 - k, k), QPoint(W - 1 - k, H - 1 - k), QPoint(bottomEnd, H - 1 - k) },
            second);
    };

    if (m_depth == 0) {
        // The ordinary ring runs one pixel further, so its bottom-left corner takes the
        // second colour.
        if (m_selected)
            ring(0, shade.dark, shade.light, -1);
        else
            ring(0, shade.light, shade.dark, -1);
        return;
    }

    if (m_depth == -1) {
        ring(1, shade.dark, shade.dark, 1);
    } else {
        // Sunken up to half of MaxDepth, raised above it; ringCount() keeps a level far
        // outside 1..MaxDepth from making the loop run long.
        const bool sunken = m_depth <= m_maxDepth / 2;
        const int n = ringCount() - 1;
        for (int k = 1; k <= n; ++k)
            ring(k, sunken ? shade.dark : shade.light, sunken ? shade.light : shade.dark, k);
    }

    const QColor black(0, 0, 0);
    if (!m_selected) {
        ring(0, black, black, 0);
        return;
    }
    // The selected relief tile: a dotted black outline, its gaps in the face colour.
    int phase = 0;
    const QPoint corners[] = { QPoint(0, H - 1), QPoint(0, 0), QPoint(W - 1, 0),
        QPoint(W - 1, H - 1), QPoint(0, H - 1) };
    for (int i = 0; i < 4; ++i)
        Pixels::segment(p, corners[i], corners[i + 1], black, true, fill, &phase);
}

void TElement::changeEvent(QEvent *event)
{
    // A font equal to the measured one can still measure differently: a new screen density.
    if (event->type() == QEvent::FontChange)
        m_extents.reset();
    // The outlines depend on the palette (system colours, the face) and the text size.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        decideOutlines();
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

void TElement::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(m_number.toInt());
    QWidget::mouseMoveEvent(event);
}

void TElement::press()
{
    emit mousePressed(m_number.toInt(), Qt::LeftButton);
}

void TElement::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(m_number.toInt(), event->button());
    QWidget::mousePressEvent(event);
}

void TElement::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives here instead of mousePressEvent: report
    // the double click (left button only), then the press itself.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_number.toInt());
    emit mousePressed(m_number.toInt(), event->button());
}
