#include "windows/unt_optn.h"

#include "base/Contrast.h"
#include "base/Language.h"
#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "common/Guarded.h"
#include "common/HelpViewer.h"
#include "common/PictureFile.h"
#include "common/Placement.h"
#include "common/Scale.h"
#include "data/Fields.h"
#include "elements/WinBevel.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

QString pictureFilter()
{
    return TfrmOptions::tr("Bitmap Files (*.bmp);;All Files (*.*)");
}

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
    // The outline goes round the shape where its colour alone is too close to the
    // sample's background; invalid for none.
    void setColour(const QColor &c, const QColor &outline)
    {
        m_colour = c;
        m_outline = outline;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        switch (m_kind) {
        case Stroke:
            // A stroke's box has a pixel to spare all round for the outline.
            if (m_outline.isValid())
                p.fillRect(rect(), m_outline);
            p.fillRect(rect().adjusted(1, 1, -1, -1), m_colour);
            break;
        case Line:
            if (m_outline.isValid()) {
                p.setPen(QPen(m_outline, 3));
                p.drawPolyline(m_points);
            }
            p.setPen(QPen(m_colour, 1));
            p.drawPolyline(m_points);
            break;
        case Circle:
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(m_outline.isValid() ? m_outline : m_colour);
            p.setBrush(m_colour);
            p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        }
    }

private:
    Kind m_kind;
    QColor m_colour;
    QColor m_outline;
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
    : ToolDialog(state, owner, QStringLiteral("frmOptions"), tr("Options"), QSize(466, 410),
        { nullptr, &Settings::OptionsLeft, &Settings::OptionsTop })
    , m_work(state.colours())
{
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(Scale::rect(8, 8, 450, 356));
    createMainPage();
    createInfoPage();
    createGraphPage();
    createLanguagePage();
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
    fitToTexts();
}

void TfrmOptions::createMainPage()
{
    TabMain = new QWidget;
    TabMain->setObjectName(QStringLiteral("TabMain"));
    PageControl->addTab(TabMain, tr("Main Window"));

    grpBackColor = new QGroupBox(tr("&Background Colour"), TabMain);
    grpBackColor->setObjectName(QStringLiteral("grpBackColor"));
    // Four pixels of the gap above the preview let the two items sit below the title,
    // sharing what the style leaves inside the frame, instead of touching it.
    grpBackColor->setGeometry(Scale::rect(8, 6, 428, 66));
    const QRect inside = grpBackColor->contentsRect();
    const char *const items[] = { QT_TR_NOOP("Use the current &Windows setting"),
        QT_TR_NOOP("Use the &silver (grey) colour") };
    for (int i = 0; i < 2; ++i) {
        auto *radio = new QRadioButton(tr(items[i]), grpBackColor);
        radio->setObjectName(QStringLiteral("grpBackColorItem%1").arg(i));
        radio->setGeometry(Scale::px(14), inside.top() + i * (inside.height() / 2), Scale::px(400),
            inside.height() / 2);
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                grpBackColorClick();
        });
        grpBackColorItems[size_t(i)] = radio;
    }

    grpPreview = new QGroupBox(tr("Preview"), TabMain);
    grpPreview->setObjectName(QStringLiteral("grpPreview"));
    grpPreview->setGeometry(Scale::rect(8, 74, 428, 64));
    grpPreview->setAutoFillBackground(true);
    struct Preview
    {
        const char *name;
        int left, top;
    };
    const Preview previews[ColourScheme::LegendCount] = {
        { "lblMetals", 14, 22 },
        { "lblNonMetals", 110, 22 },
        { "lblSemimetals", 210, 22 },
        { "lblSolids", 14, 40 },
        { "lblLiquids", 110, 40 },
        { "lblGases", 210, 40 },
        { "lblUndefined", 310, 40 },
    };
    for (int i = 0; i < ColourScheme::LegendCount; ++i) {
        const Preview &p = previews[i];
        previewLabels[size_t(i)] = Scale::placedLabel(grpPreview, p.name,
            ColourScheme::legendCaption(ColourScheme::Legend(i)), p.left, p.top);
    }
    lblMetals = previewLabels[ColourScheme::Metals];
    lblNonMetals = previewLabels[ColourScheme::Nonmetals];
    lblSemimetals = previewLabels[ColourScheme::Semimetals];
    lblSolids = previewLabels[ColourScheme::Solids];
    lblLiquids = previewLabels[ColourScheme::Liquids];
    lblGases = previewLabels[ColourScheme::Gases];
    lblUndefined = previewLabels[ColourScheme::Undefined];

    grpForeColor = new QGroupBox(tr("&Click on one of the below to choose its colour"), TabMain);
    grpForeColor->setObjectName(QStringLiteral("grpForeColor"));
    grpForeColor->setGeometry(Scale::rect(8, 144, 428, 84));
    const char *const buttons[ColourScheme::LegendCount][2] = {
        { "butMetals", QT_TR_NOOP("&Metals") },
        { "butNonmetals", QT_TR_NOOP("&Nonmetals") },
        { "butSemimetals", QT_TR_NOOP("S&emimetals") },
        { "butSolids", QT_TR_NOOP("Sol&ids") },
        { "butLiquids", QT_TR_NOOP("&Liquids") },
        { "butGases", QT_TR_NOOP("&Gases") },
        { "butUndefined", QT_TR_NOOP("&Undefined") },
    };
    for (int i = 0; i < ColourScheme::LegendCount; ++i) {
        auto *button = new QPushButton(tr(buttons[i][1]), grpForeColor);
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
    // In the grid's free cell, beside "&Undefined".
    butSafeColours = new QPushButton(tr("Sa&fe colours"), grpForeColor);
    butSafeColours->setObjectName(QStringLiteral("butSafeColours"));
    butSafeColours->setGeometry(Scale::rect(14 + 104 * 3, 50, 96, 25));
    butSafeColours->setAutoDefault(false);
    butSafeColours->setToolTip(tr("Seven class colours that stay apart for colour-blind eyes"));
    connect(butSafeColours, &QPushButton::clicked, this, [this] { ButtonClick(butSafeColours); });

    GroupBox1 = new QGroupBox(tr("Background Image"), TabMain);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(Scale::rect(8, 234, 428, 92));
    panImage = new QFrame(GroupBox1);
    panImage->setObjectName(QStringLiteral("panImage"));
    panImage->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panImage->setGeometry(Scale::rect(14, 20, 300, 64));
    imgBackground = new QLabel(panImage);
    imgBackground->setAccessibleName(tr("Background picture"));
    imgBackground->setObjectName(QStringLiteral("imgBackground"));
    imgBackground->setAlignment(Qt::AlignCenter);
    imgBackground->setGeometry(panImage->contentsRect());
    Button1 = new QPushButton(tr("&Browse..."), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(Scale::rect(324, 38, 93, 28));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TfrmOptions::createInfoPage()
{
    TabInfo = new QWidget;
    TabInfo->setObjectName(QStringLiteral("TabInfo"));
    PageControl->addTab(TabInfo, tr("Element Info"));
    Label3 = wrappedLabel(TabInfo, "Label3",
        tr("Click on the desired section below (symbol, name, number, property, "
           "value) to change its display colour in the Element Information "
           "window:"));

    WinBevel1 = new TWinBevel(TabInfo);
    WinBevel1->setObjectName(QStringLiteral("WinBevel1"));
    WinBevel1->setGeometry(Scale::rect(40, 66, 349, 37));
    // The heading as the information window shows it, the labels above the bevel.
    auto heading = [this](const char *name, const QString &text, QRect r, Qt::Alignment align) {
        auto *label = new GuardedLabel(text, TabInfo);
        label->setObjectName(QLatin1String(name));
        label->setFont(Scale::designFont(23, true));
        label->setAlignment(align | Qt::AlignVCenter);
        label->setGeometry(Scale::rect(r));
        return label;
    };
    ElementName = heading("ElementName", QCoreApplication::translate("Element", "Hydrogen"),
        { 41, 69, 347, 29 }, Qt::AlignHCenter);
    Symbol = heading("Symbol", QStringLiteral("H"), { 47, 69, 49, 29 }, Qt::AlignLeft);
    Number = heading("Number", QStringLiteral("1"), { 332, 69, 50, 29 }, Qt::AlignRight);
    // ElementName spans the bevel; the smaller labels above it take their own clicks.
    Symbol->resize(Symbol->sizeHint().width(), Symbol->height());
    Number->setGeometry(Number->geometry().right() - Number->sizeHint().width() + 1, Number->y(),
        Number->sizeHint().width(), Number->height());
    Symbol->raise();
    Number->raise();

    Property1 = Scale::placedLabel(TabInfo, "Property1", Fields::infoCaption(0), 48, 120);
    Value1 = Scale::placedLabel(TabInfo, "Value1", QStringLiteral("1.00794 g/mol"), 200, 120);
    Property2 = Scale::placedLabel(TabInfo, "Property2", Fields::infoCaption(1), 48, 144);
    Value2 = Scale::placedLabel(TabInfo, "Value2", QStringLiteral("1"), 200, 144);
    // The values stand clear of the longer caption, as in the information window.
    const int values
        = std::max(Property1->geometry().right(), Property2->geometry().right()) + Scale::px(8);
    for (QLabel *value : { Value1, Value2 })
        value->move(std::max(value->x(), values), value->y());
    infoSamples = { Symbol, ElementName, Number, Property1, Property2, Value1, Value2 };
    for (QLabel *sample : infoSamples)
        sample->installEventFilter(this);

    chkUseDefault = new QCheckBox(tr("&Use default colours"), TabInfo);
    chkUseDefault->setObjectName(QStringLiteral("chkUseDefault"));
    chkUseDefault->setGeometry(Scale::rect(8, 296, 300, 20));
    chkUseDefault->setChecked(true);
    connect(chkUseDefault, &QCheckBox::toggled, this, [this] { chkUseDefaultClick(); });
}

void TfrmOptions::createGraphPage()
{
    TabGraph = new QWidget;
    TabGraph->setObjectName(QStringLiteral("TabGraph"));
    PageControl->addTab(TabGraph, tr("Graph Trends"));
    Label1 = wrappedLabel(TabGraph, "Label1",
        tr("Click on the desired section below (value, axis, plot, element "
           "position) to change its display colour in the Trends Graph window:"));

    Background = new QFrame(TabGraph);
    Background->setAccessibleName(tr("Graph background"));
    Background->setObjectName(QStringLiteral("Background"));
    static_cast<QFrame *>(Background)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Background->setGeometry(Scale::rect(8, 60, 428, 228));
    Background->setAutoFillBackground(true);

    auto stroke = [this](const char *name, QRect r) {
        auto *s = new TShape(TShape::Stroke, Background);
        s->setObjectName(QLatin1String(name));
        s->setGeometry(Scale::px(r.x()) - 1, Scale::px(r.y()) - 1,
            qMax(2, Scale::px(r.width())) + 2, qMax(2, Scale::px(r.height())) + 2);
        return s;
    };
    Axis1 = stroke("Axis1", { 43, 16, 2, 182 });
    Axis2 = stroke("Axis2", { 43, 195, 366, 2 });
    Axis1->setAccessibleName(tr("Vertical axis"));
    Axis2->setAccessibleName(tr("Horizontal axis"));

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
    Plot->setAccessibleName(tr("Plot line"));

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
    for (QWidget *mark : { Element1, Element2, Element3 })
        mark->setAccessibleName(tr("Element position"));

    Background->installEventFilter(this);
    for (QWidget *part : { Axis1, Axis2, Plot, Element1, Element2, Element3 })
        part->installEventFilter(this);
    for (QLabel *label : { AxVal1, AxVal2, AxVal3 })
        label->installEventFilter(this);

    chkUseDefaultGraph = new QCheckBox(tr("&Use default colours"), TabGraph);
    chkUseDefaultGraph->setObjectName(QStringLiteral("chkUseDefaultGraph"));
    chkUseDefaultGraph->setGeometry(Scale::rect(8, 296, 300, 20));
    chkUseDefaultGraph->setChecked(true);
    connect(chkUseDefaultGraph, &QCheckBox::toggled, this, [this] { chkUseDefaultGraphClick(); });
}

void TfrmOptions::createLanguagePage()
{
    TabLanguage = new QWidget;
    TabLanguage->setObjectName(QStringLiteral("TabLanguage"));
    PageControl->addTab(TabLanguage, tr("Language"));
    Label6 = wrappedLabel(TabLanguage, "Label6",
        tr("Choose the language of the menus, windows, messages, element names and help:"));
    lblLanguage = Scale::placedLabel(TabLanguage, "lblLanguage", tr("&Language:"), 8, 68);
    cmbLanguage = new QComboBox(TabLanguage);
    cmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    // The languages, each under its own name, come when the dialog is first shown: a name
    // in another script, measured now, would load its font into every start.
    cmbLanguage->addItem(tr("Follow the system"), QString());
    cmbLanguage->setGeometry(
        Scale::px(120), Scale::px(64), Scale::px(240), cmbLanguage->sizeHint().height());
    lblLanguage->setBuddy(cmbLanguage);
    Label7 = wrappedLabel(TabLanguage, "Label7",
        tr("The language chosen here takes effect the next time Auralis starts."));
    Label7->move(Label7->x(), Scale::px(104));
}

void TfrmOptions::createButtons()
{
    createButtonRow({ 372, 365, tr("&Cancel"), false }, [this](QObject *b) { ButtonClick(b); });
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

// The picture of the state's file, decoded once per file. A file that cannot be read
// was reported when the main window loaded it; it shows no picture here.
void TfrmOptions::takeLiveBackground()
{
    if (m_liveDecoded && m_liveFile == m_state.backgroundFile())
        return;
    m_liveFile = m_state.backgroundFile();
    m_livePicture = QPixmap();
    m_liveDecoded = true;
    try {
        m_livePicture = PictureFile::load(m_liveFile);
    } catch (const EAuralisError &) {
    }
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
    // The labels decide their own outlines from their palettes; the marks are told.
    const QColor back = m_work.graph[ColourScheme::Background].resolve(pal);
    const auto mark = [&back](QWidget *shape, const QColor &c) {
        static_cast<TShape *>(shape)->setColour(c, Contrast::markOutline(c, back));
    };
    const QColor axis = m_work.graph[ColourScheme::Axis].resolve(pal);
    for (QWidget *stroke : { Axis1, Axis2 })
        mark(stroke, axis);
    mark(Plot, m_work.graph[ColourScheme::Plot].resolve(pal));
    const QColor element = m_work.graph[ColourScheme::Element].resolve(pal);
    for (QWidget *circle : { Element1, Element2, Element3 })
        mark(circle, element);
}

void TfrmOptions::FormShow()
{
    m_work = m_state.colours();
    grpBackColorItems[m_work.table == Colours::Silver ? 1 : 0]->setChecked(true);
    grpBackColorClick();
    takeLiveBackground();
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
    if (cmbLanguage->count() == 1)
        for (const QString &code : Language::accepted())
            cmbLanguage->addItem(Language::nativeName(code), code);
    // The stored choice, else (none, or one the program does not have) following the locale.
    const int stored = cmbLanguage->findData(m_state.languageChoice().value_or(QString()));
    m_shownLanguage = stored < 0 ? 0 : stored;
    cmbLanguage->setCurrentIndex(m_shownLanguage);
    showWorking();
}

void TfrmOptions::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        fitPictureGroup();
        ErrorBox::guarded([this] { FormShow(); });
    }
    QDialog::showEvent(event);
}

// The page is what the tabs leave of the tab widget, known once the dialog is laid out for
// showing. The picture's group ends above the page's bottom and the picture's panel
// inside the group's frame, whatever room the style's tabs and titles take.
void TfrmOptions::fitPictureGroup()
{
    const int margin = Scale::px(4);
    const int room = TabMain->height() - GroupBox1->y() - margin;
    if (GroupBox1->height() > room)
        GroupBox1->resize(GroupBox1->width(), room);
    const QRect inside = GroupBox1->contentsRect();
    const int top = qMax(panImage->y(), inside.top() + 2);
    panImage->setGeometry(
        panImage->x(), top, panImage->width(), qMin(Scale::px(64), inside.bottom() - 2 - top));
    imgBackground->setGeometry(panImage->contentsRect());
    Button1->move(Button1->x(), panImage->geometry().center().y() - Button1->height() / 2);
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
        } else if (sender == butSafeColours) {
            m_work.legend = ColourScheme::colourBlindSafe();
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
            m_liveFile = m_file;
            m_livePicture = m_picture;
            emit backgroundChosen(m_file, m_picture);
            if (!m_tableColoursOnly) {
                chosen.infoDefault = m_work.infoDefault;
                chosen.info = m_work.info;
                chosen.graphDefault = m_work.graphDefault;
                chosen.graph = m_work.graph;
                emit coloursChosen(chosen);
                if (cmbLanguage->currentIndex() != m_shownLanguage)
                    emit languageChosen(cmbLanguage->currentData().toString());
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
        if (!Choosers::chooseFile(this, m_file, pictureFilter(), QStringLiteral("bmp"), &file))
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
    readPlace(ini);
}

void TfrmOptions::saveSettings(IniFile &ini) const
{
    writePlace(ini);
}
