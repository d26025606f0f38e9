#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"
#include "windows/Unt_find.h"
#include "windows/Unt_temp.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The rule, stated on the chart as it is drawn: Right and Left go to the next tile in the
// same row of tiles (same top edge), wrapping round at its ends; Down and Up go to the
// next tile in the same column (a tile under or over the centre of this one), wrapping
// round at its ends.
int expectedTarget(const TfrmAuralis &w, int z, int key)
{
    const QRect from = w.tile(z)->geometry();
    const bool horizontal = key == Qt::Key_Right || key == Qt::Key_Left;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    std::vector<std::pair<int, int>> line; // (position along the line, element)
    for (int n = 1; n <= 109; ++n) {
        const QRect r = w.tile(n)->geometry();
        if (horizontal && r.top() == from.top())
            line.push_back({ r.left(), n });
        else if (!horizontal && r.left() <= from.center().x() && from.center().x() <= r.right())
            line.push_back({ r.top(), n });
    }
    std::sort(line.begin(), line.end());
    const auto at = std::find_if(
        line.begin(), line.end(), [z](const std::pair<int, int> &e) { return e.second == z; });
    const int i = int(at - line.begin()), count = int(line.size());
    return line[size_t((i + count + (forward ? 1 : -1)) % count)].second;
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
    void typeAheadByKeys();
    void typeAheadFollowsTheScheme();
    void typeAheadTakesComposedCharactersOnce();
    void arrowStillReachesFocusedControl();
    void releaseAlreadyQueuedStillOneStep();
    void keysWorkAfterAMenu_data();
    void keysWorkAfterAMenu();
    void clickedSliderTakesItsKeys();
    void tabWrapsAndNeverMovesFocus();
    void tabInAnotherWindowIsNotTaken();
    void altKeysTurnTemperaturePages();
    void altKeysTurnFindPages();

private:
    void select(int z) { m_window->ElementClick(z, Qt::LeftButton); }
    int press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(m_window, Qt::Key(key), mods);
        return m_window->state().selectedElement();
    }
    // A key pressed on the window as the user presses it: it goes to the focused control.
    int type(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(m_window->windowHandle(), Qt::Key(key), mods);
        return m_window->state().selectedElement();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_window = nullptr;
};

void TestKeys::init()
{
    ErrorBox::setRecording(true);
    ErrorBox::recorded().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    IniFile ini(m_dir->filePath(QStringLiteral("auralis.ini")));
    ini.writeBool(QStringLiteral("About"), QStringLiteral("Read"), true);
    ini.writeString(QStringLiteral("Colors"), QStringLiteral("Background"), QStringLiteral("Gray"));

    m_program = std::make_unique<MainWindowFixture>(MainWindowFixture::startOptions(
        m_dir->path(), Probes::shippedFolder(), QLatin1Char('.'), QSize()));
    m_window = m_program->get();
    QVERIFY(m_program->showActive());
    QVERIFY(m_window->tilesCreated());
}

void TestKeys::cleanup()
{
    m_program.reset();
    m_window = nullptr;
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

    for (const int key : { Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up }) {
        for (int z = 1; z <= 109; ++z) {
            select(z);
            const int expected = expectedTarget(*m_window, z, key);
            const int got = press(key);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("key %1 from %2: got %3, expected %4")
                                     .arg(QKeySequence(key).toString())
                                     .arg(z)
                                     .arg(got)
                                     .arg(expected)));
        }
    }
    for (int z = 1; z <= 109; ++z)
        QCOMPARE(m_window->tile(z)->selected(), z == m_window->state().selectedElement());
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
    // Keys other than the arrows, Enter and Space leave the selection alone (a letter
    // types a search text: see the type-ahead tests).
    QCOMPARE(press(Qt::Key_F5), 40);
    QCOMPARE(press(Qt::Key_Home), 40);
}

// Typing on the table selects as a click would; the status bar says what was typed; a key
// with a meaning of its own, Escape, a pause or a click ends the text.
void TestKeys::typeAheadByKeys()
{
    select(1);
    QTest::keyClicks(m_window, u"fe"_s);
    QCOMPARE(m_window->state().selectedElement(), 26);
    QCOMPARE(m_window->statusText(0), u"Go to: fe → 26 Iron"_s);
    QTest::keyClick(m_window, Qt::Key_Backspace); // "f": fluorine
    QCOMPARE(m_window->state().selectedElement(), 9);
    QTest::keyClick(m_window, Qt::Key_Escape);
    QCOMPARE(m_window->typeAheadText(), QString());
    QCOMPARE(m_window->statusText(0), QString());

    QTest::keyClicks(m_window, u"10"_s);
    QCOMPARE(m_window->state().selectedElement(), 10);
    QCOMPARE(press(Qt::Key_Right), 3); // the arrow ends the text and moves as ever
    QCOMPARE(m_window->typeAheadText(), QString());

    QTest::keyClicks(m_window, u"jj"_s); // nothing: the selection stays, the panel says so
    QCOMPARE(m_window->state().selectedElement(), 3);
    QCOMPARE(m_window->statusText(0), u"Go to: jj → no element"_s);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->statusText(0), QString(), 2000); // a second later
    QCOMPARE(m_window->typeAheadText(), QString());
    QTest::keyClicks(m_window, u"c"_s); // a new text after the pause: carbon
    QCOMPARE(m_window->state().selectedElement(), 6);

    // Keys with Ctrl or Alt are not typed: they keep their meanings and end the text.
    QCOMPARE(m_window->typeAheadText(), u"c"_s);
    QCOMPARE(press(Qt::Key_A, Qt::ControlModifier), 6);
    QCOMPARE(m_window->typeAheadText(), QString());
}

// The symbols of the naming scheme in force at each keystroke.
void TestKeys::typeAheadFollowsTheScheme()
{
    QTest::keyClick(m_window, Qt::Key_Escape);
    m_window->MenuClick(m_window->mnuIUPACProvisional);
    QTest::keyClicks(m_window, u"unq"_s);
    QCOMPARE(m_window->state().selectedElement(), 104);
    QTest::keyClick(m_window, Qt::Key_Escape);
    m_window->MenuClick(m_window->mnuIUPACApproved);
    QTest::keyClicks(m_window, u"rf"_s);
    QCOMPARE(m_window->state().selectedElement(), 104);
    QTest::keyClick(m_window, Qt::Key_Escape);
    QTest::keyClicks(m_window, u"unq"_s); // no such symbol now
    QCOMPARE(m_window->statusText(0), u"Go to: unq → no element"_s);
}

// A dead key and a letter reach the table as one committed character, counted once.
void TestKeys::typeAheadTakesComposedCharactersOnce()
{
    m_window->PeriodicTable->setFocus();
    QInputMethodEvent composing(u"´"_s, {});
    QApplication::sendEvent(m_window->PeriodicTable, &composing);
    QVERIFY(m_window->typeAheadText().isEmpty()); // still being composed
    QInputMethodEvent committed;
    committed.setCommitString(u"é"_s);
    QApplication::sendEvent(m_window->PeriodicTable, &committed);
    QCOMPARE(m_window->typeAheadText(), u"é"_s);
    QCOMPARE(m_window->state().selectedElement(), 63); // Europium: the first name on "e"
    QTest::keyClick(m_window, Qt::Key_U);
    QCOMPARE(m_window->typeAheadText(), u"éu"_s);
    QCOMPARE(m_window->state().selectedElement(), 63);
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
    QCOMPARE(m_window->state().selectedElement(), 27);
    QCOMPARE(slider->value(), 301); // the slider goes up to the right
    // One press moves the selection once, although the key is seen on its way to the slider.
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(m_window->state().selectedElement(), 26);
    QCOMPARE(slider->value(), 300);
}

// On a busy machine the release of a quick tap is queued before the press is handled;
// selecting handles pending events, so the release comes in the middle of the press.
void TestKeys::releaseAlreadyQueuedStillOneStep()
{
    select(1);
    QCoreApplication::postEvent(
        m_window->windowHandle(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier));
    QTest::keyPress(m_window->windowHandle(), Qt::Key_Right);
    QCOMPARE(m_window->state().selectedElement(), 2); // 1, 2 is the first row
}

void TestKeys::keysWorkAfterAMenu_data()
{
    // Each step is a click ("slider", "File"), "unfocus" or keys pressed on the window.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("sliderFocused");
    QTest::newRow("Alt+F, S") << QStringList { "Alt+F", "S" } << false;
    QTest::newRow("Alt+F, Esc, Esc") << QStringList { "Alt+F", "Esc", "Esc" } << false;
    // With no control to hand the focus back to, the menu bar keeps it.
    QTest::newRow("no focus, Alt+F, Esc, Esc")
        << QStringList { "unfocus", "Alt+F", "Esc", "Esc" } << false;
    QTest::newRow("slider, Alt+V, Esc, Esc")
        << QStringList { "slider", "Alt+V", "Esc", "Esc" } << true;
    // The hidden slider must not take the keys back from the menu bar.
    QTest::newRow("slider, Alt+V, Enter (hides the toolbar), Alt+F, Esc, Esc")
        << QStringList { "slider", "Alt+V", "Return", "Alt+F", "Esc", "Esc" } << false;
    // One Esc leaves the menu bar in its own keyboard navigation, as after Alt+F.
    QTest::newRow("File clicked, Esc, Esc") << QStringList { "File", "Esc", "Esc" } << false;
    QTest::newRow("File clicked twice") << QStringList { "File", "File" } << false;
}

void TestKeys::keysWorkAfterAMenu()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, sliderFocused);
    QMenuBar *bar = m_window->menuBar();
    QScrollBar *slider = m_window->TempSlider;
    slider->setValue(300);
    for (const QString &step : steps) {
        if (step == QLatin1String("slider"))
            QTest::mouseClick(slider, Qt::LeftButton);
        else if (step == QLatin1String("unfocus"))
            QApplication::focusWidget()->clearFocus();
        else if (step == QLatin1String("File"))
            QTest::mouseClick(bar, Qt::LeftButton, {},
                bar->actionGeometry(m_window->FileMenu->menuAction()).center());
        else
            QTest::keySequence(m_window->windowHandle(), QKeySequence(step));
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_window->mnuToolbar->isChecked(), !steps.contains(QStringLiteral("Return")));
    const int value = slider->value();

    select(26);
    QCOMPARE(type(Qt::Key_Right), 27);
    QCOMPARE(slider->value(), value + (sliderFocused ? 1 : 0));
    QCOMPARE(type(Qt::Key_Left), 26);
    QCOMPARE(type(Qt::Key_Down), 44);
    QCOMPARE(type(Qt::Key_Up), 26);
    QCOMPARE(slider->value(), value);
    for (int key : { int(Qt::Key_Return), int(Qt::Key_Space) }) {
        if (m_window->state().mark(SharedState::Mark::InfoWanted))
            m_window->MenuClick(m_window->mnuElementInfo);
        type(key);
        QVERIFY2(m_window->mnuElementInfo->isChecked(), qPrintable(QKeySequence(key).toString()));
    }
}

void TestKeys::clickedSliderTakesItsKeys()
{
    QScrollBar *slider = m_window->TempSlider;
    slider->setValue(300);
    select(26);
    // A click in the track right of the thumb pages the slider and gives it the focus.
    QTest::mouseClick(slider, Qt::LeftButton, {},
        QPoint(slider->width() - slider->height() * 2, slider->height() / 2));
    QCOMPARE(slider->value(), 400);
    QCOMPARE(QApplication::focusWidget(), slider);

    struct Step
    {
        int key;
        int selected;
        int value;
    };
    // Arrows move the selection (the hook) and the slider; the other keys only the slider.
    const Step steps[]
        = { { Qt::Key_Right, 27, 401 }, { Qt::Key_Left, 26, 400 }, { Qt::Key_Down, 44, 399 },
              { Qt::Key_Up, 26, 400 }, { Qt::Key_PageUp, 26, 500 }, { Qt::Key_PageDown, 26, 400 },
              { Qt::Key_End, 26, 6000 }, { Qt::Key_Home, 26, 0 }, { Qt::Key_Tab, 27, 0 } };
    for (const Step &s : steps) {
        const QString key = QKeySequence(s.key).toString();
        QCOMPARE(type(s.key), s.selected);
        QVERIFY2(slider->value() == s.value, qPrintable(key));
        QVERIFY2(qFuzzyCompare(m_window->state().temperature() + 1, float(s.value) + 1),
            qPrintable(key));
        QVERIFY2(m_window->statusText(1).startsWith(QStringLiteral("%1.00 K, ").arg(s.value)),
            qPrintable(key));
        // Tab selects the next element and leaves the focus where it is.
        QCOMPARE(QApplication::focusWidget(), slider);
        // What the step repainted of the slider is what painting it whole gives.
        QCoreApplication::processEvents();
        const QPoint at = slider->mapTo(slider->window(), QPoint(0, 0));
        const QImage shown = slider->screen()
                                 ->grabWindow(slider->window()->winId(), at.x(), at.y(),
                                     slider->width(), slider->height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QVERIFY2(shown == slider->grab().toImage().convertToFormat(QImage::Format_RGB32),
            qPrintable(key));
    }

    // A click on a tile takes the focus back to the table; the arrows leave the slider.
    QTest::mouseClick(m_window->tile(30), Qt::LeftButton);
    QCOMPARE(m_window->state().selectedElement(), 30);
    QCOMPARE(QApplication::focusWidget(), m_window->PeriodicTable);
    m_window->resize(m_window->size() + QSize(40, 40));
    QTRY_COMPARE(QApplication::focusWidget(), m_window->PeriodicTable);
    QCOMPARE(type(Qt::Key_Right), 31);
    QCOMPARE(slider->value(), 0);
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
    QCOMPARE(m_window->state().selectedElement(), 50);
    QCOMPARE(QApplication::focusWidget(), second);
    // Arrow keys in another window do not move the selection either.
    QTest::keyClick(second, Qt::Key_Right);
    QCOMPARE(m_window->state().selectedElement(), 50);
}

void TestKeys::altKeysTurnTemperaturePages()
{
    TfrmSetTemperature dialog(m_window->state(), m_window);
    m_window->attachToolWindows({ nullptr, nullptr, &dialog });
    auto detach = qScopeGuard([this] { m_window->attachToolWindows({}); });
    // Not visible: the keys are nobody's.
    QTest::keyClick(m_window, Qt::Key_C, Qt::AltModifier);
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
    TfrmFindElement find(m_window->state(), m_window);
    m_window->attachToolWindows({ nullptr, nullptr, nullptr, &find });
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
