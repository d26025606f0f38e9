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
// once; it never sees this header. Selection changes go through ElementClick only;
// temperature changes end in ApplyTemperature, which pushes the value into every tile.
//
// The implementation is split by concern: Unt_aura.cpp (construction), _layout (resize
// and painting of the table), _status (status bar, slider, toolbar), _commands (menus,
// selection, first show), _keys (keyboard), _settings (the ini file).

#include "base/ColourScheme.h"
#include "data/Classification.h"
#include "data/Naming.h"
#include "main/SharedState.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>

class QAction;
class QActionGroup;
class QFrame;
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
    const SharedState &state() const { return m_state; }
    int selectedElement() const { return m_state.selectedElement(); }
    float temperature() const { return m_state.temperature(); }
    void setTemperature(float kelvin) { m_state.setTemperature(kelvin); }
    QChar decimalSeparator() const { return m_state.decimalSeparator(); }
    const ElementData &elementData() const { return m_state.data(); }
    // The tile of element z, or null when z is outside 1..109 or the tile was not made.
    TElement *tile(int z) const;
    bool tilesCreated() const { return m_tilesCreated; }
    QString programFolder() const { return m_state.programFolder(); }
    QString settingsFolder() const { return m_settingsFolder; }
    QString settingsFile() const { return m_state.settingsFile(); }
    QString helpFile() const { return m_state.helpFile(); }
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
    // The table panel's colour: silver, or a system colour resolved when drawn.
    TColor tableColour() const { return m_state.colours().table; }
    void setTableColour(TColor colour);
    // Puts a background picture and its file name in force and repaints the background.
    void applyBackground(const QString &file, const QPixmap &picture);

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
    void ElementClick(TElement *sender, Qt::MouseButton button);
    void TableMouseDown(QObject *sender, Qt::MouseButton button);
    void LegendDblClick(QObject *sender);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // The program-wide key hook; true when the event was handled.
    bool AppMessage(QObject *watched, QEvent *event);
    void ApplyTemperature();
    void ApplyNamingScheme(bool refresh);

    void Status(QObject *sender);
    void ClearStatus();
    void UpdateTempStatus(QObject *sender);
    void ToolsResize();
    void ToolbarClose();
    void ToolbarDockChanged();

    void LoadColours();
    void LoadSettings();
    void SaveSettings();
    void FormClose();
    // The settings folder (ending in "/") for the program's arguments: the folder they
    // name; else, for an installed program, the user's configuration folder; else the
    // program's folder, or the user's configuration folder when that cannot be written.
    QString chooseSettingsFolder(const QStringList &arguments) const;

    // Controls (named as the program's design names them) -------------------------------
    QMenu *FileMenu = nullptr, *ViewMenu = nullptr, *ElementMenu = nullptr, *TrendsMenu = nullptr,
          *HelpMenu = nullptr, *mnuNamingScheme = nullptr, *PopupMenu = nullptr;
    QAction *mnuSaveConfigNow = nullptr, *mnuSaveConfigOnExit = nullptr, *mnuExit = nullptr;
    QAction *mnuToolbar = nullptr, *mnuStatusBar = nullptr, *mnuElementOnTop = nullptr,
            *mnuTrendsOnTop = nullptr, *mnuOptions = nullptr;
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
    QPixmap imgWallpaper; // the background picture; tiled by BackgroundPaint
    QString backgroundFile;

signals:
    // At the start of the first show, before the first-run notices: the splash goes.
    void firstShown();

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
    bool isMainWindowWidget(const QObject *watched) const;

    // The naming scheme items in scheme order.
    std::array<QAction *, Naming::SchemeCount> schemeItems() const;
    // The legend labels in the scheme's legend order.
    std::array<QLabel *, ColourScheme::LegendCount> legendLabels() const;
    void applyColours();
    // The options dialog, modal, on the background picture in force.
    void showOptions(TfrmOptions &dialog);
    // The chosen temperature of the temperature dialog, as its OK applies it.
    void applyChosenTemperature(float kelvin);
    void saveMainWindowSection(IniFile &ini);

    SharedState m_state;
    ToolWindows m_tools;
    QStringList m_arguments;
    QString m_settingsFolder;
    // The settings path is no file the program may read or write (reported at start); the
    // first-run keys are then not written, so start-up reports it once.
    bool m_settingsRefused = false;
    QSize m_screenSize;
    std::array<TElement *, ElementCount + 1> m_tiles {};
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
    QSize m_frameExtra; // outer frame size the minimum size was last computed with
    bool m_inTableLayout = false; // showing the panel delivers its pending resize event
};
