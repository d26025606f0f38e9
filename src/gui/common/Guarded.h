#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>

class QPainter;

// Text that stays readable whatever is behind it, in the colour it was given. Where a text
// colour alone falls short on its background, large text (18 px and more) is drawn over a
// one-pixel outline in black or white (Contrast::outline), and small text on a plate of
// neutral grey (Contrast::plate), whose strokes would be swamped by an outline; readable
// text is drawn untouched. Both are decided when colours, palette or font change, never
// while painting.
namespace Guarded {

// The plate behind a text whose line of glyphs takes `textRect`: a rounded rectangle a
// little wider than the text, kept inside `within`.
void drawPlate(QPainter &p, const QRect &textRect, const QColor &plate, const QRect &within);
// The outline for large text or the plate for small text, whichever the colours need, for
// text of this pixel size: one of the two is valid at most.
struct Guard
{
    QColor outline;
    QColor plate;
};
Guard decide(const QColor &text, const QColor &back, int pixelSize);

// The outline alone, for text about to be drawn at the baseline point `at`. `advance`, when
// the caller has measured it, is the text's width in the painter's font.
void drawOutline(
    QPainter &p, QPoint at, const QString &text, const QColor &outline, int advance = -1);
// `text` drawn at the baseline point `at`, over its outline when `outline` is valid.
void drawText(QPainter &p, QPoint at, const QString &text, const QColor &colour,
    const QColor &outline, int advance = -1);

}

// A label that decides its outline from its own palette: its text colour against the
// colour of its background role, which it shares with its parent unless given its own.
class GuardedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit GuardedLabel(const QString &text, QWidget *parent = nullptr);
    explicit GuardedLabel(QWidget *parent = nullptr)
        : GuardedLabel(QString(), parent)
    {
    }

    QColor outline() const { return m_outline; }
    QColor plate() const { return m_plate; }

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void decide();

    QColor m_outline;
    QColor m_plate;
};

// A read-only value box whose owner decides the outline or plate (it knows what shows
// behind the box). With either the owner makes the box's base transparent, so what is
// drawn first stays under the text the box draws.
class GuardedLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    QColor outline() const { return m_guard.outline; }
    QColor plate() const { return m_guard.plate; }
    void setGuard(const Guarded::Guard &guard);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Guarded::Guard m_guard;
};
