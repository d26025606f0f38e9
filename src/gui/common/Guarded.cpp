#include "common/Guarded.h"

#include "base/Contrast.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace Guarded {

void drawText(
    QPainter &p, QPoint at, const QString &text, const QColor &colour, const QColor &outline)
{
    if (outline.isValid()) {
        p.setPen(outline);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0)
                    p.drawText(at + QPoint(dx, dy), text);
    }
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
    m_outline = Contrast::outline(
        pal.color(foregroundRole()), pal.color(backgroundRole()), QFontInfo(font()).pixelSize());
}

void GuardedLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        decide();
    QLabel::changeEvent(event);
}

void GuardedLabel::paintEvent(QPaintEvent *event)
{
    if (m_outline.isValid() && !text().isEmpty()) {
        // The outline: the text shifted a pixel in each of eight directions, under the
        // text the label then draws as always (with a painter of its own, after this one).
        QPainter p(this);
        QPalette outlinePalette = palette();
        outlinePalette.setColor(foregroundRole(), m_outline);
        const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const int flags
            = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextShowMnemonic;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0)
                    style()->drawItemText(&p, r.translated(dx, dy), flags, outlinePalette,
                        isEnabled(), text(), foregroundRole());
        p.end();
    }
    QLabel::paintEvent(event);
}

void GuardedLineEdit::setOutline(const QColor &outline)
{
    if (outline == m_outline)
        return;
    m_outline = outline;
    update();
}

void GuardedLineEdit::paintEvent(QPaintEvent *event)
{
    if (m_outline.isValid() && !text().isEmpty()) {
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
        p.setClipRect(r);
        p.setFont(font());
        Guarded::drawText(p, QPoint(x, top + fm.ascent()), text(), m_outline, m_outline);
        p.end();
    }
    QLineEdit::paintEvent(event);
}
