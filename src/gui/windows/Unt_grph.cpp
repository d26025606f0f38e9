#include "windows/Unt_grph.h"

#include "base/Contrast.h"
#include "base/Errors.h"
#include "base/Numbers.h"
#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "common/ExportFile.h"
#include "common/FrameBounds.h"
#include "common/Guarded.h"
#include "common/HelpViewer.h"
#include "common/RadioMenu.h"
#include "common/Scale.h"
#include "common/StatusPanels.h"
#include "common/StayOnTop.h"
#include "data/Csv.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtMath>

namespace {

constexpr int CaptionCut = 50;
constexpr int ReadoutCut = 50;

// A caption as the status bar shows it: its first "&" removed.
QString withoutMnemonic(const QString &caption)
{
    QString text = caption.left(CaptionCut);
    const qsizetype amp = text.indexOf(QLatin1Char('&'));
    if (amp >= 0)
        text.remove(amp, 1);
    return text;
}

}

// The plot area: paints the picture, reports the mouse, opens the pop-up menu.
class TPlotBox : public QWidget
{
public:
    TPlotBox(TfrmGraph *graph, QWidget *parent)
        : QWidget(parent)
        , m_graph(graph)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        m_graph->pntGraphPaint(p);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const int x = event->position().toPoint().x();
        ErrorBox::guarded([this, x] { m_graph->pntGraphMouseMove(x); });
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_graph->MenuClick(this);
    }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        m_graph->GraphPopup->exec(event->globalPos());
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        m_graph->panBackResize();
    }

private:
    TfrmGraph *m_graph;
};

// The owner is not needed: the window keeps its own place, and the main window shows the
// about box it asks for.
TfrmGraph::TfrmGraph(const SharedState &state, QWidget *)
    : m_state(state)
{
    setObjectName(QStringLiteral("frmGraph"));
    // A window of its own, with its own taskbar entry; closing it only hides it.
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Trend Graph - Auralis"));
    setFont(Scale::designFont(13));
    FrameBounds::keepOuterMinimum(this, QSize(MinimumOuterWidth, MinimumOuterHeight));
    m_plotFont = Scale::pointFont(8);

    panBack = new QFrame(this);
    panBack->setObjectName(QStringLiteral("panBack"));
    panBack->setFrameStyle(QFrame::Box | QFrame::Plain);
    panBack->setLineWidth(1);
    panBack->setAutoFillBackground(true);
    auto *fill = new QVBoxLayout(panBack);
    fill->setContentsMargins(1, 1, 1, 1);
    pntGraph = new TPlotBox(this, panBack);
    pntGraph->setObjectName(QStringLiteral("pntGraph"));
    pntGraph->setAccessibleName(tr("Trend graph"));
    fill->addWidget(pntGraph);
    setCentralWidget(panBack);
    // The plot box, not the window, paints on every redraw.
    m_onTop = new StayOnTop(this, m_state, SharedState::Mark::TrendsOnTop, pntGraph);

    createMenus();
    createStatusBar();
    applyPanelColour();

    connect(&m_state, &SharedState::coloursChanged, this, [this] {
        applyPanelColour();
        if (isVisible())
            replot();
        else
            m_stale = true;
    });
    // The axis runs to the last element on the table.
    connect(&m_state, &SharedState::elementCountChanged, this, [this] {
        if (isVisible())
            ErrorBox::guarded([this] { replot(); });
        else
            m_stale = true;
    });
}

TfrmGraph::~TfrmGraph() = default;

void TfrmGraph::createMenus()
{
    using MenuItems::Mark;
    auto item = [this](QMenu *menu, const QString &name, const QString &caption, bool check,
                    bool radio = false) {
        return MenuItems::item(menu, this, name, caption,
            radio       ? Mark::Radio
                : check ? Mark::Check
                        : Mark::None,
            [this](QAction *a) { MenuClick(a); });
    };
    auto menu = [this](const char *name, const QString &title) {
        return MenuItems::menu(this, QLatin1String(name), title);
    };

    GraphMenu = menuBar();
    GraphMenu->setObjectName(QStringLiteral("GraphMenu"));
    mnuProperty = menu("mnuProperty", tr("&Property"));
    for (int i = 0; i < TrendPropertyCount; ++i)
        propertyItems[size_t(i)] = item(mnuProperty, QLatin1String(Fields::trend(i).itemName),
            Fields::trendCaption(i), true, true);
    mnuProperty->addSeparator();
    mnuShowSymbolPos
        = item(mnuProperty, QStringLiteral("mnuShowSymbolPos"), tr("Sho&w Symbol Positions"), true);
    mnuProperty->addSeparator();
    mnuExportGraph = item(mnuProperty, QStringLiteral("mnuExportGraph"), tr("E&xport..."), false);
    mnuExportGraph->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuCopyGraph = item(mnuProperty, QStringLiteral("mnuCopyGraph"), tr("Cop&y"), false);
    mnuCopyGraph->setShortcut(QKeySequence::Copy);
    mnuProperty->addSeparator();
    mnuClose = item(mnuProperty, QStringLiteral("mnuClose"), tr("C&lose"), false);

    mnuHelp = menu("mnuHelp", tr("&Help"));
    mnuHelpTrends = item(mnuHelp, QStringLiteral("mnuHelpTrends"), tr("&Help On Trends"), false);
    mnuHelpTrends->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(mnuHelpTrends); // F1 anywhere in the window
    mnuAbout = item(mnuHelp, QStringLiteral("mnuAbout"), tr("&About Auralis   ..."), false);
    GraphMenu->addMenu(mnuProperty);
    GraphMenu->addMenu(mnuHelp);

    GraphPopup = menu("GraphPopup", QString());
    mnuPropertyPopup = menu("mnuPropertyPopup", tr("&Property"));
    GraphPopup->addMenu(mnuPropertyPopup);
    for (int i = 0; i < TrendPropertyCount; ++i) {
        // The pop-up's tenth item has always been spelt this way.
        const QString caption = i == 9 ? tr("&Heat of Fustion") : Fields::trendCaption(i);
        propertyPopupItems[size_t(i)] = item(mnuPropertyPopup,
            QLatin1String(Fields::trend(i).itemName) + QStringLiteral("Popup"), caption, true,
            true);
    }
    mnuShowSymbolPosPopup = item(
        GraphPopup, QStringLiteral("mnuShowSymbolPosPopup"), tr("&Show Symbol Positions"), true);
    GraphPopup->addSeparator();
    mnuElementInfo
        = item(GraphPopup, QStringLiteral("mnuElementInfo"), tr("&Element Information"), false);
    GraphPopup->addSeparator();
    GraphPopup->addAction(mnuExportGraph);
    GraphPopup->addAction(mnuCopyGraph);
    GraphPopup->addSeparator();
    mnuClosePopup = item(GraphPopup, QStringLiteral("mnuClosePopup"), tr("&Close"), false);
}

void TfrmGraph::createStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(true);
    m_panels = StatusPanels::create(StatusBar);
    m_panels[0]->setAccessibleDescription(tr("Property"));
    m_panels[1]->setAccessibleDescription(tr("Element under the mouse"));
    setStatusBar(StatusBar);
}

void TfrmGraph::StatusBarResize()
{
    m_panels[0]->setFixedWidth(StatusBar->width() * 6 / 10);
}

QString TfrmGraph::statusText(int panel) const
{
    return panel == 0 || panel == 1 ? m_panels[size_t(panel)]->text() : QString();
}

int TfrmGraph::propertyIndex() const
{
    for (int i = 0; i < TrendPropertyCount; ++i)
        if (propertyItems[size_t(i)]->isChecked())
            return i;
    return -1;
}

bool TfrmGraph::showSymbolPositions() const
{
    return mnuShowSymbolPos->isChecked();
}

QColor TfrmGraph::colour(ColourScheme::Graph which) const
{
    return m_state.colours().graph[size_t(which)].resolve(palette());
}

void TfrmGraph::applyPanelColour()
{
    QPalette pal = panBack->palette();
    pal.setColor(QPalette::Window, colour(ColourScheme::Background));
    panBack->setPalette(pal);
}

// Menu commands ------------------------------------------------------------------------

void TfrmGraph::MenuClick(QObject *sender)
{
    ErrorBox::guarded([&] {
        if (!sender)
            return;
        if (sender == mnuHelpTrends) {
            HelpViewer::showTopic(m_state.helpFile(), HelpTopic, this);
        } else if (sender == mnuAbout) {
            emit aboutRequested();
        } else if (sender == mnuExportGraph) {
            ExportGraphClick();
        } else if (sender == mnuCopyGraph) {
            copyGraph();
        } else if (sender == mnuClose || sender == mnuClosePopup) {
            close();
        } else if (sender == mnuElementInfo || sender == pntGraph) {
            showElementInfo();
        } else if (sender == mnuShowSymbolPos || sender == mnuShowSymbolPosPopup) {
            mnuShowSymbolPos->setChecked(!mnuShowSymbolPos->isChecked());
            mnuShowSymbolPosPopup->setChecked(!mnuShowSymbolPosPopup->isChecked());
            replot();
        } else {
            for (int i = 0; i < TrendPropertyCount; ++i) {
                if (sender == propertyItems[size_t(i)] || sender == propertyPopupItems[size_t(i)]) {
                    chooseProperty(i, static_cast<const QAction *>(sender));
                    break;
                }
            }
        }
    });
}

void TfrmGraph::plotProperty(int property)
{
    if (property >= 0 && property < TrendPropertyCount)
        ErrorBox::guarded([&] { chooseProperty(property, propertyItems[size_t(property)]); });
}

void TfrmGraph::chooseProperty(int position, const QAction *clicked)
{
    if (clicked->isChecked())
        return;
    for (int i = 0; i < TrendPropertyCount; ++i) {
        propertyItems[size_t(i)]->setChecked(i == position);
        propertyPopupItems[size_t(i)]->setChecked(i == position);
    }
    // The caption of the item actually clicked: the pop-up's own spelling shows as it is.
    m_panels[0]->setText(withoutMnemonic(clicked->text()));
    replot();
}

void TfrmGraph::replot()
{
    QCoreApplication::processEvents();
    PlotGraph();
    pntGraph->repaint();
}

void TfrmGraph::showElementInfo()
{
    const int z = HotElement;
    // Before the first move over the band, or beyond its ends, no element is under the
    // mouse.
    if (z < 1 || z > m_state.elementCount())
        return;
    emit elementChosen(z);
    emit elementInfoRequested();
    if (stayOnTop())
        showMinimized();
    emit focusRequested();
}

// Plotting -----------------------------------------------------------------------------

PropertyColumn TfrmGraph::scanSeries()
{
    const int index = propertyIndex();
    const TrendProperty &property = Fields::trend(index < 0 ? 0 : index);
    if (index >= 0)
        InfoField = property.displayField;
    return PropertyColumn::scan(
        m_state.data(), property.valueField, m_state.decimalSeparator(), m_state.elementCount());
}

GraphGeometry::Frame TfrmGraph::layoutFrame(const PropertyColumn &series, const QSize &size,
    const QPaintDevice *device, QStringList *labels) const
{
    GraphGeometry::Frame frame;
    frame.width = size.width();
    frame.height = size.height();
    const QFontMetrics metrics(m_plotFont, device);
    frame.textHeight = metrics.height();
    frame.textWidth = metrics.horizontalAdvance(QString::number(ElementCount));
    labels->clear();
    if (!series.empty()) {
        const QChar separator = m_state.decimalSeparator();
        *labels = { Numbers::graphValueLabel(series.min, separator),
            Numbers::graphValueLabel(series.max, separator),
            Numbers::graphValueLabel(series.min + (series.max - series.min) * 0.5, separator) };
        for (const QString &label : *labels)
            frame.widestLabel = qMax(frame.widestLabel, metrics.horizontalAdvance(label));
    }
    return frame;
}

void TfrmGraph::PlotGraph()
{
    // Drawing lets no events run, so a plot never starts inside another one; the guard
    // keeps it so should a slot connected to a signal below ever ask for one.
    if (m_plotting)
        return;
    m_plotting = true;
    auto done = qScopeGuard([this] { m_plotting = false; });

    // A text that is no number stops the plot before anything is drawn over the picture.
    const PropertyColumn series = scanSeries();

    const QSize size = pntGraph->size();
    const qreal ratio = pntGraph->devicePixelRatioF();
    const QSize pixels(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    if (PlotBitmap.size() != pixels || PlotBitmap.devicePixelRatio() != ratio) {
        PlotBitmap = pixels.isEmpty() ? QImage() : QImage(pixels, QImage::Format_RGB32);
        PlotBitmap.setDevicePixelRatio(ratio);
    }

    GraphGeometry::Frame frame;
    frame.width = size.width();
    frame.height = size.height();
    if (!PlotBitmap.isNull()) {
        QStringList labels;
        frame = layoutFrame(series, size, &PlotBitmap, &labels);
        QPainter p(&PlotBitmap);
        draw(p, series, frame, labels);
    }
    m_series = series;
    m_frame = frame;
    ++m_plotCount;
}

void TfrmGraph::paintPlot(QPainter &p, const QSize &size)
{
    const PropertyColumn series = scanSeries();
    QStringList labels;
    const GraphGeometry::Frame frame = layoutFrame(series, size, p.device(), &labels);
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), size));
    draw(p, series, frame, labels);
    p.restore();
}

void TfrmGraph::draw(QPainter &p, const PropertyColumn &series, const GraphGeometry::Frame &f,
    const QStringList &labels)
{
    const QColor background = colour(ColourScheme::Background);
    const QColor value = colour(ColourScheme::Value);
    const QColor axis = colour(ColourScheme::Axis);
    const QColor element = colour(ColourScheme::Element);
    const QColor plot = colour(ColourScheme::Plot);
    // Colours too close to the background are drawn over an outline, the small value
    // texts on a plate; the plot is redrawn whenever colours, palette or size change, so
    // this is decided once per drawing.
    const Guarded::Guard valueGuard
        = Guarded::decide(value, background, QFontInfo(m_plotFont).pixelSize());
    const QColor axisOutline = Contrast::markOutline(axis, background);
    const QColor plotOutline = Contrast::markOutline(plot, background);
    const QColor elementOutline = Contrast::markOutline(element, background);

    p.setFont(m_plotFont);
    const QFontMetrics metrics(m_plotFont, p.device());
    const int ascent = metrics.ascent();
    p.fillRect(QRect(0, 0, f.width, f.height), background);

    // The pen draws up to its end point, not onto it; the X axis then takes the corner.
    const QRect yAxis(f.axisX(), f.textHeight, 1, f.axisBottom() - f.textHeight);
    const QRect xAxis(f.axisX(), f.axisBottom(), f.axisRight() - f.axisX(), 1);
    if (axisOutline.isValid()) {
        p.fillRect(yAxis.adjusted(-1, -1, 1, 1), axisOutline);
        p.fillRect(xAxis.adjusted(-1, -1, 1, 1), axisOutline);
    }
    p.fillRect(yAxis, axis);
    p.fillRect(xAxis, axis);

    if (series.empty())
        return; // no value at all: the empty axes
    const auto text = [&](int x, int y, const QString &s) {
        if (valueGuard.plate.isValid())
            Guarded::drawPlate(p,
                QRect(x, y - ascent, metrics.horizontalAdvance(s), metrics.height()),
                valueGuard.plate, QRect(0, 0, f.width, f.height));
        Guarded::drawText(p, QPoint(x, y), s, value, valueGuard.outline);
    };
    text(2, f.maxLabelTop() + ascent, labels[1]);
    text(2, f.minLabelTop() + ascent, labels[0]);
    text(2, f.midLabelTop() + ascent, labels[2]);
    const QString first = QString::number(series.first);
    const QString last = QString::number(series.last);
    text(f.left() - metrics.horizontalAdvance(first) / 2, f.numberTop() + ascent, first);
    text(f.axisRight() - metrics.horizontalAdvance(last) / 2, f.numberTop() + ascent, last);

    const bool marks = showSymbolPositions();
    auto at = [&](int z) {
        return QPoint(f.pointX(z, series.first, series.last),
            f.pointY(series.value[size_t(z)], series.min, series.max));
    };
    auto mark = [&](QPoint c) {
        if (elementOutline.isValid())
            p.fillRect(QRect(c.x() - 3, c.y() - 3, 6, 6), elementOutline);
        p.fillRect(QRect(c.x() - 2, c.y() - 2, 4, 4), element);
        p.fillRect(QRect(c.x() - 1, c.y() - 1, 2, 2), background);
    };
    const auto line = [&](const QPen &linePen, bool withMarks) {
        p.setPen(linePen);
        QPoint pen = at(series.first);
        if (withMarks)
            mark(pen);
        for (int z = series.first + 1; z <= series.last; ++z) {
            if (!series.hasValue[size_t(z)])
                continue; // the next line bridges the gap
            const QPoint to = at(z);
            p.drawLine(pen, to);
            if (withMarks)
                mark(to);
            pen = to;
        }
    };
    // An outline wanted around the line goes under the whole of it.
    if (plotOutline.isValid())
        line(QPen(plotOutline, 3), false);
    line(QPen(plot, 1), marks);
}

// Export -------------------------------------------------------------------------------

QByteArray TfrmGraph::graphCsv() const
{
    const int index = propertyIndex();
    return Csv::trend(
        m_state.data(), m_state.decimalSeparator(), index < 0 ? 0 : index,
        [this](int z) { return m_state.name(z); }, [this](int z) { return m_state.symbol(z); },
        m_state.elementCount());
}

void TfrmGraph::exportGraph(const QString &file, QSize size)
{
    if (size.isEmpty())
        size = pntGraph->size();
    if (size.isEmpty())
        size = QSize(800, 500);
    const ExportFile::Kind kind = ExportFile::kindOf(file);
    if (kind == ExportFile::Kind::Csv) {
        ExportFile::writeBytes(file, graphCsv());
        return;
    }
    if (kind != ExportFile::Kind::Png && kind != ExportFile::Kind::Svg)
        throw EAuralisError(tr("%1: the name must end in .png, .svg or .csv").arg(file));
    ExportFile::Options options;
    options.pixels = size * 2;
    ExportFile::write(file, QSizeF(size), pntGraph->logicalDpiY(), options,
        tr("Trend graph - Auralis"), [this, size](QPainter &p, const QRectF &target) {
            p.save();
            p.translate(target.topLeft());
            p.scale(target.width() / size.width(), target.height() / size.height());
            paintPlot(p, size);
            p.restore();
        });
}

void TfrmGraph::ExportGraphClick()
{
    QString file;
    const QString folder = m_lastExportFolder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : m_lastExportFolder;
    if (!Choosers::chooseSaveFile(this, tr("Export Graph"),
            folder + QStringLiteral("/trend-graph.png"),
            tr("PNG picture (*.png);;SVG picture (*.svg);;"
               "Comma-separated values (*.csv)"),
            QStringLiteral("png"), &file))
        return;
    m_lastExportFolder = QFileInfo(file).absolutePath();
    exportGraph(file);
}

void TfrmGraph::copyGraph()
{
    const QSize size = pntGraph->size().isEmpty() ? QSize(800, 500) : pntGraph->size();
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(pntGraph->logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(pntGraph->logicalDpiY() / 0.0254));
    {
        QPainter p(&image);
        paintPlot(p, size);
    }
    auto *mime = new QMimeData;
    mime->setImageData(image);
    mime->setText(QString::fromUtf8(graphCsv()));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void TfrmGraph::pntGraphPaint(QPainter &p)
{
    const QRect area = pntGraph->rect();
    if (PlotBitmap.isNull() || PlotBitmap.deviceIndependentSize().toSize() != area.size())
        p.fillRect(area, colour(ColourScheme::Background));
    if (!PlotBitmap.isNull())
        p.drawImage(0, 0, PlotBitmap);
}

void TfrmGraph::panBackResize()
{
    if (!isVisible())
        return;
    if (ErrorBox::guarded([this] { PlotGraph(); }))
        pntGraph->update();
}

// Readout ------------------------------------------------------------------------------

void TfrmGraph::pntGraphMouseMove(int x)
{
    GraphGeometry::Frame f = m_frame;
    f.width = pntGraph->width();
    QString text;
    if (f.inBand(x)) {
        const int z = f.elementAt(x, m_series.first, m_series.last);
        HotElement = z;
        if (z >= 1 && z <= m_series.count() && m_series.hasValue[size_t(z)]) {
            text = QString::number(z) + QStringLiteral(": ") + m_state.name(z)
                + QStringLiteral(", ") + m_state.symbol(z) + QStringLiteral(", ")
                + m_state.data().field(z, InfoField);
            text.truncate(ReadoutCut);
        }
    }
    if (m_panels[1]->text() != text)
        m_panels[1]->setText(text);
}

// Window -------------------------------------------------------------------------------

void TfrmGraph::showRestored()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

bool TfrmGraph::stayOnTop() const
{
    return m_onTop->isOn();
}

void TfrmGraph::FormPaint()
{
    m_onTop->follow();
}

void TfrmGraph::setVisible(bool visible)
{
    m_onTop->beforeSetVisible(visible);
    QMainWindow::setVisible(visible);
}

void TfrmGraph::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The plot area's size change arrives before the window is visible on the first
    // showing; colours that changed while hidden are drawn now too.
    const QSize wanted = pntGraph->size();
    if (!m_onTop->reflagging()
        && (m_stale || m_plotCount == 0 || m_frame.width != wanted.width()
            || m_frame.height != wanted.height())) {
        m_stale = false;
        if (ErrorBox::guarded([this] { PlotGraph(); }))
            pntGraph->update();
    }
}

void TfrmGraph::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    StatusBarResize();
}

void TfrmGraph::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The desktop's colours changed: the system colours are resolved again.
    if (event->type() == QEvent::PaletteChange && pntGraph) {
        applyPanelColour();
        if (isVisible())
            ErrorBox::guarded([this] { replot(); });
        else
            m_stale = true;
    }
}

// Settings -----------------------------------------------------------------------------

void TfrmGraph::FormCreate()
{
    IniFile ini(m_state.settingsFile());
    ini.beginPass();
    ColourScheme scheme = m_state.colours();
    if (scheme.readGraph(ini, palette()))
        emit coloursRequested(scheme);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const FrameKeys &frame = Settings::GraphFrame;
    const int width = frame.width.read(ini, screenSize.width() * 8 / 10);
    const int height = frame.height.read(ini, screenSize.height() - 40);
    const QRect sized = FrameBounds::clamped(0, 0, width, height);
    const int left = frame.left.read(ini, screenSize.width() - sized.width() - 5);
    const int top = frame.top.read(ini);
    FrameBounds::apply(this, FrameBounds::clamped(left, top, width, height));
    if (frame.maximized.readFlag(ini))
        setWindowState(windowState() | Qt::WindowMaximized);

    const bool marks = Settings::GraphSymbolMarks.readFlag(ini);
    mnuShowSymbolPos->setChecked(marks);
    mnuShowSymbolPosPopup->setChecked(marks);

    // A position outside the list is reported; the first property is then checked, so
    // the next save does not write the bad value back.
    int position = 0;
    if (!ErrorBox::guarded([&] {
            position = Settings::GraphProperty.read(ini);
            if (position < 0 || position >= TrendPropertyCount)
                Errors::listIndexOutOfBounds();
        }))
        position = 0;
    for (int i = 0; i < TrendPropertyCount; ++i) {
        propertyItems[size_t(i)]->setChecked(i == position);
        propertyPopupItems[size_t(i)]->setChecked(i == position);
    }
    m_panels[0]->setText(withoutMnemonic(propertyItems[size_t(position)]->text()));
    InfoField = Fields::trend(position).displayField;
}

void TfrmGraph::saveSettings(IniFile &ini) const
{
    FrameBounds::write(ini, Settings::GraphFrame, this);
    Settings::GraphSymbolMarks.writeFlag(ini, mnuShowSymbolPos->isChecked());
    const int position = propertyIndex();
    Settings::GraphProperty.write(ini, position < 0 ? TrendPropertyCount : position);
    m_state.colours().writeGraph(ini, palette());
}
