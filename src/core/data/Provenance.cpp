#include "data/Provenance.h"

#include "data/ElementData.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

namespace {

// A provenance file is a few hundred kilobytes at most; anything far larger is not one.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

int key(int z, int field)
{
    return z * 64 + field;
}

// The field whose text the information window shows: a trend property's number field
// shares the line of its shown text.
int shownField(int field)
{
    if (field < 0 || field >= FieldsPerElement)
        return -1;
    const int shown = Fields::info(field).displayField();
    return shown < 0 ? field : shown;
}

bool isProvenanceField(int field)
{
    return field >= Field::AtomicWeight && field <= Field::Synthetic;
}

QString markText(const QString &mark)
{
    // The marks as the file spells them, and what a reader is told of each.
    static const char *const texts[][2] = {
        { "estimated", QT_TRANSLATE_NOOP("Provenance", "estimated") },
        { "calculated", QT_TRANSLATE_NOOP("Provenance", "calculated") },
        { "predicted", QT_TRANSLATE_NOOP("Provenance", "predicted") },
        { "range",
            QT_TRANSLATE_NOOP("Provenance", "one value of a range: it depends on the sample") },
        { "liquid", QT_TRANSLATE_NOOP("Provenance", "for the liquid") },
        { "solid", QT_TRANSLATE_NOOP("Provenance", "for the solid") },
        { "gas", QT_TRANSLATE_NOOP("Provenance", "for the gas") },
    };
    for (const auto &t : texts)
        if (mark == QLatin1String(t[0]))
            return QCoreApplication::translate("Provenance", t[1]);
    return {};
}

} // namespace

void Provenance::load(const QString &path, const QByteArray &dataBytes)
{
    m_cells.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return;
    parse(file.read(MaxFileSize), dataBytes);
}

void Provenance::parse(const QByteArray &text, const QByteArray &dataBytes)
{
    m_cells.clear();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(text);
    if (decoder.hasError())
        return;

    const QString checksum = QString::fromLatin1(
        QCryptographicHash::hash(dataBytes, QCryptographicHash::Sha256).toHex());
    QHash<QString, QString> citations;
    struct Raw
    {
        int z, field;
        QString ids, marks;
    };
    QList<Raw> raw;
    QSet<int> seen, doubled;
    bool formatSeen = false, dataMatches = false, ended = false;
    int declared = -1, cellLines = 0;

    for (QString line : decoded.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1); // the same file after a copy that wrote CR LF
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (ended)
            return; // anything after the end line: not a file we wrote
        const QStringList parts = line.split(QLatin1Char('\t'));
        const QString &kind = parts.first();
        if (!formatSeen) {
            if (kind != QLatin1String("format") || parts.size() != 2
                || parts[1] != QLatin1String("1"))
                return;
            formatSeen = true;
        } else if (kind == QLatin1String("data")) {
            dataMatches = parts.size() == 2 && parts[1] == checksum;
            if (!dataMatches)
                return; // written for another data file
        } else if (kind == QLatin1String("source")) {
            if (parts.size() >= 3 && !parts[1].isEmpty() && !parts[2].trimmed().isEmpty())
                citations.insert(parts[1], parts[2].trimmed());
        } else if (kind == QLatin1String("cell")) {
            ++cellLines;
            bool zOk = false, fieldOk = false;
            const int z = parts.value(1).toInt(&zOk);
            const int field = parts.value(2).toInt(&fieldOk);
            if (parts.size() != 5 || !zOk || !fieldOk || z < 1 || z > MaxElementCount
                || !isProvenanceField(field))
                continue;
            const int k = key(z, field);
            if (seen.contains(k))
                doubled.insert(k); // two answers for one cell: show neither
            seen.insert(k);
            raw.append({ z, field, parts[3], parts[4] });
        } else if (kind == QLatin1String("end")) {
            bool ok = false;
            declared = parts.value(1).toInt(&ok);
            if (parts.size() != 2 || !ok)
                return;
            ended = true;
        }
        // Other kinds of line are for later versions of the file and are passed over.
    }
    // A file cut short has lost its end line or some cells.
    if (!dataMatches || !ended || declared != cellLines)
        return;

    for (const Raw &r : raw) {
        const int k = key(r.z, r.field);
        if (doubled.contains(k))
            continue;
        Cell cell;
        bool known = true;
        for (const QString &id : r.ids.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const auto it = citations.constFind(id);
            known = known && it != citations.constEnd();
            if (known)
                cell.citations << *it;
        }
        for (const QString &mark : r.marks.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            known = known && !markText(mark).isEmpty();
            cell.marks << mark;
        }
        if (known && !cell.citations.isEmpty())
            m_cells.insert(k, cell);
    }
}

Provenance::Cell Provenance::cell(int z, int field) const
{
    return m_cells.value(key(z, shownField(field)));
}

QString Provenance::toolTip(int z, int field) const
{
    const Cell c = cell(z, field);
    if (c.citations.isEmpty())
        return {};
    QStringList parts = c.citations;
    for (const QString &mark : c.marks)
        parts << markText(mark);
    return parts.join(QStringLiteral("; "));
}
