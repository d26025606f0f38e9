#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "windows/Unt_find.h"
#include "windows/Unt_temp.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

using Cycle = std::vector<int>;

std::vector<Cycle> rowCycles()
{
    auto range = [](Cycle c, int from, int to) {
        for (int z = from; z <= to; ++z)
            c.push_back(z);
        return c;
    };
    return { { 1, 2 }, range({}, 3, 10), range({}, 11, 18), range({}, 19, 36), range({}, 37, 54),
        range({ 55, 56 }, 72, 86), range({ 87, 88 }, 104, 109), range({}, 57, 71),
        range({}, 89, 103) };
}

const std::vector<Cycle> ColumnCycles = {
    { 1, 3, 11, 19, 37, 55, 87 },
    { 4, 12, 20, 38, 56, 88 },
    { 21, 39 },
    { 22, 40, 72, 104, 57, 89 },
    { 23, 41, 73, 105, 58, 90 },
    { 24, 42, 74, 106, 59, 91 },
    { 25, 43, 75, 107, 60, 92 },
    { 26, 44, 76, 108, 61, 93 },
    { 27, 45, 77, 109, 62, 94 },
    { 28, 46, 78, 63, 95 },
    { 29, 47, 79, 64, 96 },
    { 30, 48, 80, 65, 97 },
    { 5, 13, 31, 49, 81, 66, 98 },
    { 6, 14, 32, 50, 82, 67, 99 },
    { 7, 15, 33, 51, 83, 68, 100 },
    { 8, 16, 34, 52, 84, 69, 101 },
    { 9, 17, 35, 53, 85, 70, 102 },
    { 2, 10, 18, 36, 54, 86, 71, 103 },
};

// The neighbour of z in its cycle, step +1 or -1 with wrap-around.
int step(const std::vector<Cycle> &cycles, int z, int direction)
{
    for (const Cycle &c : cycles) {
        for (size_t i = 0; i < c.size(); ++i) {
            if (c[i] == z) {
                const int n = int(c.size());
                return c[size_t((int(i) + n + direction) % n)];
            }
        }
    }
    return 0;
}

} // namespace

class TestKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyElementEveryDirection_data();
    void everyElementEveryDirection();
    void namedCases_data();
    void namedCases();
    void modifiersActAsPlainArrow();
    void arrowStillReachesFocusedControl();
    void tabWrapsAndNeverMovesFocus();
    void tabInAnotherWindowIsNotTaken();
    void altKeysTurnTemperaturePages();
    void altKeysTurnFindPages();

private:
    void select(int z) { m_window->ElementClick(m_window->tile(z), Qt::LeftButton); }
    int press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(m_window.get(), Qt::Key(key), mods);
        return m_window->selectedElement();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TfrmAuralis> m_window;
};

void TestKeys::init()
{
    ErrorBox::setRecording(true);
    ErrorBox::recorded().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    IniFile ini(m_dir->filePath(QStringLiteral("auralis.ini")));
    ini.writeBool(QStringLiteral("About"), QStringLiteral("Read"), true);
    ini.writeString(QStringLiteral("Colors"), QStringLiteral("Background"), QStringLiteral("Gray"));

    TfrmAuralis::StartOptions options;
    options.programFolder = QStringLiteral(AURALIS_SHIPPED_DATA "/");
    options.arguments = QStringList { m_dir->path() };
    options.decimalSeparator = QLatin1Char('.');
    m_window = std::make_unique<TfrmAuralis>(options);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QVERIFY(m_window->tilesCreated());
}

void TestKeys::cleanup()
{
    m_window.reset();
    m_dir.reset();
    QVERIFY2(ErrorBox::recorded().isEmpty(), qPrintable(ErrorBox::recorded().join('\n')));
}

void TestKeys::everyElementEveryDirection_data()
{
    QTest::addColumn<QSize>("size");
    // The smallest sizes hide the group labels and the legend; the layout changes with them.
    QTest::newRow("design") << QSize(538, 339);
    QTest::newRow("minimum") << QSize(278, 326);
    QTest::newRow("tall narrow") << QSize(300, 700);
    QTest::newRow("large") << QSize(1200, 800);
}

void TestKeys::everyElementEveryDirection()
{
    QFETCH(QSize, size);
    m_window->resize(size);
    QCoreApplication::processEvents();

    const std::vector<Cycle> rows = rowCycles();
    struct Direction
    {
        int key;
        const std::vector<Cycle> *cycles;
        int step;
    };
    const Direction directions[] = { { Qt::Key_Right, &rows, +1 }, { Qt::Key_Left, &rows, -1 },
        { Qt::Key_Down, &ColumnCycles, +1 }, { Qt::Key_Up, &ColumnCycles, -1 } };
    for (const Direction &d : directions) {
        for (int z = 1; z <= 109; ++z) {
            select(z);
            const int expected = step(*d.cycles, z, d.step);
            const int got = press(d.key);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("key %1 from %2: got %3, expected %4")
                                     .arg(QKeySequence(d.key).toString())
                                     .arg(z)
                                     .arg(got)
                                     .arg(expected)));
        }
    }
    for (int z = 1; z <= 109; ++z)
        QCOMPARE(m_window->tile(z)->selected(), z == m_window->selectedElement());
}

void TestKeys::namedCases_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    const int R = Qt::Key_Right, L = Qt::Key_Left, D = Qt::Key_Down, U = Qt::Key_Up;
    const int cases[][3] = { { 2, R, 1 }, { 1, L, 2 }, { 56, R, 72 }, { 72, L, 56 }, { 109, R, 87 },
        { 71, R, 57 }, { 89, L, 103 }, { 39, D, 21 }, { 21, U, 39 }, { 77, D, 109 }, { 78, D, 63 },
        { 86, D, 71 }, { 71, D, 103 }, { 103, D, 2 }, { 2, U, 103 }, { 57, U, 104 }, { 104, D, 57 },
        { 5, U, 98 }, { 97, D, 30 } };
    for (const auto &c : cases)
        QTest::addRow("%s %d", qPrintable(QKeySequence(c[1]).toString().toLower()), c[0])
            << c[0] << c[1] << c[2];
}

void TestKeys::namedCases()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    select(from);
    QCOMPARE(press(key), to);
    QVERIFY(!m_window->tile(from)->selected());
    QVERIFY(m_window->tile(to)->selected());
}

void TestKeys::modifiersActAsPlainArrow()
{
    select(39);
    QCOMPARE(press(Qt::Key_Down, Qt::ShiftModifier), 21);
    QCOMPARE(press(Qt::Key_Up, Qt::ControlModifier), 39);
    QCOMPARE(press(Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier), 40);
    // Keys other than the arrows, Enter and Space leave the selection alone.
    QCOMPARE(press(Qt::Key_A), 40);
    QCOMPARE(press(Qt::Key_Home), 40);
}

void TestKeys::arrowStillReachesFocusedControl()
{
    QScrollBar *slider = m_window->TempSlider;
    QVERIFY(slider);
    slider->setFocus();
    QCOMPARE(QApplication::focusWidget(), slider);
    slider->setValue(300);
    select(26);

    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(m_window->selectedElement(), 27);
    QCOMPARE(slider->value(), 301); // the slider goes up to the right
    // One press moves the selection once, although the key is seen on its way to the slider.
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(m_window->selectedElement(), 26);
    QCOMPARE(slider->value(), 300);
}

void TestKeys::tabWrapsAndNeverMovesFocus()
{
    select(108);
    QWidget *focusBefore = QApplication::focusWidget();
    QCOMPARE(press(Qt::Key_Tab), 109);
    QCOMPARE(press(Qt::Key_Tab), 1);
    QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), 109);
    QCOMPARE(press(Qt::Key_Backtab, Qt::ShiftModifier), 108);
    // Ctrl does not change what Tab does; Alt+Tab is not a plain Tab.
    QCOMPARE(press(Qt::Key_Tab, Qt::ControlModifier), 109);
    QCOMPARE(press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier), 108);
    QCOMPARE(press(Qt::Key_Tab, Qt::AltModifier), 108);
    QCOMPARE(QApplication::focusWidget(), focusBefore);
}

void TestKeys::tabInAnotherWindowIsNotTaken()
{
    QWidget other;
    auto *first = new QLineEdit(&other);
    auto *second = new QLineEdit(&other);
    second->move(0, 40);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    first->setFocus();
    select(50);

    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(m_window->selectedElement(), 50);
    QCOMPARE(QApplication::focusWidget(), second);
    // Arrow keys in another window do not move the selection either.
    QTest::keyClick(second, Qt::Key_Right);
    QCOMPARE(m_window->selectedElement(), 50);
}

void TestKeys::altKeysTurnTemperaturePages()
{
    TfrmSetTemperature dialog(m_window->state(), m_window.get());
    m_window->attachToolWindows({ nullptr, &dialog });
    auto detach = qScopeGuard([this] { m_window->attachToolWindows({}); });
    // Not visible: the keys are nobody's.
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(dialog.pageTemp->currentWidget(), dialog.tabKelvin);

    dialog.pageTemp->setCurrentWidget(dialog.tabKelvin);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.txtKelvin->setFocus();
    dialog.txtKelvin->setText(QStringLiteral("300"));

    // The typed value is carried over before the page turns.
    QTest::keyClick(dialog.txtKelvin, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(dialog.pageTemp->currentWidget(), dialog.tabCelsius);
    QCOMPARE(dialog.txtCelsius->text(), QStringLiteral("26.85"));
    QTest::keyClick(dialog.pageTemp->currentWidget(), Qt::Key_F, Qt::AltModifier);
    QCOMPARE(dialog.pageTemp->currentWidget(), dialog.tabFarenheit);
    QCOMPARE(dialog.txtFarenheit->text(), QStringLiteral("80.33"));
    QTest::keyClick(&dialog, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(dialog.pageTemp->currentWidget(), dialog.tabFarenheit);
    QTest::keyClick(&dialog, Qt::Key_K, Qt::AltModifier);
    QCOMPARE(dialog.pageTemp->currentWidget(), dialog.tabKelvin);
    QCOMPARE(dialog.txtKelvin->text(), QStringLiteral("300.00"));
}

void TestKeys::altKeysTurnFindPages()
{
    TfrmFindElement find(m_window->state(), m_window.get());
    m_window->attachToolWindows({ nullptr, nullptr, &find });
    auto detach = qScopeGuard([this] { m_window->attachToolWindows({}); });
    find.show();
    QVERIFY(QTest::qWaitForWindowExposed(&find));
    // The page's first control takes the focus, so typing goes on there.
    const struct
    {
        Qt::Key key;
        QWidget *page, *focus;
    } steps[] = { { Qt::Key_S, find.tabSymbol, find.txtSymbol },
        { Qt::Key_P, find.tabProperty, find.lstProperty },
        { Qt::Key_N, find.tabName, find.txtName } };
    for (const auto &s : steps) {
        QTest::keyClick(QApplication::focusWidget(), s.key, Qt::AltModifier);
        QCOMPARE(find.pageFind->currentWidget(), s.page);
        QCOMPARE(QApplication::focusWidget(), s.focus);
    }
    // Ctrl+Alt+S is not the page's key.
    QTest::keyClick(find.txtName, Qt::Key_S, Qt::AltModifier | Qt::ControlModifier);
    QCOMPARE(find.pageFind->currentWidget(), find.tabName);
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
