#pragma once

#include "base/ColourScheme.h"
#include "data/ElementData.h"

#include <QObject>
#include <QString>
#include <array>

// What the whole program shares: the element data, the user's decimal separator, the
// selected element, the current temperature, the names in force, the marks other windows
// follow, the file paths and the colour scheme. The main window owns the one object and
// alone writes it; every tool window holds it as a const reference, reads it, listens to
// its signals and asks the main window for changes through signals of its own.
class SharedState : public QObject
{
    Q_OBJECT
public:
    enum class Mark { InfoWanted, ElementOnTop, TrendsOnTop };

    explicit SharedState(QObject *parent = nullptr);

    const ElementData &data() const { return m_data; }
    // Loads the element data file and puts the decimal separator in (throws as
    // ElementData::load does); the names and symbols start as the file gives them.
    void loadData(const QString &path);
    // The data as given, for tests and tools that build a state without a file.
    void setData(const ElementData &data);

    QChar decimalSeparator() const { return m_decimalSeparator; }
    void setDecimalSeparator(QChar separator) { m_decimalSeparator = separator; }

    // 1..109, or 0 before the settings are loaded.
    int selectedElement() const { return m_selected; }
    void setSelectedElement(int z);

    // Kelvin, held as a float.
    float temperature() const { return m_temperature; }
    void setTemperature(float kelvin);

    // The naming scheme in force (0..3; -1 before one is applied), and the name and symbol
    // each element carries under it ("" outside 1..109).
    int namingScheme() const { return m_scheme; }
    QString name(int z) const;
    QString symbol(int z) const;
    // Throws "List index out of bounds" for a scheme outside 0..3 and changes nothing.
    void setNamingScheme(int scheme);

    bool mark(Mark m) const { return m_marks[size_t(m)]; }
    void setMark(Mark m, bool on);

    QString programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString settingsFile() const { return m_settingsFile; }
    void setSettingsFile(const QString &path) { m_settingsFile = path; }
    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString &path) { m_helpFile = path; }

    const ColourScheme &colours() const { return m_colours; }
    void setColours(const ColourScheme &scheme);

signals:
    void selectionChanged(int z);
    void temperatureChanged(float kelvin);
    void namesChanged();
    void markChanged(SharedState::Mark mark, bool on);
    void coloursChanged();

private:
    void takeNamesFromData();

    ElementData m_data;
    QChar m_decimalSeparator = QLatin1Char('.');
    int m_selected = 0;
    float m_temperature = 0.0f;
    int m_scheme = -1;
    std::array<QString, ElementCount + 1> m_names;
    std::array<QString, ElementCount + 1> m_symbols;
    std::array<bool, 3> m_marks {};
    QString m_programFolder, m_settingsFile, m_helpFile;
    ColourScheme m_colours = ColourScheme::defaults();
};
