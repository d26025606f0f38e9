// The seventh period complete, elements 110 to 118: a choice of the View menu, off by
// default, kept in the settings only once made, and followed by every window.
#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using Probes::contentOf;
using Probes::iniValue;

namespace {

const QByteArray Quiet = "[About]\r\nRead=1\r\n[Colors]\r\nBackground=Gray\r\n";

}

class TestPeriod7 : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_main = nullptr;

    QString ini() const { return m_dir->filePath(u"auralis.ini"_s); }

    void start(const QByteArray &settings, const QString &programFolder = Probes::shippedFolder())
    {
        m_program.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Probes::writeFile(ini(), settings));
        m_program = std::make_unique<MainWindowFixture>(
            MainWindowFixture::startOptions(m_dir->path(), programFolder),
            MainWindowFixture::AllTools);
        m_main = m_program->get();
        m_main->resize(900, 640);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }

    void toggle() { m_main->MenuClick(m_main->mnuElements118); }

private slots:
    void initTestCase() { ErrorBox::setRecording(true); }
    void cleanup()
    {
        m_program.reset();
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    // Off until chosen: the table, the keys and the file as they have always been.
    void offByDefault()
    {
        start(Quiet);
        QCOMPARE(m_main->state().elementCount(), 109);
        QVERIFY(m_main->mnuElements118->isEnabled());
        QVERIFY(!m_main->mnuElements118->isChecked());
        QVERIFY(!m_main->tile(110));
        m_main->ElementClick(109, Qt::LeftButton);
        m_main->FormKeyDown(Qt::Key_Right, {});
        QCOMPARE(m_main->state().selectedElement(), 87);
        m_main->SaveSettings();
        QCOMPARE(iniValue(ini(), u"Settings"_s, u"Elements"_s), u"<absent>"_s);
    }

    // On: the nine tiles in period 7, in the keys' cycles, and the choice kept.
    void onAndOffAgain()
    {
        start(Quiet);
        toggle();
        QCOMPARE(m_main->state().elementCount(), 118);
        QVERIFY(m_main->mnuElements118->isChecked());
        for (int z = 110; z <= 118; ++z) {
            QVERIFY(m_main->tile(z) && m_main->tile(z)->isVisible());
            QCOMPARE(m_main->tile(z)->y(), m_main->tile(104)->y());
            QCOMPARE(m_main->tile(z)->x(), m_main->tile(z - 32)->x());
        }
        m_main->MenuClick(m_main->mnuIUPACApproved);
        QCOMPARE(m_main->tile(118)->symbol(), u"Og"_s);
        QCOMPARE(m_main->tile(118)->hint(), u"Oganesson"_s);
        m_main->ElementClick(109, Qt::LeftButton);
        m_main->FormKeyDown(Qt::Key_Right, {});
        QCOMPARE(m_main->state().selectedElement(), 110);
        m_main->ElementClick(118, Qt::LeftButton);
        m_main->FormKeyDown(Qt::Key_Down, {});
        QCOMPARE(m_main->state().selectedElement(), 71);
        QTest::keyClick(m_main, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(m_main->state().selectedElement(), 70);
        m_main->ElementClick(118, Qt::LeftButton);
        QCOMPARE(m_main->statusText(0), QString());
        m_main->Status(m_main->tile(118));
        QVERIFY(
            m_main->statusText(0).startsWith(u"118: Oganesson,  Og,  [Rn] 5f14 6d10 7s2 7p6"_s));
        m_main->SaveSettings();
        QCOMPARE(iniValue(ini(), u"Settings"_s, u"Elements"_s), u"118"_s);

        // Off again: the selection beyond the table goes back to hydrogen.
        toggle();
        QCOMPARE(m_main->state().elementCount(), 109);
        QVERIFY(!m_main->tile(110));
        QCOMPARE(m_main->state().selectedElement(), 1);
        m_main->SaveSettings();
        QCOMPARE(iniValue(ini(), u"Settings"_s, u"Elements"_s), u"109"_s);
    }

    // What the file says: 118 is on, anything else off, and a value the program cannot use
    // stays as it was; a selected element beyond the table is hydrogen.
    void settingsValues_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::newRow("118") << QByteArray("Elements=118") << 118 << 115;
        QTest::newRow("109") << QByteArray("Elements=109") << 109 << 1;
        QTest::newRow("a word") << QByteArray("Elements=abc") << 109 << 1;
        QTest::newRow("200") << QByteArray("Elements=200") << 109 << 1;
        QTest::newRow("none") << QByteArray() << 109 << 1;
    }
    void settingsValues()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, count);
        QFETCH(int, selected);
        start(Quiet + "[Settings]\r\nSelected Element=115\r\n" + line + "\r\n");
        QCOMPARE(m_main->state().elementCount(), count);
        QCOMPARE(m_main->state().selectedElement(), selected);
        m_main->SaveSettings();
        const QByteArray saved = contentOf(ini());
        if (line.isEmpty())
            QVERIFY(!saved.contains("Elements"));
        else
            QVERIFY(saved.contains("\r\n" + line + "\r\n"));
    }

    // A data file of the 109 records alone, or with a record of the nine cut short: the
    // choice cannot be made, and nothing is said of it.
    void olderDataFile_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("109 records") << RequiredLines;
        QTest::newRow("the last record cut short") << MaxLines - 10;
    }
    void olderDataFile()
    {
        QFETCH(int, lines);
        QTemporaryDir program;
        for (const char *name : { "auralis.prov", "auralis.hlp", "auraback.bmp" })
            QFile::copy(Probes::shippedFolder() + QLatin1String(name),
                program.filePath(QLatin1String(name)));
        const QList<QByteArray> all
            = contentOf(Probes::shippedFolder() + u"auralis.bkp"_s).split('\n');
        QVERIFY(Probes::writeFile(
            program.filePath(u"auralis.bkp"_s), all.mid(0, lines).join('\n') + '\n'));
        start(Quiet + "[Settings]\r\nElements=118\r\n", program.path() + u'/');
        QCOMPARE(m_main->state().elementCount(), 109);
        QVERIFY(!m_main->mnuElements118->isEnabled());
        toggle();
        QCOMPARE(m_main->state().elementCount(), 109);
    }

    // Every window takes the nine in: the information window, the find window, the graph,
    // the relief, the export, and a screen reader's table.
    void everyWindow()
    {
        start(Quiet + "[Settings]\r\nElements=118\r\nNaming Scheme=0\r\n");
        m_main->ElementClick(118, Qt::LeftButton);
        TfrmElementInfo *info = m_program->info.get();
        info->show();
        QCOMPARE(info->ElementName->text(), u"Oganesson"_s);
        QCOMPARE(info->Weight->text(), u"[294] g/mol"_s);
        QVERIFY(info->allInfoText().startsWith(u"118 - Og - Oganesson\r\n"_s));
        QCOMPARE(info->Synthetic->text(), u"Yes"_s);

        TfrmFindElement *find = m_program->find.get();
        find->show();
        QVERIFY(!find->lstName->findItems(u"Oganesson - Og"_s, Qt::MatchExactly).isEmpty());
        QCOMPARE(find->lstSymbol->count(), 118);

        TfrmGraph *graph = m_program->graph.get();
        graph->resize(700, 450);
        graph->show();
        graph->plotProperty(2); // atomic weight: every element has one
        QCOMPARE(graph->series().last, 118);

        m_main->showTrend(5); // density: none of the nine has one
        for (int z = 110; z <= 118; ++z)
            QCOMPARE(m_main->tile(z)->depth(), -1);
        QVERIFY(m_main->tile(26)->depth() > 0);

        const QString csv = m_dir->filePath(u"data.csv"_s);
        m_main->exportData(csv);
        QCOMPARE(contentOf(csv).count("\r\n"), 119);

        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(m_main->PeriodicTable);
        QCOMPARE(table->tableInterface()->cellAt(6, 17)->text(QAccessible::Name), u"Oganesson"_s);
    }

    // The command line takes the choice from the settings it is given.
    void exportFromTheCommandLine()
    {
        QTemporaryDir dir;
        QVERIFY(Probes::writeFile(
            dir.filePath(u"auralis.ini"_s), Quiet + "[Settings]\r\nElements=118\r\n"));
        QProcess run;
        run.start(QStringLiteral(AURALIS_BIN_DIR "/auralis"),
            { u"--export-data"_s, dir.filePath(u"all.csv"_s), u"--settings"_s, dir.path() });
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(contentOf(dir.filePath(u"all.csv"_s)).count("\r\n"), 119);
    }

    // With the choice off, the table is drawn as ever: the same pixels before and after the
    // nine came and went, and the table with them differs only in their places.
    void offLooksAsEver()
    {
        start(Quiet);
        const QImage before = m_main->PeriodicTable->grab().toImage();
        toggle();
        QCoreApplication::processEvents();
        const QImage on = m_main->PeriodicTable->grab().toImage();
        QRegion nine;
        for (int z = 110; z <= 118; ++z)
            nine += m_main->tile(z)->geometry();
        toggle();
        QCoreApplication::processEvents();
        const QImage after = m_main->PeriodicTable->grab().toImage();
        QCOMPARE(after, before);
        QCOMPARE(on.size(), before.size());
        int outside = 0;
        const qreal ratio = before.devicePixelRatio();
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (!nine.contains(QPoint(int(x / ratio), int(y / ratio)))
                    && on.pixel(x, y) != before.pixel(x, y))
                    ++outside;
        QCOMPARE(outside, 0);
    }
};

QTEST_MAIN(TestPeriod7)
#include "tst_period7.moc"
