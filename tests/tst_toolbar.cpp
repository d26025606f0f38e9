#include "common/Scale.h"
#include "toolbar/Glyphs.h"
#include "toolbar/TB97.h"

#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

namespace {

void send(QWidget *w, QEvent::Type type, QPoint local)
{
    const Qt::MouseButtons buttons
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(
        type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void drag(QWidget *w, QPoint from, QPoint to)
{
    send(w, QEvent::MouseButtonPress, from);
    send(w, QEvent::MouseMove, to);
    send(w, QEvent::MouseButtonRelease, to);
}

bool opaquePixels(const QPixmap &pm)
{
    const QImage img = pm.toImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

class TestToolbar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void floatsAndDocksBack();
    void closingTheFloatingWindowHidesIt();
    void hiddenDockedToolbarFreesTheDock();
    void floatAtKeepsClearOfTheDock();
    void movingOverTheDockDocks_data();
    void movingOverTheDockDocks();
    void gripDragFloatsAndDoubleClickDocks();
    void itemsSitInARowAtTheirOwnWidths();
    void buttonsAndSeparators();
    void glyphs_data();
    void glyphs();

private:
    QWidget *m_window = nullptr;
    TDock97 *m_dock = nullptr;
    TDock97 *m_bottomDock = nullptr;
    TToolbar97 *m_toolbar = nullptr;
    TToolbarButton97 *m_button = nullptr;
    TToolbarSep97 *m_sep = nullptr;
    QScrollBar *m_slider = nullptr;
};

void TestToolbar::init()
{
    m_window = new QWidget;
    m_window->setGeometry(100, 100, 500, 300);
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_dock = new TDock97(TDock97::Top, m_window);
    layout->addWidget(m_dock);
    layout->addStretch();
    m_bottomDock = new TDock97(TDock97::Bottom, m_window);
    layout->addWidget(m_bottomDock);

    m_toolbar = new TToolbar97(QStringLiteral("Toolbar"), m_window);
    m_button = new TToolbarButton97;
    m_button->setToolTip(QStringLiteral("Options"));
    m_sep = new TToolbarSep97;
    m_slider = new QScrollBar(Qt::Horizontal);
    m_slider->resize(Scale::size(150, 20));
    m_toolbar->addItem(m_button);
    m_toolbar->addItem(m_sep);
    m_toolbar->addItem(m_slider);
    m_toolbar->setDocks({ m_dock, m_bottomDock });

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestToolbar::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestToolbar::floatsAndDocksBack()
{
    QCOMPARE(m_toolbar->dockedTo(), m_dock);
    QVERIFY(!m_toolbar->isFloating());
    QVERIFY(m_dock->height() > 10);

    QSignalSpy changed(m_toolbar, &TToolbar97::dockChanged);
    m_toolbar->floatAt(m_window->mapToGlobal(QPoint(40, 150)));
    QCOMPARE(changed.count(), 1);
    QVERIFY(m_toolbar->isFloating());
    QVERIFY(m_toolbar->isWindow());
    QVERIFY(m_toolbar->isVisible());
    QCOMPARE(m_toolbar->windowTitle(), QStringLiteral("Toolbar"));
    QVERIFY(m_toolbar->windowFlags().testFlag(Qt::Tool));
    QVERIFY(m_toolbar->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(m_toolbar->parentWidget(), m_window); // stays above the main window
    QVERIFY(m_dock->height() <= 10);

    m_toolbar->floatAt(m_window->mapToGlobal(QPoint(60, 160))); // moving is no dock change
    QCOMPARE(changed.count(), 1);

    m_toolbar->dockTo(m_dock);
    QCOMPARE(changed.count(), 2);
    QVERIFY(!m_toolbar->isWindow());
    QCOMPARE(m_toolbar->parentWidget(), m_dock);
    QVERIFY(m_toolbar->isVisible());
    QVERIFY(m_dock->height() > 10);

    m_toolbar->dockTo(m_dock);
    QCOMPARE(changed.count(), 2);
}

void TestToolbar::closingTheFloatingWindowHidesIt()
{
    m_toolbar->floatAt(m_window->mapToGlobal(QPoint(40, 150)));
    QSignalSpy closed(m_toolbar, &TToolbar97::closed);
    QVERIFY(m_toolbar->close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(m_toolbar->isHidden());

    // Docking keeps it hidden: the View menu's mark decides when it shows again.
    m_toolbar->dockTo(m_dock);
    QVERIFY(m_toolbar->isHidden());
    QVERIFY(m_dock->height() <= 10);
    m_toolbar->show();
    QVERIFY(m_dock->height() > 10);
}

void TestToolbar::hiddenDockedToolbarFreesTheDock()
{
    QSignalSpy closed(m_toolbar, &TToolbar97::closed);
    m_toolbar->hide();
    QCOMPARE(m_dock->height(), 0);
    m_toolbar->show();
    QVERIFY(m_dock->height() > 10);
    // Closing is reported only for the floating window's own close button.
    m_toolbar->close();
    QCOMPARE(m_dock->height(), 0);
    QCOMPARE(closed.count(), 0);
}

void TestToolbar::floatAtKeepsClearOfTheDock()
{
    m_toolbar->floatAt(m_dock->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(m_toolbar->isFloating());
    QVERIFY(!m_dock->dockingZone().intersects(m_toolbar->geometry()));
}

void TestToolbar::movingOverTheDockDocks_data()
{
    QTest::addColumn<bool>("bottom");
    QTest::newRow("top") << false;
    QTest::newRow("bottom") << true;
}

void TestToolbar::movingOverTheDockDocks()
{
    QFETCH(bool, bottom);
    m_toolbar->floatAt(m_window->mapToGlobal(QPoint(40, 120)));
    QCoreApplication::processEvents();
    QVERIFY(m_toolbar->isFloating());
    QSignalSpy changed(m_toolbar, &TToolbar97::dockChanged);
    TDock97 *target = bottom ? m_bottomDock : m_dock;
    // The bottom dock is empty (0 high) but still takes a toolbar moved onto its edge.
    m_toolbar->move(target->mapToGlobal(QPoint(5, bottom ? -10 : 2)));
    QTRY_VERIFY(!m_toolbar->isFloating());
    QCOMPARE(m_toolbar->dockedTo(), target);
    QCOMPARE(changed.count(), 1);
    QVERIFY(target->height() > 10);
    QCOMPARE((bottom ? m_dock : m_bottomDock)->height(), 0);
}

void TestToolbar::gripDragFloatsAndDoubleClickDocks()
{
    const QPoint grip(Scale::px(4), m_toolbar->height() / 2);
    QSignalSpy changed(m_toolbar, &TToolbar97::dockChanged);

    // A small wobble on the grip is no drag.
    drag(m_toolbar, grip, grip + QPoint(1, 1));
    QCoreApplication::processEvents();
    QVERIFY(!m_toolbar->isFloating());

    // A press beside the grip does not drag either.
    const QPoint off(Scale::px(11) + 2, grip.y());
    drag(m_toolbar, off, off + QPoint(0, 150));
    QCoreApplication::processEvents();
    QVERIFY(!m_toolbar->isFloating());

    drag(m_toolbar, grip, grip + QPoint(0, 150));
    QTRY_VERIFY(m_toolbar->isFloating());
    QCOMPARE(changed.count(), 1);

    send(m_toolbar, QEvent::MouseButtonDblClick, grip);
    QTRY_VERIFY(!m_toolbar->isFloating());
    QCOMPARE(m_toolbar->dockedTo(), m_dock);
    QCOMPARE(changed.count(), 2);
}

void TestToolbar::itemsSitInARowAtTheirOwnWidths()
{
    QCOMPARE(m_button->x(), Scale::px(11));
    QCOMPARE(m_sep->x(), m_button->x() + m_button->width());
    QCOMPARE(m_slider->x(), m_sep->x() + m_sep->width());
    QVERIFY(m_slider->geometry().bottom() < m_toolbar->height());

    // The owner sets the slider's width; the toolbar follows, docked or floating.
    m_slider->resize(300, m_slider->height());
    QCOMPARE(m_toolbar->width(), m_slider->x() + 300 + Scale::px(2));
    m_toolbar->floatAt(m_window->mapToGlobal(QPoint(40, 150)));
    m_slider->resize(120, m_slider->height());
    QCOMPARE(m_toolbar->width(), m_slider->x() + 120 + Scale::px(2));

    // Hidden and deleted items give up their place.
    m_sep->hide();
    QCOMPARE(m_slider->x(), m_button->x() + m_button->width());
    m_sep->show();
    delete m_button;
    QCOMPARE(m_sep->x(), Scale::px(11));
    QCOMPARE(m_slider->x(), m_sep->x() + m_sep->width());
}

void TestToolbar::buttonsAndSeparators()
{
    QCOMPARE(m_button->size(), Scale::size(23, 22));
    QCOMPARE(m_sep->width(), Scale::px(6));
    QCOMPARE(m_button->toolTip(), QStringLiteral("Options"));
    QCOMPARE(m_button->focusPolicy(), Qt::NoFocus);

    QSignalSpy moved(m_button, &TToolbarButton97::mouseMoved);
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    send(m_button, QEvent::MouseMove, QPoint(3, 3));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).value<QObject *>(), m_button);
    QTest::mouseClick(m_button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void TestToolbar::glyphs_data()
{
    QTest::addColumn<int>("kind");
    const std::pair<const char *, Glyphs::Kind> kinds[] = { { "options", Glyphs::Options },
        { "element info", Glyphs::ElementInfo }, { "find", Glyphs::Find },
        { "temperature", Glyphs::Temperature }, { "graph", Glyphs::Graph },
        { "help", Glyphs::Help }, { "about", Glyphs::About }, { "program", Glyphs::Program } };
    for (auto [name, kind] : kinds)
        QTest::newRow(name) << int(kind);
}

void TestToolbar::glyphs()
{
    QFETCH(int, kind);
    const QIcon icon = Glyphs::icon(Glyphs::Kind(kind));
    QVERIFY(!icon.isNull());
    for (int side : { 16, 22, 32, 64 }) {
        const QPixmap pm = icon.pixmap(QSize(side, side), 1.0);
        QCOMPARE(pm.size(), QSize(side, side));
        QVERIFY(opaquePixels(pm));
    }
    // At ratio 2 the picture is drawn at twice the pixels, not stretched.
    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QVERIFY(opaquePixels(icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled)));
}

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
