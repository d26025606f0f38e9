#include "main/Unt_aura.h"

#include "base/Numbers.h"
#include "base/ProgramName.h"
#include "base/Temperature.h"
#include "base/Texts.h"
#include "common/AccessibilityWatch.h"
#include "common/Accessible.h"
#include "common/ErrorBox.h"
#include "common/Guarded.h"
#include "common/Scale.h"
#include "common/StatusPanels.h"
#include "common/StepScrollBar.h"
#include "elements/Elements.h"
#include "elements/ElementsAccessible.h"
#include "elements/Pixels.h"
#include "settings/IniFile.h"
#include "toolbar/Glyphs.h"
#include "toolbar/TB97.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <tuple>

namespace {

// Elements whose number takes the nonmetal or the semimetal colour; all others are metals.

const char *const GroupCaptions[16] = { "IA", "IIA", "IIIA", "IVA", "VA", "VIA", "VIIA", "VIIIA",
    "IB", "IIB", "IIIB", "IVB", "VB", "VIB", "VIIB", "VIII" };

constexpr int MinimumOuterWidth = 278;
constexpr int MinimumOuterHeight = 326;

// The design's control events (mouse move, mouse down, double click, resize), attached
// to any widget. Mouse events it serves stop there, so a label's events do not reach the
// panel beneath as well.
class WidgetHooks : public QObject
{
public:
    std::function<void()> mouseMove;
    std::function<void(Qt::MouseButton)> mouseDown;
    std::function<void()> doubleClick;
    std::function<void()> resized;

    static WidgetHooks *install(QWidget *w)
    {
        auto *h = new WidgetHooks(w);
        w->installEventFilter(h);
        w->setMouseTracking(true);
        return h;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A child that ignores a mouse event (a tile does) passes it on to its parent;
            // it is the child's, not the parent's.
            if (static_cast<QWidget *>(watched)->childAt(
                    static_cast<QMouseEvent *>(event)->position().toPoint()))
                return false;
            break;
        default:
            break;
        }
        switch (event->type()) {
        case QEvent::MouseMove:
            if (mouseMove)
                ErrorBox::guarded(mouseMove);
            return bool(mouseMove);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // The second press of a double click is a mouse down as well.
            const Qt::MouseButton b = static_cast<QMouseEvent *>(event)->button();
            if (mouseDown)
                ErrorBox::guarded([this, b] { mouseDown(b); });
            if (event->type() == QEvent::MouseButtonDblClick && doubleClick)
                ErrorBox::guarded(doubleClick);
            return bool(mouseDown) || bool(doubleClick);
        }
        case QEvent::Resize:
            if (resized)
                resized();
            return false;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    explicit WidgetHooks(QObject *parent)
        : QObject(parent)
    {
    }
};

// A window-less paint box: it fills nothing, so whatever lies beneath shows through
// except where its paint handler draws.
class PaintBox : public QWidget
{
public:
    explicit PaintBox(QWidget *parent)
        : QWidget(parent)
        , hooks(*WidgetHooks::install(this))
    {
    }
    // The painter and the region that needs painting.
    std::function<void(QPainter &, const QRegion &)> onPaint;
    WidgetHooks &hooks;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!onPaint)
            return;
        QPainter p(this);
        onPaint(p, event->region());
    }
};

// The table panel: a black single line, a raised bevel, a one-pixel gap and a lowered
// bevel. Its children are placed inside the black line, as the design measures them.
class TablePanel : public QFrame
{
public:
    explicit TablePanel(QWidget *parent)
        : QFrame(parent)
        , hooks(*WidgetHooks::install(this))
    {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    std::function<QColor()> colour;
    WidgetHooks &hooks;

protected:
    // Typing to go to an element takes what an input method composes (a dead key and a
    // letter, say); the window's filter reads it, so the panel only has to ask for it.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImHints:
            return int(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
        default:
            return QFrame::inputMethodQuery(query);
        }
    }
    void inputMethodEvent(QInputMethodEvent *event) override { event->accept(); }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, colour ? colour() : palette().color(QPalette::Button));
        const QColor light = TColor::system(TColor::BtnHighlight).resolve(palette());
        const QColor dark = TColor::system(TColor::BtnShadow).resolve(palette());
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        for (auto [inner, topLeft, bottomRight] :
            { std::tuple { r.adjusted(1, 1, -1, -1), light, dark },
                std::tuple { r.adjusted(3, 3, -3, -3), dark, light } }) {
            // Unlike Pixels::edge, the top-right pixel belongs to the top row.
            Pixels::polyline(p,
                { inner.bottomLeft(), inner.topLeft(), inner.topRight() + QPoint(1, 0) }, topLeft);
            Pixels::polyline(p,
                { inner.topRight() + QPoint(0, 1), inner.bottomRight(), inner.bottomLeft() },
                bottomRight);
        }
    }
};

void colourTile(TElement *t, int z, const ColourScheme &scheme)
{
    static const ColourScheme::Legend classColour[]
        = { ColourScheme::Metals, ColourScheme::Nonmetals, ColourScheme::Semimetals };
    t->setFaceColor(scheme.table);
    t->setNumberColor(scheme.legend[classColour[int(elementClass(z))]]);
    t->setSolidColor(scheme.legend[ColourScheme::Solids]);
    t->setLiquidColor(scheme.legend[ColourScheme::Liquids]);
    t->setGasColor(scheme.legend[ColourScheme::Gases]);
    t->setSyntheticColor(scheme.legend[ColourScheme::Undefined]);
}

} // namespace

TfrmAuralis::TfrmAuralis(const StartOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , m_state(StartFacts::make(options.arguments, options.programFolder, options.decimalSeparator))
    , m_screenSize(options.screenSize)
{
    // The window's own controls follow the state like every other window.
    connect(&m_state, &SharedState::coloursChanged, this, [this] { applyColours(); });
    connect(&m_state, &SharedState::selectionChanged, this, &TfrmAuralis::followSelection);
    connect(&m_state, &SharedState::temperatureChanged, this, [this] {
        ApplyTemperature();
        UpdateTempStatus();
    });
    connect(&m_state, &SharedState::namesChanged, this, &TfrmAuralis::ApplyNamingScheme);
    connect(&m_state, &SharedState::markChanged, this, &TfrmAuralis::followMark);
    connect(&m_state, &SharedState::backgroundChanged, this, [this] {
        if (pntBackGround)
            pntBackGround->update();
    });
    m_accessibility = new AccessibilityWatch(this);
    connect(m_accessibility, &AccessibilityWatch::started, this, [this] {
        for (int z = 1; z <= m_state.elementCount(); ++z)
            describeTile(z);
    });
    connect(&m_state, &SharedState::elementCountChanged, this, &TfrmAuralis::followElementCount);
    setFont(Scale::designFont(13));
    resize(Scale::size(538, 339));
    applyMinimumSize(QSize(0, 0));

    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(clientArea);
    auto *column = new QVBoxLayout(clientArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ToolbarDock = new TDock97(TDock97::Top, clientArea);
    ToolbarDock->setObjectName(QStringLiteral("ToolbarDock"));
    auto *background = new PaintBox(clientArea);
    pntBackGround = background;
    pntBackGround->setObjectName(QStringLiteral("pntBackGround"));
    BottomDock = new TDock97(TDock97::Bottom, clientArea);
    BottomDock->setObjectName(QStringLiteral("BottomDock"));
    column->addWidget(ToolbarDock);
    column->addWidget(pntBackGround, 1);
    column->addWidget(BottomDock);
    // The docks must not pass the toolbar's width on as the window's minimum: the slider
    // is stretched to the window's width, so the window could never be made narrower.
    ToolbarDock->setMinimumWidth(1);
    BottomDock->setMinimumWidth(1);

    background->onPaint
        = [this](QPainter &p, const QRegion &region) { BackgroundPaint(p, region); };
    background->hooks.mouseMove = [this] { ClearStatus(); };

    createTable();
    createToolbar();
    createStatusBar();
    createMenus();

    ErrorBox::guarded([this] { FormCreate(); });
}

TfrmAuralis::~TfrmAuralis()
{
    // The children outlive this part of the object; none may call back into it.
    qApp->removeEventFilter(this);
    if (Toolbar)
        Toolbar->disconnect(this);
}

void TfrmAuralis::createTable()
{
    auto *table = new TablePanel(clientArea);
    PeriodicTable = table;
    PeriodicTable->setObjectName(QStringLiteral("PeriodicTable"));
    // Before anything asks for the panel's accessible presentation, which is then kept.
    Accessible::install();
    ElementsAccessible::install();
    ElementsAccessible::markTable(PeriodicTable);
    PeriodicTable->setAccessibleName(tr("Periodic table"));
    PeriodicTable->setGeometry(QRect(QPoint(Scale::px(21), Scale::px(61)), Scale::size(450, 214)));
    PeriodicTable->hide();
    // The window's keys need a holder of the focus: a click on a tile takes it back from
    // the slider, and the menu bar returns it here when its keyboard navigation ends.
    PeriodicTable->setFocusPolicy(Qt::ClickFocus);
    PeriodicTable->setAttribute(Qt::WA_InputMethodEnabled);
    table->colour = [this] { return m_state.colours().table.resolve(PeriodicTable->palette()); };
    table->hooks.mouseMove = [this] { ClearStatus(); };
    table->hooks.mouseDown = [this](Qt::MouseButton b) { TableMouseDown(PeriodicTable, b); };
    // The panel's pending resize event when it is first shown finds it laid out at that
    // size already; anything else that changes the layout lays it out itself.
    table->hooks.resized = [this] {
        if (PeriodicTable->size() != m_tableLaidOutAt)
            ErrorBox::guarded([this] { PeriodicTableResize(); });
    };

    const QPoint origin = PeriodicTable->contentsRect().topLeft();
    auto lineBox = [this, origin](const char *name, QRect design) {
        auto *box = new PaintBox(PeriodicTable);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(design.translated(origin));
        box->onPaint = [this, box](QPainter &p, const QRegion &) { LinesPaint(box, p); };
        box->hooks.mouseMove = [this] { ClearStatus(); };
        box->hooks.mouseDown = [this, box](Qt::MouseButton b) { TableMouseDown(box, b); };
        return box;
    };
    pntGroupLines = lineBox("pntGroupLines", QRect(281, 83, 157, 57));
    pntElementLines = lineBox("pntElementLines", QRect(195, 145, 157, 57));

    panLegend = new QFrame(PeriodicTable);
    panLegend->setObjectName(QStringLiteral("panLegend"));
    panLegend->setAccessibleName(tr("Legend"));
    panLegend->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panLegend->setGeometry(QRect(16, 10, 138, 70).translated(origin));
    hookLegendControl(panLegend);

    struct LegendDesign
    {
        QLabel **label;
        const char *name;
    };
    // In the scheme's legend order.
    const LegendDesign legend[ColourScheme::LegendCount] = {
        { &lblMetals, "lblMetals" },
        { &lblNonMetals, "lblNonMetals" },
        { &lblSemimetals, "lblSemimetals" },
        { &lblSolids, "lblSolids" },
        { &lblLiquids, "lblLiquids" },
        { &lblGases, "lblGases" },
        { &lblUndefined, "lblUndefined" },
    };
    for (int i = 0; i < ColourScheme::LegendCount; ++i) {
        const LegendDesign &d = legend[i];
        auto *label
            = new GuardedLabel(ColourScheme::legendCaption(ColourScheme::Legend(i)), panLegend);
        label->setObjectName(QLatin1String(d.name));
        label->setFont(Scale::designFont(13));
        hookLegendControl(label);
        *d.label = label;
    }
    applyColours();
}

void TfrmAuralis::hookLegendControl(QWidget *w)
{
    auto *h = WidgetHooks::install(w);
    h->mouseMove = [this, w] { Status(w); };
    h->mouseDown = [this, w](Qt::MouseButton b) { TableMouseDown(w, b); };
    h->doubleClick = [this, w] { LegendDblClick(w); };
}

void TfrmAuralis::createToolbar()
{
    Toolbar = new TToolbar97(tr("Toolbar"), this);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));

    auto button = [this](const char *name, Glyphs::Kind glyph, const QString &hint) {
        auto *b = new TToolbarButton97(Toolbar);
        b->setObjectName(QLatin1String(name));
        b->setIcon(Glyphs::icon(glyph));
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        connect(b, &QAbstractButton::clicked, this,
            [this, b] { ErrorBox::guarded([this, b] { MenuClick(b); }); });
        connect(b, &TToolbarButton97::mouseMoved, this, [this](QObject *s) { Status(s); });
        Toolbar->addItem(b);
        return b;
    };
    auto separator = [this](const char *name) {
        auto *s = new TToolbarSep97(Toolbar);
        s->setObjectName(QLatin1String(name));
        Toolbar->addItem(s);
        return s;
    };

    butColor = button("butColor", Glyphs::Options, tr("Options"));
    ToolSep1 = separator("ToolSep1");
    butElementInfo = button("butElementInfo", Glyphs::ElementInfo, tr("Element Info"));
    butFind = button("butFind", Glyphs::Find, tr("Find Element"));
    butTemperature = button("butTemperature", Glyphs::Temperature, tr("Change Temperature"));
    ToolSep2 = separator("ToolSep2");
    butGraph = button("butGraph", Glyphs::Graph, tr("Graph Trends"));
    ToolSep3 = separator("ToolSep3");
    butHelp = button("butHelp", Glyphs::Help, tr("Help"));
    butAbout = button("butAbout", Glyphs::About, tr("About"));
    ToolSep4 = separator("ToolSep4");

    TempSlider = new StepScrollBar(Qt::Horizontal, Toolbar);
    TempSlider->setObjectName(QStringLiteral("TempSlider"));
    TempSlider->setRange(0, 6000);
    TempSlider->setSingleStep(1);
    TempSlider->setPageStep(100);
    // A scroll bar inverts its keys and wheel by default; a slider must go up to the right.
    TempSlider->setInvertedControls(false);
    // The classic flat scroll bar: it suits the toolbar and paints without the gradients
    // that make every slider step wake the toolkit's drawing threads.
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        QStyle *style = hintStyle(classic);
        style->setParent(TempSlider);
        TempSlider->setStyle(style);
    }
    // A click gives it the keyboard focus, so its arrows and page keys work; Tab belongs
    // to the element cycle, so it is not in the Tab order.
    TempSlider->setFocusPolicy(Qt::ClickFocus);
    TempSlider->setToolTip(tr("Temperature Slider"));
    TempSlider->setAccessibleName(tr("Temperature Slider"));
    TempSlider->resize(Scale::size(150, 20));
    connect(TempSlider, &QScrollBar::valueChanged, this, [this](int value) {
        // The slider asks; the state's signal moves everything, the slider included.
        ErrorBox::guarded([this, value] {
            setTemperature(float(value));
            QCoreApplication::processEvents();
        });
    });
    Toolbar->addItem(TempSlider);

    Toolbar->setDocks({ ToolbarDock, BottomDock });
    Toolbar->dockTo(ToolbarDock);
    connect(Toolbar, &TToolbar97::closed, this, [this] { ToolbarClose(); });
    connect(Toolbar, &TToolbar97::dockChanged, this,
        [this] { ErrorBox::guarded([this] { ToolbarDockChanged(); }); });
}

void TfrmAuralis::createStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFixedHeight(Scale::px(23));
    m_statusPanels = StatusPanels::create(StatusBar);
    // Read by their texts; what each panel is for is their description.
    m_statusPanels[0]->setAccessibleDescription(tr("Description"));
    m_statusPanels[1]->setAccessibleDescription(tr("Temperature"));
    m_statusPanels[0]->setFixedWidth(Scale::px(50));
    setStatusBar(StatusBar);
    WidgetHooks::install(StatusBar)->resized = [this] { ToolsResize(); };
    StatusBar->setMouseTracking(false);
}

void TfrmAuralis::FormCreate()
{
    setWindowTitle(ProgramName::title());
    if (const QString problem = IniFile::checkAtStart(m_state.settingsFile()); !problem.isEmpty()) {
        m_settingsRefused = true;
        ErrorBox::showError(problem);
    }
    LoadColours();

    m_defaultHintColor = TColor::fromQColor(QToolTip::palette().color(QPalette::ToolTipBase));
    m_tileHintColor = TColor::rgb(191, 255, 255);
    installHintStyle();

    m_state.loadData(m_state.facts().dataFile);
    // An older data file holds the first 109 records only.
    if (mnuElements118)
        mnuElements118->setEnabled(m_state.completePeriodAvailable());

    createTiles();

    createGroupLabels();
    layoutLegend();
    qApp->installEventFilter(this);
    LoadSettings();
}

void TfrmAuralis::createTiles()
{
    // The splash stays responsive while the tiles are made; a round of events every few
    // milliseconds is enough for that.
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    for (int z = 1; z <= m_state.elementCount(); ++z) {
        if (sinceEvents.elapsed() >= 8) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        createTile(z);
    }
    m_tilesCreated = true;
}

TElement *TfrmAuralis::createTile(int z)
{
    auto *t = new TElement(PeriodicTable);
    m_tiles[size_t(z)] = t;
    t->setObjectName(QStringLiteral("tile%1").arg(z));
    t->setMouseTracking(true);
    connect(t, &TElement::mouseMoved, this, [this](int n) { Status(tile(n)); });
    connect(t, &TElement::mousePressed, this, [this](int n, Qt::MouseButton b) {
        ErrorBox::guarded([this, n, b] { ElementClick(n, b); });
    });
    connect(t, &TElement::doubleClicked, this,
        [this](int n) { ErrorBox::guarded([this, n] { MenuClick(tile(n)); }); });

    const ElementData &data = m_state.data();
    const QChar separator = m_state.decimalSeparator();
    t->setHint(m_state.name(z));
    t->setNumber(QString::number(z));
    t->setSymbol(m_state.symbol(z));
    t->setSynthetic(ElementText::flag(data.field(z, Field::Synthetic)));
    t->setElectronConfig(data.field(z, Field::ElectronConfig));
    if (!t->synthetic()) {
        t->setBoilingPoint(ElementText::number(data.field(z, Field::BoilingPointValue), separator));
        t->setMeltingPoint(ElementText::number(data.field(z, Field::MeltingPointValue), separator));
    }
    colourTile(t, z, m_state.colours());
    describeTile(z);
    return t;
}

void TfrmAuralis::followElementCount(int count)
{
    ErrorBox::guarded([&] {
        // The tiles of the seventh period's end are made the first time they are wanted.
        if (m_tilesCreated)
            for (int z = ElementCount + 1; z <= count; ++z)
                if (!m_tiles[size_t(z)]) {
                    // The tile takes the panel's font, as its siblings do.
                    createTile(z)->setTemperature(double(m_state.temperature()));
                }
        for (int z = ElementCount + 1; z <= MaxElementCount; ++z)
            if (TElement *t = m_tiles[size_t(z)])
                t->setVisible(z <= count);
        if (mnuElements118) {
            const QSignalBlocker quiet(mnuElements118);
            mnuElements118->setChecked(count > ElementCount);
        }
        // A selection beyond the table goes where a stored one beyond it goes.
        if (m_state.selectedElement() > count)
            m_state.setSelectedElement(1);
        for (int z = 1; z <= count; ++z)
            describeTile(z);
        const auto shown = std::find_if(trendItems.begin(), trendItems.end(),
            [](const QAction *a) { return a && a->isChecked(); });
        if (shown != trendItems.end() && shown != trendItems.begin())
            applyTrend(int(shown - trendItems.begin()) - 1);
        if (m_firstShowDone || PeriodicTable->isVisible())
            PeriodicTableResize();
    });
}

void TfrmAuralis::createGroupLabels()
{
    for (int i = 0; i < 16; ++i) {
        const bool onWindow = i == 0 || i == 15;
        auto *label = new QLabel(onWindow ? clientArea : static_cast<QWidget *>(PeriodicTable));
        label->setObjectName(QStringLiteral("groupLabel%1").arg(i));
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, Colours::Navy.resolve(pal));
        pal.setColor(QPalette::WindowText, Colours::Yellow.resolve(pal));
        label->setPalette(pal);
        auto *h = WidgetHooks::install(label);
        h->mouseMove = [this] { ClearStatus(); };
        if (!onWindow)
            h->mouseDown = [this, label](Qt::MouseButton b) { TableMouseDown(label, b); };
        groupLabels[size_t(i)] = label;
    }
    for (int i = 0; i < 16; ++i) {
        QLabel *label = groupLabels[size_t(i)];
        label->setText(QLatin1String(GroupCaptions[i]));
        label->resize(autoSize(label, label->font()));
    }
    m_labelsCreated = true;
}

void TfrmAuralis::layoutLegend()
{
    for (QLabel *l :
        { lblMetals, lblNonMetals, lblSemimetals, lblSolids, lblLiquids, lblGases, lblUndefined })
        l->resize(autoSize(l, l->font()));

    // Label positions are measured inside the legend's sunken border.
    const QPoint origin = panLegend->contentsRect().topLeft();
    auto place = [origin](QLabel *l, int left, int top) { l->move(origin + QPoint(left, top)); };
    auto left = [origin](const QLabel *l) { return l->x() - origin.x(); };
    auto top = [origin](const QLabel *l) { return l->y() - origin.y(); };
    auto below = [&top](const QLabel *l) { return top(l) + l->height(); };

    place(lblMetals, 3, 1);
    place(lblNonMetals, 3, below(lblMetals));
    place(lblSemimetals, 3, below(lblNonMetals));
    // The states column follows the widest class: "Semimetals" in English, another in
    // other languages ("Nichtmetalle").
    const int classes
        = std::max({ lblMetals->width(), lblNonMetals->width(), lblSemimetals->width() });
    const int states = left(lblSemimetals) + classes + 4;
    place(lblSolids, states, 1);
    place(lblLiquids, states, below(lblSolids));
    place(lblGases, states, below(lblLiquids));
    place(lblUndefined, 0, below(lblGases));

    // As wide as the widest state ("Liquids" in English) and never narrower than
    // "Undefined" below them.
    const int stateWidth = std::max({ lblSolids->width(), lblLiquids->width(), lblGases->width() });
    panLegend->resize(std::max(states + stateWidth + 4, lblUndefined->width() + 6),
        top(lblUndefined) + lblUndefined->height() + 3);
    place(lblUndefined, panLegend->width() / 2 - lblUndefined->width() / 2, top(lblUndefined));
}

QSize TfrmAuralis::autoSize(const QLabel *label, const QFont &font)
{
    const QFontMetrics fm(font);
    const QMargins m = label->contentsMargins();
    return QSize(fm.horizontalAdvance(label->text()) + m.left() + m.right(),
        fm.height() + m.top() + m.bottom());
}

TElement *TfrmAuralis::tile(int z) const
{
    return z >= 1 && z <= m_state.elementCount() ? m_tiles[size_t(z)] : nullptr;
}

void TfrmAuralis::describeTile(int z)
{
    TElement *t = tile(z);
    if (!t)
        return;
    const QString hint = Texts::cut(t->hint());
    if (t->toolTip() != hint)
        t->setToolTip(hint);
    if (t->accessibleName() != hint)
        t->setAccessibleName(hint);
    // The description names the temperature, so it changes on every step of the slider for
    // all the tiles at once. Kept current while an assistive tool listens, and brought up to
    // date when one starts; with none, the slider does not pay for 109 texts per step.
    if (!m_accessibility || !m_accessibility->active())
        return;
    static const char *const classNames[]
        = { QT_TR_NOOP("metal"), QT_TR_NOOP("nonmetal"), QT_TR_NOOP("semimetal") };
    QString state;
    if (t->synthetic()) {
        state = tr("synthetic");
    } else {
        // The current temperature rather than the tile's: this may run before the
        // temperature has been pushed into the tiles.
        static const char *const stateNames[] = { QT_TR_NOOP("solid at %1 K"),
            QT_TR_NOOP("liquid at %1 K"), QT_TR_NOOP("gas at %1 K") };
        const double k = double(m_state.temperature());
        const auto s = Temperature::stateAt(k, t->meltingPoint(), t->boilingPoint());
        state = tr(stateNames[int(s)]).arg(Numbers::temperatureText(k, m_state.decimalSeparator()));
    }
    t->setAccessibleDescription(QStringLiteral("%1, %2, %3, %4, %5")
                                    .arg(hint, t->number(), Texts::cut(t->symbol()),
                                        tr(classNames[int(elementClass(z))]), state));
}

QSize TfrmAuralis::screenSize() const
{
    if (!m_screenSize.isEmpty())
        return m_screenSize;
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize(1024, 768);
}

std::array<QLabel *, ColourScheme::LegendCount> TfrmAuralis::legendLabels() const
{
    return { lblMetals, lblNonMetals, lblSemimetals, lblSolids, lblLiquids, lblGases,
        lblUndefined };
}

TColor TfrmAuralis::labelColour(const QLabel *label) const
{
    const auto labels = legendLabels();
    const auto it = std::find(labels.begin(), labels.end(), label);
    return it == labels.end() ? Colours::Black
                              : m_state.colours().legend[size_t(it - labels.begin())];
}

void TfrmAuralis::setTableColour(TColor colour)
{
    ColourScheme scheme = m_state.colours();
    scheme.table = colour;
    applyColourScheme(scheme);
}

void TfrmAuralis::applyColourScheme(const ColourScheme &scheme)
{
    m_state.setColours(scheme);
}

// In the order of the options dialog's OK: the tiles' number colours (by the fixed
// classification) and state colours, the legend, the table colour, then every tile is
// given its temperature again so the symbol takes the colour of its state. The panel
// holds its repaints meanwhile and repaints once at the end.
void TfrmAuralis::applyColours()
{
    const ColourScheme &scheme = m_state.colours();
    const bool hold = PeriodicTable && PeriodicTable->updatesEnabled();
    if (hold)
        PeriodicTable->setUpdatesEnabled(false);
    for (int z = 1; z <= MaxElementCount; ++z)
        if (TElement *t = m_tiles[size_t(z)])
            colourTile(t, z, scheme);
    const auto labels = legendLabels();
    for (size_t i = 0; i < labels.size(); ++i) {
        if (!labels[i])
            continue;
        QPalette pal = labels[i]->palette();
        pal.setColor(QPalette::WindowText, scheme.legend[i].resolve(pal));
        labels[i]->setPalette(pal);
    }
    if (PeriodicTable) {
        QPalette pal = PeriodicTable->palette();
        pal.setColor(QPalette::Window, scheme.table.resolve(palette()));
        PeriodicTable->setPalette(pal);
    }
    for (int z = 1; z <= MaxElementCount; ++z)
        if (TElement *t = m_tiles[size_t(z)])
            t->setTemperature(double(m_state.temperature()));
    if (hold)
        PeriodicTable->setUpdatesEnabled(true);
    else if (PeriodicTable)
        PeriodicTable->update();
}

QString TfrmAuralis::statusText(int panel) const
{
    return panel == 0 || panel == 1 ? m_statusPanels[size_t(panel)]->text() : QString();
}

void TfrmAuralis::applyMinimumSize(QSize frame)
{
    // The smallest outer size the user can drag the window to. The frame belongs to the
    // window manager and is known only once the window is shown; until then none is
    // assumed, which errs on the large side.
    setMinimumSize(
        qMax(1, MinimumOuterWidth - frame.width()), qMax(1, MinimumOuterHeight - frame.height()));
    m_frameExtra = frame;
}

void TfrmAuralis::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QSize frame = frameGeometry().size() - size();
    if (isVisible() && frame != m_frameExtra && frame.width() >= 0 && frame.height() >= 0)
        applyMinimumSize(frame);
    ErrorBox::guarded([this] { FormResize(); });
}
