#include "base/Errors.h"
#include "base/Numbers.h"
#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "common/PictureFile.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsPath.h"
#include "windows/Unt_find.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/Unt_temp.h"
#include "windows/unt_optn.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
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
    const bool installed = SettingsPath::isInstalled(programFolder());
    if (!SettingsPath::namedFolder(arguments).isEmpty()
        || (!installed && QFileInfo(programFolder()).isWritable()))
        return folder;

    // An installed program's folder is not the user's to write, not even root's: a file
    // left there would outlive the package.
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty())
        config
            = QDir::homePath() + QStringLiteral("/.config/") + QCoreApplication::applicationName();
    if (!QDir().mkpath(config) && !installed)
        return folder;
    // A folder that cannot be made is reported by the first save that needs it.
    return SettingsPath::withTrailingSeparator(config);
}

void TfrmAuralis::LoadColours()
{
    IniFile ini(settingsFile());
    ini.beginPass();
    ColourScheme scheme = m_state.colours();
    scheme.readLegend(ini);
    applyColourScheme(scheme);
}

void TfrmAuralis::LoadSettings()
{
    IniFile ini(settingsFile());
    ini.beginPass();
    const QSize screen = screenSize();

    const FrameKeys &frame = Settings::MainFrame;
    const int top = frame.top.read(ini);
    const int left = frame.left.read(ini);
    const int width = frame.width.read(ini, screen.width() * 8 / 10);
    const int height = frame.height.read(ini, screen.height() - 40);
    FrameBounds::apply(this, FrameBounds::clamped(left, top, width, height));
    if (frame.maximized.readFlag(ini))
        setWindowState(windowState() | Qt::WindowMaximized);

    // A number outside the table would index no tile; the first element takes its place.
    int selected = Settings::SelectedElement.read(ini);
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
        const QString text = Settings::Temperature.readText(ini, defaultTemperature);
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

    if (!Settings::SaveOnExit.readFlag(ini) && mnuSaveConfigOnExit)
        mnuSaveConfigOnExit->setChecked(false);
    if (Settings::TrendsOnTop.readFlag(ini) && mnuTrendsOnTop)
        mnuTrendsOnTop->setChecked(true);
    if (Settings::ElementOnTop.readFlag(ini) && mnuElementOnTop)
        mnuElementOnTop->setChecked(true);

    // The path is kept even when the picture cannot be loaded, so a save writes it back.
    backgroundFile = Settings::BackgroundPicture.readText(
        ini, programFolder() + QStringLiteral("auraback.bmp"));
    loadStep(
        [&] {
            // A picture refused for its size says so; any other failure is the file
            // that cannot be opened as a picture.
            try {
                imgWallpaper = PictureFile::load(backgroundFile);
            } catch (const PictureFile::TooLarge &) {
                throw;
            } catch (const EAuralisError &) {
                Errors::cannotOpenFile(backgroundFile);
            }
        },
        nullptr);

    const auto schemes = schemeItems();
    int scheme = 1;
    loadStep(
        [&] {
            scheme = Settings::NamingScheme.read(ini);
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
    FrameBounds::write(ini, Settings::MainFrame, this);
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

    Settings::SelectedElement.write(ini, selectedElement());
    Settings::Temperature.writeText(
        ini, Numbers::temperatureText(temperature(), decimalSeparator()));
    Settings::SaveOnExit.writeFlag(ini, mnuSaveConfigOnExit && mnuSaveConfigOnExit->isChecked());

    if (m_tools.temperature)
        m_tools.temperature->saveSettings(ini);
    if (m_tools.find)
        m_tools.find->saveSettings(ini);
    if (m_tools.info)
        m_tools.info->saveSettings(ini);

    m_state.colours().writeLegend(ini);
    m_state.colours().writeTable(ini);
    if (m_tools.options)
        m_tools.options->saveSettings(ini);

    Settings::TrendsOnTop.writeFlag(ini, mnuTrendsOnTop && mnuTrendsOnTop->isChecked());
    Settings::ElementOnTop.writeFlag(ini, mnuElementOnTop && mnuElementOnTop->isChecked());
    Settings::BackgroundPicture.writeText(ini, backgroundFile);
    const auto schemes = schemeItems();
    for (int i = 0; i < int(schemes.size()); ++i) {
        if (schemes[i] && schemes[i]->isChecked()) {
            Settings::NamingScheme.write(ini, i);
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
    if (mnuSaveConfigOnExit && mnuSaveConfigOnExit->isChecked()) {
        SaveSettings();
        return;
    }
    IniFile ini(settingsFile());
    Settings::SaveOnExit.writeFlag(ini, false);
}

void TfrmAuralis::closeEvent(QCloseEvent *event)
{
    ErrorBox::guarded([this] { FormClose(); });
    event->accept();
}
