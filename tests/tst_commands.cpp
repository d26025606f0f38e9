#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "data/ElementData.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"
#include "toolbar/TB97.h"
#include "windows/Unt_info.h"
#include "windows/unt_optn.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString About = QStringLiteral("About");
const QString Read = QStringLiteral("Read");
const QString Colors = QStringLiteral("Colors");
const QString Background = QStringLiteral("Background");

struct Extremes
{
    QList<int> smallest, largest, none;
};

// The elements holding the smallest and the largest value of one field, and those without one,
// read straight from the shipped file.
Extremes extremes(int field)
{
    QFile file(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    Extremes e;
    QMap<double, QList<int>> byValue;
    for (int z = 1; z <= 109; ++z) {
        const QByteArray text = lines.value((z - 1) * 35 + field).trimmed();
        if (text == "--")
            e.none << z;
        else
            byValue[text.toDouble()] << z;
    }
    if (!byValue.isEmpty()) {
        e.smallest = byValue.first();
        e.largest = byValue.last();
    }
    return e;
}

template <typename Actions> int checkedCount(const Actions &actions)
{
    int checked = 0;
    for (QAction *a : actions)
        checked += a->isChecked();
    return checked;
}

// Object names of a menu's entries, "-" for a separator.
QStringList entryNames(const QMenu *menu)
{
    QStringList names;
    for (QAction *a : menu->actions())
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void presentersRunOneCommand_data();
    void presentersRunOneCommand();
    void everyViewFollowsTheState();
    void menuBarOrder();
    void checkItemsToggleOnceWhenTriggered();
    void elementInfoMark();
    void elementInfoWindow();
    void toolbarAndStatusBarToggle();
    void onTopMarks();
    void minimiseHidesAndRestoreShowsInfo();

    void namingSchemes_data();
    void namingSchemes();
    void schemeChosenAgainIsApplied();
    void statusTextFollowsScheme();

    void reliefLevels();
    void reliefCheckedItemDoesNothing();
    void reliefSurvivesOtherChanges();
    void reliefErrorKeepsDepths();

    void popupOnTileAndTable();

    void firstRunNoticeAndBackground();
    void backgroundFromSettings_data();
    void backgroundFromSettings();
    void firstShowWriteFailureIsReported();

private:
    // Builds the main window; prepare gets the settings file's path.
    void open(const std::function<void(const QString &)> &prepare = {},
        const QString &programFolder = QStringLiteral(AURALIS_SHIPPED_DATA "/"), bool show = true);
    QString iniPath() const { return m_dir->filePath(QStringLiteral("auralis.ini")); }
    void trigger(QAction *a) { a->trigger(); }
    QAction *action(const char *name) const
    {
        return m_window->findChild<QAction *>(QLatin1String(name));
    }
    void makeInfo()
    {
        m_program->makeTools(MainWindowFixture::Info);
        m_info = m_program->info.get();
    }
    QVector<int> depths() const
    {
        QVector<int> out;
        for (int z = 1; z <= 109; ++z)
            out << m_window->tile(z)->depth();
        return out;
    }
    // Closes every modal window once it is up and remembers its title and how many
    // messages had been recorded by then; onEach sees it first.
    void closeModals(QStringList *titles, QList<int> *messagesBefore = nullptr,
        const std::function<void(QWidget *)> &onEach = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_window = nullptr;
    TfrmElementInfo *m_info = nullptr;
    std::unique_ptr<QTimer> m_modalCloser;
};

void TestCommands::closeModals(
    QStringList *titles, QList<int> *messagesBefore, const std::function<void(QWidget *)> &onEach)
{
    m_modalCloser = std::make_unique<QTimer>();
    m_modalCloser->setInterval(10);
    QTimer *timer = m_modalCloser.get();
    connect(timer, &QTimer::timeout, timer, [titles, messagesBefore, onEach] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            *titles << modal->windowTitle();
            if (messagesBefore)
                *messagesBefore << int(ErrorBox::recorded().size());
            if (onEach)
                onEach(modal);
            modal->close();
        }
    });
    timer->start();
}

void TestCommands::init()
{
    ErrorBox::setRecording(true);
    ErrorBox::recorded().clear();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestCommands::cleanup()
{
    m_modalCloser.reset();
    m_program.reset();
    m_window = nullptr;
    m_info = nullptr;
    m_dir.reset();
    QApplication::setPalette(QPalette());
}

void TestCommands::open(
    const std::function<void(const QString &)> &prepare, const QString &programFolder, bool show)
{
    if (prepare) {
        prepare(iniPath());
    } else {
        IniFile ini(iniPath());
        ini.writeBool(About, Read, true);
        ini.writeString(Colors, Background, QStringLiteral("Gray"));
    }
    m_program = std::make_unique<MainWindowFixture>(
        MainWindowFixture::startOptions(m_dir->path(), programFolder));
    m_window = m_program->get();
    if (show)
        QVERIFY(m_program->showActive());
}

// Each command answers the same through every item that presents it: its menu item,
// its pop-up item and its toolbar button.
void TestCommands::presentersRunOneCommand_data()
{
    QTest::addColumn<QStringList>("presenters");
    QTest::addColumn<QString>("title");
    QTest::newRow("options") << QStringList { "mnuOptions", "mnuColorPop", "butColor" }
                             << QStringLiteral("Options");
    QTest::newRow("find") << QStringList { "mnuFindElement", "mnuFindPop", "butFind" }
                          << QStringLiteral("Find Element");
    QTest::newRow("temperature") << QStringList { "mnuSetTemperature", "mnuTempPop",
        "butTemperature" } << QStringLiteral("Set Temperature");
    QTest::newRow("about") << QStringList { "mnuAbout", "butAbout" }
                           << QStringLiteral("About Auralis   ");
}

void TestCommands::presentersRunOneCommand()
{
    QFETCH(QStringList, presenters);
    QFETCH(QString, title);
    open();
    m_program->makeTools(MainWindowFixture::Temperature | MainWindowFixture::Find
        | MainWindowFixture::About | MainWindowFixture::Options);
    QStringList titles;
    closeModals(&titles);
    for (const QString &name : presenters) {
        QObject *presenter = m_window->findChild<QObject *>(name);
        QVERIFY2(presenter, qPrintable(name));
        if (auto *item = qobject_cast<QAction *>(presenter))
            item->trigger();
        else
            qobject_cast<QAbstractButton *>(presenter)->click();
    }
    QCOMPARE(titles, QStringList(presenters.size(), title));
}

// The controls ask, the state changes once, and every view follows it.
void TestCommands::everyViewFollowsTheState()
{
    open();
    m_program->makeTools(MainWindowFixture::Info | MainWindowFixture::Temperature);
    const SharedState &state = m_window->state();
    QSignalSpy temperature(&state, &SharedState::temperatureChanged);
    emit m_program->temperature->temperatureChosen(300.456f);
    QCOMPARE(temperature.size(), 1);
    QCOMPARE(state.temperature(), 300.46f);
    QCOMPARE(m_window->TempSlider->value(), 300);
    QCOMPARE(m_window->tile(1)->temperature(), double(300.46f));
    m_window->TempSlider->setValue(5000);
    QCOMPARE(temperature.size(), 2);
    QCOMPARE(m_window->tile(1)->temperature(), 5000.0);

    m_window->MenuClick(m_window->mnuElementInfo);
    m_window->ElementClick(79, Qt::LeftButton);
    QVERIFY(m_window->tile(79)->selected());
    QCOMPARE(m_program->info->windowTitle(), QStringLiteral("Gold - Element Information"));

    m_window->MenuClick(m_window->mnuACSRecommended);
    QCOMPARE(state.namingScheme(), 3);
    QVERIFY(m_window->mnuACSRecommended->isChecked());
    QVERIFY(!m_window->mnuIUPACProvisional->isChecked());
    QCOMPARE(m_window->tile(104)->symbol(), state.symbol(104));
}

void TestCommands::menuBarOrder()
{
    open();
    QStringList titles;
    for (QAction *a : m_window->menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, QStringList({ "&File", "&View", "&Element", "&Trends", "&Help" }));

    const QStringList trends = entryNames(m_window->TrendsMenu);
    QCOMPARE(trends,
        QStringList({ "mnuNone", "mnuAtomicRadius", "mnuAtomicVolume", "mnuAtomicWeight",
            "mnuBoilingPoint", "mnuCovalentRadius", "mnuDensity", "mnuElectroConduct",
            "mnuElectroneg", "mnuFirstIonPoten", "mnuHeatFusion", "mnuHeatVapor", "mnuMeltingPoint",
            "mnuSpecificHeat", "mnuThermalConduct", "-", "mnuGraph" }));
    for (int i = 0; i < 15; ++i)
        QCOMPARE(m_window->trendItems[size_t(i)]->objectName(), trends[i]);

    QCOMPARE(entryNames(m_window->PopupMenu),
        QStringList({ "mnuElementInfoPop", "-", "mnuFindPop", "mnuTempPop", "mnuColorPop" }));
    QCOMPARE(
        m_window->findChild<QMenu *>(QStringLiteral("mnuNamingScheme")), m_window->mnuNamingScheme);
}

void TestCommands::checkItemsToggleOnceWhenTriggered()
{
    open();
    QAction *save = m_window->mnuSaveConfigOnExit;
    trigger(save);
    QVERIFY(!save->isChecked());
    trigger(save);
    QVERIFY(save->isChecked());
    // Called directly (as the other windows do) the handler inverts as well.
    m_window->MenuClick(save);
    QVERIFY(!save->isChecked());
}

void TestCommands::elementInfoMark()
{
    open();
    QAction *mark = m_window->mnuElementInfo;
    QTest::keyClick(m_window, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(mark->isChecked());
    QTest::keyClick(m_window, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(!mark->isChecked());

    // Only the menu item toggles; the other senders only ever show.
    for (QObject *sender : { static_cast<QObject *>(m_window->mnuElementInfoPop),
             static_cast<QObject *>(m_window->tile(8)) }) {
        m_window->MenuClick(sender);
        QVERIFY(mark->isChecked());
        m_window->MenuClick(sender);
        QVERIFY(mark->isChecked());
        m_window->MenuClick(mark);
        QVERIFY(!mark->isChecked());
    }
    QTest::mouseDClick(m_window->tile(9), Qt::LeftButton);
    QVERIFY(mark->isChecked());
    QCOMPARE(m_window->state().selectedElement(), 9);
}

void TestCommands::elementInfoWindow()
{
    open();
    makeInfo();
    QAction *mark = m_window->mnuElementInfo;

    QTest::keyClick(m_window, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(m_info->isVisible());
    QVERIFY(mark->isChecked());
    QTest::keyClick(m_window, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(!m_info->isVisible());
    QVERIFY(!mark->isChecked());

    QVERIFY(m_window->butElementInfo);
    m_window->butElementInfo->click();
    m_window->butElementInfo->click();
    QVERIFY(m_info->isVisible());
    QVERIFY(mark->isChecked());
    m_window->MenuClick(mark);
    QVERIFY(!m_info->isVisible());

    for (int key : { int(Qt::Key_Return), int(Qt::Key_Space) }) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key(key));
        QVERIFY(m_info->isVisible());
        QVERIFY(mark->isChecked());
        m_window->MenuClick(mark);
        QVERIFY(!m_info->isVisible());
    }

    // A selection refreshes the visible window, and so does a naming scheme change.
    m_window->MenuClick(m_window->mnuElementInfoPop);
    m_window->ElementClick(26, Qt::LeftButton);
    QCOMPARE(m_info->ElementName->text(), QStringLiteral("Iron"));
    m_window->ElementClick(106, Qt::LeftButton);
    trigger(m_window->mnuIUPACProvisional);
    QCOMPARE(m_info->ElementName->text(), QStringLiteral("Unnilhexium"));
    trigger(m_window->mnuIUPACRecommended);
    QCOMPARE(m_info->ElementName->text(), QStringLiteral("Rutherfordium"));
}

void TestCommands::toolbarAndStatusBarToggle()
{
    open();
    QVERIFY(m_window->Toolbar && m_window->StatusBar);
    trigger(m_window->mnuStatusBar);
    QVERIFY(!m_window->mnuStatusBar->isChecked());
    QVERIFY(m_window->StatusBar->isHidden());
    trigger(m_window->mnuStatusBar);
    QVERIFY(m_window->StatusBar->isVisible());

    // The toolbar's own visibility is inverted, not set from the mark.
    m_window->Toolbar->hide();
    trigger(m_window->mnuToolbar);
    QVERIFY(!m_window->mnuToolbar->isChecked());
    QVERIFY(!m_window->Toolbar->isHidden());
}

void TestCommands::onTopMarks()
{
    open();
    trigger(m_window->mnuTrendsOnTop);
    QVERIFY(m_window->mnuTrendsOnTop->isChecked());

    makeInfo();
    trigger(m_window->mnuElementOnTop);
    QVERIFY(m_window->mnuElementOnTop->isChecked());
    QVERIFY(!m_info->isVisible());

    m_window->MenuClick(m_window->mnuElementInfo);
    QVERIFY(m_info->isVisible());
    trigger(m_window->mnuElementOnTop);
    QVERIFY(!m_window->mnuElementOnTop->isChecked());
    QVERIFY(!m_info->stayOnTop());
    trigger(m_window->mnuElementOnTop);
    QVERIFY(m_info->stayOnTop());
    QVERIFY(m_info->isVisible());
    QVERIFY(m_window->mnuElementInfo->isChecked());
}

void TestCommands::minimiseHidesAndRestoreShowsInfo()
{
    open();
    makeInfo();
    m_window->MenuClick(m_window->mnuElementInfo);
    QVERIFY(m_info->isVisible());

    for (Qt::WindowState restored : { Qt::WindowNoState, Qt::WindowMaximized }) {
        m_window->setWindowState(Qt::WindowMinimized);
        QVERIFY(!m_info->isVisible());
        QVERIFY(m_window->mnuElementInfo->isChecked());
        m_window->setWindowState(restored);
        QVERIFY(m_info->isVisible());
    }

    // With the mark cleared neither does anything.
    m_window->MenuClick(m_window->mnuElementInfo);
    QVERIFY(!m_info->isVisible());
    m_window->setWindowState(Qt::WindowMinimized);
    m_window->setWindowState(Qt::WindowNoState);
    QVERIFY(!m_info->isVisible());
    QVERIFY(!m_window->mnuElementInfo->isChecked());
}

void TestCommands::namingSchemes_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("expected"); // symbol and name of 104..109
    auto row = [](const char *item, const char *symbolsAndNames) {
        QTest::newRow(item) << QString::fromLatin1(item)
                            << QString::fromLatin1(symbolsAndNames).split(QLatin1Char(' '));
    };
    row("mnuIUPACApproved",
        "Rf Rutherfordium Db Dubnium Sg Seaborgium Bh Bohrium Hs Hassium Mt Meitnerium");
    row("mnuIUPACProvisional",
        "Unq Unnilquadium Unp Unnilpentium Unh Unnilhexium Uns Unnilseptium Uno Unniloctium "
        "Une Unnilenium");
    row("mnuIUPACRecommended",
        "Db Dubnium Jl Joliotium Rf Rutherfordium Bh Bohrium Hn Hahnium Mt Meitnerium");
    row("mnuACSRecommended",
        "Rf Rutherfordium Ha Hahnium Sg Seaborgium Ns Nielsbohrium Hs Hassium Mt Meitnerium");
}

void TestCommands::namingSchemes()
{
    QFETCH(QString, item);
    QFETCH(QStringList, expected);
    open();
    const QString symbol103 = m_window->tile(103)->symbol();
    auto *a = m_window->findChild<QAction *>(item);
    trigger(a);
    QStringList symbolsAndNames;
    for (int z = 104; z <= 109; ++z)
        symbolsAndNames << m_window->tile(z)->symbol() << m_window->tile(z)->hint();
    QCOMPARE(symbolsAndNames, expected);
    QCOMPARE(m_window->tile(103)->symbol(), symbol103);
    QCOMPARE(checkedCount(m_window->mnuNamingScheme->actions()), 1);
    QVERIFY(a->isChecked());
}

void TestCommands::schemeChosenAgainIsApplied()
{
    open();
    trigger(m_window->mnuIUPACProvisional);
    m_window->tile(106)->setSymbol(QStringLiteral("??"));
    m_window->tile(106)->setHint(QStringLiteral("??"));
    trigger(m_window->mnuIUPACProvisional);
    QVERIFY(m_window->mnuIUPACProvisional->isChecked());
    QCOMPARE(m_window->tile(106)->symbol(), QStringLiteral("Unh"));
    QCOMPARE(m_window->tile(106)->hint(), QStringLiteral("Unnilhexium"));
}

void TestCommands::statusTextFollowsScheme()
{
    open();
    trigger(m_window->mnuACSRecommended);
    m_window->Status(m_window->tile(107));
    QVERIFY2(m_window->statusText(0).startsWith(QStringLiteral("107: Nielsbohrium,  Ns,  ")),
        qPrintable(m_window->statusText(0)));
}

void TestCommands::reliefLevels()
{
    open();
    for (const char *item : { "mnuAtomicWeight", "mnuDensity", "mnuElectroConduct" }) {
        QAction *a = action(item);
        const int index = int(std::find(m_window->trendItems.begin(), m_window->trendItems.end(), a)
            - m_window->trendItems.begin());
        const Extremes e = extremes(Fields::trend(index - 1).valueField);
        QVERIFY(!e.smallest.isEmpty() && !e.largest.isEmpty());
        trigger(a);
        for (int z : e.smallest)
            QCOMPARE(m_window->tile(z)->depth(), 1);
        for (int z : e.largest)
            QCOMPARE(m_window->tile(z)->depth(), 20);
        for (int z : e.none)
            QCOMPARE(m_window->tile(z)->depth(), -1);
        QVERIFY(!depths().contains(0));
        QCOMPARE(checkedCount(m_window->trendItems), 1);
        QVERIFY(a->isChecked());
    }

    trigger(m_window->mnuNone);
    QCOMPARE(depths(), QVector<int>(109, 0));
}

void TestCommands::reliefCheckedItemDoesNothing()
{
    open();
    QAction *density = action("mnuDensity");
    trigger(density);
    m_window->tile(50)->setDepth(7);
    trigger(density);
    QVERIFY(density->isChecked());
    QCOMPARE(m_window->tile(50)->depth(), 7);
    m_window->tile(50)->setDepth(0);
    trigger(m_window->mnuNone);
    m_window->tile(50)->setDepth(5);
    trigger(m_window->mnuNone);
    QCOMPARE(m_window->tile(50)->depth(), 5);
}

void TestCommands::reliefSurvivesOtherChanges()
{
    open();
    trigger(action("mnuElectroneg"));
    const QVector<int> before = depths();
    QVERIFY(before.contains(1) && before.contains(20));

    m_window->resize(300, 340);
    QCoreApplication::processEvents();
    m_window->setTemperature(5000.0f);
    m_window->ApplyTemperature();
    trigger(m_window->mnuIUPACRecommended);
    m_window->ElementClick(3, Qt::LeftButton);
    QCOMPARE(depths(), before);
}

void TestCommands::reliefErrorKeepsDepths()
{
    // A program folder whose data file has a bad number in one element's Density value.
    QTemporaryDir program;
    QFile source(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = source.readAll().split('\n');
    const int badLine = (30 - 1) * 35 + 24;
    lines[badLine] = QByteArray("7.1x") + (lines[badLine].endsWith('\r') ? "\r" : "");
    QFile copy(program.filePath(QStringLiteral("auralis.bkp")));
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(lines.join('\n'));
    copy.close();

    open({}, program.path() + QLatin1Char('/'));
    trigger(action("mnuAtomicWeight"));
    const QVector<int> before = depths();
    ErrorBox::recorded().clear();

    QAction *density = action("mnuDensity");
    trigger(density);
    QCOMPARE(ErrorBox::recorded(),
        QStringList { QStringLiteral("'7.1x' is not a valid floating point value.") });
    QVERIFY(density->isChecked());
    QVERIFY(!action("mnuAtomicWeight")->isChecked());
    QCOMPARE(depths(), before);
}

void TestCommands::popupOnTileAndTable()
{
    open();
    struct Seen
    {
        bool open = false;
        bool infoItem = false;
        bool separator = false;
        int visibleEntries = 0;
        int hidePause = -1;
    };
    // Runs act; if the popup menu comes up, looks at it once it is up and closes it.
    auto popupAfter = [this](const std::function<void()> &act) {
        Seen seen;
        QMenu *menu = m_window->PopupMenu;
        const auto c = connect(menu, &QMenu::aboutToShow, this, [this, &seen, menu] {
            seen.open = true;
            QTimer::singleShot(0, menu, [this, &seen, menu] {
                seen.infoItem = m_window->mnuElementInfoPop->isVisible();
                seen.separator = m_window->N6->isVisible();
                for (QAction *a : menu->actions())
                    seen.visibleEntries += a->isVisible() && !a->isSeparator();
                seen.hidePause = m_window->hintHidePause();
                menu->close();
            });
        });
        act();
        QCoreApplication::processEvents();
        disconnect(c);
        return seen;
    };

    const int pauseBefore = m_window->hintHidePause();
    const Seen onTile
        = popupAfter([this] { QTest::mousePress(m_window->tile(42), Qt::RightButton); });
    QCOMPARE(m_window->state().selectedElement(), 42);
    QVERIFY(onTile.open);
    QVERIFY(onTile.infoItem);
    QVERIFY(onTile.separator);
    QCOMPARE(onTile.visibleEntries, 4);
    QCOMPARE(onTile.hidePause, 0);
    QCOMPARE(m_window->hintHidePause(), pauseBefore);
    QCOMPARE(
        m_window->PopupMenu->actions().first()->text(), QStringLiteral("&Element Information"));

    const Seen onTable = popupAfter(
        [this] { m_window->TableMouseDown(m_window->PeriodicTable, Qt::RightButton); });
    QVERIFY(onTable.open);
    QVERIFY(!onTable.infoItem);
    QVERIFY(!onTable.separator);
    QCOMPARE(onTable.visibleEntries, 3);
    QCOMPARE(onTable.hidePause, pauseBefore);

    // Other buttons select but open nothing.
    const Seen left = popupAfter([this] {
        QTest::mousePress(m_window->tile(43), Qt::LeftButton);
        QCOMPARE(m_window->state().selectedElement(), 43);
        m_window->TableMouseDown(m_window->PeriodicTable, Qt::LeftButton);
    });
    QVERIFY(!left.open);
}

void TestCommands::firstRunNoticeAndBackground()
{
    QStringList titles;
    QList<int> messagesBefore;
    bool tabsLocked = false;
    closeModals(&titles, &messagesBefore, [&tabsLocked](QWidget *modal) {
        if (auto *options = qobject_cast<TfrmOptions *>(modal)) {
            options->PageControl->setCurrentIndex(TfrmOptions::GraphPage);
            tabsLocked = options->tableColoursOnly()
                && options->PageControl->currentIndex() == TfrmOptions::MainPage;
        }
    });
    // A 3-D face colour that is not a light neutral grey (a dark scheme): the notice comes
    // first, then the colour warning, then the options dialog with the table colours only.
    QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b)));
    open([](const QString &) {});
    QCOMPARE(titles, QStringList({ "Please Read Carefully", "Options" }));
    QCOMPARE(messagesBefore, QList<int>({ 0, 1 }));
    QVERIFY(tabsLocked);
    IniFile ini(iniPath());
    QVERIFY(ini.readBool(About, Read, false));
    QCOMPARE(ErrorBox::recorded(),
        QStringList { QStringLiteral(
            "Because you are not using the standard 3D colour, you should adjust the "
            "colour setup to make sure that all application text will appear readable)") });
    QCOMPARE(ini.readString(Colors, Background, QString()), QStringLiteral("Default"));
    QCOMPARE(m_window->state().colours().table, TColor::system(TColor::BtnFace));
}

void TestCommands::backgroundFromSettings_data()
{
    QTest::addColumn<QString>("stored"); // empty: no colour saved
    QTest::addColumn<QColor>("buttons"); // the desktop's button face; invalid: as it is
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("storedAfter");
    const quint32 face = TColor::system(TColor::BtnFace).value();
    const QColor asIs;
    QTest::newRow("gray") << "Gray" << asIs << Colours::Silver.value() << "Gray";
    QTest::newRow("default") << "Default" << asIs << face << "Default";
    QTest::newRow("other text") << "gray" << asIs << face << "gray";
    // A system colour that happens to be silver is stored as the default, not as gray.
    QTest::newRow("system silver") << "" << QColor(192, 192, 192) << face << "Default";
    // The stock light style's own grey is standard too: no message, straight to the table.
    QTest::newRow("stock light grey") << "" << QColor(0xef, 0xef, 0xef) << face << "Default";
}

void TestCommands::backgroundFromSettings()
{
    QFETCH(QString, stored);
    QFETCH(QColor, buttons);
    QFETCH(quint32, colour);
    QFETCH(QString, storedAfter);
    if (buttons.isValid()) {
        // The window is not active yet while it first shows: the active colour still counts.
        QPalette desktop;
        desktop.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
        desktop.setColor(QPalette::Active, QPalette::Button, buttons);
        QApplication::setPalette(desktop);
    }
    open([&stored](const QString &path) {
        IniFile ini(path);
        ini.writeBool(About, Read, true);
        if (!stored.isEmpty())
            ini.writeString(Colors, Background, stored);
    });
    QCOMPARE(m_window->state().colours().table.value(), colour);
    QVERIFY(ErrorBox::recorded().isEmpty());
    QCOMPARE(IniFile(iniPath()).readString(Colors, Background, QString()), storedAfter);
}

void TestCommands::firstShowWriteFailureIsReported()
{
    // A full disk: the first-run writes fail; each is reported and start-up goes on.
    QStringList titles;
    closeModals(&titles);
    IniFile::setFaultForTesting(
        [](IniFile::WriteStep step) { return step == IniFile::WriteStep::Write; });
    auto noFault = qScopeGuard([] { IniFile::setFaultForTesting({}); });
    open([](const QString &) {});
    QCOMPARE(titles.value(0), QStringLiteral("Please Read Carefully"));
    QVERIFY(m_window->isVisible());
    const QString expected
        = QStringLiteral("Unable to write to %1.").arg(m_window->state().settingsFile());
    QVERIFY2(ErrorBox::recorded().contains(expected),
        qPrintable(ErrorBox::recorded().join(QLatin1Char('\n'))));
    // The program goes on: commands still work.
    m_window->ElementClick(6, Qt::LeftButton);
    QCOMPARE(m_window->state().selectedElement(), 6);
    IniFile::setFaultForTesting({});
    cleanup();
    init();

    // A folder in place of the settings file is refused at start and reported once; the
    // first-run keys are not written over it.
    closeModals(&titles);
    open([](const QString &path) { QDir().mkpath(path); });
    const QStringList messages = ErrorBox::recorded();
    QCOMPARE(messages.value(0),
        QStringLiteral("Cannot open file %1.").arg(m_window->state().settingsFile()));
    QCOMPARE(messages.filter(QStringLiteral("Unable to write")), QStringList());
    QVERIFY(QFileInfo(m_window->state().settingsFile()).isDir());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
