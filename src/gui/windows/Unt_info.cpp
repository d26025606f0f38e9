#include "windows/Unt_info.h"

#include "base/Contrast.h"
#include "base/Texts.h"
#include "common/Accessible.h"
#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "common/Guarded.h"
#include "common/HelpViewer.h"
#include "common/Scale.h"
#include "common/StayOnTop.h"
#include "common/TextFit.h"
#include "data/ElementData.h"
#include "elements/Elements.h"
#include "elements/WinBevel.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {

const char *const TagProperty = "tag";

// The widest of the texts in the font, with few texts shaped: a text's width is close to the
// sum of its characters' advances (kerning and shaping move it a little), so texts are
// measured from the widest estimate down until no estimate, with room for that little, can
// beat the widest found.
int widestText(const QFontMetrics &metrics, const QStringList &texts)
{
    QHash<QChar, int> advances;
    std::vector<std::pair<int, int>> estimates; // estimated width, index
    estimates.reserve(size_t(texts.size()));
    for (int i = 0; i < texts.size(); ++i) {
        int sum = 0;
        for (const QChar c : texts[i]) {
            auto it = advances.constFind(c);
            if (it == advances.constEnd())
                it = advances.insert(c, metrics.horizontalAdvance(c));
            sum += *it;
        }
        estimates.emplace_back(sum, i);
    }
    std::sort(estimates.begin(), estimates.end(),
        [](const auto &a, const auto &b) { return a.first > b.first; });
    const int slack = metrics.averageCharWidth() * 2;
    int widest = 0;
    for (const auto &[estimate, index] : estimates) {
        if (estimate + estimate / 8 + slack < widest)
            break;
        widest = qMax(widest, metrics.horizontalAdvance(texts[index]));
    }
    return widest;
}

QLabel *headerLabel(QWidget *parent, const char *name, QRect designRect, Qt::Alignment align)
{
    auto *label = new GuardedLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(Scale::designFont(23, true));
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(Scale::rect(designRect));
    return label;
}

}

TfrmElementInfo::TfrmElementInfo(const SharedState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_onTop(new StayOnTop(this, state, SharedState::Mark::ElementOnTop))
{
    setObjectName(QStringLiteral("frmElementInfo"));
    Accessible::markWindow(this);
    setWindowFlags(
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(
        tr("%1 - Element Information").arg(QCoreApplication::translate("Element", "Hydrogen")));
    setFont(Scale::designFont(13));
    setFixedSize(Scale::size(359, 397));

    createHeader();
    createRows();
    createButtons();
    // The captions' column grows to the longest caption, the values and the right-hand
    // buttons move along, the heading spans the wider window.
    TextFit::fit(this, { { Number, butHelp, butClose } });
    butClose->setFocus();
    applyColours();
    connect(&m_state, &SharedState::coloursChanged, this, &TfrmElementInfo::applyColours);
    // A shown window follows the selection (a hidden one fills itself when it is shown);
    // new names are taken at once, shown or not.
    connect(&m_state, &SharedState::selectionChanged, this, [this] {
        if (isVisible())
            UpdateInfo();
    });
    connect(&m_state, &SharedState::namesChanged, this, &TfrmElementInfo::UpdateInfo);
}

void TfrmElementInfo::createHeader()
{
    WinBevel1 = new TWinBevel(this);
    WinBevel1->setObjectName(QStringLiteral("WinBevel1"));
    WinBevel1->setWinBevel(true);
    WinBevel1->setGeometry(Scale::px(5), Scale::px(5), Scale::px(349), Scale::px(37));

    // Later siblings are drawn above the bevel; the labels have no background of their own.
    ElementName = headerLabel(this, "ElementName", { 1, 8, 359, 29 }, Qt::AlignHCenter);
    Symbol = headerLabel(this, "Symbol", { 12, 8, 49, 29 }, Qt::AlignLeft);
    Number = headerLabel(this, "Number", { 297, 8, 50, 29 }, Qt::AlignRight);
}

void TfrmElementInfo::createRows()
{
    for (int r = 0; r < RowCount; ++r) {
        const int top = 48 + 16 * r;
        const bool odd = (r % 2) == 0; // row r + 1 is odd

        auto *label = new GuardedLabel(Fields::infoCaption(r), this);
        label->setObjectName(QStringLiteral("Label%1").arg(r + 1));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(Scale::px(2), Scale::px(top), Scale::px(170), Scale::px(16));
        label->setProperty(TagProperty, odd ? 2 : 3);
        Labels[r] = label;

        auto *value = new GuardedLineEdit(this);
        value->setObjectName(QLatin1String(Fields::info(rowField(r)).infoBox));
        value->setReadOnly(true);
        value->setFrame(false);
        value->setTextMargins(0, 0, 0, 0);
        value->setGeometry(Scale::px(177), Scale::px(top), Scale::px(180), Scale::px(17));
        value->setProperty(TagProperty, odd ? 4 : 5);
        Values[r] = value;
        // A screen reader names the value by its caption.
        label->setBuddy(value);
    }
    Label1 = Labels[0];
    Label2 = Labels[1];
    QLineEdit **named[RowCount] = { &Weight, &OxidationStates, &BoilingPoint, &MeltingPoint,
        &Density, &ElectronConfig, &AcidBaseProp, &CrystalStruct, &ElectroNeg, &HeatVapor,
        &HeatFusion, &ElectroConduct, &ThermalConduct, &SpecificHeat, &FstIonPoten, &Volume,
        &AtomicRadius, &CovalentRadius, &Synthetic };
    for (int r = 0; r < RowCount; ++r)
        *named[r] = Values[r];
}

void TfrmElementInfo::createButtons()
{
    auto make = [this](const char *name, const QString &caption, int left, int width) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(Scale::px(left), Scale::px(364), Scale::px(width), Scale::px(29));
        connect(button, &QPushButton::clicked, this, [this, button] { butClick(button); });
        return button;
    };
    butCopy = make("butCopy", tr("Copy &All Info"), 4, 110);
    butHelp = make("butHelp", tr("&Help"), 161, 93);
    butClose = make("butClose", tr("&Close"), 261, 93);
    butClose->setDefault(true);

    QWidget *previous = Values[0];
    for (int r = 1; r < RowCount; ++r) {
        setTabOrder(previous, Values[r]);
        previous = Values[r];
    }
    setTabOrder(previous, butCopy);
    setTabOrder(butCopy, butHelp);
    setTabOrder(butHelp, butClose);
}

int TfrmElementInfo::rowField(int row)
{
    return Fields::infoRowField(row);
}

int TfrmElementInfo::colourSlot(const QWidget *control) const
{
    if (!control)
        return -1;
    if (control == Symbol)
        return ColourScheme::Symbol;
    if (control == ElementName)
        return ColourScheme::ElementName;
    if (control == Number)
        return ColourScheme::Number;
    // Rows alternate between the two property captions and the two value colours.
    switch (control->property(TagProperty).toInt()) {
    case 2:
        return ColourScheme::Property1;
    case 3:
        return ColourScheme::Property2;
    case 4:
        return ColourScheme::Value1;
    case 5:
        return ColourScheme::Value2;
    default:
        return -1;
    }
}

TColor TfrmElementInfo::textColour(const QWidget *control) const
{
    const int slot = colourSlot(control);
    return slot < 0 ? TColor() : m_state.colours().info[size_t(slot)];
}

void TfrmElementInfo::applyColours()
{
    for (QWidget *control : findChildren<QWidget *>()) {
        if (colourSlot(control) < 0)
            continue;
        // System colours come from the window's own palette.
        const QColor c = textColour(control).resolve(palette());
        QPalette pal = control->palette();
        pal.setColor(QPalette::WindowText, c);
        pal.setColor(QPalette::Text, c);
        if (auto *box = qobject_cast<GuardedLineEdit *>(control)) {
            // The box shows the window behind it; where its text needs a plate (or, larger,
            // an outline), the box lets the window through so that it stays under the text.
            const QColor back = palette().color(QPalette::Window);
            const Guarded::Guard guard
                = Guarded::decide(c, back, QFontInfo(box->font()).pixelSize());
            pal.setColor(QPalette::Base,
                guard.outline.isValid() || guard.plate.isValid() ? QColor(Qt::transparent) : back);
            box->setGuard(guard);
        }
        control->setPalette(pal);
    }
}

void TfrmElementInfo::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The desktop's colours changed: resolve the system colours again.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
}

void TfrmElementInfo::UpdateInfo()
{
    ErrorBox::guarded([this] { fill(); });
}

// The design's value column suits the design font. A substituted font is often wider, so
// the column (and the window with it) grows until the widest value of any element fits.
void TfrmElementInfo::fitValueColumn()
{
    const ElementData &data = m_state.data();
    if (data.lineCount() < RequiredLines)
        return;
    QStringList texts;
    // Every element the file holds, so the column fits whichever the table shows.
    texts.reserve(data.recordCount() * RowCount);
    for (int z = 1; z <= data.recordCount(); ++z)
        for (int r = 0; r < RowCount; ++r)
            texts.append(Fields::displayText(data, z, rowField(r)));
    const int widest = widestText(QFontMetrics(Values[0]->font()), texts);
    const int room = Values[0]->width() - Scale::px(4);
    const int extra = qMin(widest - room, Scale::px(359)); // never more than twice the design
    if (extra <= 0)
        return;
    setFixedWidth(width() + extra);
    for (QLineEdit *value : Values)
        value->resize(value->width() + extra, value->height());
    WinBevel1->resize(WinBevel1->width() + extra, WinBevel1->height());
    ElementName->resize(ElementName->width() + extra, ElementName->height());
    for (QWidget *right : { static_cast<QWidget *>(Number), static_cast<QWidget *>(butHelp),
             static_cast<QWidget *>(butClose) })
        right->move(right->x() + extra, right->y());
}

void TfrmElementInfo::fill()
{
    const int z = m_state.selectedElement();
    if (z < 1 || z > m_state.elementCount())
        return; // nothing is selected before the settings are loaded
    const ElementData &data = m_state.data();
    const QString name = m_state.name(z);
    const QString symbol = m_state.symbol(z);

    setWindowTitle(tr("%1 - Element Information").arg(Texts::cut(name)));
    Symbol->setText(Texts::cut(symbol));
    ElementName->setText(Texts::cut(name));
    Number->setText(QString::number(z));
    for (int r = 0; r < RowCount; ++r) {
        Values[r]->setText(Fields::displayText(data, z, rowField(r)));
        // Where the value comes from, when the data's provenance file can say.
        Values[r]->setToolTip(m_state.provenance().toolTip(z, rowField(r)));
        Values[r]->setCursorPosition(0); // show the start of a long text, as typed
    }
}

QString TfrmElementInfo::allInfoText() const
{
    QStringList lines;
    lines.reserve(RowCount + 1);
    lines << Number->text() + QStringLiteral(" - ") + Symbol->text() + QStringLiteral(" - ")
            + ElementName->text();
    for (int r = 0; r < RowCount; ++r)
        lines << Labels[r]->text() + QLatin1Char(' ') + Values[r]->text();
    return lines.join(QStringLiteral("\r\n"));
}

void TfrmElementInfo::butClick(QObject *sender)
{
    if (sender == butCopy) {
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setText(allInfoText());
    } else if (sender == butHelp) {
        HelpViewer::showTopic(m_state.helpFile(), HelpTopic, this);
    } else if (sender == butClose) {
        closeWindow();
    }
}

// Closing goes through the main window's command, as if "Element Information" had been
// chosen while checked. When the mark is not set that command would show the window again,
// so the window then simply hides. The guard stops a loop when the command itself closes
// this window.
void TfrmElementInfo::closeWindow()
{
    if (!m_closing && m_state.mark(SharedState::Mark::InfoWanted)) {
        m_closing = true;
        emit closeRequested();
        m_closing = false;
    }
    if (isVisible())
        hide();
}

void TfrmElementInfo::FormCreate()
{
    IniFile ini(m_state.settingsFile());
    ini.beginPass();
    ColourScheme scheme = m_state.colours();
    if (scheme.readInfo(ini))
        emit coloursRequested(scheme);

    // -42 stands for a key that was never saved: the window keeps its default place.
    if (Settings::InfoVisible.read(ini, -42) == -42)
        return;
    const int top = Settings::InfoTop.read(ini);
    const int left = Settings::InfoLeft.read(ini);
    move(left, top);
    if (Settings::InfoVisible.readFlag(ini)) {
        show();
        emit shownAtStart();
    }
}

void TfrmElementInfo::saveSettings(IniFile &ini) const
{
    FrameBounds::writePosition(ini, Settings::InfoLeft, Settings::InfoTop, pos());
    Settings::InfoVisible.writeFlag(ini, m_state.mark(SharedState::Mark::InfoWanted));
    m_state.colours().writeInfo(ini);
}

TfrmElementInfo::~TfrmElementInfo() = default;

bool TfrmElementInfo::stayOnTop() const
{
    return m_onTop->isOn();
}

void TfrmElementInfo::setVisible(bool visible)
{
    // Measuring every element's values takes a while; a window that is never shown never
    // needs it, and the first showing takes it before the window is mapped.
    if (visible && !m_columnFitted) {
        m_columnFitted = true;
        ErrorBox::guarded([this] { fitValueColumn(); });
    }
    m_onTop->beforeSetVisible(visible);
    QWidget::setVisible(visible);
}

void TfrmElementInfo::FormPaint()
{
    m_onTop->follow();
}

void TfrmElementInfo::FormHide()
{
    emit hidden();
}

void TfrmElementInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_onTop->reflagging() && !event->spontaneous())
        UpdateInfo();
}

void TfrmElementInfo::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A spontaneous hide comes from the window system (the owner minimised), not from us.
    if (!m_onTop->reflagging() && !event->spontaneous())
        FormHide();
}

// The close box goes through the same command as the Close button; a close() from the
// program (the main window's own command) simply hides the window.
void TfrmElementInfo::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous() && !m_closing) {
        event->ignore();
        closeWindow();
        return;
    }
    QWidget::closeEvent(event);
}

void TfrmElementInfo::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        butClick(butClose);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button, else the default one.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            butClose->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
