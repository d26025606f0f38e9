#include "data/ElementData.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <set>

// Checks the shipped element data file: the invariants the program relies on without
// checking them, well-known values that a wrong column or unit would break, the rules a
// chemist would check, and a second table of handbook values kept beside the generator.
class TestDataFile : public QObject
{
    Q_OBJECT

private:
    ElementData m_data;
    const QChar m_point = QLatin1Char('.');

    QString field(int z, int j) const { return m_data.field(z, j); }
    double value(int z, int j) const { return ElementText::number(field(z, j), m_point); }
    bool synthetic(int z) const { return ElementText::flag(field(z, Field::Synthetic)); }

private slots:
    void initTestCase();
    void fileShape();
    void syntheticFlags();
    void valueFieldsAreNumbers();
    void commaSeparatorKeepsNumbers();
    void meltingAndBoilingPoints();
    void displayAgreesWithValue();
    void displayTexts();
    void codes();
    void trendPropertiesHaveSpread();
    void wellKnownValues_data();
    void wellKnownValues();
    void stateAtTemperature_data();
    void stateAtTemperature();
    void atomicWeights_data();
    void atomicWeights();
    void atomicVolumeIsWeightOverDensity_data();
    void atomicVolumeIsWeightOverDensity();
    void boilingPointMeasuredOrEstimated_data();
    void boilingPointMeasuredOrEstimated();
    void highestOxidationState_data();
    void highestOxidationState();
    void nobleGasCrystals_data();
    void nobleGasCrystals();
    void referenceTable_data();
    void referenceTable();
    void independentTable_data();
    void independentTable();
};

void TestDataFile::initTestCase()
{
    m_data.load(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
}

void TestDataFile::fileShape()
{
    // The 109 records, and those of elements 110 to 118 after them.
    QCOMPARE(m_data.lineCount(), MaxLines);
    QCOMPARE(m_data.recordCount(), MaxElementCount);
    QFile file(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains('\0'));
    QVERIFY(bytes.endsWith("\r\n"));
    // Every line break is CR LF, so no reader sees an extra empty line.
    QCOMPARE(bytes.count("\r\n"), qsizetype(MaxLines));
    QCOMPARE(bytes.count('\n'), qsizetype(MaxLines));
    for (int z = 1; z <= MaxElementCount; ++z) {
        for (int j = 0; j < FieldsPerElement; ++j) {
            const QString text = field(z, j);
            const QByteArray where = QByteArray::number(z) + ":" + QByteArray::number(j);
            QVERIFY2(!text.isEmpty(), where);
            QVERIFY2(text == text.trimmed(), where);
        }
        const QString name = field(z, Field::Name);
        const QString symbol = field(z, Field::Symbol);
        QVERIFY2(!name.contains(' ') && !symbol.contains(' '), qPrintable(name));
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z][a-z]{0,2}$")).match(symbol).hasMatch(),
            qPrintable(symbol));
    }
}

void TestDataFile::syntheticFlags()
{
    std::set<int> expected { 43, 61 };
    for (int z = 93; z <= MaxElementCount; ++z)
        expected.insert(z);
    for (int z = 1; z <= MaxElementCount; ++z) {
        const QString text = field(z, Field::Synthetic);
        QVERIFY2(text == QLatin1String("0") || text == QLatin1String("1"), qPrintable(text));
        QCOMPARE(synthetic(z), expected.count(z) == 1);
    }
}

void TestDataFile::valueFieldsAreNumbers()
{
    // Plain numbers only: nothing the locale conversion could read differently.
    const QRegularExpression plain(QStringLiteral("^[-+]?\\d+(\\.\\d+)?([eE][-+]?\\d+)?$"));
    for (int z = 1; z <= ElementCount; ++z) {
        for (int j = Field::AtomicWeightValue; j <= Field::CovalentRadiusValue; ++j) {
            const QString text = field(z, j);
            if (!ElementText::hasValue(text))
                continue;
            const QByteArray where = QByteArray::number(z) + ":" + QByteArray::number(j);
            QVERIFY2(plain.match(text).hasMatch(), where + " " + text.toLatin1());
            QVERIFY2(value(z, j) > 0, where);
        }
    }
}

void TestDataFile::commaSeparatorKeepsNumbers()
{
    ElementData comma;
    comma.load(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
    comma.fixDecimalSeparator(QLatin1Char(','));
    for (int z = 1; z <= ElementCount; ++z) {
        // Names, symbols and configurations hold no point, so the fix-up leaves them alone.
        for (int j : { int(Field::Name), int(Field::Symbol), int(Field::ElectronConfig) })
            QCOMPARE(comma.field(z, j), field(z, j));
        for (int j = Field::AtomicWeightValue; j <= Field::CovalentRadiusValue; ++j) {
            if (ElementText::hasValue(field(z, j)))
                QCOMPARE(ElementText::number(comma.field(z, j), QLatin1Char(',')), value(z, j));
        }
    }
}

void TestDataFile::meltingAndBoilingPoints()
{
    for (int z = 1; z <= ElementCount; ++z) {
        const bool hasBoiling = ElementText::hasValue(field(z, Field::BoilingPointValue));
        const bool hasMelting = ElementText::hasValue(field(z, Field::MeltingPointValue));
        if (!synthetic(z))
            QVERIFY2(hasBoiling && hasMelting, QByteArray::number(z));
        if (hasBoiling && hasMelting)
            QVERIFY2(value(z, Field::BoilingPointValue) >= value(z, Field::MeltingPointValue),
                QByteArray::number(z));
    }
}

void TestDataFile::displayAgreesWithValue()
{
    // A display text shows the same number as its value field, so the information window
    // and the trend views never disagree; only the weights of elements without a standard
    // weight carry brackets.
    for (const TrendProperty &p : Fields::trends()) {
        for (int z = 1; z <= ElementCount; ++z) {
            const QString number = field(z, p.valueField);
            QString shown = field(z, p.displayField);
            const QByteArray where = QByteArray(p.name) + " " + QByteArray::number(z);
            if (!ElementText::hasValue(number)) {
                QVERIFY2(!ElementText::hasValue(shown), where);
                continue;
            }
            if (p.displayField == Field::AtomicWeight && shown.startsWith(QLatin1Char('[')))
                shown = shown.mid(1);
            QVERIFY2(shown.startsWith(number), where + " " + shown.toLatin1());
            const QChar next = shown.size() > number.size() ? shown.at(number.size()) : QChar();
            QVERIFY2(next.isNull() || next == QLatin1Char(' ') || next == QLatin1Char(']'), where);
        }
    }
}

void TestDataFile::displayTexts()
{
    const QList<int> quantities { 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19 };
    for (int z = 1; z <= ElementCount; ++z) {
        for (int j : quantities)
            QVERIFY2(field(z, j).size() <= 50, QByteArray::number(z) + ":" + QByteArray::number(j));
        // The ionization text carries its own unit, as no suffix is appended to it.
        const QString ionization = field(z, Field::FirstIonization);
        QVERIFY(!ElementText::hasValue(ionization) || ionization.contains(QLatin1String(" eV")));
        // A density with a remark is shown without suffix, so the remark names the unit.
        const QString density = Fields::displayText(m_data, z, Field::Density);
        QVERIFY2(!ElementText::hasValue(density) || density.contains(QString::fromUtf8("g/cm³")),
            qPrintable(density));
    }
    QCOMPARE(Fields::displayText(m_data, 1, Field::Density),
        QString::fromUtf8("0.00008988 g/cm³ (gas, 273 K)"));
    QCOMPARE(Fields::displayText(m_data, 26, Field::Density), QString::fromUtf8("7.874 g/cm³"));
    QCOMPARE(
        Fields::displayText(m_data, 85, Field::MeltingPoint), QStringLiteral("575 (estimated) K"));
}

void TestDataFile::codes()
{
    for (int z = 1; z <= ElementCount; ++z) {
        const QString crystal = field(z, Field::CrystalStructure);
        const QString acidBase = field(z, Field::AcidBase);
        QVERIFY2(crystal == QLatin1String("--") || QStringLiteral("12345678").contains(crystal),
            qPrintable(crystal));
        QVERIFY2(acidBase == QLatin1String("--") || QStringLiteral("123").contains(acidBase),
            qPrintable(acidBase));
    }
    for (int z : { 2, 10, 18, 36, 54, 86 })
        QCOMPARE(ElementText::acidBaseText(field(z, Field::AcidBase)), QStringLiteral("--"));
    QCOMPARE(ElementText::acidBaseText(field(11, Field::AcidBase)), QStringLiteral("Basic"));
    QCOMPARE(ElementText::acidBaseText(field(13, Field::AcidBase)), QStringLiteral("Amphoteric"));
    QCOMPARE(ElementText::acidBaseText(field(16, Field::AcidBase)), QStringLiteral("Acidic"));
    QCOMPARE(ElementText::crystalStructureText(field(26, Field::CrystalStructure)),
        QStringLiteral("Cubic, body centered"));
    QCOMPARE(ElementText::crystalStructureText(field(29, Field::CrystalStructure)),
        QStringLiteral("Cubic, face centered"));
    QCOMPARE(ElementText::crystalStructureText(field(12, Field::CrystalStructure)),
        QStringLiteral("Hexagonal"));
    QCOMPARE(field(1, Field::ElectronConfig), QStringLiteral("1s1"));
    QCOMPARE(field(26, Field::ElectronConfig), QStringLiteral("[Ar] 3d6 4s2"));
    QCOMPARE(field(1, Field::OxidationStates), QStringLiteral("+1, -1"));
}

// The relief needs two distinct values of every property to have a scale.
void TestDataFile::trendPropertiesHaveSpread()
{
    for (const TrendProperty &p : Fields::trends()) {
        std::set<double> values;
        for (int z = 1; z <= ElementCount; ++z) {
            if (ElementText::hasValue(field(z, p.valueField)))
                values.insert(value(z, p.valueField));
        }
        QVERIFY2(values.size() >= 2, p.name);
    }
}

void TestDataFile::wellKnownValues_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("field");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    QTest::newRow("H weight") << 1 << int(Field::AtomicWeightValue) << 1.007 << 1.009;
    QTest::newRow("H ionization eV") << 1 << int(Field::FirstIonizationValue) << 13.597 << 13.599;
    QTest::newRow("H gas density g/cm3") << 1 << int(Field::DensityValue) << 8.9e-5 << 9.0e-5;
    QTest::newRow("Li melting") << 3 << int(Field::MeltingPointValue) << 453.6 << 453.7;
    QTest::newRow("C density") << 6 << int(Field::DensityValue) << 2.2 << 3.6;
    QTest::newRow("O electronegativity") << 8 << int(Field::ElectronegativityValue) << 3.43 << 3.45;
    QTest::newRow("Fe melting") << 26 << int(Field::MeltingPointValue) << 1810.5 << 1811.5;
    QTest::newRow("Fe density") << 26 << int(Field::DensityValue) << 7.86 << 7.88;
    QTest::newRow("Cu electrical conductivity")
        << 29 << int(Field::ElectricalConductivityValue) << 0.57 << 0.61;
    QTest::newRow("Cu thermal conductivity")
        << 29 << int(Field::ThermalConductivityValue) << 395.0 << 405.0;
    QTest::newRow("Cu specific heat per gram")
        << 29 << int(Field::SpecificHeatValue) << 0.38 << 0.39;
    QTest::newRow("Ar atomic volume") << 18 << int(Field::AtomicVolumeValue) << 22.0 << 29.0;
    QTest::newRow("Cs atomic radius angstrom") << 55 << int(Field::AtomicRadiusValue) << 2.0 << 3.5;
    QTest::newRow("C covalent radius angstrom")
        << 6 << int(Field::CovalentRadiusValue) << 0.7 << 0.8;
    QTest::newRow("W melting") << 74 << int(Field::MeltingPointValue) << 3690.0 << 3700.0;
    QTest::newRow("Ir heat of vaporization")
        << 77 << int(Field::HeatVaporizationValue) << 550.0 << 620.0;
    QTest::newRow("Na heat of fusion") << 11 << int(Field::HeatFusionValue) << 2.5 << 2.7;
    QTest::newRow("U weight") << 92 << int(Field::AtomicWeightValue) << 238.02 << 238.03;
    // Metals whose resistivity the packaged table writes as "about ...".
    QTest::newRow("Sc electrical conductivity")
        << 21 << int(Field::ElectricalConductivityValue) << 0.015 << 0.02;
    QTest::newRow("Ti electrical conductivity")
        << 22 << int(Field::ElectricalConductivityValue) << 0.02 << 0.03;
    QTest::newRow("Ga electrical conductivity")
        << 31 << int(Field::ElectricalConductivityValue) << 0.06 << 0.08;
    QTest::newRow("Y electrical conductivity")
        << 39 << int(Field::ElectricalConductivityValue) << 0.015 << 0.02;
    // Pure silicon is a poor conductor, far below the doped material's 10 S/cm.
    QTest::newRow("Si intrinsic conductivity")
        << 14 << int(Field::ElectricalConductivityValue) << 1e-12 << 1e-11;
    QTest::newRow("C heat of sublimation")
        << 6 << int(Field::HeatVaporizationValue) << 710.0 << 720.0;
    QTest::newRow("Br volume of the liquid") << 35 << int(Field::AtomicVolumeValue) << 25.3 << 25.9;
}

void TestDataFile::wellKnownValues()
{
    QFETCH(int, z);
    QFETCH(int, field);
    QFETCH(double, low);
    QFETCH(double, high);
    QVERIFY2(ElementText::hasValue(this->field(z, field)), "no value");
    const double v = value(z, field);
    QVERIFY2(v >= low && v <= high, QByteArray::number(v));
}

void TestDataFile::stateAtTemperature_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<double>("kelvin");
    QTest::addColumn<QString>("state");

    QTest::newRow("Hg at 298.15") << 80 << 298.15 << "liquid";
    QTest::newRow("Br at 298.15") << 35 << 298.15 << "liquid";
    QTest::newRow("Ga at 298.15") << 31 << 298.15 << "solid";
    QTest::newRow("Ga at 303") << 31 << 303.0 << "liquid";
    QTest::newRow("Cs at 298.15") << 55 << 298.15 << "solid";
    QTest::newRow("H at 298.15") << 1 << 298.15 << "gas";
    QTest::newRow("N at 298.15") << 7 << 298.15 << "gas";
    QTest::newRow("Cl at 298.15") << 17 << 298.15 << "gas";
    QTest::newRow("I at 298.15") << 53 << 298.15 << "solid";
    QTest::newRow("Fe at 298.15") << 26 << 298.15 << "solid";
    QTest::newRow("He at 2") << 2 << 2.0 << "liquid";
    QTest::newRow("As at 900, sublimed") << 33 << 900.0 << "gas";
    QTest::newRow("C at 4000") << 6 << 4000.0 << "solid";
    QTest::newRow("W at 4000") << 74 << 4000.0 << "liquid";
}

void TestDataFile::stateAtTemperature()
{
    QFETCH(int, z);
    QFETCH(double, kelvin);
    QFETCH(QString, state);
    // The tile's rule: below melting solid, below boiling liquid, else gas.
    const QString actual = kelvin < value(z, Field::MeltingPointValue) ? QStringLiteral("solid")
        : kelvin < value(z, Field::BoilingPointValue)                  ? QStringLiteral("liquid")
                                                                       : QStringLiteral("gas");
    QCOMPARE(actual, state);
}

void TestDataFile::atomicWeights_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("shown");

    // IUPAC 2021 abridged standard atomic weights.
    QTest::newRow("H") << 1 << "1.008";
    QTest::newRow("C") << 6 << "12.011";
    QTest::newRow("Cl") << 17 << "35.45";
    QTest::newRow("Fe") << 26 << "55.845";
    QTest::newRow("Zn") << 30 << "65.38";
    QTest::newRow("Se") << 34 << "78.971";
    QTest::newRow("Zr, revised 2021") << 40 << "91.222";
    QTest::newRow("Mo") << 42 << "95.95";
    QTest::newRow("Pb") << 82 << "207.2";
    QTest::newRow("U") << 92 << "238.03";
    // No standard weight: the mass number of the longest-lived isotope, for every element.
    QTest::newRow("Tc-97") << 43 << "[97]";
    QTest::newRow("Pm-145") << 61 << "[145]";
    QTest::newRow("Po-209") << 84 << "[209]";
    QTest::newRow("Ra-226") << 88 << "[226]";
    QTest::newRow("Pu-244") << 94 << "[244]";
    QTest::newRow("Cf-251") << 98 << "[251]";
    QTest::newRow("No-259") << 102 << "[259]";
    QTest::newRow("Lr-266") << 103 << "[266]";
    QTest::newRow("Rf-267") << 104 << "[267]";
    QTest::newRow("Mt-278") << 109 << "[278]";
}

void TestDataFile::atomicWeights()
{
    QFETCH(int, z);
    QFETCH(QString, shown);
    QCOMPARE(field(z, Field::AtomicWeight), shown);
}

void TestDataFile::atomicVolumeIsWeightOverDensity_data()
{
    QTest::addColumn<int>("z");
    for (int z = 1; z <= ElementCount; ++z) {
        if (ElementText::hasValue(field(z, Field::AtomicVolumeValue))
            && ElementText::hasValue(field(z, Field::DensityValue)))
            QTest::newRow(qPrintable(field(z, Field::Symbol))) << z;
    }
}

void TestDataFile::atomicVolumeIsWeightOverDensity()
{
    // The molar volume of the phase whose density is given, or a remark naming the phase
    // (the gases, whose density is the gas's and whose volume is the liquid's).
    QFETCH(int, z);
    const QString shown = field(z, Field::AtomicVolume);
    if (shown.contains(QLatin1String("(liquid")) || shown.contains(QLatin1String("(solid")))
        return;
    const double ratio = value(z, Field::AtomicVolumeValue) * value(z, Field::DensityValue)
        / value(z, Field::AtomicWeightValue);
    QVERIFY2(qAbs(ratio - 1.0) <= 0.02, QByteArray::number(ratio));
}

void TestDataFile::boilingPointMeasuredOrEstimated_data()
{
    QTest::addColumn<int>("z");
    for (int z = 1; z <= ElementCount; ++z) {
        if (!synthetic(z))
            QTest::newRow(qPrintable(field(z, Field::Symbol))) << z;
    }
}

void TestDataFile::boilingPointMeasuredOrEstimated()
{
    QFETCH(int, z);
    const QString shown = field(z, Field::BoilingPoint);
    const QRegularExpression form(
        QStringLiteral("^\\d+(\\.\\d+)? ?(\\((estimated|sublimes)\\))?$"));
    QVERIFY2(form.match(shown).hasMatch(), qPrintable(shown));
    // Never measured: astatine and francium (no bulk sample), actinium and protactinium
    // (extrapolated from vapour pressures far below the boiling point).
    if (z == 85 || z == 87 || z == 89 || z == 91)
        QVERIFY2(shown.endsWith(QLatin1String(" (estimated)")), qPrintable(shown));
}

void TestDataFile::highestOxidationState_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("highest");

    // The highest state with well-characterised compounds (permanganate, osmium tetroxide,
    // perrhenate, ...), for the d-block and some main-group elements.
    const std::pair<int, int> highest[] = { { 8, 2 }, { 7, 5 }, { 16, 6 }, { 17, 7 }, { 53, 7 },
        { 54, 8 }, { 82, 4 }, { 83, 5 }, { 92, 6 }, { 21, 3 }, { 22, 4 }, { 23, 5 }, { 24, 6 },
        { 25, 7 }, { 26, 6 }, { 27, 3 }, { 28, 3 }, { 29, 2 }, { 30, 2 }, { 39, 3 }, { 40, 4 },
        { 41, 5 }, { 42, 6 }, { 43, 7 }, { 44, 8 }, { 45, 5 }, { 46, 4 }, { 47, 2 }, { 48, 2 },
        { 57, 3 }, { 72, 4 }, { 73, 5 }, { 74, 6 }, { 75, 7 }, { 76, 8 }, { 77, 6 }, { 78, 4 },
        { 79, 3 }, { 80, 2 } };
    for (const auto &[z, state] : highest)
        QTest::newRow(qPrintable(field(z, Field::Symbol))) << z << state;
}

void TestDataFile::highestOxidationState()
{
    QFETCH(int, z);
    QFETCH(int, highest);
    const QString text = field(z, Field::OxidationStates);
    QVERIFY2(QRegularExpression(QStringLiteral("^[+-]\\d(, [+-]\\d)*$")).match(text).hasMatch(),
        qPrintable(text));
    // Written from the highest down, so the first state is the highest one listed.
    QCOMPARE(text.section(QLatin1String(", "), 0, 0).toInt(), highest);
}

void TestDataFile::nobleGasCrystals_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("structure");

    QTest::newRow("He") << 2 << "Hexagonal";
    for (int z : { 10, 18, 36, 54, 86 })
        QTest::newRow(qPrintable(field(z, Field::Symbol))) << z << "Cubic, face centered";
}

void TestDataFile::nobleGasCrystals()
{
    QFETCH(int, z);
    QFETCH(QString, structure);
    QCOMPARE(ElementText::crystalStructureText(field(z, Field::CrystalStructure)), structure);
}

void TestDataFile::referenceTable_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("valueField");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    QFile file(QStringLiteral(AURALIS_DATAGEN_DIR "/reference.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<QStringList> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            rows.append(line.split(QLatin1Char(',')));
    }
    QVERIFY(rows.size() > 2);
    const QStringList header = rows.takeFirst();
    const QStringList tolerance = rows.takeFirst();
    QCOMPARE(tolerance.first(), QStringLiteral("tolerance"));
    QCOMPARE(rows.size(), 21);
    QCOMPARE(header.size(), 2 + TrendPropertyCount);
    for (int c = 2; c < header.size(); ++c) {
        const TrendProperty *p = std::find_if(Fields::trends().begin(), Fields::trends().end(),
            [&](const TrendProperty &t) { return header.at(c) == QLatin1String(t.name); });
        QVERIFY2(p != Fields::trends().end(), qPrintable(header.at(c)));
        for (const QStringList &row : rows) {
            QCOMPARE(row.size(), header.size());
            if (row.at(c) == QLatin1String("--"))
                continue;
            const QString name = row.at(0) + QLatin1Char(' ') + header.at(c);
            QTest::newRow(qPrintable(name)) << row.at(1).toInt() << p->valueField
                                            << row.at(c).toDouble() << tolerance.at(c).toDouble();
        }
    }
}

void TestDataFile::referenceTable()
{
    QFETCH(int, z);
    QFETCH(int, valueField);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY2(ElementText::hasValue(field(z, valueField)), "no value");
    const double deviation = qAbs(value(z, valueField) / expected - 1.0) * 100.0;
    QVERIFY2(deviation <= tolerance,
        qPrintable(QStringLiteral("%1 against %2: %3 %")
                       .arg(field(z, valueField))
                       .arg(expected)
                       .arg(deviation, 0, 'f', 2)));
}

void TestDataFile::independentTable_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("valueField");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("explained");

    // Disagreements looked at and explained, as "Z= 56 boiling         independent ...".
    QFile log(QStringLiteral(AURALIS_DATAGEN_DIR "/crosscheck.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString explanations = QString::fromUtf8(log.readAll());
    const std::pair<const char *, int> fields[] = { { "weight", Field::AtomicWeightValue },
        { "melting", Field::MeltingPointValue }, { "boiling", Field::BoilingPointValue },
        { "density", Field::DensityValue }, { "heat_fus", Field::HeatFusionValue },
        { "heat_vap", Field::HeatVaporizationValue },
        { "covalent_radius", Field::CovalentRadiusValue },
        { "electroneg", Field::ElectronegativityValue },
        { "ionization", Field::FirstIonizationValue },
        { "atomic_radius", Field::AtomicRadiusValue }, { "spec_heat", Field::SpecificHeatValue },
        { "volume", Field::AtomicVolumeValue }, { "therm_cond", Field::ThermalConductivityValue },
        { "elec_cond", Field::ElectricalConductivityValue } };

    QFile file(QStringLiteral(AURALIS_DATAGEN_DIR "/independent.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QHash<QString, double> tolerance;
    QSet<QString> sources;
    int values = 0;
    while (!file.atEnd()) {
        const QStringList cell
            = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        // "tolerance,<property>,<percent>[,<source>]": a source's own band overrides the property's
        if (cell.first() == QLatin1String("tolerance"))
            tolerance.insert(
                cell.size() > 3 ? cell.at(1) + QLatin1Char('/') + cell.at(3) : cell.at(1),
                cell.at(2).toDouble());
        if (cell.first() == QLatin1String("source"))
            sources.insert(cell.at(1));
        if (cell.first() != QLatin1String("value"))
            continue;
        QCOMPARE(cell.size(), 6);
        QVERIFY2(sources.contains(cell.at(5)), qPrintable(cell.at(5) + " has no source line"));
        const QString &key = cell.at(3);
        const auto field = std::find_if(std::begin(fields), std::end(fields),
            [&](const auto &f) { return key == QLatin1String(f.first); });
        QVERIFY2(field != std::end(fields) && tolerance.contains(key), qPrintable(key));
        const int z = cell.at(1).toInt();
        const QString prefix = QStringLiteral("Z=%1 %2 independent ").arg(z, 3).arg(key, -15);
        QTest::newRow(qPrintable(cell.at(2) + QLatin1Char(' ') + key))
            << z << field->second << cell.at(4).toDouble()
            << tolerance.value(key + QLatin1Char('/') + cell.at(5), tolerance.value(key))
            << explanations.contains(prefix);
        ++values;
    }
    QVERIFY(values > 1000);
}

void TestDataFile::independentTable()
{
    QFETCH(int, z);
    QFETCH(int, valueField);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QFETCH(bool, explained);
    if (explained)
        return; // a disagreement of the literature, or another form of the element
    QVERIFY2(ElementText::hasValue(field(z, valueField)), "no value and no explanation");
    const double deviation = qAbs(value(z, valueField) / expected - 1.0) * 100.0;
    QVERIFY2(deviation <= tolerance,
        qPrintable(QStringLiteral("%1 against %2: %3 %, not explained in crosscheck.txt")
                       .arg(field(z, valueField))
                       .arg(expected)
                       .arg(deviation, 0, 'f', 2)));
}

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
