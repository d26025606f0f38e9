// The exports: the table as SVG, PDF and PNG, the graph, the data, from the command line
// (the real program, no display) and from a window in this process.

#include "common/Choosers.h"
#include "common/ErrorBox.h"
#include "common/ExportFile.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "windows/Unt_grph.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QString Program = QStringLiteral(AURALIS_BIN_DIR "/auralis");

struct Run
{
    int code = -1;
    QString err;
};

Run run(const QStringList &arguments)
{
    QProcess p;
    // No display: the exports must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);
    p.setProcessEnvironment(env);
    p.start(Program, arguments);
    if (!p.waitForFinished(60000))
        return {};
    return { p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError()) };
}

QString settingsFolder(QTemporaryDir &dir, const QString &ini)
{
    QFile f(dir.filePath(u"auralis.ini"_s));
    f.open(QIODevice::WriteOnly);
    f.write(ini.toUtf8());
    return dir.path();
}

}

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(Program)); }

    // Each bad request: one message, exit code 2, nothing written.
    void commandLineRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList { u"--export-table"_s, u"@.svg"_s,
            u"--colour"_s } << u"unknown option '--colour'"_s;
        QTest::newRow("table suffix")
            << QStringList { u"--export-table"_s, u"@.jpg"_s } << u".pdf, .svg or .png"_s;
        QTest::newRow("data suffix") << QStringList { u"--export-data"_s, u"@.txt"_s } << u".csv"_s;
        QTest::newRow("graph without property")
            << QStringList { u"--export-graph"_s, u"@.csv"_s } << u"needs --property"_s;
        QTest::newRow("unknown property") << QStringList { u"--export-graph"_s, u"@.csv"_s,
            u"--property"_s, u"Colour"_s } << u"'Colour' is no trend property"_s;
        QTest::newRow("property 14")
            << QStringList { u"--export-graph"_s, u"@.csv"_s, u"--property"_s, u"14"_s }
            << u"'14' is no trend property"_s;
        QTest::newRow("size form") << QStringList { u"--export-table"_s, u"@.png"_s, u"--size"_s,
            u"300*200"_s } << u"'300*200' is not a size"_s;
        QTest::newRow("size too big") << QStringList { u"--export-table"_s, u"@.png"_s, u"--size"_s,
            u"99999x10"_s } << u"'99999x10' is not a size"_s;
        QTest::newRow("temperature range")
            << QStringList { u"--export-table"_s, u"@.svg"_s, u"--temperature"_s, u"6000.5"_s }
            << u"'6000.5' is not a temperature"_s;
        QTest::newRow("temperature text") << QStringList { u"--export-table"_s, u"@.svg"_s,
            u"--temperature"_s, u"hot"_s } << u"'hot' is not a temperature"_s;
        QTest::newRow("value missing") << QStringList { u"--export-table"_s, u"@.svg"_s,
            u"--trend"_s } << u"--trend needs a value"_s;
        QTest::newRow("settings folder missing") << QStringList { u"--export-data"_s, u"@.csv"_s,
            u"--settings"_s, u"@/none"_s } << u"is not a folder"_s;
        QTest::newRow("two commands")
            << QStringList { u"--export-table"_s, u"@.svg"_s, u"--export-data"_s, u"@.csv"_s }
            << u"give one of"_s;
        QTest::newRow("option of another command") << QStringList { u"--export-data"_s, u"@.csv"_s,
            u"--trend"_s, u"Density"_s } << u"belong to --export-table"_s;
    }
    void commandLineRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        for (QString &a : arguments)
            a.replace(u'@', dir.filePath(u"out"_s));
        const Run r = run(arguments);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A file that cannot be written (under a plain file, or a folder of that name): exit
    // 1 with its path, and no partial or temporary file.
    void unwritableFile()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath(u"plain"_s));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QDir().mkpath(dir.filePath(u"folder.svg"_s));
        for (const QStringList &args :
            { QStringList { u"--export-table"_s, dir.filePath(u"plain/table.svg"_s) },
                QStringList { u"--export-table"_s, dir.filePath(u"folder.svg"_s) },
                QStringList { u"--export-data"_s, dir.filePath(u"plain/data.csv"_s) } }) {
            const Run r = run(args);
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(args[1]), qPrintable(r.err));
            QCOMPARE(r.err.count(u'\n'), 1);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({ u"folder.svg"_s, u"plain"_s }));
        QCOMPARE(
            QDir(dir.filePath(u"folder.svg"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
    }

    // The SVG is valid and every symbol is a text element; the PDF's text holds the
    // symbols of the naming scheme in force and the legend.
    void tableAsSvgAndPdf()
    {
        QTemporaryDir dir;
        const QString folder = settingsFolder(dir, u"[Settings]\nNaming Scheme=1\n"_s);
        const QString svg = dir.filePath(u"table.svg"_s);
        QCOMPARE(
            run({ u"--export-table"_s, svg, u"--settings"_s, folder, u"--trend"_s, u"Density"_s })
                .code,
            0);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QFile f(svg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QSet<QString> texts;
        static const QRegularExpression element(u"<text[^>]*>\\s*([^<]*?)\\s*</text>"_s);
        for (const auto &m : element.globalMatch(text))
            texts.insert(m.captured(1));
        ElementData data;
        data.load(QStringLiteral(AURALIS_BIN_DIR "/auralis.bkp"));
        for (int z = 1; z <= 103; ++z)
            QVERIFY2(texts.contains(data.field(z, Field::Symbol)), qPrintable(data.field(z, 1)));
        QVERIFY(texts.contains(u"Metals"_s));
        QVERIFY(texts.contains(u"VIIB"_s));

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        for (const auto &[scheme, symbol] :
            { std::pair { u"1"_s, u"Une"_s }, std::pair { u"3"_s, u"Mt"_s } }) {
            QTemporaryDir d;
            const QString f2
                = settingsFolder(d, u"[Settings]\nNaming Scheme="_s + scheme + u"\n"_s);
            const QString pdf = d.filePath(u"table.pdf"_s);
            QCOMPARE(run({ u"--export-table"_s, pdf, u"--settings"_s, f2 }).code, 0);
            QProcess p;
            p.start(pdftotext, { pdf, u"-"_s });
            QVERIFY(p.waitForFinished(20000));
            const QString words = QString::fromUtf8(p.readAllStandardOutput());
            for (const QString &w : { u"Fe"_s, symbol, u"Metals"_s, u"Semimetals"_s, u"Gases"_s })
                QVERIFY2(words.contains(w), qPrintable(w));
        }
    }

    // The graph as SVG and CSV from the command line; the data CSV has 110 records.
    void graphAndData()
    {
        QTemporaryDir dir;
        const QString svg = dir.filePath(u"graph.svg"_s);
        const QString csv = dir.filePath(u"graph.csv"_s);
        const QString all = dir.filePath(u"all.csv"_s);
        QCOMPARE(run({ u"--export-graph"_s, svg, u"--property"_s, u"melting point"_s }).code, 0);
        QVERIFY(QSvgRenderer(svg).isValid());
        QCOMPARE(run({ u"--export-graph"_s, csv, u"--property"_s, u"5"_s }).code, 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("\r\n26,Fe,Iron,7.874\r\n"));
        QCOMPARE(run({ u"--export-data"_s, all }).code, 0);
        QFile a(all);
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll().count("\r\n"), 110);
    }

    // The graph window's Export (Ctrl+E, the save dialog answered) and Copy (Ctrl+C); the
    // chart printed to a PDF file, as the print dialog does without a printer.
    void graphByKeysAndPrintToPdf()
    {
        ErrorBox::setRecording(true);
        Choosers::setAnswering(true);
        Choosers::reset();
        QTemporaryDir dir;
        TfrmAuralis::StartOptions o;
        o.arguments = { settingsFolder(dir, u"[About]\nRead=1\n[Graph Window]\nProperty=5\n"_s) };
        o.programFolder = QStringLiteral(AURALIS_BIN_DIR "/");
        TfrmAuralis main(o);
        TfrmGraph graph(main.state(), &main);
        main.attachToolWindows({ nullptr, &graph, nullptr, nullptr, nullptr, nullptr });
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));

        const QString csv = dir.filePath(u"graph.csv"_s);
        Choosers::answerFile(csv);
        QTest::keyClick(&graph, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(Choosers::asked().size(), 1);
        QCOMPARE(Choosers::asked().first().kind, Choosers::Question::SaveFile);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY(text.startsWith("Atomic Number,Symbol,Name,Density [g/cm\xc2\xb3]\r\n"));

        QTest::keyClick(&graph, Qt::Key_C, Qt::ControlModifier);
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasImage());
        QCOMPARE(copied->text().toUtf8(), text);
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), graph.pntGraph->size());

        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        main.layoutUnshown(QSize(900, 640));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(main.logicalDpiY());
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setOutputFileName(dir.filePath(u"printed.pdf"_s));
        ExportFile::print(
            printer, [&main](QPainter &p, const QRectF &r) { main.paintChart(p, r, false); });
        QProcess p;
        p.start(pdftotext, { printer.outputFileName(), u"-"_s });
        QVERIFY(p.waitForFinished(20000));
        QVERIFY(p.readAllStandardOutput().contains("Fe"));
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    // The PNG's tiles carry the symbol colours of their state at that temperature.
    void pngTilesTakeTheirStateColours()
    {
        ErrorBox::setRecording(true);
        QTemporaryDir dir;
        TfrmAuralis::StartOptions o;
        o.arguments = { settingsFolder(dir, u"[About]\nRead=1\n[Colors]\nBackground=Gray\n"_s) };
        o.programFolder = QStringLiteral(AURALIS_BIN_DIR "/");
        TfrmAuralis main(o);
        main.setAttribute(Qt::WA_DontShowOnScreen);
        main.show();
        main.resize(900, 640);
        QCoreApplication::processEvents();
        main.FormResize();
        main.setTemperature(3000);
        main.ApplyTemperature();

        const QString png = dir.filePath(u"table.png"_s);
        main.exportTable(png, ExportFile::Options());
        QImage image(png);
        QCOMPARE(image.size(), QSize(3508, 2480));
        const QRect source = main.chartRect(false);
        const QRectF placed = ExportFile::fitted(source.size(), QRectF(image.rect()));
        const double s = placed.width() / source.width();
        // At 3000 K iron is liquid, helium a gas, carbon solid, technetium synthetic.
        for (int z : { 26, 2, 6, 43 }) {
            const TElement *t = main.tile(z);
            const QRect r(t->mapTo(main.clientArea, QPoint(0, 0)) - source.topLeft(), t->size());
            const QRect inPng = QRectF(placed.left() + r.left() * s, placed.top() + r.top() * s,
                r.width() * s, r.height() * s)
                                    .toAlignedRect();
            const QColor want = t->stateColor().resolve();
            int hits = 0;
            for (int y = inPng.top(); y <= inPng.bottom(); ++y)
                for (int x = inPng.left(); x <= inPng.right(); ++x)
                    hits += image.pixelColor(x, y) == want;
            QVERIFY2(hits > 30, qPrintable(u"element %1: %2 pixels"_s.arg(z).arg(hits)));
        }
        QVERIFY(main.tile(26)->stateColor() != main.tile(6)->stateColor());

        // Written a band at a time, the picture is the chart painted whole: no seam where
        // one band meets the next.
        QImage whole(image.size(), QImage::Format_RGB32);
        whole.fill(Qt::white);
        {
            QPainter p(&whole);
            p.setRenderHint(QPainter::TextAntialiasing);
            main.paintChart(p, QRectF(whole.rect()), false);
        }
        image = image.convertToFormat(QImage::Format_RGB32);
        // (A shade of rounding apart, here and there.)
        int differing = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(whole.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                differing += std::abs(qRed(a[x]) - qRed(b[x])) > 8
                    || std::abs(qGreen(a[x]) - qGreen(b[x])) > 8
                    || std::abs(qBlue(a[x]) - qBlue(b[x])) > 8;
        }
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
