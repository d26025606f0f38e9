#include "common/TextFit.h"

#include "base/Texts.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <algorithm>

namespace TextFit {

namespace {

int longestWord(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, fm.horizontalAdvance(word));
    return widest;
}

QSize labelNeeds(const QLabel *label)
{
    const QSize size = label->size();
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return size;
    const QMargins m = label->contentsMargins();
    const int frame = 2 * label->frameWidth() + m.left() + m.right();
    if (label->wordWrap()) {
        // A word longer than the line cannot wrap; the line grows to it.
        const int width
            = std::max(size.width(), longestWord(label->fontMetrics(), label->text()) + frame);
        return QSize(width, std::max(size.height(), label->heightForWidth(width)));
    }
    return QSize(std::max(size.width(), label->sizeHint().width()), size.height());
}

QSize pushButtonNeeds(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.features
        = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
    const QStyle *style = button->style();
    // The caption and the style's own margins around it: what the style adds to a caption,
    // without the smallest width some styles give every button.
    int width = button->fontMetrics().horizontalAdvance(Texts::withoutAccelerators(button->text()))
        + style->pixelMetric(QStyle::PM_ButtonMargin, &option, button)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    if (button->autoDefault())
        width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, button);
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return QSize(std::max(button->width(), width), button->height());
}

QSize groupBoxNeeds(const QGroupBox *box)
{
    if (box->title().isEmpty())
        return box->size();
    // The title stands in the frame's top line, inset by the style's margin on each side.
    const int inset = 2 * box->style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, box);
    int width
        = box->fontMetrics().horizontalAdvance(Texts::withoutAccelerators(box->title())) + inset;
    if (box->isCheckable())
        width += box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) + 6;
    return QSize(std::max(box->width(), width), box->height());
}

QSize comboNeeds(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    const QSize needed = combo->style()->sizeFromContents(
        QStyle::CT_ComboBox, &option, QSize(widest, combo->fontMetrics().height()), combo);
    return QSize(std::max(combo->width(), needed.width()), combo->height());
}

bool isTextControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QTabBar *>(w);
}

QList<QWidget *> childControls(QWidget *container)
{
    QList<QWidget *> kids;
    for (QObject *o : container->children())
        if (auto *w = qobject_cast<QWidget *>(o); w && !w->isWindow())
            kids << w;
    return kids;
}

struct Extent
{
    int right = 0, bottom = 0;
};

Extent extentOf(const QList<QWidget *> &kids)
{
    Extent e;
    for (const QWidget *w : kids) {
        e.right = std::max(e.right, w->x() + w->width());
        e.bottom = std::max(e.bottom, w->y() + w->height());
    }
    return e;
}

// Gives `grown` its new size and makes room for it among its siblings.
void grow(QWidget *grown, QSize by, const QList<QWidget *> &siblings)
{
    const QRect old = grown->geometry();
    grown->resize(old.width() + by.width(), old.height() + by.height());
    for (QWidget *s : siblings) {
        if (s == grown)
            continue;
        QRect g = s->geometry();
        if (by.width() > 0) {
            if (g.x() >= old.x() + old.width())
                g.translate(by.width(), 0); // to the right of it: moves along
            else if (g.x() == old.x() && g.width() == old.width())
                g.setWidth(g.width() + by.width()); // its column grows with it
        }
        if (by.height() > 0) {
            if (g.y() >= old.y() + old.height())
                g.translate(0, by.height()); // below it: moves down
            else if (g.y() == old.y() && g.height() == old.height())
                g.setHeight(g.height() + by.height()); // its row grows with it
        }
        if (g != s->geometry())
            s->setGeometry(g);
    }
}

QSize fitContainer(QWidget *container, const Options &options);

QSize fitTabs(QTabWidget *tabs, const Options &options)
{
    QSize by;
    for (int i = 0; i < tabs->count(); ++i)
        by = by.expandedTo(fitContainer(tabs->widget(i), options));
    // Every tab in one row, none hidden behind scroll arrows.
    const int row = tabs->tabBar()->sizeHint().width() + 2;
    by.setWidth(std::max(by.width(), row - tabs->width()));
    return by;
}

// Fits what the container holds; returns how much the container must grow.
QSize fitContainer(QWidget *container, const Options &options)
{
    const QList<QWidget *> kids = childControls(container);
    if (kids.isEmpty())
        return QSize();
    const Extent before = extentOf(kids);
    QHash<QWidget *, QRect> placed;
    for (QWidget *w : kids)
        placed.insert(w, w->geometry());

    for (QWidget *w : kids) {
        QSize by;
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            by = fitTabs(tabs, options);
        } else if (isTextControl(w)) {
            by = needed(w) - w->size();
        } else {
            by = fitContainer(w, options);
            if (auto *box = qobject_cast<QGroupBox *>(w))
                by.setWidth(std::max(by.width(), groupBoxNeeds(box).width() - w->width()));
        }
        by = by.expandedTo(QSize(0, 0));
        if (!by.isNull())
            grow(w, by, kids);
    }

    const Extent after = extentOf(kids);
    const QSize by(
        std::max(0, after.right - before.right), std::max(0, after.bottom - before.bottom));
    if (by.width() > 0) {
        int left = before.right;
        for (QWidget *w : kids)
            left = std::min(left, placed.value(w).x());
        for (QWidget *w : kids) {
            const QRect was = placed.value(w);
            // A control spanning what the container holds grows with it; one kept at the
            // right moves with it. Either keeps its distance from the right edge of the
            // content, and only as far as its own growth has not taken it yet.
            const int rightMargin = before.right - (was.x() + was.width());
            const int missing = after.right - (w->x() + w->width()) - rightMargin;
            if (missing <= 0)
                continue;
            const bool spans
                = was.x() <= left + 8 && rightMargin <= 8 && was.width() * 2 > before.right - left;
            if (options.keepRight.contains(w))
                w->move(w->x() + missing, w->y());
            else if (spans)
                w->resize(w->width() + missing, w->height());
        }
    }
    return by;
}

}

QSize needed(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return labelNeeds(label);
    if (const auto *push = qobject_cast<const QPushButton *>(control))
        return pushButtonNeeds(push);
    if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control))
        return QSize(std::max(control->width(), control->sizeHint().width()), control->height());
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return comboNeeds(combo);
    if (const auto *box = qobject_cast<const QGroupBox *>(control))
        return groupBoxNeeds(box);
    if (const auto *tabs = qobject_cast<const QTabWidget *>(control))
        return QSize(
            std::max(tabs->width(), tabs->tabBar()->sizeHint().width() + 2), tabs->height());
    return control->size();
}

QSize fit(QWidget *window, const Options &options)
{
    const QSize by = fitContainer(window, options);
    if (by.isNull())
        return by;
    const QSize size = window->size() + by;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else {
        window->setMinimumSize(window->minimumSize().expandedTo(size));
        window->resize(window->size().expandedTo(size));
    }
    return by;
}

}
