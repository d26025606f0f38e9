// What a screen reader meets, read through the toolkit's accessibility interfaces: the
// table as a grid of cells, the selection announced as it moves, the fields named.
#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "elements/ElementsAccessible.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Heard
{
    QAccessible::Event type;
    QObject *object;
    QString name;
};
QList<Heard> g_heard;

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    g_heard.append(
        { event->type(), event->object(), iface ? iface->text(QAccessible::Name) : QString() });
}

QAccessibleInterface *of(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The names the reader was given focus to, in order.
QStringList focusedNames()
{
    QStringList names;
    for (const Heard &h : g_heard)
        if (h.type == QAccessible::Focus)
            names << h.name;
    return names;
}

}

class TestAccessible : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_main = nullptr;

private slots:
    void initTestCase()
    {
        ErrorBox::setRecording(true);
        // The toolkit hands events on only where a platform bus is active; the offscreen
        // platform has none, so the table's own events are taken where they are sent.
        ElementsAccessible::setSenderForTesting(listen);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QFile ini(m_dir->filePath(QStringLiteral("auralis.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[About]\nRead=1\n[Colors]\nBackground=Gray\n[Settings]\nSelected Element=26\n");
        ini.close();
        m_program = std::make_unique<MainWindowFixture>(
            MainWindowFixture::startOptions(m_dir->path()), MainWindowFixture::AllTools);
        m_main = m_program->get();
        QVERIFY(m_program->showActive());
        m_main->PeriodicTable->setFocus();
        QTRY_VERIFY(m_main->PeriodicTable->hasFocus());
        QAccessible::setActive(true);
        g_heard.clear();
    }

    void cleanup()
    {
        QAccessible::setActive(false);
        m_program.reset();
    }

    // Rows and columns as the chart lays them out; each tile a cell in its place.
    void tableIsAGrid_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("hydrogen, period 1, group 1") << 0 << 0 << "Hydrogen";
        QTest::newRow("helium, period 1, group 18") << 0 << 17 << "Helium";
        QTest::newRow("iron, period 4, group 8") << 3 << 7 << "Iron";
        QTest::newRow("hafnium, period 6, group 4") << 5 << 3 << "Hafnium";
        QTest::newRow("lanthanum, first of the lanthanides") << 7 << 3 << "Lanthanum";
        QTest::newRow("lawrencium, last of the actinides") << 8 << 17 << "Lawrencium";
    }
    void tableIsAGrid()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, name);
        QAccessibleInterface *table = of(m_main->PeriodicTable);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface *grid = table->tableInterface();
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 9);
        QCOMPARE(grid->columnCount(), 18);
        QAccessibleInterface *cell = grid->cellAt(row, column);
        QVERIFY(cell);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->text(QAccessible::Name), name);
        QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
        QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
        QVERIFY(cell->state().focusable);
        QVERIFY(cell->state().selectable);
        QVERIFY(table->indexOfChild(cell) >= 0);
        QCOMPARE(table->child(table->indexOfChild(cell))->object(), cell->object());
        // The empty places of the chart hold no cell.
        QVERIFY(!grid->cellAt(0, 1));
        QVERIFY(!grid->cellAt(5, 2));
    }

    // Exactly the selected tile is selected, and focused while the table has the focus; its
    // press action is a click.
    void oneCellSelectedAndFocused()
    {
        QAccessibleTableInterface *grid = of(m_main->PeriodicTable)->tableInterface();
        QCOMPARE(grid->selectedCellCount(), 1);
        QAccessibleInterface *iron = grid->selectedCells().first();
        QCOMPARE(iron->text(QAccessible::Name), "Iron"_L1);
        QVERIFY(iron->state().selected);
        QVERIFY(iron->state().focused);
        QCOMPARE(of(m_main->PeriodicTable)->focusChild()->object(), iron->object());
        QVERIFY(
            iron->text(QAccessible::Description).startsWith("Iron, 26, Fe, metal, solid at"_L1));

        QAccessibleInterface *lithium = grid->cellAt(1, 0);
        QVERIFY(!lithium->state().selected);
        QVERIFY(lithium->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        lithium->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_main->state().selectedElement(), 3);
        QVERIFY(lithium->state().selected && lithium->state().focused);
        QVERIFY(!iron->state().selected);
    }

    // Every way of moving the selection tells the reader as a list would: the new cell takes
    // the focus, and both cells' selected state changes.
    void selectionAnnounced()
    {
        QTest::keyClick(m_main->PeriodicTable, Qt::Key_Right);
        QCOMPARE(m_main->state().selectedElement(), 27);
        QCOMPARE(focusedNames(), QStringList { "Cobalt"_L1 });
        bool ironChanged = false, cobaltChanged = false;
        for (const Heard &h : g_heard) {
            if (h.type != QAccessible::StateChanged)
                continue;
            ironChanged = ironChanged || h.object == m_main->tile(26);
            cobaltChanged = cobaltChanged || h.object == m_main->tile(27);
        }
        QVERIFY(ironChanged && cobaltChanged);

        g_heard.clear();
        QTest::keyClick(m_main->PeriodicTable, Qt::Key_Tab);
        m_main->ElementClick(3, Qt::LeftButton); // as the find window and the graph choose
        QTest::keyClick(m_main->PeriodicTable, Qt::Key_Down);
        QCOMPARE(focusedNames(), (QStringList { "Nickel"_L1, "Lithium"_L1, "Sodium"_L1 }));

        // With no reader listening, nothing is sent.
        QAccessible::setActive(false);
        g_heard.clear();
        QTest::keyClick(m_main->PeriodicTable, Qt::Key_Right);
        QVERIFY(focusedNames().isEmpty());
    }

    // A reader that connects after start-up hears the descriptions with the temperature.
    void readerConnectsLater()
    {
        QAccessible::setActive(false);
        m_main->setTemperature(4000.0f);
        QAccessible::setActive(true);
        QTRY_VERIFY(m_main->tile(26)->accessibleDescription().contains("gas at 4000.00 K"_L1));
        QTest::keyClick(m_main->PeriodicTable, Qt::Key_Left);
        QCOMPARE(focusedNames(), QStringList { "Manganese"_L1 });
    }

    // The information window is a window, and each value is named by its caption; the
    // status bar's panels are read by their texts.
    void fieldsNamed()
    {
        TfrmElementInfo *info = m_program->info.get();
        info->show();
        QCOMPARE(of(info)->role(), QAccessible::Window);
        QAccessibleInterface *weight = of(info->Weight);
        QCOMPARE(weight->text(QAccessible::Name), "Atomic Weight:"_L1);
        QCOMPARE(weight->text(QAccessible::Value), info->Weight->text());
        bool labelled = false;
        for (const auto &[other, relation] : weight->relations(QAccessible::Label))
            labelled = labelled || other->object() == info->Label1;
        QVERIFY(labelled);
        QCOMPARE(of(info->Synthetic)->text(QAccessible::Name), "Synthetic:"_L1);

        QAccessibleInterface *temperature
            = of(m_main->StatusBar->findChild<QLabel *>("StatusPanel1"_L1));
        QCOMPARE(temperature->text(QAccessible::Name), m_main->statusText(1));
        QCOMPARE(temperature->text(QAccessible::Description), "Temperature"_L1);
    }

    // Menu items and buttons are named by their captions without the accelerator marks.
    void namesWithoutAccelerators()
    {
        QCOMPARE(of(m_main->mnuSaveConfigNow)->text(QAccessible::Name), "Save Config Now"_L1);
        QStringList marked;
        for (QMenu *menu :
            m_main->findChildren<QMenu *>() + m_program->graph->findChildren<QMenu *>()) {
            QAccessibleInterface *iface = of(menu);
            for (int i = 0; i < iface->childCount(); ++i)
                if (iface->child(i)->text(QAccessible::Name).contains(u'&'))
                    marked << iface->child(i)->text(QAccessible::Name);
        }
        for (QAbstractButton *b : m_program->find->findChildren<QAbstractButton *>()
                + m_program->options->findChildren<QAbstractButton *>())
            if (of(b)->text(QAccessible::Name).contains(u'&'))
                marked << of(b)->text(QAccessible::Name);
        QVERIFY2(marked.isEmpty(), qPrintable(marked.join(", "_L1)));
    }

    // Every edit box, list and drop-down list of the dialogs is named; every control has a
    // name.
    void everyControlNamed()
    {
        QStringList unnamed;
        for (QWidget *window : std::initializer_list<QWidget *> { m_program->find.get(),
                 m_program->temperature.get(), m_program->options.get(), m_program->graph.get() }) {
            for (QWidget *w : window->findChildren<QWidget *>()) {
                const bool control = qobject_cast<QLineEdit *>(w) || qobject_cast<QListWidget *>(w)
                    || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w);
                // The toolkit's own parts of a control (a drop-down list's, a menu bar's
                // overflow button) are named by the control.
                if (!control || qobject_cast<QComboBox *>(w->parentWidget())
                    || w->objectName().startsWith("qt_"_L1))
                    continue;
                if (of(w)->text(QAccessible::Name).isEmpty())
                    unnamed << window->objectName() + '/' + w->objectName();
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", "_L1)));
        QCOMPARE(
            of(m_program->find->txtName)->text(QAccessible::Name), m_program->find->Label1->text());
        QCOMPARE(of(m_program->find->txtLowerLimit)->text(QAccessible::Name), "Lower limit:"_L1);
    }
};

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
