#pragma once

// The main window. It owns the two pieces of state the whole program shares — the
// selected element and the current temperature — and the chart: 109 tiles (TElement) on
// the table panel, sixteen group labels, the legend and the two line boxes.
//
// How the windows fit together: app/Startup creates this window first (its construction
// loads the element data, makes the tiles and reads the settings), then the tool windows
// (element information, set temperature, about), which live until the program ends and
// are reached through core/Forms.h. Selection changes go through ElementClick only;
// temperature changes end in ApplyTemperature, which pushes the value into every tile.
//
// The implementation is split by concern: Unt_aura.cpp (construction), _layout (resize
// and painting of the table), _status (status bar, slider, toolbar), _commands (menus,
// selection, first show), _keys (keyboard), settings/Unt_aura_settings.cpp (ini file).

#include "base/Colour.h"
#include "data/ElementData.h"

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

    // Shared state ---------------------------------------------------------------------
    int selectedElement() const { return SelectedElement; }
    float temperature() const { return Temperature; }
    void setTemperature(float kelvin) { Temperature = kelvin; }
    QChar decimalSeparator() const { return m_decimalSeparator; }
    const ElementData &elementData() const { return m_data; }
    // The tile of element z, or null when z is outside 1..109 or the tile was not made.
    TElement *tile(int z) const;
    bool tilesCreated() const { return m_tilesCreated; }
    QString programFolder() const { return m_programFolder; }
    QString settingsFolder() const { return m_settingsFolder; }
    QString settingsFile() const { return m_settingsFolder + QStringLiteral("auralis.ini"); }
    QString helpFile() const { return m_helpFile; }
    QSize screenSize() const;
    // Legend label colours: the master copy of the class and state colours.
    static TColor labelColour(const QLabel *label);
    static void setLabelColour(QLabel *label, TColor colour);
    // Text of status bar panel 0 or 1.
    QString statusText(int panel) const;
    // The fixed classification that picks a tile's number colour.
    enum class ElementClass { Metal, Nonmetal, Semimetal };
    static ElementClass elementClass(int z);
    // The tile's tool-tip (its Hint), accessible name and description (name, number,
    // symbol, class, state at the current temperature); call after the name, symbol or
    // temperature changed.
    void describeTile(int z);
    // The tool-tip mode: 800 ordinary, 0 tile, 500 before the first switch.
    int hintDelay() const { return m_hintDelay; }
    // The tool-tip hide delay in ms; 0 while the pop-up menu is open.
    int hintHidePause() const { return m_hintHidePause; }
    // The table panel's colour: silver, or a system colour resolved when drawn. Kept as the
    // panel's "tcolor" property (and its palette's Window colour) so the tiles can read it.
    TColor tableColour() const;
    void setTableColour(TColor colour);

    // Handlers -------------------------------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormResize();
    bool toolbarDocked() const;
    void PeriodicTableResize();
    void BackgroundPaint(QPainter &p);
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
    // name, else the program's folder, else, when that cannot be written, the user's
    // configuration folder.
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

    int SelectedElement = 0;
    float Temperature = 0.0f;
    QStringList m_arguments;
    QChar m_decimalSeparator;
    QString m_programFolder;
    QString m_settingsFolder;
    QString m_helpFile;
    QSize m_screenSize;
    ElementData m_data;
    std::array<TElement *, 110> m_tiles {};
    bool m_tilesCreated = false;
    bool m_labelsCreated = false;
    bool m_firstShowDone = false;
    TColor m_defaultHintColor;
    TColor m_tileHintColor = TColor::rgb(191, 255, 255);
    int m_hintDelay = 500;
    int m_hintHidePause = 10000;
    // The key press last seen by the event filter and its first receiver, so a key that
    // propagates from a child to its parents is handled once.
    const QEvent *m_lastKeyEvent = nullptr;
    QPointer<QObject> m_lastKeyReceiver;
    std::array<QLabel *, 2> m_statusPanels {};
    QSize m_frameExtra; // outer frame size the minimum size was last computed with
    bool m_inTableLayout = false; // showing the panel delivers its pending resize event
};
