#pragma once

#include "base/ColourScheme.h"
#include "data/ElementData.h"
#include "data/PropertyColumn.h"
#include "main/GraphGeometry.h"

#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <array>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QPaintDevice;
class QPainter;
class IniFile;
class SharedState;
class StayOnTop;

// The trend graph: one trend property against atomic number as a line graph, with the
// element under the mouse named in the status bar. A resizable window of its own (own
// taskbar entry), created once and shown and hidden for the rest of the run. The graph is
// drawn into an off-screen picture whenever the plot area gets a new size while shown,
// the property or the symbol marks change, or the colours change; painting only copies it.
class TfrmGraph : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 6;
    // The smallest outer frame the user can drag the window to.
    static constexpr int MinimumOuterWidth = 287;
    static constexpr int MinimumOuterHeight = 257;

    // owner: the main window (the window keeps a place of its own).
    TfrmGraph(const SharedState &state, QWidget *owner);
    ~TfrmGraph() override;

    // Bounds, marks, property and colours from the settings file.
    void FormCreate();
    // The window's settings section, in the order the file lists it.
    void saveSettings(IniFile &ini) const;

    // Every menu item of both menus, and pntGraph for a double click on the plot.
    void MenuClick(QObject *sender);
    // Draws the whole graph for the current size of pntGraph into PlotBitmap. Throws
    // "'%s' is not a valid floating point value" for a field text that is neither "--"
    // nor a number; the picture then keeps what it showed.
    void PlotGraph();
    // The readout for the mouse at x on the plot; updates HotElement and status panel 1.
    void pntGraphMouseMove(int x);
    void StatusBarResize();
    // Brings the stay-on-top state in line with the main window's mark.
    void FormPaint();
    bool stayOnTop() const;
    // The main window's Graph Trends: show, restore when minimised, bring to the front.
    void showRestored();

    // Position 0..13 of the checked property, -1 when none is checked.
    int propertyIndex() const;
    // Plots a property (0..13) as its item of the menu bar's Property menu does.
    void plotProperty(int property);
    bool showSymbolPositions() const;
    QString statusText(int panel) const;
    // The last plot: its picture, frame, scanned values, and how many plots were drawn.
    const QImage &picture() const { return PlotBitmap; }
    const GraphGeometry::Frame &frame() const { return m_frame; }
    const PropertyColumn &series() const { return m_series; }
    int plotCount() const { return m_plotCount; }
    int hotElement() const { return HotElement; }
    // The colour of one of the five graph colours as drawn now.
    QColor colour(ColourScheme::Graph which) const;

    QFrame *panBack = nullptr;
    QWidget *pntGraph = nullptr;
    QStatusBar *StatusBar = nullptr;
    QMenuBar *GraphMenu = nullptr;
    QMenu *mnuProperty = nullptr, *mnuHelp = nullptr, *GraphPopup = nullptr,
          *mnuPropertyPopup = nullptr;
    // The property items of the menu bar and of the pop-up, in catalogue order.
    std::array<QAction *, TrendPropertyCount> propertyItems {}, propertyPopupItems {};
    QAction *mnuShowSymbolPos = nullptr, *mnuClose = nullptr, *mnuHelpTrends = nullptr,
            *mnuAbout = nullptr;
    QAction *mnuShowSymbolPosPopup = nullptr, *mnuElementInfo = nullptr, *mnuClosePopup = nullptr;
    // In both menus, before Close.
    QAction *mnuExportGraph = nullptr, *mnuCopyGraph = nullptr;

    // Paints the graph of the checked property as the window draws it, at `size`, on any
    // paint device. Throws as PlotGraph does.
    void paintPlot(QPainter &p, const QSize &size);
    // The graph into a PNG (twice the size, for print), SVG or CSV file as the suffix
    // says; `size` is the plot's size, the window's when empty. Throws on failure.
    void exportGraph(const QString &file, QSize size = QSize());
    // The plotted values as comma-separated text: number, symbol, name, value.
    QByteArray graphCsv() const;
    // The picture and, as text, the CSV on the clipboard.
    void copyGraph();

    void setVisible(bool visible) override;

signals:
    // Element Information or a double click: the element under the mouse becomes the
    // selected element, as a left click on its tile makes it.
    void elementChosen(int z);
    // Then the information window is to be shown (the main window's pop-up command).
    void elementInfoRequested();
    // Then the main window takes the focus, and hands it to the information window when
    // that is shown and not on top.
    void focusRequested();
    // About Auralis: the main window shows its about box, modal.
    void aboutRequested();
    // The settings hold colours of their own for this window.
    void coloursRequested(const ColourScheme &scheme);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class TPlotBox;
    void createMenus();
    void createStatusBar();
    void pntGraphPaint(QPainter &p);
    void panBackResize();
    // Redraws and repaints now (the commands and the colours).
    void replot();
    void chooseProperty(int position, const QAction *clicked);
    void showElementInfo();
    void applyPanelColour();
    // The frame and value labels of a plot of `series` at `size` in the plot font on
    // `device`.
    GraphGeometry::Frame layoutFrame(const PropertyColumn &series, const QSize &size,
        const QPaintDevice *device, QStringList *labels) const;
    PropertyColumn scanSeries();
    void draw(QPainter &p, const PropertyColumn &series, const GraphGeometry::Frame &frame,
        const QStringList &labels);
    void ExportGraphClick();

    const SharedState &m_state;
    StayOnTop *m_onTop = nullptr;
    std::array<QLabel *, 2> m_panels {};
    QFont m_plotFont;
    QImage PlotBitmap;
    PropertyColumn m_series;
    GraphGeometry::Frame m_frame;
    int HotElement = 0;
    int InfoField = Field::AtomicRadius;
    int m_plotCount = 0;
    bool m_plotting = false;
    // The colours changed while the window was hidden: the next showing redraws.
    bool m_stale = false;
    QString m_lastExportFolder;
};
