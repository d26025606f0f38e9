#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// Where each value of the element data file comes from: the provenance file the data
// generator writes beside the data file (plain UTF-8, one line per element and field).
// It is trusted only whole: a file that is missing, cut short, written for another data
// file or not understood gives no source at all; a cell naming a source or mark it does
// not know gives none for that cell. Never a wrong source, and never a message: the
// program works as without it.
class Provenance
{
public:
    struct Cell
    {
        QStringList citations;
        QStringList marks; // "estimated", "calculated", "range", "liquid", "solid", "gas"
    };

    // Reads the file at path for the data file whose bytes are dataBytes.
    void load(const QString &path, const QByteArray &dataBytes);
    // The same from the file's text, for tests.
    void parse(const QByteArray &text, const QByteArray &dataBytes);

    bool isEmpty() const { return m_cells.isEmpty(); }
    // Sources and marks of field j of element z (the shown text of a field, or the number
    // field of a trend property); empty citations when there is no source to show.
    Cell cell(int z, int field) const;
    // "CRC Handbook of Chemistry and Physics, 97th ed. (2016); estimated", or "".
    QString toolTip(int z, int field) const;

private:
    QHash<int, Cell> m_cells; // key z * 64 + shown field
};
