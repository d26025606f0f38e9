#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>

class QPainter;

// Text that stays readable whatever is behind it. Where a text colour alone falls short on
// its background (Contrast::outline), the text is drawn over a one-pixel outline in black
// or white, so the chosen hue stays the hue on screen; readable text is drawn untouched.
// The outline is decided when colours, palette or font change, never while painting.
namespace Guarded {

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

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void decide();

    QColor m_outline;
};

// A read-only value box whose owner decides the outline (it knows what shows behind the
// box). With an outline the owner makes the box's base transparent, so the outline drawn
// first stays under the text the box draws.
class GuardedLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    QColor outline() const { return m_outline; }
    void setOutline(const QColor &outline);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_outline;
};
