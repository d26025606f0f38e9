#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "main/TableLayout.h"
#include "toolbar/TB97.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace {

const QString Shipped = QStringLiteral(AURALIS_SHIPPED_DATA "/");

void writeQuietSettings(const QString &folder)
{
    QVERIFY(Probes::writeQuietSettings(folder));
}

// The shipped data file with line `line` replaced, written to folder.
void writeDataWith(const QString &folder, int line, const QByteArray &text)
{
    QVERIFY(Probes::writeDataWith(folder, { { line, text } }));
}

void sendMouseMove(QWidget *w)
{
    const QPointF pos(1, 1);
    QMouseEvent move(
        QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

QColor tipColour()
{
    return QToolTip::palette().color(QPalette::ToolTipBase);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void construction();
    void classification_data();
    void classification();
    void classCounts();
    void syntheticTilesStartUndefined();
    void legend();

    void layoutFollowsBackground_data();
    void layoutFollowsBackground();
    void narrowTableHidesLabels();
    void painting();

    void hintPanelWidth_data();
    void hintPanelWidth();
    void temperatureTexts_data();
    void temperatureTexts();
    void statusTexts_data();
    void statusTexts();
    void mouseMovesReachStatus();
    void tileHintMode();
    void accessibleDescriptions();

    void floatingToolbarSlider();
    void toolbarCloseClearsMark();
    void statusBarToggleRelaysOut_data();
    void statusBarToggleRelaysOut();

    void missingDataFile();
    void badMeltingPoint();

private:
    TfrmAuralis *make(const QString &programFolder = Shipped, QChar separator = u'.');
    TfrmAuralis *makeShown(QSize background = QSize());
    void resizeBackground(QSize size);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowFixture> m_window;
};

void TestMainWindow::initTestCase()
{
    ErrorBox::setRecording(true);
}

void TestMainWindow::init()
{
    ErrorBox::recorded().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeQuietSettings(m_dir->path());
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

TfrmAuralis *TestMainWindow::make(const QString &programFolder, QChar separator)
{
    m_window.reset();
    m_window = std::make_unique<MainWindowFixture>(
        MainWindowFixture::startOptions(m_dir->path(), programFolder, separator));
    return m_window->get();
}

// A shown window, its background resized when a size is given; null if that failed.
TfrmAuralis *TestMainWindow::makeShown(QSize background)
{
    TfrmAuralis *w = make();
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        return nullptr;
    if (background.isValid())
        resizeBackground(background);
    return QTest::currentTestFailed() ? nullptr : w;
}

// Resizes the window so that the background area gets exactly this size.
void TestMainWindow::resizeBackground(QSize size)
{
    TfrmAuralis &w = *m_window->get();
    w.resize(w.size() + size - w.pntBackGround->size());
    QTRY_COMPARE(w.pntBackGround->size(), size);
}

void TestMainWindow::construction()
{
    TfrmAuralis *w = make();
    QVERIFY2(ErrorBox::recorded().isEmpty(), qPrintable(ErrorBox::recorded().join('|')));
    QCOMPARE(w->windowTitle(), QStringLiteral("Auralis 1.8a"));
    QVERIFY(w->tilesCreated());
    QCOMPARE(w->state().facts().settingsFolder, m_dir->path() + u'/');
    QCOMPARE(w->state().helpFile(), Shipped + QStringLiteral("auralis.hlp"));
    // No window frame is known before the first show: the whole minimum is the client's.
    QCOMPARE(w->minimumSize(), QSize(278, 326));

    for (int z = 1; z <= 109; ++z)
        QCOMPARE(w->tile(z)->parentWidget(), w->PeriodicTable);
    QVERIFY(!w->tile(0) && !w->tile(110));
    QCOMPARE(w->groupLabels[0]->parentWidget(), w->clientArea);
    QCOMPARE(w->groupLabels[15]->parentWidget(), w->clientArea);
    for (int i = 1; i <= 14; ++i)
        QCOMPARE(w->groupLabels[size_t(i)]->parentWidget(), w->PeriodicTable);
    QCOMPARE(w->groupLabels[7]->text(), QStringLiteral("VIIIA"));
    QCOMPARE(w->groupLabels[15]->text(), QStringLiteral("VIII"));

    for (const char *name : { "ToolbarDock", "BottomDock", "Toolbar", "butColor", "ToolSep1",
             "butElementInfo", "butFind", "butTemperature", "ToolSep2", "butGraph", "ToolSep3",
             "butHelp", "butAbout", "ToolSep4", "TempSlider", "StatusBar", "pntBackGround",
             "PeriodicTable", "pntGroupLines", "pntElementLines", "panLegend" })
        QVERIFY2(w->findChild<QWidget *>(QLatin1String(name)), name);
    QCOMPARE(w->TempSlider->maximum(), 6000);
    QCOMPARE(w->TempSlider->pageStep(), 100);
    // A click focuses the slider; Tab never does.
    QCOMPARE(w->TempSlider->focusPolicy(), Qt::ClickFocus);

    // The panel stays hidden until it has been laid out once, which the first show does.
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_VERIFY(w->PeriodicTable->isVisible());
}

void TestMainWindow::classification_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("label");
    QTest::newRow("hydrogen") << 1 << "lblNonMetals";
    QTest::newRow("helium") << 2 << "lblNonMetals";
    QTest::newRow("boron") << 5 << "lblSemimetals";
    QTest::newRow("carbon") << 6 << "lblNonMetals";
    QTest::newRow("polonium 84") << 84 << "lblMetals";
    QTest::newRow("astatine 85") << 85 << "lblNonMetals";
    QTest::newRow("tellurium") << 52 << "lblSemimetals";
    QTest::newRow("radon") << 86 << "lblNonMetals";
    for (int z = 57; z <= 71; ++z)
        QTest::addRow("lanthanide %d", z) << z << "lblMetals";
    for (int z = 89; z <= 109; ++z)
        QTest::addRow("actinide or later %d", z) << z << "lblMetals";
}

void TestMainWindow::classification()
{
    QFETCH(int, z);
    QFETCH(QString, label);
    TfrmAuralis *w = make();
    const auto *l = w->findChild<QLabel *>(label);
    QVERIFY(l);
    QCOMPARE(w->tile(z)->numberColor(), w->labelColour(l));
}

void TestMainWindow::classCounts()
{
    int counts[3] = {};
    for (int z = 1; z <= 109; ++z)
        ++counts[int(elementClass(z))];
    QCOMPARE(counts[int(ElementClass::Metal)], 85);
    QCOMPARE(counts[int(ElementClass::Nonmetal)], 17);
    QCOMPARE(counts[int(ElementClass::Semimetal)], 7);
    QCOMPARE(make()->labelColour((*m_window)->lblNonMetals), TColor::rgb(0, 0, 255));
}

void TestMainWindow::syntheticTilesStartUndefined()
{
    // Technetium is synthetic in the data; bohrium's melting and boiling points are "--"
    // and must never be read.
    TfrmAuralis *w = make();
    QVERIFY(ErrorBox::recorded().isEmpty());
    const TColor undefined = w->labelColour(w->lblUndefined);
    QCOMPARE(undefined, TColor::rgb(128, 128, 128));
    for (int z : { 43, 61, 93, 107 }) {
        QVERIFY(w->tile(z)->synthetic());
        QCOMPARE(w->tile(z)->stateColor(), undefined);
        QCOMPARE(w->tile(z)->meltingPoint(), 0.0);
    }
    QCOMPARE(w->tile(26)->meltingPoint(), 1811.0);
}

void TestMainWindow::legend()
{
    TfrmAuralis *w = make();
    const QPoint origin = w->panLegend->contentsRect().topLeft();
    auto right = [](const QLabel *l) { return l->x() + l->width(); };
    // Two columns, the states 4 pixels right of the longer class caption.
    QCOMPARE(w->lblSolids->x(), right(w->lblSemimetals) + 4);
    QCOMPARE(w->lblLiquids->x(), w->lblSolids->x());
    QCOMPARE(w->lblNonMetals->y(), w->lblMetals->y() + w->lblMetals->height());
    QCOMPARE(w->lblUndefined->y(), w->lblGases->y() + w->lblGases->height());
    QCOMPARE(w->panLegend->width(), right(w->lblLiquids) - origin.x() + 4);
    QCOMPARE(
        w->panLegend->height(), w->lblUndefined->y() - origin.y() + w->lblUndefined->height() + 3);
    const int centre = w->lblUndefined->x() - origin.x() + w->lblUndefined->width() / 2;
    QVERIFY(qAbs(centre - w->panLegend->width() / 2) <= 1);
}

void TestMainWindow::layoutFollowsBackground_data()
{
    QTest::addColumn<QSize>("background");
    QTest::addColumn<QSize>("table");
    QTest::addColumn<QSize>("tileSize");
    QTest::newRow("exact ratio") << QSize(392, 282) << QSize(350, 236) << QSize(19, 24);
    QTest::newRow("wide") << QSize(800, 400) << QSize(494, 350) << QSize(27, 36);
    QTest::newRow("square") << QSize(600, 600) << QSize(566, 388) << QSize(31, 40);
    QTest::newRow("large") << QSize(1100, 700) << QSize() << QSize();
    QTest::newRow("small") << QSize(290, 300) << QSize() << QSize();
}

void TestMainWindow::layoutFollowsBackground()
{
    QFETCH(QSize, background);
    QFETCH(QSize, table);
    QFETCH(QSize, tileSize);
    TfrmAuralis *w = makeShown(background);
    QVERIFY(w);

    const QRect bg = w->pntBackGround->geometry();
    const QRect panel = w->PeriodicTable->geometry();
    QCOMPARE(panel,
        TableLayout::panelRect(bg.top(), bg.width(), bg.height(), w->groupLabels[7]->height()));
    if (table.isValid())
        QCOMPARE(panel.size(), table);
    if (background == QSize(800, 400) && w->groupLabels[7]->height() <= 20)
        QCOMPARE(panel.topLeft(), QPoint(153, bg.top() + 25));
    QVERIFY(panel.left() >= 10 && panel.top() >= bg.top() + w->groupLabels[7]->height() + 5);

    const QPoint origin = w->PeriodicTable->contentsRect().topLeft();
    const TableLayout::Result r = TableLayout::layoutTable(
        panel.width(), panel.height(), 0, 20,
        [w](int pt) {
            QFont f(w->pntBackGround->font());
            f.setPointSize(pt);
            return QFontMetrics(f, w->pntBackGround).horizontalAdvance(QStringLiteral("Une"));
        },
        [w](int i, int pt) {
            QFont f(w->PeriodicTable->font());
            f.setPointSize(pt);
            const QFontMetrics fm(f);
            return QSize(fm.horizontalAdvance(w->groupLabels[size_t(i)]->text()), fm.height());
        },
        w->panLegend->size());
    QCOMPARE(w->PeriodicTable->font().pointSize(), r.fontPointSize);
    QCOMPARE(w->tile(57)->font().pointSize(), r.fontPointSize);
    QCOMPARE(w->groupLabels[3]->font().pointSize(), r.fontPointSize);
    QCOMPARE(w->groupLabels[0]->font().pointSize(), w->font().pointSize());
    for (int z = 1; z <= 109; ++z)
        QCOMPARE(w->tile(z)->geometry(), r.tiles[size_t(z)].translated(origin));
    if (tileSize.isValid())
        QCOMPARE(w->tile(1)->size(), tileSize);
    QCOMPARE(w->pntElementLines->geometry(), r.elementLines.translated(origin));
    QCOMPARE(w->pntGroupLines->isVisibleTo(w), r.labelsVisible);
    QCOMPARE(w->panLegend->isVisibleTo(w), r.legendVisible);
    if (r.legendVisible)
        QCOMPARE(w->panLegend->pos(), r.legend + origin);
    if (r.labelsVisible) {
        QCOMPARE(w->groupLabels[9]->pos(), r.labels[9] + origin);
        QCOMPARE(w->pntGroupLines->geometry(), r.groupLines.translated(origin));
    }

    // "IA" and "VIII" sit on the window, centred over elements 1 and 2, just above the panel.
    for (auto [index, z] : { std::pair { 0, 1 }, std::pair { 15, 2 } }) {
        const QLabel *label = w->groupLabels[size_t(index)];
        QCOMPARE(label->isVisibleTo(w), r.labelsVisible);
        QCOMPARE(label->geometry().bottom(), panel.top() - 2);
        const QRect t = w->tile(z)->geometry().translated(panel.topLeft());
        QVERIFY(qAbs(label->geometry().center().x() - t.center().x()) <= 1);
    }
}

void TestMainWindow::narrowTableHidesLabels()
{
    TfrmAuralis *w = makeShown(QSize(800, 500));
    QVERIFY(w);
    QVERIFY(!w->groupLabels[1]->isHidden() || w->groupLabels[14]->isHidden());
    resizeBackground(QSize(w->minimumWidth(), 400));
    for (const QLabel *label : w->groupLabels)
        QVERIFY(label->isHidden());
    QVERIFY(w->pntGroupLines->isHidden());
    // Without labels the legend centres itself above period 4.
    if (!w->panLegend->isHidden())
        QVERIFY(w->panLegend->geometry().bottom() < w->tile(22)->y());
}

void TestMainWindow::painting()
{
    TfrmAuralis *w = makeShown(QSize(800, 500));
    QVERIFY(w);

    // The sunken frame: each run of lines leaves its last point to the next colour.
    const QImage bg = w->pntBackGround->grab().toImage();
    const QPalette &pal = w->pntBackGround->palette();
    const QRgb light = TColor::system(TColor::BtnHighlight).resolve(pal).rgb();
    const QRgb dark = TColor::system(TColor::BtnShadow).resolve(pal).rgb();
    const int W = bg.width();
    const int H = bg.height();
    QCOMPARE(bg.pixel(W - 1, 0), light);
    QCOMPARE(bg.pixel(0, H - 1), light);
    QCOMPARE(bg.pixel(W - 2, H - 1), light);
    QCOMPARE(bg.pixel(0, 0), dark);
    QCOMPARE(bg.pixel(0, H - 2), dark);
    QCOMPARE(bg.pixel(1, 1), qRgb(0, 0, 0));
    QCOMPARE(bg.pixel(W - 3, 1), qRgb(0, 0, 0));
    QCOMPARE(bg.pixel(1, H - 3), qRgb(0, 0, 0));
    QVERIFY(bg.pixel(1, H - 2) != qRgb(0, 0, 0));
    // The picture repeats at its own size.
    const QImage picture = w->imgWallpaper.toImage();
    if (!picture.isNull() && picture.width() + 5 < W && picture.height() + 5 < H)
        QCOMPARE(bg.pixel(picture.width() + 5, picture.height() + 5), picture.pixel(5, 5));

    // Bracket and connectors start at their boxes' corners; the table is silver here, so
    // the maroon ANDed with it stays maroon.
    QCOMPARE(w->state().colours().table, TColor::rgb(192, 192, 192));
    const QImage table = w->PeriodicTable->grab().toImage();
    const QRect lines = w->pntElementLines->geometry();
    QCOMPARE(table.pixel(lines.topLeft()), qRgb(128, 0, 0));
    QCOMPARE(table.pixel(lines.left(), lines.top() + w->tile(57)->height()), qRgb(128, 0, 0));
    const QRect bracket = w->pntGroupLines->geometry();
    if (w->pntGroupLines->isVisible())
        QCOMPARE(table.pixel(bracket.bottomLeft()), qRgb(0, 0, 255));
    // The panel's border: black line, raised bevel, gap, lowered bevel.
    QCOMPARE(table.pixel(0, 5), qRgb(0, 0, 0));
    QCOMPARE(table.pixel(1, 5), light);
    QCOMPARE(table.pixel(3, 5), dark);
}

void TestMainWindow::hintPanelWidth_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("panel");
    QTest::newRow("500") << 500 << 300;
    QTest::newRow("333 truncates") << 333 << 199;
}

void TestMainWindow::hintPanelWidth()
{
    QFETCH(int, bar);
    QFETCH(int, panel);
    TfrmAuralis *w = make();
    w->StatusBar->resize(bar, w->StatusBar->height());
    w->ToolsResize();
    const auto *hintPanel = w->StatusBar->findChild<QLabel *>(QStringLiteral("StatusPanel0"));
    QCOMPARE(hintPanel->maximumWidth(), panel);
    QCOMPARE(hintPanel->minimumWidth(), panel);
}

void TestMainWindow::temperatureTexts_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << QChar(u'.') << 0 << QString::fromUtf8("0.00 K, -273.15°C, -459.67°F");
    QTest::newRow("6000") << QChar(u'.') << 6000
                          << QString::fromUtf8("6000.00 K, 5726.85°C, 10340.33°F");
    QTest::newRow("273") << QChar(u'.') << 273 << QString::fromUtf8("273.00 K, -0.15°C, 31.73°F");
    QTest::newRow("298.15") << QChar(u'.') << -1 << QString::fromUtf8("298.15 K, 25.00°C, 77.00°F");
    QTest::newRow("298.15 comma") << QChar(u',') << -1
                                  << QString::fromUtf8("298,15 K, 25,00°C, 77,00°F");
    QTest::newRow("1000 comma") << QChar(u',') << 1000
                                << QString::fromUtf8("1000,00 K, 726,85°C, 1340,33°F");
}

void TestMainWindow::temperatureTexts()
{
    QFETCH(QChar, separator);
    QFETCH(int, slider);
    QFETCH(QString, text);
    TfrmAuralis *w = make(Shipped, separator);
    QVERIFY(ErrorBox::recorded().isEmpty());
    if (slider >= 0) {
        w->TempSlider->setValue(slider == 0 ? 1 : 0);
        w->TempSlider->setValue(slider);
        QCOMPARE(w->state().temperature(), float(slider));
        QCOMPARE(w->tile(26)->temperature(), double(slider));
    } else {
        w->setTemperature(298.15f);
    }
    QCOMPARE(w->statusText(1), text);
}

void TestMainWindow::statusTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const char *const legendText = "Double-click here to setup colors";
    const char *const rows[][3] = { { "options", "butColor", "Setup element and table colors" },
        { "info", "butElementInfo", "Element Information Window" },
        { "find", "butFind", "Find an element in terms of weight, size, and others" },
        { "temperature", "butTemperature",
            "Set the current temperature in Kelvin, Celcius or Farenheit" },
        { "graph", "butGraph", "Graph periodic trends" },
        { "help", "butHelp", "Help on Auralis   " }, { "about", "butAbout", "About Auralis   " },
        { "legend", "panLegend", legendText }, { "legend label", "lblUndefined", legendText },
        { "hydrogen", "tile1", "1: Hydrogen,  H,  1s1" },
        { "iron", "tile26", "26: Iron,  Fe,  [Ar] 3d6 4s2" }, { "slider", "TempSlider", "" } };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << QString::fromLatin1(r[1]) << QString::fromLatin1(r[2]);
}

void TestMainWindow::statusTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    TfrmAuralis *w = make();
    QObject *sender = w->findChild<QObject *>(control);
    QVERIFY(sender);
    w->Status(sender);
    QCOMPARE(w->statusText(0), text);
    w->ClearStatus();
    QCOMPARE(w->statusText(0), QString());
}

void TestMainWindow::mouseMovesReachStatus()
{
    TfrmAuralis *w = makeShown();
    QVERIFY(w);
    const QString legendText = QStringLiteral("Double-click here to setup colors");

    sendMouseMove(w->tile(1));
    QCOMPARE(w->statusText(0), QStringLiteral("1: Hydrogen,  H,  1s1"));
    for (QWidget *clearing : { static_cast<QWidget *>(w->groupLabels[0]), w->pntBackGround,
             static_cast<QWidget *>(w->PeriodicTable), w->pntElementLines, w->pntGroupLines,
             static_cast<QWidget *>(w->groupLabels[8]) }) {
        sendMouseMove(w->lblGases);
        QCOMPARE(w->statusText(0), legendText);
        sendMouseMove(clearing);
        QVERIFY2(w->statusText(0).isEmpty(), qPrintable(clearing->objectName()));
    }
    sendMouseMove(w->panLegend);
    QCOMPARE(w->statusText(0), legendText);
}

void TestMainWindow::tileHintMode()
{
    TfrmAuralis *w = make();
    const QColor ordinary = tipColour();
    QCOMPARE(w->hintDelay(), 500);
    w->Status(w->tile(8));
    QCOMPARE(w->hintDelay(), 0);
    QCOMPARE(tipColour(), QColor(191, 255, 255));
    // The slider has a style of its own, but its tip keeps the mode's delay.
    auto delay = [](QWidget *widget) {
        return widget->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, widget);
    };
    QCOMPARE(delay(w->tile(8)), 0);
    QCOMPARE(delay(w->TempSlider), 0);
    w->Status(w->butFind);
    QCOMPARE(w->hintDelay(), 800);
    QCOMPARE(tipColour(), ordinary);
    QCOMPARE(delay(w->butFind), 800);
    QCOMPARE(delay(w->TempSlider), 800);
    w->Status(w->tile(8));
    w->ClearStatus();
    QCOMPARE(w->hintDelay(), 800);
    QCOMPARE(tipColour(), ordinary);
}

void TestMainWindow::accessibleDescriptions()
{
    TfrmAuralis *w = make();
    QCOMPARE(w->tile(26)->accessibleName(), QStringLiteral("Iron"));
    QCOMPARE(w->tile(26)->toolTip(), QStringLiteral("Iron"));
    // Descriptions are written when a screen reader starts listening, and kept current then.
    QAccessible::setActive(true);
    const auto quiet = qScopeGuard([] { QAccessible::setActive(false); });
    QCOMPARE(w->tile(26)->accessibleDescription(),
        QStringLiteral("Iron, 26, Fe, metal, solid at 298.15 K"));
    QCOMPARE(w->tile(43)->accessibleDescription(),
        QStringLiteral("Technetium, 43, Tc, metal, synthetic"));
    w->TempSlider->setValue(2000);
    QCOMPARE(w->tile(26)->accessibleDescription(),
        QStringLiteral("Iron, 26, Fe, metal, liquid at 2000.00 K"));
    QCOMPARE(w->tile(8)->accessibleDescription(),
        QStringLiteral("Oxygen, 8, O, nonmetal, gas at 2000.00 K"));
}

void TestMainWindow::floatingToolbarSlider()
{
    TfrmAuralis *w = makeShown(QSize(700, 400));
    QVERIFY(w);
    auto dockedWidth
        = [w] { return w->clientArea->width() - w->TempSlider->x() - w->ToolSep1->width(); };
    QTRY_COMPARE(w->TempSlider->width(), dockedWidth());

    w->Toolbar->floatAt(w->mapToGlobal(QPoint(100, 200)));
    QTRY_VERIFY(w->Toolbar->isFloating());
    QTRY_COMPARE(w->TempSlider->width(), w->butAbout->x() + w->butAbout->width());

    w->Toolbar->dockTo(w->ToolbarDock);
    QTRY_VERIFY(!w->Toolbar->isFloating());
    QTRY_COMPARE(w->TempSlider->width(), dockedWidth());

    // Docked at the bottom the table makes room for it and the slider stretches again.
    w->Toolbar->dockTo(w->BottomDock);
    QTRY_VERIFY(w->BottomDock->height() > 10);
    QTRY_COMPARE(w->TempSlider->width(), dockedWidth());
    QTRY_VERIFY(w->PeriodicTable->geometry().bottom() < w->BottomDock->y());
    QVERIFY(w->PeriodicTable->y() >= w->pntBackGround->y() + 10);
}

void TestMainWindow::toolbarCloseClearsMark()
{
    TfrmAuralis *w = makeShown();
    QVERIFY(w);
    QVERIFY(w->mnuToolbar && w->mnuToolbar->isChecked());
    w->Toolbar->floatAt(w->mapToGlobal(QPoint(100, 200)));
    QTRY_VERIFY(w->Toolbar->isFloating());
    w->Toolbar->close();
    QTRY_VERIFY(!w->mnuToolbar->isChecked());
}

void TestMainWindow::statusBarToggleRelaysOut_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::newRow("toolbar docked top") << "top";
    QTest::newRow("toolbar docked bottom") << "bottom";
    QTest::newRow("toolbar floating") << "floating";
}

void TestMainWindow::statusBarToggleRelaysOut()
{
    QFETCH(QString, toolbar);
    TfrmAuralis *w = makeShown();
    QVERIFY(w);
    w->resize(900, 700);
    if (toolbar == QLatin1String("bottom"))
        w->Toolbar->dockTo(w->BottomDock);
    else if (toolbar == QLatin1String("floating"))
        w->Toolbar->floatAt(w->mapToGlobal(QPoint(100, 200)));
    QTRY_COMPARE(w->size(), QSize(900, 700));
    QTRY_VERIFY(w->Toolbar->isFloating() == (toolbar == QLatin1String("floating")));
    QTRY_VERIFY((w->BottomDock->height() > 10) == (toolbar == QLatin1String("bottom")));

    // At this size the height limits the table, so it sits centred in the background.
    auto gapsDiffer = [w] {
        const QRect bg = w->pntBackGround->geometry();
        const QRect table = w->PeriodicTable->geometry();
        return (bg.bottom() - table.bottom()) - (table.top() - bg.top());
    };
    QMenuBar *bar = w->menuBar();
    for (bool shown : { false, true }) {
        QTest::mouseClick(
            bar, Qt::LeftButton, {}, bar->actionGeometry(w->ViewMenu->menuAction()).center());
        QTRY_VERIFY(w->ViewMenu->isVisible());
        QTest::mouseClick(
            w->ViewMenu, Qt::LeftButton, {}, w->ViewMenu->actionGeometry(w->mnuStatusBar).center());
        QTRY_VERIFY(!w->ViewMenu->isVisible());
        QCOMPARE(w->StatusBar->isVisible(), shown);
        QCOMPARE(w->mnuStatusBar->isChecked(), shown);
        QCoreApplication::processEvents();
        QVERIFY2(qAbs(gapsDiffer()) <= 1, qPrintable(QString::number(gapsDiffer())));
        if (!shown)
            QCOMPARE(w->clientArea->geometry().bottom(), w->rect().bottom());
    }
}

void TestMainWindow::missingDataFile()
{
    const QString folder = m_dir->path() + u'/';
    TfrmAuralis *w = make(folder);
    QCOMPARE(ErrorBox::recorded(),
        QStringList { QStringLiteral("Cannot open file %1auralis.bkp.").arg(folder) });
    QCOMPARE(w->windowTitle(), QStringLiteral("Auralis 1.8a"));
    QVERIFY(!w->tilesCreated());
    QVERIFY(!w->tile(1) && !w->groupLabels[0]);

    // Nothing that happens to the window afterwards may touch a missing tile or label.
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    resizeBackground(QSize(600, 500));
    resizeBackground(QSize(300, 300));
    for (QWidget *target : { w->pntBackGround, static_cast<QWidget *>(w->PeriodicTable),
             w->pntGroupLines, w->pntElementLines, static_cast<QWidget *>(w->panLegend) })
        sendMouseMove(target);
    w->TempSlider->setValue(1234);
    w->PeriodicTableResize();
    w->Toolbar->floatAt(w->mapToGlobal(QPoint(50, 50)));
    w->Toolbar->dockTo(w->ToolbarDock);
    w->repaint();
    QVERIFY(!w->PeriodicTable->isVisible());
    QCOMPARE(ErrorBox::recorded().size(), 1);
}

void TestMainWindow::badMeltingPoint()
{
    // Zinc's melting point value (element 30, field 23) is not a number.
    writeDataWith(m_dir->path(), 29 * 35 + 23, "abc");
    TfrmAuralis *w = make(m_dir->path() + u'/');
    QCOMPARE(ErrorBox::recorded(),
        QStringList { QStringLiteral("'abc' is not a valid floating point value.") });
    QVERIFY(!w->tilesCreated());
    QVERIFY(w->tile(29) && w->tile(30));
    QVERIFY(!w->tile(31));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    resizeBackground(QSize(500, 400));
    sendMouseMove(w->tile(30));
    QCOMPARE(w->statusText(0).left(4), QStringLiteral("30: "));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
