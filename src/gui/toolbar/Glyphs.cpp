#include "toolbar/Glyphs.h"

#include "base/Contrast.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

namespace {

// Every glyph is drawn on a 16 × 16 design grid and scaled to the target rectangle.
constexpr qreal Grid = 16.0;

// The colours a glyph is drawn in, taken from the palette it is drawn for: outlines and
// strokes in the button text colour, and accents light enough to read on a dark button
// face, dark enough on a light one.
struct Inks
{
    explicit Inks(const QPalette &palette)
        : ink(palette.color(QPalette::ButtonText))
        , dark(Contrast::luminance(palette.color(QPalette::Button)) < 0.18)
        , blue(dark ? QColor(120, 170, 255) : QColor(30, 70, 170))
        , red(dark ? QColor(255, 110, 100) : QColor(200, 30, 30))
    {
    }
    QColor ink;
    bool dark;
    QColor blue;
    QColor red;
};

// The few letters the glyphs carry, as strokes on a cell ten units high (the baseline at
// 10, lower case from 4): drawn with a round pen they read as bold sans letters at every
// icon size, and need no font, so no font is looked up or turned into outlines at start.
// Adds letter c with its left edge at x to p; returns its width.
qreal addLetter(QPainterPath &p, QChar c, qreal x)
{
    switch (c.unicode()) {
    case '7':
        p.moveTo(x, 0);
        p.lineTo(x + 6, 0);
        p.lineTo(x + 2, 10);
        return 6;
    case '9':
        p.addEllipse(QRectF(x, 0, 6, 6.4));
        p.moveTo(x + 6, 3.2);
        p.cubicTo(x + 6, 8, x + 4.5, 10, x + 2.5, 10);
        p.lineTo(x + 0.5, 9.6);
        return 6;
    case 'A':
        p.moveTo(x, 10);
        p.lineTo(x + 3.6, 0);
        p.lineTo(x + 7.2, 10);
        p.moveTo(x + 1.5, 6.6);
        p.lineTo(x + 5.7, 6.6);
        return 7.2;
    case 'u':
        p.moveTo(x, 4);
        p.lineTo(x, 7.4);
        p.cubicTo(x, 9.2, x + 1.1, 10, x + 2.5, 10);
        p.cubicTo(x + 3.9, 10, x + 5, 9.2, x + 5, 7.4);
        p.moveTo(x + 5, 4);
        p.lineTo(x + 5, 10);
        return 5;
    case '?':
        p.moveTo(x, 2.6);
        p.cubicTo(x, 0.6, x + 1.4, 0, x + 3, 0);
        p.cubicTo(x + 4.6, 0, x + 6, 0.8, x + 6, 2.5);
        p.cubicTo(x + 6, 4.6, x + 3, 4.8, x + 3, 7.2);
        p.moveTo(x + 3, 9.7);
        p.lineTo(x + 3, 9.8);
        return 6;
    default:
        return 6;
    }
}

// Bold letters, scaled to fit box and centred in it.
void fittedText(QPainter &p, const QString &text, const QRectF &box, const QColor &colour)
{
    constexpr qreal Pen = 2.0; // stroke width in cell units: a bold weight
    constexpr qreal Gap = 1.8; // between letters, beside the pen
    QPainterPath strokes;
    qreal x = 0;
    for (const QChar c : text)
        x += addLetter(strokes, c, x) + Gap + Pen;
    const QRectF bounds = strokes.boundingRect().adjusted(-Pen / 2, -Pen / 2, Pen / 2, Pen / 2);
    if (bounds.isEmpty())
        return;
    const qreal scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    p.save();
    p.translate(box.center());
    p.scale(scale, scale);
    p.translate(-bounds.center());
    p.setPen(QPen(colour, Pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(strokes);
    p.restore();
}

void drawOptions(QPainter &p, const Inks &c)
{
    const QColor swatches[]
        = { QColor(220, 40, 40), QColor(40, 160, 60), QColor(40, 90, 220), QColor(240, 200, 40) };
    for (int i = 0; i < 4; ++i) {
        const QRectF r(1.5 + (i % 2) * 7, 1.5 + (i / 2) * 7, 6, 6);
        p.setPen(QPen(c.ink, 1));
        p.setBrush(swatches[i]);
        p.drawRect(r);
    }
}

void drawTile(QPainter &p, const QRectF &r, const QColor &face, const Inks &c)
{
    p.setPen(QPen(c.ink, 1));
    p.setBrush(face);
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(r.left() + 1, r.bottom() - 1), QPointF(r.left() + 1, r.top() + 1));
    p.drawLine(QPointF(r.left() + 1, r.top() + 1), QPointF(r.right() - 1, r.top() + 1));
}

void drawElementInfo(QPainter &p, const Inks &c)
{
    drawTile(p, QRectF(1.5, 1.5, 13, 13), QColor(250, 240, 200), c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 70, 170));
    p.drawEllipse(QRectF(6.8, 3.5, 2.4, 2.4));
    p.drawRect(QRectF(6.9, 6.8, 2.2, 5.5));
    p.drawRect(QRectF(5.8, 11.3, 4.4, 1.2));
}

void drawFind(QPainter &p, const Inks &c)
{
    // A see-through lens: on a dark face it stays glass, not a light disc.
    p.setPen(QPen(c.dark ? c.ink : QColor(90, 60, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.2, 14.2));
    p.setPen(QPen(c.ink, 1.4));
    p.setBrush(c.dark ? QColor(120, 170, 255, 90) : QColor(200, 230, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(3.6, 3.6, 5.8, 5.8), 100 * 16, 70 * 16);
}

void drawTemperature(QPainter &p, const Inks &c)
{
    p.setPen(QPen(c.ink, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6.5, 0.8, 3, 11), 1.5, 1.5);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(8, 12.5), 2.8, 2.8);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7.2, 5, 1.6, 7));
    p.setPen(QPen(c.ink, 0.8));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(10.2, 2.5 + 2 * i), QPointF(11.8, 2.5 + 2 * i));
}

void drawGraph(QPainter &p, const Inks &c)
{
    p.setPen(QPen(c.ink, 1.2));
    p.drawLine(QPointF(1.5, 1), QPointF(1.5, 14.5));
    p.drawLine(QPointF(1.5, 14.5), QPointF(15, 14.5));
    p.setPen(QPen(c.red, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF line[] = { { 3, 11 }, { 6, 5 }, { 8.5, 9 }, { 11, 3 }, { 14, 7 } };
    p.drawPolyline(line, 5);
}

void drawHelp(QPainter &p, const Inks &c)
{
    fittedText(p, QStringLiteral("?"), QRectF(3, 1, 10, 14), c.blue);
}

void drawAbout(QPainter &p, const Inks &c)
{
    p.setPen(QPen(c.dark ? c.ink : QColor(20, 50, 130), 1));
    p.setBrush(QColor(60, 110, 210));
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.9, 3.3, 2.2, 2.2));
    p.drawRect(QRectF(7, 6.6, 2, 6.2));
}

void drawProgram(QPainter &p, const Inks &c)
{
    drawTile(p, QRectF(0.5, 0.5, 15, 15), QColor(90, 150, 220), c);
    fittedText(p, QStringLiteral("79"), QRectF(9, 2.5, 4.5, 2.8), QColor(40, 40, 40));
    fittedText(p, QStringLiteral("Au"), QRectF(2.5, 6.5, 10, 7.5), QColor(255, 215, 60));
}

class GlyphEngine : public QIconEngine
{
public:
    explicit GlyphEngine(Glyphs::Kind kind)
        : m_kind(kind)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        // Screens get the cached picture at their pixel density; paper and vector files
        // the outlines themselves.
        const QPaintDevice *device = painter->device();
        const int type = device ? device->devType() : 0;
        if (type != QInternal::Widget && type != QInternal::Pixmap && type != QInternal::Image) {
            draw(painter, rect);
            return;
        }
        const qreal dpr = device->devicePixelRatioF();
        QPixmap pm = pixmap(rect.size() * dpr, mode, QIcon::Off);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, pm);
    }

    // One picture per kind, size (in device pixels), mode and the palette's colours the
    // picture may be drawn from; made on first use and kept in the toolkit's pixmap cache.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        QString key = QStringLiteral("auralis-glyph/%1/%2x%3/%4")
                          .arg(int(m_kind))
                          .arg(size.width())
                          .arg(size.height())
                          .arg(int(mode));
        for (QPalette::ColorRole role :
            { QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText,
                QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::HighlightedText,
                QPalette::Light, QPalette::Dark, QPalette::Mid, QPalette::Shadow })
            key += QLatin1Char('/') + QString::number(palette.color(role).rgba(), 16);
        QPixmap cached;
        if (QPixmapCache::find(key, &cached))
            return cached;
        cached = render(size, mode);
        QPixmapCache::insert(key, cached);
        return cached;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return { QSize(16, 16), QSize(22, 22), QSize(32, 32), QSize(44, 44), QSize(64, 64) };
    }

    QIconEngine *clone() const override { return new GlyphEngine(m_kind); }
    QString key() const override { return QStringLiteral("auralis-glyph"); }

private:
    QPixmap render(const QSize &size, QIcon::Mode mode) const
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            draw(&p, QRect(QPoint(0, 0), size));
        }
        QPixmap pm = QPixmap::fromImage(image);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pm = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        }
        return pm;
    }

    void draw(QPainter *painter, const QRect &rect) const
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        const qreal side = qMin(rect.width(), rect.height());
        painter->translate(
            rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / Grid, side / Grid);
        const Inks c(QApplication::palette());
        switch (m_kind) {
        case Glyphs::Options:
            drawOptions(*painter, c);
            break;
        case Glyphs::ElementInfo:
            drawElementInfo(*painter, c);
            break;
        case Glyphs::Find:
            drawFind(*painter, c);
            break;
        case Glyphs::Temperature:
            drawTemperature(*painter, c);
            break;
        case Glyphs::Graph:
            drawGraph(*painter, c);
            break;
        case Glyphs::Help:
            drawHelp(*painter, c);
            break;
        case Glyphs::About:
            drawAbout(*painter, c);
            break;
        case Glyphs::Program:
            drawProgram(*painter, c);
            break;
        }
        painter->restore();
    }

    Glyphs::Kind m_kind;
};

} // namespace

namespace Glyphs {

QIcon icon(Kind kind)
{
    return QIcon(new GlyphEngine(kind));
}

}
