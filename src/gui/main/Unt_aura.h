#pragma once

// The main window. It owns the state the whole program shares (SharedState: the selected
// element, the current temperature, the names in force, the marks, the colour scheme) and
// alone writes it, and it holds the chart: 109 tiles (TElement) on the table panel,
// sixteen group labels, the legend and the two line boxes.
//
// How the windows fit together: the code is in three trees with one-way dependencies.
// src/core (no widgets) holds the data file, numbers, colours, the ini layer, the arithmetic
// of layout, relief and keys, and SharedState; src/gui holds the windows and may use the
// core; src/app (entry and splash) creates this window first, then the tool windows, and
// hands them over through attachToolWindows. A tool window gets the state as a const
// reference and asks for changes through its own signals, which this window connects
// once; it never sees this header. Changes are written to the state once (ElementClick,
// setTemperature, the commands) and every view follows the state's signals: the tiles,
// slider, status bar and menu marks here, and each tool window by itself.
//
// The implementation is split by concern: Unt_aura.cpp (construction), _layout (resize
// and painting of the table), _status (status bar, slider, toolbar), _commands (menus,
// selection, first show), _keys (keyboard), _settings (the ini file).

#include "base/ColourScheme.h"
#include "common/ExportFile.h"
#include "data/Classification.h"
#include "data/Naming.h"
#include "main/SharedState.h"
#include "main/TypeAhead.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <vector>

class QAction;
class QActionGroup;
class QFrame;
class QKeyEvent;
class QTimer;
class QLabel;
class QMenu;
class QScrollBar;
class QStatusBar;
class QStyle;
class TDock97;
class TElement;
class TToolbar97;
class TToolbarButton97;
class TToolbarSep97;
class TfrmAbout;
class TfrmElementInfo;
class TfrmGraph;
class TfrmFindElement;
class TfrmOptions;
class TfrmSetTemperature;
class AccessibilityWatch;
class IniFile;

class TfrmAuralis : public QMainWindow
{
    Q_OBJECT

public:
    struct StartOptions
    {
        QStringList arguments; // the program's arguments, without the program itself
        QString programFolder; // folder of the program file, ending in "/"
        QChar decimalSeparator = QLatin1Char('.');
        QSize screenSize; // primary screen size; empty: ask the screen
    };

    explicit TfrmAuralis(const StartOptions &options, QWidget *parent = nullptr);
    ~TfrmAuralis() override;

    // The tool windows, created after this window's first show; any may be null.
    struct ToolWindows
    {
        TfrmElementInfo *info = nullptr;
        TfrmGraph *graph = nullptr;
        TfrmSetTemperature *temperature = nullptr;
        TfrmFindElement *find = nullptr;
        TfrmAbout *about = nullptr;
        TfrmOptions *options = nullptr;
    };
    // Connects the tool windows' requests and lets each read its settings section, in
    // the order they were created.
    void attachToolWindows(const ToolWindows &tools);

    // Shared state ---------------------------------------------------------------------
    // Tests and tools read the state; the windows follow its signals.
    const SharedState &state() const { return m_state; }
    // The one writer of the temperature (slider, dialog, settings): the state changes,
    // and the tiles, slider and status bar follow its signal.
    void setTemperature(float kelvin);
    // The tile of element z, or null when z is outside the elements on the table (1..109,
    // or 1..118) or the tile was not made.
    TElement *tile(int z) const;
    bool tilesCreated() const { return m_tilesCreated; }
    QSize screenSize() const;
    // The colour a legend label shows (its class or state colour in the scheme).
    TColor labelColour(const QLabel *label) const;
    // Puts a colour scheme in force: legend, tiles, table panel here; the tool windows
    // follow the state's change signal.
    void applyColourScheme(const ColourScheme &scheme);
    // Text of status bar panel 0 or 1.
    QString statusText(int panel) const;
    // The tile's tool-tip (its Hint), accessible name and description (name, number,
    // symbol, class, state at the current temperature); call after the name, symbol or
    // temperature changed.
    void describeTile(int z);
    // The tool-tip mode: 800 ordinary, 0 tile, 500 before the first switch.
    int hintDelay() const;
    // The tool-tip hide delay in ms; 0 while the pop-up menu is open.
    int hintHidePause() const { return m_hintHidePause; }
    // Puts a table panel colour (silver, or a system colour resolved when drawn) in force.
    void setTableColour(TColor colour);
    // Puts a background picture and its file name in force and repaints the background.
    void applyBackground(const QString &file, const QPixmap &picture);

    // Export and print (Unt_aura_export.cpp) ---------------------------------------------
    // Paints the chart as the window shows it (tiles, relief, legend, group labels and
    // lines, table colour; the background picture when asked) scaled to fit `target`,
    // through the window's own painting code, on any paint device.
    void paintChart(QPainter &p, const QRectF &target, bool withPicture);
    // The part of the window the chart takes, in the client area's coordinates.
    QRect chartRect(bool withPicture) const;
    // The chart into a PDF, SVG or PNG file as its suffix says; throws on failure.
    void exportTable(const QString &file, const ExportFile::Options &options);
    // Every field of every element as comma-separated text; throws on failure.
    void exportData(const QString &file);
    // The commands: the save dialog (and options step), then the file.
    void ExportTableClick();
    void ExportDataClick();
    void PrintClick();
    // The table colour the settings give, as the first show puts it in force.
    void applyStartColours();
    // Lays the chart out for a window that is never shown (the command-line export).
    void layoutUnshown(const QSize &size);

    // Handlers -------------------------------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormResize();
    bool toolbarDocked() const;
    void PeriodicTableResize();
    // region: what needs painting, in the paint box's coordinates; empty: all of it.
    void BackgroundPaint(QPainter &p, const QRegion &region = QRegion());
    void LinesPaint(QWidget *sender, QPainter &p);

    void MenuClick(QObject *sender);
    void MenuTrendsClick(QAction *sender);
    // The trend relief of a property (0..13), or none (-1), as its Trends item gives it.
    void showTrend(int property);
    // Selects element z (one on the table) as a click with the button on its tile does.
    void ElementClick(int z, Qt::MouseButton button);
    void TableMouseDown(QObject *sender, Qt::MouseButton button);
    void LegendDblClick(QObject *sender);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // Typing to go to an element: printable characters typed on the main window build a
    // search text, and each selects the element it finds as a click on its tile would.
    // True when the key was the search's.
    bool TypeAheadKey(const QKeyEvent *key);
    // The same for the characters an input method composed.
    void TypeAheadText(const QString &text);
    // The search text under way, or "".
    QString typeAheadText() const;
    // The program-wide key hook; true when the event was handled.
    bool AppMessage(QObject *watched, QEvent *event);
    // Follow the state: the tiles, slider and status bar after a temperature change; the
    // tiles, scheme items and layout after a naming scheme change.
    void ApplyTemperature();
    void ApplyNamingScheme();

    void Status(QObject *sender);
    void ClearStatus();
    void UpdateTempStatus();
    void ToolsResize();
    void ToolbarClose();
    void ToolbarDockChanged();

    void LoadColours();
    void LoadSettings();
    void SaveSettings();
    void FormClose();

    // Controls (named as the program's design names them) -------------------------------
    QMenu *FileMenu = nullptr, *ViewMenu = nullptr, *ElementMenu = nullptr, *TrendsMenu = nullptr,
          *HelpMenu = nullptr, *mnuNamingScheme = nullptr, *PopupMenu = nullptr;
    QAction *mnuSaveConfigNow = nullptr, *mnuSaveConfigOnExit = nullptr, *mnuExit = nullptr;
    QAction *mnuExportTable = nullptr, *mnuExportData = nullptr, *mnuPrint = nullptr;
    QAction *mnuToolbar = nullptr, *mnuStatusBar = nullptr, *mnuElementOnTop = nullptr,
            *mnuTrendsOnTop = nullptr, *mnuOptions = nullptr;
    // The seventh period complete, elements 110 to 118: the user's choice, off at first.
    QAction *mnuElements118 = nullptr;
    QAction *mnuIUPACApproved = nullptr, *mnuIUPACProvisional = nullptr,
            *mnuIUPACRecommended = nullptr, *mnuACSRecommended = nullptr;
    QAction *mnuFindElement = nullptr, *mnuSetTemperature = nullptr, *mnuElementInfo = nullptr;
    // mnuNone, then the fourteen trend properties in catalogue order.
    std::array<QAction *, 15> trendItems {};
    QAction *mnuNone = nullptr, *mnuGraph = nullptr;
    QAction *mnuHelpContents = nullptr, *mnuAbout = nullptr;
    QAction *mnuElementInfoPop = nullptr, *N6 = nullptr, *mnuFindPop = nullptr,
            *mnuTempPop = nullptr, *mnuColorPop = nullptr;

    TDock97 *ToolbarDock = nullptr, *BottomDock = nullptr;
    TToolbar97 *Toolbar = nullptr;
    TToolbarButton97 *butColor = nullptr, *butElementInfo = nullptr, *butFind = nullptr,
                     *butTemperature = nullptr, *butGraph = nullptr, *butHelp = nullptr,
                     *butAbout = nullptr;
    TToolbarSep97 *ToolSep1 = nullptr, *ToolSep2 = nullptr, *ToolSep3 = nullptr,
                  *ToolSep4 = nullptr;
    QScrollBar *TempSlider = nullptr;
    QStatusBar *StatusBar = nullptr;

    QWidget *clientArea = nullptr; // the window's client surface below the menu
    QWidget *pntBackGround = nullptr;
    QFrame *PeriodicTable = nullptr;
    QWidget *pntGroupLines = nullptr, *pntElementLines = nullptr;
    QFrame *panLegend = nullptr;
    QLabel *lblMetals = nullptr, *lblNonMetals = nullptr, *lblSemimetals = nullptr,
           *lblSolids = nullptr, *lblLiquids = nullptr, *lblGases = nullptr,
           *lblUndefined = nullptr;
    std::array<QLabel *, 16> groupLabels {};
    // The decoded background picture of the state's file, tiled by BackgroundPaint.
    QPixmap imgWallpaper;

signals:
    // At the start of the first show, before the first-run notices: the splash goes.
    void firstShown();
    // The window has closed (and saved as it does): the program ends, whatever other
    // window is still open.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void createTable();
    void createTiles();
    TElement *createTile(int z);
    // Follows the state's number of elements: tiles made, shown or hidden, named, coloured
    // and laid out, the relief and the menu item brought in line.
    void followElementCount(int count);
    // The relief of the property the Trends menu shows, for the elements on the table.
    void applyTrend(int property);
    void createGroupLabels();
    void layoutLegend();
    void setHintMode(bool tile);
    // Puts the tool-tip delays of setHintMode into force for the whole application.
    static void installHintStyle();
    // base drawn as it is, with the tool-tip delay of the current tool-tip mode.
    static QStyle *hintStyle(QStyle *base);
    void hookLegendControl(QWidget *w);
    // The size an auto-sizing label takes for its text in the given font.
    static QSize autoSize(const QLabel *label, const QFont &font);
    void applyMinimumSize(QSize frame);
    void WMSysCommand(Qt::WindowStates oldState, Qt::WindowStates newState);
    void openPopup(bool onTile);
    bool firstKeyDelivery(QObject *watched, QEvent *event);
    void typeAheadFind();
    void endTypeAhead();
    bool isMainWindowWidget(const QObject *watched) const;

    // The naming scheme items in scheme order.
    std::array<QAction *, Naming::SchemeCount> schemeItems() const;
    // The menu items showing the state's marks.
    QAction *markItem(SharedState::Mark mark) const;
    void followSelection(int z);
    void followMark(SharedState::Mark mark, bool on);
    // The legend labels in the scheme's legend order.
    std::array<QLabel *, ColourScheme::LegendCount> legendLabels() const;
    void applyColours();
    // The options dialog, modal, on the background picture in force.
    void showOptions(TfrmOptions &dialog);
    // The chosen temperature of the temperature dialog, as its OK applies it.
    void applyChosenTemperature(float kelvin);
    void saveMainWindowSection(IniFile &ini);

    // One command of the window: the menu item, pop-up item and toolbar button that
    // present it (either of the last two may be absent), the status text its button shows,
    // and what it does (sender: the presenter used).
    struct Command
    {
        QAction *TfrmAuralis::*item;
        QAction *TfrmAuralis::*popup;
        TToolbarButton97 *TfrmAuralis::*button;
        const char *status;
        void (*run)(TfrmAuralis &w, QObject *sender);
    };
    static const std::vector<Command> &commands();
    // The command a menu item, pop-up item, toolbar button or tile presents, or null.
    const Command *commandOf(const QObject *sender) const;
    void showOrCloseInfo(QObject *sender);

    SharedState m_state;
    ToolWindows m_tools;
    // The tile that carries the selection mark.
    int m_markedTile = 0;
    // The settings path is no file the program may read or write (reported at start); the
    // first-run keys are then not written, so start-up reports it once.
    bool m_settingsRefused = false;
    QSize m_screenSize;
    std::array<TElement *, MaxElementCount + 1> m_tiles {};
    bool m_tilesCreated = false;
    bool m_labelsCreated = false;
    bool m_firstShowDone = false;
    TColor m_defaultHintColor;
    TColor m_tileHintColor = TColor::rgb(191, 255, 255);
    int m_hintHidePause = 10000;
    // The key press last seen by the event filter and its first receiver, so a key that
    // propagates from a child to its parents is handled once.
    const QEvent *m_lastKeyEvent = nullptr;
    QPointer<QObject> m_lastKeyReceiver;
    std::array<QLabel *, 2> m_statusPanels {};
    AccessibilityWatch *m_accessibility = nullptr;
    QSize m_frameExtra; // outer frame size the minimum size was last computed with
    bool m_inTableLayout = false; // showing the panel delivers its pending resize event
    QSize m_tableLaidOutAt; // the panel's size at its last layout
    // paintChart is drawing: the background paints no window frame, and the picture only
    // when asked for.
    bool m_exportPainting = false;
    bool m_exportPicture = false;
    QString m_lastExportFolder;
    TypeAhead::Search m_typeAhead;
    QElapsedTimer m_typeClock;
    QTimer *m_typeAheadTimer = nullptr;
    QString m_typeAheadStatus; // what the search wrote into the status bar
};
