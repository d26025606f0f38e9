#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "data/Fields.h"

// The element data file: 109 records of 35 lines, and the records of elements 110 to 118
// after them in a file that has them, read once into a list of text lines. Field j (0..34)
// of element Z (1..118) is line (Z − 1) × 35 + j.
class ElementData
{
public:
    // Reads the whole file; throws "Cannot open file %s" with the full path (the list stays
    // empty). A file over 64 MiB is no data file and is refused with the same message.
    void load(const QString &path);
    // Splits bytes (Windows-1252) into lines at CR, LF or CR LF; LF CR is two breaks; a
    // NUL byte ends the text; a last line without a break is still a line.
    void loadBytes(const QByteArray &bytes);
    static QStringList splitLines(const QByteArray &bytes);

    // Replaces the first "." of every line by the separator, unless it is ".".
    void fixDecimalSeparator(QChar decimalSeparator);

    // Throws "List index out of bounds" beyond the loaded lines or outside 1..118 / 0..34.
    QString field(int z, int j) const;
    // How many records the file holds whole, at most 118: a record cut short counts as
    // missing.
    int recordCount() const
    {
        return int(std::min<qsizetype>(m_lines.size(), MaxLines) / FieldsPerElement);
    }
    int lineCount() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
};

namespace ElementText {
// false exactly when the text is "--".
bool hasValue(const QString &text);
// The number in the user's notation; throws "'%s' is not a valid floating point value".
double number(const QString &text, QChar decimalSeparator);
// The text as an integer (throws "'%s' is not a valid integer value"); true when its low
// byte is non-zero.
bool flag(const QString &text);
QString acidBaseText(const QString &code);
QString crystalStructureText(const QString &code);
}
