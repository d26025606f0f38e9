#include "data/ElementData.h"
#include "data/Provenance.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The provenance reader: a source only where the file can be trusted for that cell.
class TestProvenance : public QObject
{
    Q_OBJECT

    static QByteArray file(const QByteArray &data, const QByteArray &cells, int count)
    {
        return "# comment\nformat\t1\ndata\t"
            + QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex()
            + "\nsource\tcrc\tCRC Handbook of Chemistry and Physics, 97th ed. (2016)\tused\n"
              "source\tpm\tpymatgen 2022.11.7\tused\n"
            + cells + "end\t" + QByteArray::number(count) + "\n";
    }

private slots:
    void reader_data();
    void reader();
    void shippedFileSourcesEveryValue();
};

void TestProvenance::reader_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("tip");

    const QByteArray data = "the data file\r\n";
    const QByteArray crc = "CRC Handbook of Chemistry and Physics, 97th ed. (2016)";
    const QByteArray cells = "cell\t95\t3\tcrc\testimated\n"
                             "cell\t95\t12\tcrc,pm\t\n"
                             "cell\t95\t17\tnobody\t\n"
                             "cell\t95\t4\tcrc\tguessed\n"
                             "cell\t95\t5\tcrc\t\ncell\t95\t5\tpm\t\n";
    const QByteArray good = file(data, cells, 6);

    QTest::newRow("mark") << good << data << int(Field::BoilingPoint)
                          << QString::fromLatin1(crc + "; estimated");
    QTest::newRow("number field shares the line") << good << data << int(Field::BoilingPointValue)
                                                  << QString::fromLatin1(crc + "; estimated");
    QTest::newRow("two sources") << good << data << int(Field::HeatFusion)
                                 << QString::fromLatin1(crc + "; pymatgen 2022.11.7");
    QTest::newRow("unknown id") << good << data << int(Field::AtomicVolume) << QString();
    QTest::newRow("unknown mark") << good << data << int(Field::MeltingPoint) << QString();
    QTest::newRow("two answers") << good << data << int(Field::Density) << QString();
    QTest::newRow("no line") << good << data << int(Field::Electronegativity) << QString();
    QTest::newRow("CR LF copy") << QByteArray(good).replace("\n", "\r\n") << data
                                << int(Field::BoilingPoint)
                                << QString::fromLatin1(crc + "; estimated");
    QTest::newRow("other data") << good << QByteArray("another data file\r\n")
                                << int(Field::BoilingPoint) << QString();
    QTest::newRow("cut short") << good.left(good.indexOf("end\t")) << data
                               << int(Field::BoilingPoint) << QString();
    QTest::newRow("cells lost") << file(data, cells.left(cells.indexOf("cell\t95\t17")), 6) << data
                                << int(Field::BoilingPoint) << QString();
    QTest::newRow("empty") << QByteArray() << data << int(Field::BoilingPoint) << QString();
    QTest::newRow("not UTF-8") << QByteArray(good).replace("97th", "97\xff") << data
                               << int(Field::BoilingPoint) << QString();
}

void TestProvenance::reader()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, data);
    QFETCH(int, field);
    QFETCH(QString, tip);
    Provenance provenance;
    provenance.parse(text, data);
    QCOMPARE(provenance.toolTip(95, field), tip);

    // The same through a file; a missing file gives nothing.
    QTemporaryDir dir;
    QFile out(dir.filePath(QStringLiteral("auralis.prov")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    provenance.load(out.fileName(), data);
    QCOMPARE(provenance.toolTip(95, field), tip);
    provenance.load(dir.filePath(QStringLiteral("missing.prov")), data);
    QVERIFY(provenance.isEmpty());
}

void TestProvenance::shippedFileSourcesEveryValue()
{
    QFile bkp(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
    QVERIFY(bkp.open(QIODevice::ReadOnly));
    const QByteArray bytes = bkp.readAll();
    ElementData data;
    data.loadBytes(bytes);
    Provenance provenance;
    provenance.load(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.prov"), bytes);
    for (int z = 1; z <= ElementCount; ++z) {
        for (int j = Field::AtomicWeight; j <= Field::Synthetic; ++j) {
            const QString tip = provenance.toolTip(z, j);
            QVERIFY2(ElementText::hasValue(data.field(z, j)) == !tip.isEmpty(),
                qPrintable(QStringLiteral("%1:%2 %3").arg(z).arg(j).arg(tip)));
        }
    }
    // The mended values name the handbook.
    QCOMPARE(provenance.toolTip(95, Field::BoilingPoint),
        QStringLiteral("CRC Handbook of Chemistry and Physics, 97th ed. (2016)"));
    QVERIFY(provenance.toolTip(100, Field::MeltingPoint).endsWith(QLatin1String("; estimated")));
    QVERIFY(provenance.toolTip(2, Field::AtomicVolume).endsWith(QLatin1String("; for the liquid")));

    // The help's Sources section lists every source the file cites.
    QFile help(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.hlp"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(help.readAll());
    const QString section = html.mid(html.indexOf(QLatin1String("name=\"sources\"")));
    QFile prov(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.prov"));
    QVERIFY(prov.open(QIODevice::ReadOnly | QIODevice::Text));
    int sources = 0;
    for (const QString &line : QString::fromUtf8(prov.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("source\t")))
            continue;
        ++sources;
        const QString citation = line.section(QLatin1Char('\t'), 2, 2).toHtmlEscaped();
        QVERIFY2(section.contains(citation), qPrintable(citation));
    }
    QVERIFY(sources >= 10);
}

QTEST_APPLESS_MAIN(TestProvenance)
#include "tst_provenance.moc"
