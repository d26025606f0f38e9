#include "main/Unt_aura.h"

#include "elements/Elements.h"
#include "elements/Pixels.h"
#include "main/TableLayout.h"
#include "toolbar/TB97.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <initializer_list>

namespace {

} // namespace

// Docked at the top or at the bottom: either way the table must make room for the
// toolbar and the slider stretches to the window's edge.
bool TfrmAuralis::toolbarDocked() const
{
    return (ToolbarDock && ToolbarDock->height() > 10) || (BottomDock && BottomDock->height() > 10);
}

void TfrmAuralis::FormResize()
{
    if (!clientArea || !PeriodicTable)
        return;
    // Bring the docks' and background's geometry up to date after a bar was shown,
    // hidden or docked: the status bar belongs to the window's own layout, the docks to
    // the client area's. Both would otherwise catch up only after this layout has run.
    for (QWidget *owner : { static_cast<QWidget *>(this), clientArea })
        if (QLayout *l = owner->layout())
            l->activate();

    if (toolbarDocked() && TempSlider && ToolSep1) {
        const int width = clientArea->width() - TempSlider->x() - ToolSep1->width();
        TempSlider->resize(qMax(0, width), TempSlider->height());
    }
    if (isMinimized())
        return;

    const QRect bg = pntBackGround->geometry();
    auto label7Height = [this] { return groupLabels[7] ? groupLabels[7]->height() : 0; };
    const int oldLabel7Height = label7Height();
    QRect panel = TableLayout::panelRect(bg.top(), bg.width(), bg.height(), oldLabel7Height);
    const bool pending = !PeriodicTable->isVisible() && panel.size() != m_tableLaidOutAt;
    PeriodicTable->setGeometry(panel);
    // A hidden panel gets its resize event only when it is shown, and it is shown only by
    // the layout, so the layout runs here directly.
    if (pending)
        PeriodicTableResize();
    // The layout may have given label 7 a new font and height; the top keeps its room.
    if (label7Height() != oldLabel7Height) {
        panel = TableLayout::panelRect(bg.top(), bg.width(), bg.height(), label7Height());
        PeriodicTable->setGeometry(panel);
    }

    auto placeOver = [&panel](QLabel *label, const TElement *t) {
        if (label && t)
            label->move(TableLayout::windowLabelPos(panel, t->geometry(), label->size()));
    };
    placeOver(groupLabels[0], tile(1));
    placeOver(groupLabels[15], tile(2));
}

void TfrmAuralis::PeriodicTableResize()
{
    if (!m_tilesCreated || !m_labelsCreated || !PeriodicTable || m_inTableLayout)
        return;
    const QScopedValueRollback<bool> busy(m_inTableLayout, true);
    PeriodicTable->hide();

    const QFont bgFont = pntBackGround->font();
    auto uneWidth = [&bgFont, this](int pointSize) {
        QFont f(bgFont);
        f.setPointSize(pointSize);
        return QFontMetrics(f, pntBackGround).horizontalAdvance(QStringLiteral("Une"));
    };
    auto labelSize = [this](int index, int pointSize) {
        QFont f(PeriodicTable->font());
        f.setPointSize(pointSize);
        return autoSize(groupLabels[size_t(index)], f);
    };
    const TElement *first = tile(1);
    const TableLayout::Result r
        = TableLayout::layoutTable(PeriodicTable->width(), PeriodicTable->height(), first->depth(),
            first->maxDepth(), uneWidth, labelSize, panLegend->size(), m_state.elementCount());

    QFont font(PeriodicTable->font());
    font.setPointSize(r.fontPointSize);
    PeriodicTable->setFont(font);

    // The layout measures inside the panel's black line.
    const QPoint origin = PeriodicTable->contentsRect().topLeft();
    for (int z = 1; z <= m_state.elementCount(); ++z)
        if (TElement *t = tile(z))
            t->setGeometry(r.tiles[size_t(z)].translated(origin));
    pntElementLines->setGeometry(r.elementLines.translated(origin));
    for (int i = 1; i <= 14; ++i) {
        QLabel *label = groupLabels[size_t(i)];
        label->resize(labelSize(i, r.fontPointSize));
        label->move(r.labels[size_t(i)] + origin);
    }
    pntGroupLines->setGeometry(r.groupLines.translated(origin));
    for (QLabel *label : groupLabels)
        label->setVisible(r.labelsVisible);
    pntGroupLines->setVisible(r.labelsVisible);
    panLegend->move(r.legend + origin);
    panLegend->setVisible(r.legendVisible);

    m_tableLaidOutAt = PeriodicTable->size();
    PeriodicTable->show();
}

void TfrmAuralis::BackgroundPaint(QPainter &p, const QRegion &region)
{
    const int w = pntBackGround->width();
    const int h = pntBackGround->height();
    // The picture repeated at its own size from the top-left corner. Each rectangle of the
    // region is drawn under a clip of just that rectangle: the toolkit then copies the
    // picture's pixels straight across, where through an irregular clip it would hand
    // the spans to its worker threads and the slider's steps would wait for them.
    const int stepX = imgWallpaper.width();
    const int stepY = imgWallpaper.height();
    if (stepX > 0 && stepY > 0 && (!m_exportPainting || m_exportPicture)) {
        const QRect box(0, 0, w, h);
        for (const QRect &rect : region.isEmpty() ? QRegion(box) : region) {
            const QRect area = rect & box;
            if (area.isEmpty())
                continue;
            p.setClipRect(area);
            for (int y = area.top() / stepY * stepY; y <= area.bottom(); y += stepY)
                for (int x = area.left() / stepX * stepX; x <= area.right(); x += stepX)
                    p.drawPixmap(x, y, imgWallpaper);
        }
        p.setClipping(false);
    }

    if (!m_exportPainting) // the frame belongs to the window, not to the chart
        Pixels::sunkenFrame(p, w, h, pntBackGround->palette());
}

void TfrmAuralis::LinesPaint(QWidget *sender, QPainter &p)
{
    if (!sender)
        return;
    const int w = sender->width();
    const int h = sender->height();
    // A pixel wide on the screen; in a picture or on paper, a window pixel wide at the
    // picture's scale, like everything else of the chart, rather than a hairline.
    const qreal width = m_exportPainting ? 1.0 : 0.0;
    if (sender == pntGroupLines) {
        p.setPen(QPen(Colours::Blue.resolve(), width, Qt::DotLine));
        Pixels::openPolyline(p, { { 0, h - 1 }, { w / 2, 0 }, { w - 1, h - 1 } });
    } else if (sender == pntElementLines) {
        const TElement *t57 = tile(57);
        const TElement *t58 = tile(58);
        const TElement *t90 = tile(90);
        if (!t57 || !t58 || !t90)
            return;
        // The lines are ANDed with what lies beneath where the paint engine can do that;
        // elsewhere they are drawn plainly.
        if (p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.setPen(QPen(Colours::Maroon.resolve(), width, Qt::DashDotDotLine));
        const int t = t57->height();
        const int top = sender->y();
        Pixels::openPolyline(p, { { 0, 0 }, { w - 1, t58->y() - top } });
        Pixels::openPolyline(p, { { 0, t }, { w - 1, t90->y() - top } });
        Pixels::openPolyline(p, { { 0, 2 * t }, { w - 1, h - 1 } });
    }
}
