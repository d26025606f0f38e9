#include "common/Guarded.h"

#include "base/Contrast.h"

#include <QCache>
#include <QEvent>
#include <QFontInfo>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace Guarded {

namespace {

// The glyphs' own outlines stroked and smoothed: a rim about 0.7 pixel beyond the glyphs in
// small text, growing to one pixel at 24 pixels, so it stays thin enough to leave the
// openings of small letters open and dense enough to read against.
QPen rimPen(const QFont &font, const QColor &colour)
{
    return QPen(colour, qBound(1.4, QFontInfo(font).pixelSize() / 12.0, 2.0), Qt::SolidLine,
        Qt::RoundCap, Qt::RoundJoin);
}

// The rim as a shape, made once per text and font: the tiles repaint the same few hundred
// texts on every step of the slider, and an exported picture draws them again at its scale.
QPainterPath rimOf(const QFont &font, const QString &text)
{
    static QCache<QString, QPainterPath> rims(512);
    const QString key = font.key() + QChar(0x1f) + text;
    if (const QPainterPath *rim = rims.object(key))
        return *rim;
    QPainterPath glyphs;
    glyphs.addText(QPointF(0, 0), font, text);
    QPainterPathStroker stroker(rimPen(font, Qt::black));
    const QPainterPath rim = stroker.createStroke(glyphs);
    rims.insert(key, new QPainterPath(rim));
    return rim;
}

// Room around the glyphs for their rim, in window pixels.
constexpr int RimMargin = 2;

// The rim as the screen shows it: the text drawn as it will be drawn (the glyph cache's
// own antialiased glyphs), then each pixel takes the strongest of its neighbours, weighed
// by how far the rim reaches at that distance: the same reach as the stroked outline, at a
// few hundredths of its cost, since the tiles draw it while the slider moves.
QImage widenedGlyphs(
    const QPainter &painter, const QString &text, const QColor &colour, int advance)
{
    const QFont font = painter.font();
    const QFontMetrics fm(font);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize logical((advance >= 0 ? advance : fm.horizontalAdvance(text)) + 2 * RimMargin + 2,
        fm.height() + 2 * RimMargin);
    // Drawn as the screen draws text (the raster engine's glyph cache has no fast way into
    // an alpha-only image); only the alpha channel is used.
    QImage glyphs((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    glyphs.setDevicePixelRatio(ratio);
    glyphs.fill(0);
    {
        QPainter g(&glyphs);
        g.setFont(font);
        g.setPen(Qt::black);
        g.drawText(QPoint(RimMargin, RimMargin + fm.ascent()), text);
    }
    const qreal reach = rimPen(font, colour).widthF() / 2 * ratio;
    const int r = int(std::ceil(reach));
    struct Tap
    {
        int dx, dy, weight; // weight in 1/256
    };
    QVarLengthArray<Tap, 32> taps;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            // Solid next to the glyphs, fading over the last part of the reach.
            const qreal w
                = std::clamp((reach + 1 - std::hypot(qreal(dx), qreal(dy))) / reach, 0.0, 1.0);
            if (w > 0)
                taps.append({ dx, dy, int(w * 256) });
        }
    // Each pixel takes the strongest ink of its neighbours, weighed by distance: one pass
    // over whole rows per neighbour. A row is padded with r empty columns on each side and
    // to whole blocks of 16, and the rows lie between two empty rows, so a neighbour's
    // pass reads only the padding beyond the row's ends and runs over the same whole blocks
    // every time: vector code without bounds to check. Rows further than the reach from
    // any ink are left out, since they stay empty.
    const int width = glyphs.width();
    const int height = glyphs.height();
    constexpr int Block = 16;
    const int stride = (width + 2 * r + Block - 1) / Block * Block;
    QVarLengthArray<uchar, 4096> padded(qsizetype(stride) * (height + 2));
    std::fill(padded.begin(), padded.end(), uchar(0));
    uchar *const alpha = padded.data() + stride;
    int inkTop = height;
    int inkBottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(glyphs.constScanLine(y));
        uchar *to = alpha + qsizetype(y) * stride + r;
        uchar ink = 0;
        for (int x = 0; x < width; ++x) {
            to[x] = uchar(qAlpha(line[x]));
            ink |= to[x];
        }
        if (ink) {
            inkTop = std::min(inkTop, y);
            inkBottom = y;
        }
    }
    QVarLengthArray<uchar, 4096> spread(qsizetype(stride) * height);
    std::fill(spread.begin(), spread.end(), uchar(0));
    for (const Tap &t : taps) {
        const int y0 = std::max({ 0, t.dy, inkTop + t.dy });
        const int y1 = std::min({ height, height + t.dy, inkBottom + 1 + t.dy });
        const auto weight = unsigned(t.weight);
        for (int y = y0; y < y1; ++y) {
            const uchar *__restrict from = alpha + qsizetype(y - t.dy) * stride - t.dx;
            uchar *__restrict to = spread.data() + qsizetype(y) * stride;
            for (int i = 0; i < stride; i += Block) {
                if (weight >= 256) {
                    for (int k = 0; k < Block; ++k)
                        to[i + k] = std::max(to[i + k], from[i + k]);
                } else {
                    for (int k = 0; k < Block; ++k)
                        to[i + k] = std::max(to[i + k], uchar((from[i + k] * weight) >> 8));
                }
            }
        }
    }
    QRgb shade[256];
    const QRgb rgb = colour.rgb();
    for (int a = 0; a < 256; ++a)
        shade[a] = qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), a));
    QImage rim(glyphs.size(), QImage::Format_ARGB32_Premultiplied);
    rim.setDevicePixelRatio(ratio);
    for (int y = 0; y < height; ++y) {
        auto *out = reinterpret_cast<QRgb *>(rim.scanLine(y));
        const uchar *from = spread.constData() + qsizetype(y) * stride + r;
        for (int x = 0; x < width; ++x)
            out[x] = shade[from[x]];
    }
    return rim;
}

}

void drawOutline(QPainter &p, QPoint at, const QString &text, const QColor &outline, int advance)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    // The screen's own scale (its pixel ratio) and nothing more: a picture rendered at a
    // scale of its own reaches the tiles as their device's transform.
    const QTransform device = p.deviceTransform();
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const bool screenScale = device.type() <= QTransform::TxScale
        && qFuzzyCompare(device.m11(), ratio) && qFuzzyCompare(device.m22(), ratio);
    if (raster && screenScale) {
        // On the screen: the glyphs as the text will draw them, widened.
        const QImage rim = widenedGlyphs(p, text, outline, advance);
        const QFontMetrics fm(p.font());
        p.drawImage(at - QPoint(RimMargin, fm.ascent() + RimMargin), rim);
    } else if (raster) {
        // A picture at its own scale: the stroked glyph outlines, filled.
        p.translate(at);
        p.fillPath(rimOf(p.font(), text), outline);
    } else {
        // A document keeps the glyphs' outline and a pen: smaller than the rim's polygon,
        // and exact at any zoom.
        QPainterPath glyphs;
        glyphs.addText(at, p.font(), text);
        p.strokePath(glyphs, rimPen(p.font(), outline));
    }
    p.restore();
}

void drawPlate(QPainter &p, const QRect &textRect, const QColor &plate, const QRect &within)
{
    const int pad = std::max(1, textRect.height() / 12);
    const QRect r = textRect.adjusted(-pad, 0, pad, 0) & within;
    if (r.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(plate);
    const qreal radius = std::min(3.0, r.height() / 4.0);
    p.drawRoundedRect(QRectF(r), radius, radius);
    p.restore();
}

Guard decide(const QColor &text, const QColor &back, int pixelSize)
{
    const QColor plate = Contrast::plate(text, back, pixelSize);
    return { plate.isValid() || pixelSize < 18 ? QColor()
                                               : Contrast::outline(text, back, pixelSize),
        plate };
}

void drawText(QPainter &p, QPoint at, const QString &text, const QColor &colour,
    const QColor &outline, int advance)
{
    if (outline.isValid())
        drawOutline(p, at, text, outline, advance);
    p.setPen(colour);
    p.drawText(at, text);
}

}

GuardedLabel::GuardedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    decide();
}

void GuardedLabel::decide()
{
    const QPalette &pal = palette();
    const Guarded::Guard guard = Guarded::decide(
        pal.color(foregroundRole()), pal.color(backgroundRole()), QFontInfo(font()).pixelSize());
    m_outline = guard.outline;
    m_plate = guard.plate;
}

void GuardedLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        decide();
    QLabel::changeEvent(event);
}

void GuardedLabel::paintEvent(QPaintEvent *event)
{
    if (m_plate.isValid() && !text().isEmpty()) {
        // The plate under the text the label then draws as always: around its one line as
        // the label places it, or around its lines when it wraps.
        QPainter p(this);
        const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QFontMetrics fm = fontMetrics();
        const QRect lines = !wordWrap() && !text().contains(QLatin1Char('\n'))
            ? QStyle::alignedRect(
                layoutDirection(), alignment(), QSize(fm.horizontalAdvance(text()), fm.height()), r)
            : fm.boundingRect(r, int(alignment()) | Qt::TextWordWrap, text());
        Guarded::drawPlate(p, lines, m_plate, rect());
        p.end();
    } else if (m_outline.isValid() && !text().isEmpty()) {
        // The outline goes under the text the label then draws as always (with a painter
        // of its own, after this one). One line is placed as the label places it; wrapped
        // text takes its outline as the text shifted a pixel in each of eight directions.
        QPainter p(this);
        p.setFont(font());
        const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        if (!wordWrap() && !text().contains(QLatin1Char('\n'))) {
            const QFontMetrics fm = fontMetrics();
            const QRect line = QStyle::alignedRect(layoutDirection(), alignment(),
                QSize(fm.horizontalAdvance(text()), fm.height()), r);
            Guarded::drawOutline(
                p, QPoint(line.left(), line.top() + fm.ascent()), text(), m_outline);
        } else {
            QPalette outlinePalette = palette();
            outlinePalette.setColor(foregroundRole(), m_outline);
            const int flags = int(alignment()) | Qt::TextWordWrap;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (dx != 0 || dy != 0)
                        style()->drawItemText(&p, r.translated(dx, dy), flags, outlinePalette,
                            isEnabled(), text(), foregroundRole());
        }
        p.end();
    }
    QLabel::paintEvent(event);
}

void GuardedLineEdit::setGuard(const Guarded::Guard &guard)
{
    if (guard.outline == m_guard.outline && guard.plate == m_guard.plate)
        return;
    m_guard = guard;
    update();
}

void GuardedLineEdit::paintEvent(QPaintEvent *event)
{
    if ((m_guard.outline.isValid() || m_guard.plate.isValid()) && !text().isEmpty()) {
        // Where the box puts its text: its contents less the text margins, two pixels in,
        // the line centred in the height, scrolled to show the cursor's end.
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        const QRect r = style()
                            ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                            .marginsRemoved(textMargins());
        const QFontMetrics fm = fontMetrics();
        const int textWidth = fm.horizontalAdvance(text());
        const int lineWidth = r.width() - 4;
        int x = r.x() + 2;
        if (alignment() & Qt::AlignRight)
            x += lineWidth - textWidth;
        else if (alignment() & Qt::AlignHCenter)
            x += (lineWidth - textWidth) / 2;
        if (textWidth > lineWidth)
            x = r.x() + 2 - (textWidth - lineWidth) * (cursorPosition() > 0 ? 1 : 0);
        const int top = r.y() + (r.height() - fm.height() + 1) / 2;
        QPainter p(this);
        if (m_guard.plate.isValid()) {
            Guarded::drawPlate(p, QRect(x, top, std::min(textWidth, r.right() - x), fm.height()),
                m_guard.plate, rect());
        } else {
            p.setClipRect(r);
            p.setFont(font());
            Guarded::drawText(
                p, QPoint(x, top + fm.ascent()), text(), m_guard.outline, m_guard.outline);
        }
        p.end();
    }
    QLineEdit::paintEvent(event);
}
