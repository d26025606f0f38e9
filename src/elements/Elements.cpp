#include "elements/Elements.h"

#include "elements/Pixels.h"

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
    if (s)
        m_stateColor = m_syntheticColor;
}

void TElement::setSyntheticColor(TColor c)
{
    m_syntheticColor = c;
    if (m_synthetic)
        m_stateColor = c;
}

void TElement::setSelected(bool s)
{
    m_selected = s;
    update();
}

void TElement::setTemperature(double k)
{
    // A synthetic element has no natural state: it keeps its colour and its temperature.
    if (m_synthetic)
        return;
    m_temperature = k;
    TColor chosen;
    if (k < m_meltingPoint)
        chosen = m_solidColor;
    else if (k < m_boilingPoint)
        chosen = m_liquidColor;
    else
        chosen = m_gasColor;
    if (chosen == m_stateColor)
        return;
    m_stateColor = chosen;
    update();
}

TColor TElement::color() const
{
    const QWidget *panel = parentWidget();
    if (!panel)
        return Colours::Silver;
    return TColor::fromQColor(panel->palette().color(panel->backgroundRole()));
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

    // The canvas font takes the family and size of the tile's font, not its style.
    QFont canvasFont = font();
    canvasFont.setWeight(QFont::Normal);
    canvasFont.setItalic(false);
    canvasFont.setUnderline(false);
    canvasFont.setStrikeOut(false);
    const QFontMetrics fm(canvasFont);
    const auto TW = [&fm](const QString &s) { return fm.horizontalAdvance(s); };
    const int TH = fm.height();

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(canvasFont);

    // Text is drawn opaque: each text cell is filled with the face colour first.
    const auto text = [&](int x, int y, const QString &s, const QColor &colour) {
        if (s.isEmpty())
            return;
        p.fillRect(QRect(x, y, TW(s), TH), fill);
        p.setPen(colour);
        p.drawText(QPoint(x, y + fm.ascent()), s);
    };

    m_symbolOnly = (font().pointSize() == 8 && 2 * TH > H - 2) || m_depth != 0;

    const QColor symbolColour = m_stateColor.resolve(palette());
    if (m_symbolOnly)
        text(W / 2 - TW(m_symbol) / 2, H / 2 - TH / 2, m_symbol, symbolColour);
    else
        text(2, H - 2 - TH, m_symbol, symbolColour);
    if (!m_symbolOnly)
        text(W - 3 - TW(m_number), 1, m_number, m_numberColor.resolve(palette()));

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

    // Rings that would not fit inside the tile draw nothing visible; cap the count so a
    // level far outside 1..MaxDepth cannot make the loop run long.
    const qint64 maxRings = (qMin(W, H) + 1) / 2;
    if (m_depth == -1) {
        ring(1, shade.dark, shade.dark, 1);
    } else {
        const qint64 half = m_maxDepth / 2;
        if (m_depth <= half) {
            const qint64 n = qMin<qint64>(half - m_depth + 1, maxRings);
            for (int k = 1; k <= n; ++k)
                ring(k, shade.dark, shade.light, k);
        } else {
            const qint64 n = qMin<qint64>(qint64(m_depth) - half, maxRings);
            for (int k = 1; k <= n; ++k)
                ring(k, shade.light, shade.dark, k);
        }
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
    if (event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

void TElement::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(this);
    QWidget::mouseMoveEvent(event);
}

void TElement::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(this, event->button());
    QWidget::mousePressEvent(event);
}

void TElement::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click arrives here instead of mousePressEvent: report
    // the double click (left button only), then the press itself.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
    emit mousePressed(this, event->button());
}
