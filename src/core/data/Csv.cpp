#include "data/Csv.h"

#include "base/Errors.h"

#include <QCoreApplication>

namespace Csv {

namespace {

// Field j as a column heading: its caption and unit from the field catalogue; a value
// field (the plain number behind a display field) says so.
QString heading(int j)
{
    const FieldInfo &f = Fields::info(j);
    QString text = Fields::caption(j);
    if (f.isValue())
        text = QCoreApplication::translate("Csv", "%1 value").arg(text);
    const QString unit = Fields::unit(j);
    // Square brackets: some units carry a remark in parentheses of their own.
    return unit.isEmpty() ? text : text + QStringLiteral(" [") + unit + QLatin1Char(']');
}

QByteArray joined(const QStringList &rows)
{
    return rows.join(QString()).toUtf8();
}

}

QString field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : text)
        quote = quote || special.contains(c);
    if (!quote)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString row(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &f : fields)
        quoted << field(f);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString number(const QString &text, QChar decimalSeparator)
{
    if (!ElementText::hasValue(text))
        return QString();
    ElementText::number(text, decimalSeparator); // throws for a text that is no number
    QString plain = text.trimmed();
    if (decimalSeparator != QLatin1Char('.'))
        plain.replace(decimalSeparator, QLatin1Char('.'));
    return plain;
}

QStringList allElementsHeader()
{
    QStringList h { QCoreApplication::translate("Csv", "Atomic Number") };
    for (int j = 0; j < FieldsPerElement; ++j)
        h << heading(j);
    return h;
}

QByteArray allElements(const ElementData &data, const NameOf &name, const NameOf &symbol, int count)
{
    QStringList rows { row(allElementsHeader()) };
    QStringList cells;
    for (int z = 1; z <= count; ++z) {
        cells.clear();
        cells << QString::number(z);
        for (int j = 0; j < FieldsPerElement; ++j) {
            const QString text = data.field(z, j);
            if (j == Field::Name)
                cells << name(z);
            else if (j == Field::Symbol)
                cells << symbol(z);
            else if (!ElementText::hasValue(text))
                cells << QString();
            else if (j == Field::CrystalStructure || j == Field::AcidBase) {
                // The codes as words; an unknown code is no value.
                const QString word = j == Field::AcidBase ? ElementText::acidBaseText(text)
                                                          : ElementText::crystalStructureText(text);
                cells << (ElementText::hasValue(word) ? word : QString());
            } else
                cells << text;
        }
        rows << row(cells);
    }
    return joined(rows);
}

QString trendUnit(int property)
{
    if (property < 0 || property >= TrendPropertyCount)
        Errors::listIndexOutOfBounds();
    return Fields::unit(Fields::trend(property).valueField);
}

QByteArray trend(const ElementData &data, QChar decimalSeparator, int property, const NameOf &name,
    const NameOf &symbol, int count)
{
    if (property < 0 || property >= TrendPropertyCount)
        Errors::listIndexOutOfBounds();
    const TrendProperty &p = Fields::trend(property);
    const QString unit = trendUnit(property);
    QString valueHeading = Fields::trendName(property);
    if (!unit.isEmpty())
        valueHeading += QStringLiteral(" [") + unit + QLatin1Char(']');
    QStringList rows { row({ QCoreApplication::translate("Csv", "Atomic Number"),
        QCoreApplication::translate("Csv", "Symbol"), QCoreApplication::translate("Csv", "Name"),
        valueHeading }) };

    int first = 0, last = 0;
    for (int z = 1; z <= count; ++z) {
        if (ElementText::hasValue(data.field(z, p.valueField))) {
            if (first == 0)
                first = z;
            last = z;
        }
    }
    for (int z = first; first > 0 && z <= last; ++z)
        rows << row({ QString::number(z), symbol(z), name(z),
            number(data.field(z, p.valueField), decimalSeparator) });
    return joined(rows);
}

}
