#include "windows/unt_optn.h"

#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "common/HelpViewer.h"
#include "common/PictureFile.h"
#include "common/Placement.h"
#include "common/Scale.h"
#include "elements/WinBevel.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

namespace {

const QString PictureFilter = QStringLiteral("Bitmap Files (*.bmp);;All Files (*.*)");

// A stroke, a polyline or a circle of the graph sample, drawn in its pen colour (and the
// same fill for a circle). The polyline takes clicks only near its line; elsewhere they
// reach the sample's background.
class TShape : public QWidget
{
public:
    enum Kind { Stroke, Line, Circle };

    TShape(Kind kind, QWidget *parent)
        : QWidget(parent)
        , m_kind(kind)
    {
    }
    // A polyline through points given in the parent's coordinates.
    void setPoints(const QPolygon &points)
    {
        const QRect box = points.boundingRect().adjusted(-3, -3, 3, 3);
        setGeometry(box);
        m_points = points.translated(-box.topLeft());
        QPainterPath path;
        path.addPolygon(m_points);
        QPainterPathStroker stroker;
        stroker.setWidth(7);
        setMask(QRegion(stroker.createStroke(path).toFillPolygon().toPolygon()));
    }
    void setColour(const QColor &c)
    {
        m_colour = c;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        switch (m_kind) {
        case Stroke:
            p.fillRect(rect(), m_colour);
            break;
        case Line:
            p.setPen(QPen(m_colour, 1));
            p.drawPolyline(m_points);
            break;
        case Circle:
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(m_colour);
            p.setBrush(m_colour);
            p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        }
    }

private:
    Kind m_kind;
    QColor m_colour;
    QPolygon m_points;
};

QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(Scale::rect(8, 8, 428, 48));
    return label;
}

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

void setBackColour(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
}

}

TfrmOptions::TfrmOptions(const SharedState &state, QWidget *owner)
    : m_state(state)
    , m_owner(owner)
    , m_work(state.colours())
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    setFont(Scale::designFont(13));
    setFixedSize(Scale::size(466, 410));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(Scale::rect(8, 8, 450, 356));
    createMainPage();
    createInfoPage();
    createGraphPage();
    createButtons();
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) {
        bool allow = true;
        PageControlChanging(allow);
        if (allow) {
            m_page = index;
        } else if (index != m_page) {
            const QSignalBlocker block(PageControl);
            PageControl->setCurrentIndex(m_page);
        }
    });
    showWorking();
}

void TfrmOptions::createMainPage()
{
    TabMain = new QWidget;
    TabMain->setObjectName(QStringLiteral("TabMain"));
    PageControl->addTab(TabMain, QStringLiteral("Main Window"));

    grpBackColor = new QGroupBox(QStringLiteral("&Background Colour"), TabMain);
    grpBackColor->setObjectName(QStringLiteral("grpBackColor"));
    grpBackColor->setGeometry(Scale::rect(8, 6, 428, 62));
    const char *const items[]
        = { "Use the current &Windows setting", "Use the &silver (grey) colour" };
    for (int i = 0; i < 2; ++i) {
        auto *radio = new QRadioButton(QLatin1String(items[i]), grpBackColor);
        radio->setObjectName(QStringLiteral("grpBackColorItem%1").arg(i));
        radio->setGeometry(Scale::rect(14, 18 + 20 * i, 400, 20));
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                grpBackColorClick();
        });
        grpBackColorItems[size_t(i)] = radio;
    }

    grpPreview = new QGroupBox(QStringLiteral("Preview"), TabMain);
    grpPreview->setObjectName(QStringLiteral("grpPreview"));
    grpPreview->setGeometry(Scale::rect(8, 74, 428, 64));
    grpPreview->setAutoFillBackground(true);
    struct Preview
    {
        const char *name, *text;
        int left, top;
    };
    const Preview previews[ColourScheme::LegendCount] = {
        { "lblMetals", "Metals", 14, 22 },
        { "lblNonMetals", "Nonmetals", 110, 22 },
        { "lblSemimetals", "Semimetals", 210, 22 },
        { "lblSolids", "Solids", 14, 40 },
        { "lblLiquids", "Liquids", 110, 40 },
        { "lblGases", "Gases", 210, 40 },
        { "lblUndefined", "Undefined", 310, 40 },
    };
    for (int i = 0; i < ColourScheme::LegendCount; ++i) {
        const Preview &p = previews[i];
        previewLabels[size_t(i)]
            = Scale::placedLabel(grpPreview, p.name, QLatin1String(p.text), p.left, p.top);
    }
    lblMetals = previewLabels[ColourScheme::Metals];
    lblNonMetals = previewLabels[ColourScheme::Nonmetals];
    lblSemimetals = previewLabels[ColourScheme::Semimetals];
    lblSolids = previewLabels[ColourScheme::Solids];
    lblLiquids = previewLabels[ColourScheme::Liquids];
    lblGases = previewLabels[ColourScheme::Gases];
    lblUndefined = previewLabels[ColourScheme::Undefined];

    grpForeColor
        = new QGroupBox(QStringLiteral("&Click on one of the below to choose its colour"), TabMain);
    grpForeColor->setObjectName(QStringLiteral("grpForeColor"));
    grpForeColor->setGeometry(Scale::rect(8, 144, 428, 84));
    const char *const buttons[ColourScheme::LegendCount][2] = {
        { "butMetals", "&Metals" },
        { "butNonmetals", "&Nonmetals" },
        { "butSemimetals", "S&emimetals" },
        { "butSolids", "Sol&ids" },
        { "butLiquids", "&Liquids" },
        { "butGases", "&Gases" },
        { "butUndefined", "&Undefined" },
    };
    for (int i = 0; i < ColourScheme::LegendCount; ++i) {
        auto *button = new QPushButton(QLatin1String(buttons[i][1]), grpForeColor);
        button->setObjectName(QLatin1String(buttons[i][0]));
        button->setGeometry(Scale::rect(14 + 104 * (i % 4), 20 + 30 * (i / 4), 96, 25));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button] { ButtonClick(button); });
        classButtons[size_t(i)] = button;
    }
    butMetals = classButtons[ColourScheme::Metals];
    butNonmetals = classButtons[ColourScheme::Nonmetals];
    butSemimetals = classButtons[ColourScheme::Semimetals];
    butSolids = classButtons[ColourScheme::Solids];
    butLiquids = classButtons[ColourScheme::Liquids];
    butGases = classButtons[ColourScheme::Gases];
    butUndefined = classButtons[ColourScheme::Undefined];

    GroupBox1 = new QGroupBox(QStringLiteral("Background Image"), TabMain);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(Scale::rect(8, 234, 428, 92));
    panImage = new QFrame(GroupBox1);
    panImage->setObjectName(QStringLiteral("panImage"));
    panImage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panImage->setGeometry(Scale::rect(14, 20, 300, 64));
    imgBackground = new QLabel(panImage);
    imgBackground->setObjectName(QStringLiteral("imgBackground"));
    imgBackground->setAlignment(Qt::AlignCenter);
    imgBackground->setGeometry(panImage->contentsRect());
    Button1 = new QPushButton(QStringLiteral("&Browse..."), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(Scale::rect(324, 38, 93, 28));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TfrmOptions::createInfoPage()
{
    TabInfo = new QWidget;
    TabInfo->setObjectName(QStringLiteral("TabInfo"));
    PageControl->addTab(TabInfo, QStringLiteral("Element Info"));
    Label3 = wrappedLabel(TabInfo, "Label3",
        QStringLiteral("Click on the desired section below (symbol, name, number, property, "
                       "value) to change its display colour in the Element Information "
                       "window:"));

    WinBevel1 = new TWinBevel(TabInfo);
    WinBevel1->setObjectName(QStringLiteral("WinBevel1"));
    WinBevel1->setGeometry(Scale::rect(40, 66, 349, 37));
    // The heading as the information window shows it, the labels above the bevel.
    auto heading = [this](const char *name, const char *text, QRect r, Qt::Alignment align) {
        auto *label = new QLabel(QLatin1String(text), TabInfo);
        label->setObjectName(QLatin1String(name));
        label->setFont(Scale::designFont(23, true));
        label->setAlignment(align | Qt::AlignVCenter);
        label->setGeometry(Scale::rect(r));
        return label;
    };
    ElementName = heading("ElementName", "Hydrogen", { 41, 69, 347, 29 }, Qt::AlignHCenter);
    Symbol = heading("Symbol", "H", { 47, 69, 49, 29 }, Qt::AlignLeft);
    Number = heading("Number", "1", { 332, 69, 50, 29 }, Qt::AlignRight);
    // ElementName spans the bevel; the smaller labels above it take their own clicks.
    Symbol->resize(Symbol->sizeHint().width(), Symbol->height());
    Number->setGeometry(Number->geometry().right() - Number->sizeHint().width() + 1, Number->y(),
        Number->sizeHint().width(), Number->height());
    Symbol->raise();
    Number->raise();

    Property1 = Scale::placedLabel(TabInfo, "Property1", QStringLiteral("Atomic Weight:"), 48, 120);
    Value1 = Scale::placedLabel(TabInfo, "Value1", QStringLiteral("1.00794 g/mol"), 200, 120);
    Property2
        = Scale::placedLabel(TabInfo, "Property2", QStringLiteral("Oxidation States:"), 48, 144);
    Value2 = Scale::placedLabel(TabInfo, "Value2", QStringLiteral("1"), 200, 144);
    infoSamples = { Symbol, ElementName, Number, Property1, Property2, Value1, Value2 };
    for (QLabel *sample : infoSamples)
        sample->installEventFilter(this);

    chkUseDefault = new QCheckBox(QStringLiteral("&Use default colours"), TabInfo);
    chkUseDefault->setObjectName(QStringLiteral("chkUseDefault"));
    chkUseDefault->setGeometry(Scale::rect(8, 296, 300, 20));
    chkUseDefault->setChecked(true);
    connect(chkUseDefault, &QCheckBox::toggled, this, [this] { chkUseDefaultClick(); });
}

void TfrmOptions::createGraphPage()
{
    TabGraph = new QWidget;
    TabGraph->setObjectName(QStringLiteral("TabGraph"));
    PageControl->addTab(TabGraph, QStringLiteral("Graph Trends"));
    Label1 = wrappedLabel(TabGraph, "Label1",
        QStringLiteral("Click on the desired section below (value, axis, plot, element "
                       "position) to change its display colour in the Trends Graph window:"));

    Background = new QFrame(TabGraph);
    Background->setObjectName(QStringLiteral("Background"));
    static_cast<QFrame *>(Background)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Background->setGeometry(Scale::rect(8, 60, 428, 228));
    Background->setAutoFillBackground(true);

    auto stroke = [this](const char *name, QRect r) {
        auto *s = new TShape(TShape::Stroke, Background);
        s->setObjectName(QLatin1String(name));
        s->setGeometry(Scale::px(r.x()), Scale::px(r.y()), qMax(2, Scale::px(r.width())),
            qMax(2, Scale::px(r.height())));
        return s;
    };
    Axis1 = stroke("Axis1", { 43, 16, 2, 182 });
    Axis2 = stroke("Axis2", { 43, 195, 366, 2 });

    auto value = [this](const char *name, const char *text, int left, int top) {
        return Scale::placedLabel(Background, name, QLatin1String(text), left, top);
    };
    AxVal1 = value("AxVal1", "42", 18, 10);
    AxVal2 = value("AxVal2", "0", 34, 202);
    AxVal3 = value("AxVal3", "109", 396, 202);

    const int points[][2] = { { 44, 190 }, { 90, 150 }, { 140, 170 }, { 190, 90 }, { 240, 120 },
        { 290, 50 }, { 340, 100 }, { 400, 140 } };
    QPolygon line;
    for (const auto &pt : points)
        line << QPoint(Scale::px(pt[0]), Scale::px(pt[1]));
    auto *plot = new TShape(TShape::Line, Background);
    plot->setObjectName(QStringLiteral("Plot"));
    plot->setPoints(line);
    Plot = plot;

    auto circle = [this](const char *name, QPoint centre) {
        auto *c = new TShape(TShape::Circle, Background);
        c->setObjectName(QLatin1String(name));
        const int d = Scale::px(9);
        c->setGeometry(centre.x() - d / 2, centre.y() - d / 2, d, d);
        return c;
    };
    Element1 = circle("Element1", line.at(1));
    Element2 = circle("Element2", line.at(3));
    Element3 = circle("Element3", line.at(5));

    Background->installEventFilter(this);
    for (QWidget *part : { Axis1, Axis2, Plot, Element1, Element2, Element3 })
        part->installEventFilter(this);
    for (QLabel *label : { AxVal1, AxVal2, AxVal3 })
        label->installEventFilter(this);

    chkUseDefaultGraph = new QCheckBox(QStringLiteral("&Use default colours"), TabGraph);
    chkUseDefaultGraph->setObjectName(QStringLiteral("chkUseDefaultGraph"));
    chkUseDefaultGraph->setGeometry(Scale::rect(8, 296, 300, 20));
    chkUseDefaultGraph->setChecked(true);
    connect(chkUseDefaultGraph, &QCheckBox::toggled, this, [this] { chkUseDefaultGraphClick(); });
}

void TfrmOptions::createButtons()
{
    auto makeButton = [this](const char *name, const char *caption, int left) {
        auto *button = new QPushButton(QLatin1String(caption), this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(Scale::rect(left, 372, 93, 28));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button] { ButtonClick(button); });
        return button;
    };
    butHelp = makeButton("butHelp", "&Help", 157);
    butCancel = makeButton("butCancel", "&Cancel", 261);
    butOK = makeButton("butOK", "&OK", 365);
    butOK->setDefault(true);
}

void TfrmOptions::setTableColoursOnly(bool on)
{
    m_tableColoursOnly = on;
    if (on) {
        m_page = MainPage;
        const QSignalBlocker block(PageControl);
        PageControl->setCurrentIndex(MainPage);
    }
}

void TfrmOptions::setLiveBackground(const QString &file, const QPixmap &picture)
{
    m_liveFile = file;
    m_livePicture = picture;
}

void TfrmOptions::PageControlChanging(bool &allowChange) const
{
    if (m_tableColoursOnly)
        allowChange = false;
}

void TfrmOptions::showWorking()
{
    const QPalette pal = palette();
    setBackColour(grpPreview, m_work.table.resolve(pal));
    for (int i = 0; i < ColourScheme::LegendCount; ++i)
        setTextColour(previewLabels[size_t(i)], m_work.legend[size_t(i)].resolve(pal));
    imgBackground->setPixmap(m_picture);

    for (int i = 0; i < ColourScheme::InfoCount; ++i)
        setTextColour(infoSamples[size_t(i)], m_work.info[size_t(i)].resolve(pal));

    setBackColour(Background, m_work.graph[ColourScheme::Background].resolve(pal));
    const QColor value = m_work.graph[ColourScheme::Value].resolve(pal);
    for (QLabel *label : { AxVal1, AxVal2, AxVal3 })
        setTextColour(label, value);
    const QColor axis = m_work.graph[ColourScheme::Axis].resolve(pal);
    for (QWidget *stroke : { Axis1, Axis2 })
        static_cast<TShape *>(stroke)->setColour(axis);
    static_cast<TShape *>(Plot)->setColour(m_work.graph[ColourScheme::Plot].resolve(pal));
    const QColor element = m_work.graph[ColourScheme::Element].resolve(pal);
    for (QWidget *circle : { Element1, Element2, Element3 })
        static_cast<TShape *>(circle)->setColour(element);
}

void TfrmOptions::FormShow()
{
    m_work = m_state.colours();
    grpBackColorItems[m_work.table == Colours::Silver ? 1 : 0]->setChecked(true);
    grpBackColorClick();
    m_file = m_liveFile;
    m_picture = m_livePicture;
    // The flags as the windows hold them; the colours already came with the scheme.
    {
        const QSignalBlocker block(chkUseDefault);
        chkUseDefault->setChecked(m_work.infoDefault);
    }
    {
        const QSignalBlocker block(chkUseDefaultGraph);
        chkUseDefaultGraph->setChecked(m_work.graphDefault);
    }
    showWorking();
}

void TfrmOptions::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        ErrorBox::guarded([this] { FormShow(); });
    QDialog::showEvent(event);
}

void TfrmOptions::grpBackColorClick()
{
    const TColor wanted
        = grpBackColorItems[1]->isChecked() ? Colours::Silver : TColor::system(TColor::BtnFace);
    if (m_work.table != wanted) {
        m_work.table = wanted;
        showWorking();
    }
}

bool TfrmOptions::chooseColour(TColor &colour)
{
    QColor chosen;
    if (!Choosers::chooseColour(this, colour.resolve(palette()), &chosen))
        return false;
    colour = TColor::fromQColor(chosen);
    return true;
}

void TfrmOptions::ButtonClick(QObject *sender)
{
    ErrorBox::guarded([&] {
        const auto cls = std::find(classButtons.begin(), classButtons.end(), sender);
        if (cls != classButtons.end()) {
            if (chooseColour(m_work.legend[size_t(cls - classButtons.begin())]))
                showWorking();
        } else if (sender == butHelp) {
            HelpViewer::showTopic(m_state.helpFile(), HelpTopic, this);
        } else if (sender == butCancel) {
            reject();
        } else if (sender == butOK) {
            ColourScheme chosen = m_state.colours();
            chosen.table = m_work.table;
            chosen.legend = m_work.legend;
            emit coloursChosen(chosen);
            emit backgroundChosen(m_file, m_picture);
            if (!m_tableColoursOnly) {
                chosen.infoDefault = m_work.infoDefault;
                chosen.info = m_work.info;
                chosen.graphDefault = m_work.graphDefault;
                chosen.graph = m_work.graph;
                emit coloursChosen(chosen);
            }
            accept();
        }
    });
}

QPixmap TfrmOptions::loadPicture(const QString &file)
{
    return PictureFile::load(file);
}

// A file that cannot be read keeps both the previous picture and its name, so OK never
// pairs the old picture with a new name.
void TfrmOptions::Button1Click()
{
    ErrorBox::guarded([this] {
        QString file;
        if (!Choosers::chooseFile(this, m_file, PictureFilter, QStringLiteral("bmp"), &file))
            return;
        const QPixmap picture = loadPicture(file);
        m_picture = picture;
        m_file = file;
        showWorking();
    });
}

void TfrmOptions::ElementClick(QObject *sender)
{
    ErrorBox::guarded([&] {
        const auto it = std::find(infoSamples.begin(), infoSamples.end(), sender);
        if (it == infoSamples.end())
            return;
        TColor colour = m_work.info[size_t(it - infoSamples.begin())];
        if (!chooseColour(colour))
            return;
        chkUseDefault->setChecked(false);
        m_work.info[size_t(it - infoSamples.begin())] = colour;
        showWorking();
    });
}

void TfrmOptions::chkUseDefaultClick()
{
    m_work.infoDefault = chkUseDefault->isChecked();
    if (m_work.infoDefault) {
        m_work.info = ColourScheme::defaults().info;
        showWorking();
    }
}

int TfrmOptions::graphSlot(const QObject *part) const
{
    if (part == Background)
        return ColourScheme::Background;
    if (part == AxVal1 || part == AxVal2 || part == AxVal3)
        return ColourScheme::Value;
    if (part == Axis1 || part == Axis2)
        return ColourScheme::Axis;
    if (part == Plot)
        return ColourScheme::Plot;
    if (part == Element1 || part == Element2 || part == Element3)
        return ColourScheme::Element;
    return -1;
}

// Each part stands for its whole group: one colour for the three value labels, the two
// axes, the three circles.
void TfrmOptions::GraphClick(QObject *sender)
{
    ErrorBox::guarded([&] {
        const int slot = graphSlot(sender);
        if (slot < 0)
            return;
        TColor colour = m_work.graph[size_t(slot)];
        if (!chooseColour(colour))
            return;
        chkUseDefaultGraph->setChecked(false);
        m_work.graph[size_t(slot)] = colour;
        showWorking();
    });
}

void TfrmOptions::chkUseDefaultGraphClick()
{
    m_work.graphDefault = chkUseDefaultGraph->isChecked();
    if (m_work.graphDefault) {
        m_work.graph = ColourScheme::defaults().graph;
        showWorking();
    }
}

bool TfrmOptions::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return QDialog::eventFilter(watched, event);
    // The samples take their own presses, so a press on a label does not reach the
    // page underneath.
    if (type == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (graphSlot(watched) >= 0) {
            GraphClick(watched);
        } else if (mouse->button() == Qt::LeftButton
            && static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint())) {
            ElementClick(watched);
        }
    }
    return true;
}

void TfrmOptions::FormCreate()
{
    IniFile ini(m_state.settingsFile());
    ini.beginPass();
    const QPoint centred = Placement::centredOver(Placement::ownerFrame(m_owner), size());
    move(Settings::OptionsLeft.read(ini, centred.x()), Settings::OptionsTop.read(ini, centred.y()));
}

void TfrmOptions::saveSettings(IniFile &ini) const
{
    FrameBounds::writePosition(ini, Settings::OptionsLeft, Settings::OptionsTop, pos());
}
