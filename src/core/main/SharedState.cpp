#include "main/SharedState.h"

#include "base/Errors.h"
#include "data/ElementNames.h"
#include "data/Naming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SharedState::SharedState(const StartFacts &facts, QObject *parent)
    : QObject(parent)
    , m_facts(facts)
{
}

void SharedState::loadData(const QString &path)
{
    ElementData data;
    data.load(path);
    data.fixDecimalSeparator(m_facts.decimalSeparator);
    setData(data);
    // The sources are checked against the very bytes the data came from.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        m_dataBytes = file.readAll();
        m_provenancePath = QFileInfo(path).dir().filePath(QStringLiteral("auralis.prov"));
    }
}

void SharedState::setData(const ElementData &data)
{
    m_data = data;
    setProvenance(Provenance());
    takeNamesFromData();
}

const Provenance &SharedState::provenance() const
{
    if (!m_provenancePath.isEmpty()) {
        m_provenance.load(m_provenancePath, m_dataBytes);
        m_provenancePath.clear();
        m_dataBytes.clear();
    }
    return m_provenance;
}

void SharedState::setProvenance(const Provenance &provenance)
{
    m_provenance = provenance;
    m_provenancePath.clear();
    m_dataBytes.clear();
}

void SharedState::takeNamesFromData()
{
    const bool complete = m_data.lineCount() >= RequiredLines;
    const int records = m_data.recordCount();
    for (int z = 1; z <= MaxElementCount; ++z) {
        const bool there = complete && z <= records;
        m_names[size_t(z)]
            = there ? ElementNames::translated(m_data.field(z, Field::Name)) : QString();
        m_symbols[size_t(z)] = there ? m_data.field(z, Field::Symbol) : QString();
    }
    if (!completePeriodAvailable())
        setElementCount(ElementCount);
}

void SharedState::setElementCount(int count)
{
    count = count > ElementCount && completePeriodAvailable() ? MaxElementCount : ElementCount;
    if (count == m_count)
        return;
    m_count = count;
    emit elementCountChanged(count);
}

void SharedState::setSelectedElement(int z)
{
    if (z == m_selected)
        return;
    m_selected = z;
    emit selectionChanged(z);
}

void SharedState::setTemperature(float kelvin)
{
    if (kelvin == m_temperature)
        return;
    m_temperature = kelvin;
    emit temperatureChanged(kelvin);
}

QString SharedState::name(int z) const
{
    return z >= 1 && z <= MaxElementCount ? m_names[size_t(z)] : QString();
}

QString SharedState::symbol(int z) const
{
    return z >= 1 && z <= MaxElementCount ? m_symbols[size_t(z)] : QString();
}

void SharedState::setNamingScheme(int scheme)
{
    if (scheme < 0 || scheme >= Naming::SchemeCount)
        Errors::listIndexOutOfBounds();
    for (int z = Naming::FirstNamedElement; z <= Naming::LastNamedElement; ++z) {
        const Naming::Entry e = Naming::entry(scheme, z);
        m_names[size_t(z)] = ElementNames::translated(e.name);
        m_symbols[size_t(z)] = e.symbol;
    }
    m_scheme = scheme;
    emit namesChanged();
}

void SharedState::setMark(Mark m, bool on)
{
    if (m_marks[size_t(m)] == on)
        return;
    m_marks[size_t(m)] = on;
    emit markChanged(m, on);
}

void SharedState::setColours(const ColourScheme &scheme)
{
    if (scheme == m_colours)
        return;
    m_colours = scheme;
    emit coloursChanged();
}

void SharedState::setBackgroundFile(const QString &file)
{
    if (file == m_backgroundFile)
        return;
    m_backgroundFile = file;
    emit backgroundChanged();
}
