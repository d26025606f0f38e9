#pragma once

#include <QLatin1String>
#include <QString>

class IniFile;

// One key of the settings file: its section, its name and the value a file without it
// gives. Where the default depends on the screen, the program's folder or the owner
// window, the reader passes it and the table's value is not used.
struct SettingKey
{
    QLatin1String section;
    QLatin1String name;
    int fallback;

    int read(const IniFile &ini) const;
    int read(const IniFile &ini, int def) const;
    bool readFlag(const IniFile &ini) const;
    QString readText(const IniFile &ini, const QString &def) const;
    void write(IniFile &ini, int value) const;
    void writeFlag(IniFile &ini, bool value) const;
    void writeText(IniFile &ini, const QString &value) const;
};

// A window's bounds as its section keeps them.
struct FrameKeys
{
    SettingKey top, left, width, height, maximized;
};

// Every section and key of the settings file, written once. The colour scheme's keys are
// in ColourScheme, in the sections named here. Which keys a new file lists, and in which
// order, is decided by the order of the writes in the main window's SaveSettings.
namespace Settings {

constexpr QLatin1String MainWindow { "Main Window" };
constexpr QLatin1String General { "Settings" };
constexpr QLatin1String About { "About" };
constexpr QLatin1String InfoWindow { "Element Info Window" };
constexpr QLatin1String FindWindow { "Find Window" };
constexpr QLatin1String TemperatureWindow { "Temperature Window" };
constexpr QLatin1String OptionsWindow { "Color Window" };
constexpr QLatin1String GraphWindow { "Graph Window" };
constexpr QLatin1String Colours { "Colors" };

// Width and height default to the screen's (80 % of the width, the height less 40).
constexpr FrameKeys MainFrame { { MainWindow, QLatin1String("Top"), 5 },
    { MainWindow, QLatin1String("Left"), 5 }, { MainWindow, QLatin1String("Width"), 0 },
    { MainWindow, QLatin1String("Height"), 0 }, { MainWindow, QLatin1String("Maximized"), 0 } };

constexpr SettingKey SelectedElement { General, QLatin1String("Selected Element"), 1 };
// Text: "298.15" in the user's notation.
constexpr SettingKey Temperature { General, QLatin1String("Temperature"), 0 };
constexpr SettingKey SaveOnExit { General, QLatin1String("SaveINI"), 1 };
constexpr SettingKey TrendsOnTop { General, QLatin1String("TrendsOnTop"), 0 };
constexpr SettingKey ElementOnTop { General, QLatin1String("ElementOnTop"), 0 };
// Text: the picture's path, the program's own picture by default.
constexpr SettingKey BackgroundPicture { General, QLatin1String("Background"), 0 };
constexpr SettingKey NamingScheme { General, QLatin1String("Naming Scheme"), 1 };
// Text: the language chosen in the options dialog ("de", "en", …); written only once the
// user has chosen one, and absent or empty to follow the locale.
constexpr SettingKey LanguageChoice { General, QLatin1String("Language"), 0 };
// 118 for the seventh period complete, 109 (or anything else) without; written only once
// the user has changed the View menu's choice.
constexpr SettingKey Elements { General, QLatin1String("Elements"), 109 };

constexpr SettingKey NoticeRead { About, QLatin1String("Read"), 0 };

constexpr SettingKey InfoLeft { InfoWindow, QLatin1String("Left"), 50 };
constexpr SettingKey InfoTop { InfoWindow, QLatin1String("Top"), 50 };
constexpr SettingKey InfoVisible { InfoWindow, QLatin1String("Visible"), 0 };

// The dialogs' page is -1 until the first save; their place is centred on the owner then.
constexpr SettingKey FindTab { FindWindow, QLatin1String("Tab"), -1 };
constexpr SettingKey FindLeft { FindWindow, QLatin1String("Left"), 5 };
constexpr SettingKey FindTop { FindWindow, QLatin1String("Top"), 5 };
constexpr SettingKey TemperatureTab { TemperatureWindow, QLatin1String("Tab"), -1 };
constexpr SettingKey TemperatureLeft { TemperatureWindow, QLatin1String("Left"), 5 };
constexpr SettingKey TemperatureTop { TemperatureWindow, QLatin1String("Top"), 5 };
constexpr SettingKey OptionsLeft { OptionsWindow, QLatin1String("Left"), 5 };
constexpr SettingKey OptionsTop { OptionsWindow, QLatin1String("Top"), 5 };

// Left defaults to 5 pixels from the screen's right edge; width and height as the main
// window's.
constexpr FrameKeys GraphFrame { { GraphWindow, QLatin1String("Top"), 5 },
    { GraphWindow, QLatin1String("Left"), 0 }, { GraphWindow, QLatin1String("Width"), 0 },
    { GraphWindow, QLatin1String("Height"), 0 }, { GraphWindow, QLatin1String("Maximized"), 0 } };
constexpr SettingKey GraphSymbolMarks { GraphWindow, QLatin1String("ShowSymbolPos"), 0 };
constexpr SettingKey GraphProperty { GraphWindow, QLatin1String("Property"), 0 };

}
