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

void TfrmAuralis::LoadColours()
{
    IniFile ini(m_state.settingsFile());
    ini.beginPass();
    ColourScheme scheme = m_state.colours();
    scheme.readLegend(ini);
    // The first show checks the table colour (and asks for one when there is none); a
    // stored one is taken now as well, so the tiles are not coloured twice before then.
    if (const auto table = ColourScheme::readTable(ini))
        scheme.table = *table;
    applyColourScheme(scheme);
}

void TfrmAuralis::LoadSettings()
{
    IniFile ini(m_state.settingsFile());
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

    // The seventh period complete, where the settings ask for it and the data file holds
    // it. Kept as it stands: any value but 118 means 109, and only 109 and 118 are written
    // back, so a value the program cannot use stays in the file untouched.
    const int elements = Settings::Elements.read(ini, -1);
    if (elements == ElementCount || elements == MaxElementCount)
        m_state.setElementsSetting(elements);
    m_state.setElementCount(elements == MaxElementCount ? MaxElementCount : ElementCount);

    // A number outside the table would index no tile; the first element takes its place.
    int selected = Settings::SelectedElement.read(ini);
    if (selected < 1 || selected > m_state.elementCount())
        selected = 1;
    m_state.setSelectedElement(selected);

    const QChar separator = m_state.decimalSeparator();
    float kelvin = 298.15f;
    loadStep(
        [&] {
            const QString text = Settings::Temperature.readText(
                ini, QStringLiteral("298") + separator + QStringLiteral("15"));
            const float read = float(Numbers::strToFloat(text, separator));
            if (!std::isfinite(read))
                Errors::invalidFloat(text);
            kelvin = read;
        },
        nullptr);
    setTemperature(kelvin);
    // The state may have held this value already: the tiles, slider and status bar are
    // brought in line either way.
    ApplyTemperature();
    UpdateTempStatus();

    if (!Settings::SaveOnExit.readFlag(ini))
        m_state.setMark(SharedState::Mark::SaveOnExit, false);
    if (Settings::TrendsOnTop.readFlag(ini))
        m_state.setMark(SharedState::Mark::TrendsOnTop, true);
    if (Settings::ElementOnTop.readFlag(ini))
        m_state.setMark(SharedState::Mark::ElementOnTop, true);

    // The path is kept even when the picture cannot be loaded, so a save writes it back.
    const QString background
        = Settings::BackgroundPicture.readText(ini, m_state.facts().defaultPicture);
    loadStep(
        [&] {
            // A picture refused for its size says so; any other failure is the file
            // that cannot be opened as a picture.
            try {
                imgWallpaper = PictureFile::load(background);
            } catch (const PictureFile::TooLarge &) {
                throw;
            } catch (const EAuralisError &) {
                Errors::cannotOpenFile(background);
            }
        },
        nullptr);
    m_state.setBackgroundFile(background);

    int scheme = 1;
    loadStep(
        [&] {
            scheme = Settings::NamingScheme.read(ini);
            if (scheme < 0 || scheme > 3)
                Errors::listIndexOutOfBounds();
        },
        [&] { scheme = 1; });
    m_state.setNamingScheme(scheme);

    // Put in force at start, before this window existed; kept here so a save writes back
    // what the file held, an unknown code included.
    const QString absent(QChar(0x1)); // no value in the file can be this
    if (const QString language = Settings::LanguageChoice.readText(ini, absent); language != absent)
        m_state.setLanguageChoice(language);
}

void TfrmAuralis::saveMainWindowSection(IniFile &ini)
{
    FrameBounds::write(ini, Settings::MainFrame, this);
}

// Every window writes its own section; the order of the calls is the order in which a
// new file lists the keys. One pass: the file is replaced once, or not at all.
void TfrmAuralis::SaveSettings()
{
    IniFile ini(m_state.settingsFile());
    ini.beginPass();

    saveMainWindowSection(ini);
    if (m_tools.graph)
        m_tools.graph->saveSettings(ini);

    Settings::SelectedElement.write(ini, m_state.selectedElement());
    Settings::Temperature.writeText(
        ini, Numbers::temperatureText(m_state.temperature(), m_state.decimalSeparator()));
    Settings::SaveOnExit.writeFlag(ini, m_state.mark(SharedState::Mark::SaveOnExit));

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

    Settings::TrendsOnTop.writeFlag(ini, m_state.mark(SharedState::Mark::TrendsOnTop));
    Settings::ElementOnTop.writeFlag(ini, m_state.mark(SharedState::Mark::ElementOnTop));
    Settings::BackgroundPicture.writeText(ini, m_state.backgroundFile());
    if (m_state.namingScheme() >= 0)
        Settings::NamingScheme.write(ini, m_state.namingScheme());
    // Keys of later versions, written only once the user has made the choice they keep.
    if (const auto &elements = m_state.elementsSetting())
        Settings::Elements.write(ini, *elements);
    if (const auto &language = m_state.languageChoice())
        Settings::LanguageChoice.writeText(ini, *language);
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
    if (m_state.mark(SharedState::Mark::SaveOnExit)) {
        SaveSettings();
        return;
    }
    IniFile ini(m_state.settingsFile());
    Settings::SaveOnExit.writeFlag(ini, false);
}

void TfrmAuralis::closeEvent(QCloseEvent *event)
{
    ErrorBox::guarded([this] { FormClose(); });
    event->accept();
    emit closed();
}
