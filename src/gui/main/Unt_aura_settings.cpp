#include "base/Errors.h"
#include "common/Forms.h"
#include "base/Numbers.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"
#include "common/ErrorBox.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>

#include <cmath>

namespace {

const QString MainSection = QStringLiteral("Main Window");
const QString SettingsSection = QStringLiteral("Settings");
const QString ColorsSection = QStringLiteral("Colors");
const QString InfoSection = QStringLiteral("Element Info Window");
const QString TempSection = QStringLiteral("Temperature Window");

// X11 keeps window coordinates and sizes in 16 bits; values from a damaged file must not
// reach it.
constexpr int MaxCoordinate = 32000;

QMargins frameMargins(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

// The settings hold a window's outer frame; Qt places the frame but sizes the client area.
void setOuterBounds(QWidget *window, const QRect &outer)
{
    const QMargins m = frameMargins(window);
    window->move(outer.topLeft());
    window->resize(outer.width() - m.left() - m.right(), outer.height() - m.top() - m.bottom());
}

// Before the first show the frame is unknown; once the window manager has framed the
// window in its normal state (at once, or when a maximised start is first restored), the
// outer bounds are applied again, so the window does not grow by its frame on every start.
class FrameFit : public QObject
{
public:
    FrameFit(QWidget *window, const QRect &outer)
        : QObject(window)
        , m_window(window)
        , m_outer(outer)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        if (watched == m_window && (t == QEvent::Show || t == QEvent::Move || t == QEvent::Resize)
            && m_window->isVisible() && m_window->windowState() == Qt::WindowNoState
            && !frameMargins(m_window).isNull()) {
            m_window->removeEventFilter(this);
            deleteLater();
            setOuterBounds(m_window, m_outer);
        }
        return false;
    }

private:
    QWidget *m_window;
    QRect m_outer;
};

// Runs one step of the settings load: an error is reported and the step's default used,
// and loading goes on with the next key.
void loadStep(const std::function<void()> &step, const std::function<void()> &fallback)
{
    if (!ErrorBox::guarded(step) && fallback)
        fallback();
}

}

QString TfrmAuralis::chooseSettingsFolder(const QStringList &arguments) const
{
    const QString folder = SettingsPath::folderFromArguments(arguments, programFolder());
    if (!SettingsPath::namedFolder(arguments).isEmpty() || QFileInfo(programFolder()).isWritable())
        return folder;

    // An installed program's folder is not the user's to write: use the user's own place.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty() || !QDir().mkpath(config))
        return folder;
    return SettingsPath::withTrailingSeparator(config);
}

void TfrmAuralis::LoadColours()
{
    IniFile ini(settingsFile());
    const std::pair<QLabel *, const char *> keys[] = {
        { lblMetals, "Metals" },
        { lblNonMetals, "Nonmetals" },
        { lblSemimetals, "Semimetals" },
        { lblSolids, "Solids" },
        { lblLiquids, "Liquids" },
        { lblGases, "Gases" },
        { lblUndefined, "Undefined" },
    };
    for (const auto &[label, key] : keys) {
        if (!label)
            continue;
        const int value
            = ini.readInteger(ColorsSection, QLatin1String(key), labelColour(label).toSettings());
        setLabelColour(label, TColor::fromSettings(value));
    }
}

void TfrmAuralis::LoadSettings()
{
    IniFile ini(settingsFile());
    const QSize screen = screenSize();

    const int top = ini.readInteger(MainSection, QStringLiteral("Top"), 5);
    const int left = ini.readInteger(MainSection, QStringLiteral("Left"), 5);
    const int width
        = ini.readInteger(MainSection, QStringLiteral("Width"), screen.width() * 8 / 10);
    const int height = ini.readInteger(MainSection, QStringLiteral("Height"), screen.height() - 40);
    const QRect outer(qBound(-MaxCoordinate, left, MaxCoordinate),
        qBound(-MaxCoordinate, top, MaxCoordinate), qBound(1, width, MaxCoordinate),
        qBound(1, height, MaxCoordinate));
    setOuterBounds(this, outer);
    if (!isVisible())
        new FrameFit(this, outer);
    if (ini.readBool(MainSection, QStringLiteral("Maximized"), false))
        setWindowState(windowState() | Qt::WindowMaximized);

    // A number outside the table would index no tile; the first element takes its place.
    int selected = ini.readInteger(SettingsSection, QStringLiteral("Selected Element"), 1);
    if (selected < 1 || selected > ElementCount)
        selected = 1;
    SelectedElement = selected;
    if (TElement *t = tile(selected))
        t->setSelected(true);

    // The slider shows the whole number; the temperature read a second time keeps the
    // decimals and a value the slider cannot show.
    const QString defaultTemperature
        = QStringLiteral("298") + m_decimalSeparator + QStringLiteral("15");
    auto readTemperature = [&] {
        const QString text
            = ini.readString(SettingsSection, QStringLiteral("Temperature"), defaultTemperature);
        const float kelvin = float(Numbers::strToFloat(text, m_decimalSeparator));
        if (!std::isfinite(kelvin))
            Errors::invalidFloat(text);
        return kelvin;
    };
    float kelvin = 298.15f;
    const bool readable = ErrorBox::guarded([&] { kelvin = readTemperature(); });
    Temperature = kelvin;
    if (TempSlider)
        TempSlider->setValue(Numbers::roundHalfEven(qBound(0.0, double(Temperature), 6000.0)));
    // A text that failed once has been reported; it is not read and reported again.
    if (readable)
        loadStep([&] { Temperature = readTemperature(); }, [&] { Temperature = kelvin; });
    else
        Temperature = kelvin;
    UpdateTempStatus(this);
    ApplyTemperature();

    if (!ini.readBool(SettingsSection, QStringLiteral("SaveINI"), true) && mnuSaveConfigOnExit)
        mnuSaveConfigOnExit->setChecked(false);
    if (ini.readBool(SettingsSection, QStringLiteral("TrendsOnTop"), false) && mnuTrendsOnTop)
        mnuTrendsOnTop->setChecked(true);
    if (ini.readBool(SettingsSection, QStringLiteral("ElementOnTop"), false) && mnuElementOnTop)
        mnuElementOnTop->setChecked(true);

    // The path is kept even when the picture cannot be loaded, so a save writes it back.
    backgroundFile = ini.readString(SettingsSection, QStringLiteral("Background"),
        programFolder() + QStringLiteral("auraback.bmp"));
    loadStep(
        [&] {
            QPixmap picture;
            if (!picture.load(backgroundFile))
                Errors::cannotOpenFile(backgroundFile);
            imgWallpaper = picture;
        },
        nullptr);

    const std::array<QAction *, 4> schemes { mnuIUPACApproved, mnuIUPACProvisional,
        mnuIUPACRecommended, mnuACSRecommended };
    int scheme = 1;
    loadStep(
        [&] {
            scheme = ini.readInteger(SettingsSection, QStringLiteral("Naming Scheme"), 1);
            if (scheme < 0 || scheme > 3)
                Errors::listIndexOutOfBounds();
        },
        [&] { scheme = 1; });
    for (int i = 0; i < int(schemes.size()); ++i) {
        if (schemes[i])
            schemes[i]->setChecked(i == scheme);
    }
    ApplyNamingScheme(false);
}

void TfrmAuralis::SaveSettings()
{
    IniFile ini(settingsFile());

    if (windowState() & Qt::WindowMaximized) {
        ini.writeBool(MainSection, QStringLiteral("Maximized"), true);
    } else {
        const QRect outer = frameGeometry();
        ini.writeBool(MainSection, QStringLiteral("Maximized"), false);
        ini.writeInteger(MainSection, QStringLiteral("Top"), outer.top());
        ini.writeInteger(MainSection, QStringLiteral("Left"), outer.left());
        ini.writeInteger(MainSection, QStringLiteral("Width"), outer.width());
        ini.writeInteger(MainSection, QStringLiteral("Height"), outer.height());
    }

    // "Graph Window" belongs here once the graph window exists.

    ini.writeInteger(SettingsSection, QStringLiteral("Selected Element"), SelectedElement);
    ini.writeString(SettingsSection, QStringLiteral("Temperature"),
        Numbers::temperatureText(Temperature, m_decimalSeparator));
    ini.writeBool(SettingsSection, QStringLiteral("SaveINI"),
        mnuSaveConfigOnExit && mnuSaveConfigOnExit->isChecked());

    if (frmSetTemperature) {
        ini.writeInteger(TempSection, QStringLiteral("Tab"),
            frmSetTemperature->pageTemp ? frmSetTemperature->pageTemp->currentIndex() : 0);
        ini.writeInteger(TempSection, QStringLiteral("Left"), frmSetTemperature->pos().x());
        ini.writeInteger(TempSection, QStringLiteral("Top"), frmSetTemperature->pos().y());
    }

    // "Find Window" belongs here once the find window exists.

    if (TfrmElementInfo *info = frmElementInfo) {
        ini.writeInteger(InfoSection, QStringLiteral("Left"), info->pos().x());
        ini.writeInteger(InfoSection, QStringLiteral("Top"), info->pos().y());
        ini.writeBool(
            InfoSection, QStringLiteral("Visible"), mnuElementInfo && mnuElementInfo->isChecked());
        ini.writeBool(InfoSection, QStringLiteral("DefaultColours"), info->DefaultColours);
        const std::pair<const char *, QWidget *> colours[] = {
            { "Symbol", info->Symbol },
            { "ElementName", info->ElementName },
            { "Number", info->Number },
            { "Property1", info->Label1 },
            { "Property2", info->Label2 },
            { "Value1", info->Weight },
            { "Value2", info->OxidationStates },
        };
        for (const auto &[key, control] : colours) {
            if (control)
                ini.writeInteger(
                    InfoSection, QLatin1String(key), info->textColour(control).toSettings());
        }
    }

    const std::pair<const char *, QLabel *> legend[] = {
        { "Metals", lblMetals },
        { "Nonmetals", lblNonMetals },
        { "Semimetals", lblSemimetals },
        { "Solids", lblSolids },
        { "Liquids", lblLiquids },
        { "Gases", lblGases },
        { "Undefined", lblUndefined },
    };
    for (const auto &[key, label] : legend) {
        if (label)
            ini.writeInteger(ColorsSection, QLatin1String(key), labelColour(label).toSettings());
    }
    ini.writeString(ColorsSection, QStringLiteral("Background"),
        tableColour() == Colours::Silver ? QStringLiteral("Gray") : QStringLiteral("Default"));

    // "Color Window" belongs here once the options dialog exists.

    ini.writeBool(SettingsSection, QStringLiteral("TrendsOnTop"),
        mnuTrendsOnTop && mnuTrendsOnTop->isChecked());
    ini.writeBool(SettingsSection, QStringLiteral("ElementOnTop"),
        mnuElementOnTop && mnuElementOnTop->isChecked());
    ini.writeString(SettingsSection, QStringLiteral("Background"), backgroundFile);
    const std::array<QAction *, 4> schemes { mnuIUPACApproved, mnuIUPACProvisional,
        mnuIUPACRecommended, mnuACSRecommended };
    for (int i = 0; i < int(schemes.size()); ++i) {
        if (schemes[i] && schemes[i]->isChecked()) {
            ini.writeInteger(SettingsSection, QStringLiteral("Naming Scheme"), i);
            break;
        }
    }
}

void TfrmAuralis::FormClose()
{
    // Whatever happens to the save, the window closes: a folder that cannot be written
    // must not keep the user from leaving the program.
    auto releaseToolWindows = qScopeGuard([] {
        if (frmElementInfo)
            frmElementInfo->hide();
    });
    if (mnuSaveConfigOnExit && mnuSaveConfigOnExit->isChecked())
        SaveSettings();
    else
        IniFile(settingsFile()).writeBool(SettingsSection, QStringLiteral("SaveINI"), false);
}

void TfrmAuralis::closeEvent(QCloseEvent *event)
{
    ErrorBox::guarded([this] { FormClose(); });
    event->accept();
}
