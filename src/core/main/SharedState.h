#pragma once

#include "base/ColourScheme.h"
#include "data/ElementData.h"
#include "data/Provenance.h"
#include "main/StartFacts.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

// What the whole program shares: the start-up facts (fixed), the element data, the
// selected element, the current temperature, the names in force, the marks other windows
// follow, the background picture's file and the colour scheme. The main window owns the
// one object and alone writes it; the main window's own controls and every tool window
// follow its signals, and ask the main window for changes, never set it themselves.
class SharedState : public QObject
{
    Q_OBJECT
public:
    // SaveOnExit: the settings are saved when the main window closes (on from the start).
    enum class Mark { InfoWanted, ElementOnTop, TrendsOnTop, SaveOnExit };

    explicit SharedState(const StartFacts &facts = {}, QObject *parent = nullptr);

    const StartFacts &facts() const { return m_facts; }

    const ElementData &data() const { return m_data; }
    // Loads the element data file and puts the decimal separator in (throws as
    // ElementData::load does); the names and symbols start as the file gives them.
    void loadData(const QString &path);
    // The data as given, for tests and tools that build a state without a file; it comes
    // without sources.
    void setData(const ElementData &data);
    // Where each value of the data comes from, from the provenance file beside the data
    // file; empty without one or for a data file it was not written for. Read when first
    // asked for (a tool-tip), not at start-up.
    const Provenance &provenance() const;
    void setProvenance(const Provenance &provenance);

    QChar decimalSeparator() const { return m_facts.decimalSeparator; }

    // The elements on the table: 109, or 118 with the seventh period complete, which the
    // user chooses and the data file must hold whole (an older file has 109 records only).
    int elementCount() const { return m_count; }
    bool completePeriodAvailable() const { return m_data.recordCount() >= MaxElementCount; }
    // 118 where the data allow it, else 109.
    void setElementCount(int count);
    // What the settings keep of that choice: nothing until the file held it or the user made
    // it, so that a file without the key stays as it was.
    const std::optional<int> &elementsSetting() const { return m_elementsSetting; }
    void setElementsSetting(int count) { m_elementsSetting = count; }

    // 1..count, or 0 before the settings are loaded.
    int selectedElement() const { return m_selected; }
    void setSelectedElement(int z);

    // Kelvin, held as a float.
    float temperature() const { return m_temperature; }
    void setTemperature(float kelvin);

    // The naming scheme in force (0..3; -1 before one is applied), and the name and symbol
    // each element carries under it ("" outside 1..118).
    int namingScheme() const { return m_scheme; }
    QString name(int z) const;
    QString symbol(int z) const;
    // Throws "List index out of bounds" for a scheme outside 0..3 and changes nothing.
    void setNamingScheme(int scheme);

    bool mark(Mark m) const { return m_marks[size_t(m)]; }
    void setMark(Mark m, bool on);

    QString programFolder() const { return m_facts.programFolder; }
    QString settingsFile() const { return m_facts.settingsFile; }
    QString helpFile() const { return m_facts.helpFile; }

    // The background picture's file, kept even when it cannot be read.
    QString backgroundFile() const { return m_backgroundFile; }
    void setBackgroundFile(const QString &file);

    const ColourScheme &colours() const { return m_colours; }
    void setColours(const ColourScheme &scheme);

    // The language the user chose for the next start ("" to follow the locale); none until
    // the settings hold one or the user chooses, so that no key is written before.
    const std::optional<QString> &languageChoice() const { return m_languageChoice; }
    void setLanguageChoice(const QString &code) { m_languageChoice = code; }

signals:
    void elementCountChanged(int count);
    void selectionChanged(int z);
    void temperatureChanged(float kelvin);
    void namesChanged();
    void markChanged(SharedState::Mark mark, bool on);
    void coloursChanged();
    void backgroundChanged();

private:
    void takeNamesFromData();

    const StartFacts m_facts;
    ElementData m_data;
    mutable Provenance m_provenance;
    // The provenance file still to read and the data file's bytes it must match; an empty
    // path once read or when there is none.
    mutable QString m_provenancePath;
    mutable QByteArray m_dataBytes;
    int m_count = ElementCount;
    std::optional<int> m_elementsSetting;
    int m_selected = 0;
    float m_temperature = 0.0f;
    int m_scheme = -1;
    std::array<QString, MaxElementCount + 1> m_names;
    std::array<QString, MaxElementCount + 1> m_symbols;
    std::array<bool, 4> m_marks { false, false, false, true };
    std::optional<QString> m_languageChoice;
    QString m_backgroundFile;
    ColourScheme m_colours = ColourScheme::defaults();
};
