#include "base/Errors.h"
#include "base/Numbers.h"
#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_find.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

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
    ini.beginPass();
    ColourScheme scheme = m_state.colours();
    for (int i = 0; i < ColourScheme::LegendCount; ++i) {
        TColor &colour = scheme.legend[size_t(i)];
        colour = TColor::fromSettings(ini.readInteger(
            ColorsSection, ColourScheme::legendKeys()[size_t(i)], colour.toSettings()));
    }
    applyColourScheme(scheme);
}

void TfrmAuralis::LoadSettings()
{
    IniFile ini(settingsFile());
    ini.beginPass();
    const QSize screen = screenSize();

    const int top = ini.readInteger(MainSection, QStringLiteral("Top"), 5);
    const int left = ini.readInteger(MainSection, QStringLiteral("Left"), 5);
    const int width
        = ini.readInteger(MainSection, QStringLiteral("Width"), screen.width() * 8 / 10);
    const int height = ini.readInteger(MainSection, QStringLiteral("Height"), screen.height() - 40);
    FrameBounds::apply(this, FrameBounds::clamped(left, top, width, height));
    if (ini.readBool(MainSection, QStringLiteral("Maximized"), false))
        setWindowState(windowState() | Qt::WindowMaximized);

    // A number outside the table would index no tile; the first element takes its place.
    int selected = ini.readInteger(SettingsSection, QStringLiteral("Selected Element"), 1);
    if (selected < 1 || selected > ElementCount)
        selected = 1;
    m_state.setSelectedElement(selected);
    if (TElement *t = tile(selected))
        t->setSelected(true);

    // The slider shows the whole number; the temperature read a second time keeps the
    // decimals and a value the slider cannot show.
    const QString defaultTemperature
        = QStringLiteral("298") + decimalSeparator() + QStringLiteral("15");
    auto readTemperature = [&] {
        const QString text
            = ini.readString(SettingsSection, QStringLiteral("Temperature"), defaultTemperature);
        const float kelvin = float(Numbers::strToFloat(text, decimalSeparator()));
        if (!std::isfinite(kelvin))
            Errors::invalidFloat(text);
        return kelvin;
    };
    float kelvin = 298.15f;
    const bool readable = ErrorBox::guarded([&] { kelvin = readTemperature(); });
    m_state.setTemperature(kelvin);
    if (TempSlider)
        TempSlider->setValue(Numbers::roundHalfEven(qBound(0.0, double(kelvin), 6000.0)));
    // A text that failed once has been reported; it is not read and reported again.
    if (readable)
        loadStep([&] { m_state.setTemperature(readTemperature()); },
            [&] { m_state.setTemperature(kelvin); });
    else
        m_state.setTemperature(kelvin);
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

    const auto schemes = schemeItems();
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

void TfrmAuralis::saveMainWindowSection(IniFile &ini)
{
    FrameBounds::write(ini, MainSection, this);
}

// Every window writes its own section; the order of the calls is the order in which a
// new file lists the keys. One pass: the file is replaced once, or not at all.
void TfrmAuralis::SaveSettings()
{
    IniFile ini(settingsFile());
    ini.beginPass();

    saveMainWindowSection(ini);
    if (m_tools.graph)
        m_tools.graph->saveSettings(ini);

    ini.writeInteger(SettingsSection, QStringLiteral("Selected Element"), selectedElement());
    ini.writeString(SettingsSection, QStringLiteral("Temperature"),
        Numbers::temperatureText(temperature(), decimalSeparator()));
    ini.writeBool(SettingsSection, QStringLiteral("SaveINI"),
        mnuSaveConfigOnExit && mnuSaveConfigOnExit->isChecked());

    if (m_tools.temperature)
        m_tools.temperature->saveSettings(ini);
    if (m_tools.find)
        m_tools.find->saveSettings(ini);
    if (m_tools.info)
        m_tools.info->saveSettings(ini);

    const ColourScheme &scheme = m_state.colours();
    for (int i = 0; i < ColourScheme::LegendCount; ++i)
        ini.writeInteger(ColorsSection, ColourScheme::legendKeys()[size_t(i)],
            scheme.legend[size_t(i)].toSettings());
    ini.writeString(ColorsSection, QStringLiteral("Background"),
        tableColour() == Colours::Silver ? QStringLiteral("Gray") : QStringLiteral("Default"));
    if (m_tools.options)
        m_tools.options->saveSettings(ini);

    ini.writeBool(SettingsSection, QStringLiteral("TrendsOnTop"),
        mnuTrendsOnTop && mnuTrendsOnTop->isChecked());
    ini.writeBool(SettingsSection, QStringLiteral("ElementOnTop"),
        mnuElementOnTop && mnuElementOnTop->isChecked());
    ini.writeString(SettingsSection, QStringLiteral("Background"), backgroundFile);
    const auto schemes = schemeItems();
    for (int i = 0; i < int(schemes.size()); ++i) {
        if (schemes[i] && schemes[i]->isChecked()) {
            ini.writeInteger(SettingsSection, QStringLiteral("Naming Scheme"), i);
            break;
        }
    }
    ini.commitPass();
}

void TfrmAuralis::FormClose()
{
    // Whatever happens to the save, the window closes: a folder that cannot be written
    // must not keep the user from leaving the program.
    auto releaseToolWindows = qScopeGuard([this] {
        if (m_tools.info)
            m_tools.info->hide();
        if (m_tools.graph)
            m_tools.graph->hide();
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
