#include "elements/Elements.h"
#include "elements/WinBevel.h"

#include <QtTest>

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);
const QColor Silver(192, 192, 192);

// A non-silver panel whose 3-D colours are easy to tell apart from the fixed shades.
const QColor Face(200, 210, 230);
const QColor PaletteLight(250, 250, 150);
const QColor PaletteDark(60, 60, 140);

class Panel : public QWidget
{
public:
    explicit Panel(const QColor &face, int pointSize = 10)
    {
        QPalette pal = palette();
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
            pal.setColor(group, QPalette::Window, face);
            pal.setColor(group, QPalette::Light, PaletteLight);
            pal.setColor(group, QPalette::Dark, PaletteDark);
        }
        setPalette(pal);
        setAutoFillBackground(true);
        QFont f = font();
        f.setPointSize(pointSize);
        f.setStyleStrategy(QFont::NoAntialias);
        setFont(f);
        resize(200, 200);
    }
};

class PaintCounter : public QObject
{
public:
    int count = 0;
    QRegion region; // painted since the count was last cleared
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            region += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
    void clear()
    {
        count = 0;
        region = QRegion();
    }
};

TElement *makeTile(QWidget *panel, QSize size = QSize(60, 60))
{
    auto *tile = new TElement(panel);
    tile->setGeometry(QRect(QPoint(10, 10), size));
    return tile;
}

QImage render(QWidget *panel, QWidget *child)
{
    return panel->grab(child->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage &img, int x, int y)
{
    return QColor(img.pixel(x, y));
}

// The colours met walking `steps` pixels from `from` in direction `step`.
QList<QColor> scan(const QImage &img, QPoint from, QPoint step, int steps)
{
    QList<QColor> out;
    for (int i = 0; i < steps; ++i, from += step)
        out.append(at(img, from.x(), from.y()));
    return out;
}

QList<QColor> repeated(const QColor &c, int n)
{
    return QList<QColor>(n, c);
}

bool contains(const QImage &img, const QRect &area, const QColor &c)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (at(img, x, y) == c)
                return true;
    return false;
}

} // namespace

class TestElements : public QObject
{
    Q_OBJECT

private slots:
    void reliefRings_data();
    void reliefRings();
    void deepReliefInShortTile();
    void frameStaysSolidAtRatioTwo();
    void ordinaryFrame_data();
    void ordinaryFrame();
    void selectedReliefKeepsRingsWithDottedOutline();
    void symbolOnlyDecision_data();
    void symbolOnlyDecision();
    void textColoursAndPlaces();
    void stateColourByTemperature_data();
    void stateColourByTemperature();
    void syntheticKeepsItsColour();
    void shadeColourWritesWaitForTemperature();
    void repaintsOnlyWhenStateChanges();
    void bevelLines();
};

void TestElements::reliefRings_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QList<QColor>>("top"); // outline first, then rings, then the face
    QTest::addColumn<QList<QColor>>("right");

    const QColor d = PaletteDark, l = PaletteLight;
    QTest::newRow("level 1: ten sunken")
        << 1 << (QList<QColor> { Black } + repeated(d, 10) + QList<QColor> { Face })
        << (QList<QColor> { Black } + repeated(l, 10) + QList<QColor> { Face });
    QTest::newRow("level 10: one sunken")
        << 10 << QList<QColor> { Black, d, Face } << QList<QColor> { Black, l, Face };
    QTest::newRow("level 11: one raised")
        << 11 << QList<QColor> { Black, l, Face } << QList<QColor> { Black, d, Face };
    QTest::newRow("level 20: ten raised")
        << 20 << (QList<QColor> { Black } + repeated(l, 10) + QList<QColor> { Face })
        << (QList<QColor> { Black } + repeated(d, 10) + QList<QColor> { Face });
    QTest::newRow("no value: one dark ring")
        << -1 << QList<QColor> { Black, d, Face } << QList<QColor> { Black, d, Face };
}

void TestElements::reliefRings()
{
    QFETCH(int, depth);
    QFETCH(QList<QColor>, top);
    QFETCH(QList<QColor>, right);

    Panel panel(Face);
    TElement *tile = makeTile(&panel);
    tile->setDepth(depth);
    const QImage img = render(&panel, tile);
    QCOMPARE(scan(img, QPoint(img.width() / 2, 0), QPoint(0, 1), top.size()), top);
    QCOMPARE(
        scan(img, QPoint(img.width() - 1, img.height() / 2), QPoint(-1, 0), right.size()), right);
    QVERIFY(tile->symbolOnly());
    // Inner rings keep their first colour in the bottom-left corner; the outline is closed.
    QCOMPARE(at(img, 1, img.height() - 2), top.at(1));
    QCOMPARE(at(img, 0, img.height() - 1), Black);
}

// Rings past the middle of a short tile still draw: their bottom sides land above their
// top sides, so ring 10's light bottom edge covers ring 3's dark top edge.
void TestElements::deepReliefInShortTile()
{
    Panel panel(Face);
    TElement *tile = makeTile(&panel, QSize(60, 14));
    tile->setDepth(1);
    const QImage img = render(&panel, tile);
    QCOMPARE(at(img, 30, 3), PaletteLight);
    QCOMPARE(at(img, 30, 10), PaletteDark);
}

void TestElements::frameStaysSolidAtRatioTwo()
{
    Panel panel(Face);
    TElement *tile = makeTile(&panel, QSize(40, 40));
    tile->setDepth(10);
    QImage img(80, 80, QImage::Format_RGB32);
    img.setDevicePixelRatio(2.0);
    img.fill(Face);
    tile->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    const QList<QColor> expected { Black, Black, PaletteDark, PaletteDark, Face };
    QCOMPARE(scan(img, QPoint(40, 0), QPoint(0, 1), expected.size()), expected);
    QCOMPARE(scan(img, QPoint(0, 40), QPoint(1, 0), expected.size()), expected);
}

void TestElements::ordinaryFrame_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");

    QTest::newRow("silver raised") << Silver << false << White << Grey;
    QTest::newRow("silver selected sunken") << Silver << true << Grey << White;
    QTest::newRow("other face raised") << Face << false << PaletteLight << PaletteDark;
    QTest::newRow("other face selected") << Face << true << PaletteDark << PaletteLight;
    // The panel's colour value decides, not what it resolves to: the 3-D face colour of a
    // desktop whose face is silver takes the desktop's shades.
    QTest::newRow("system face that resolves to silver")
        << Silver << false << PaletteLight << PaletteDark;
}

void TestElements::ordinaryFrame()
{
    QFETCH(QColor, face);
    QFETCH(bool, selected);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);

    Panel panel(face);
    TElement *tile = makeTile(&panel);
    if (QByteArray(QTest::currentDataTag()).startsWith("system"))
        tile->setFaceColor(TColor::system(TColor::BtnFace));
    tile->setSelected(selected);
    const QImage img = render(&panel, tile);
    const int r = img.width() - 1, b = img.height() - 1;
    for (QPoint p : { QPoint(0, 0), QPoint(r / 2, 0), QPoint(0, b / 2) })
        QCOMPARE(at(img, p.x(), p.y()), topLeft);
    // The ordinary ring runs on into the bottom-left corner in its second colour.
    for (QPoint p : { QPoint(r, 0), QPoint(r, b / 2), QPoint(r / 2, b), QPoint(0, b) })
        QCOMPARE(at(img, p.x(), p.y()), bottomRight);
    QCOMPARE(at(img, 1, 1), face);
}

void TestElements::selectedReliefKeepsRingsWithDottedOutline()
{
    Panel panel(Face);
    TElement *tile = makeTile(&panel);
    tile->setDepth(11);
    tile->setSelected(true);
    const QImage img = render(&panel, tile);
    int black = 0;
    for (int x = 0; x < img.width(); ++x) {
        const QColor c = at(img, x, 0);
        QVERIFY2(c == Black || c == Face, qPrintable(QString::number(x)));
        QVERIFY(x + 1 == img.width() || c != at(img, x + 1, 0));
        black += c == Black;
    }
    QCOMPARE(black, img.width() / 2);
    QCOMPARE(at(img, img.width() / 2, 1), PaletteLight);

    tile->setSelected(false);
    const QImage solid = render(&panel, tile);
    for (int x = 0; x < solid.width(); ++x)
        QCOMPARE(at(solid, x, 0), Black);
}

void TestElements::symbolOnlyDecision_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("extraHeight"); // tile height beyond two text lines + 2
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("symbolOnly");

    QTest::newRow("8 pt, too short") << 8 << -1 << 0 << true;
    QTest::newRow("8 pt, tall enough") << 8 << 0 << 0 << false;
    QTest::newRow("10 pt, too short") << 10 << -1 << 0 << false;
    QTest::newRow("10 pt, relief") << 10 << 20 << 5 << true;
    QTest::newRow("10 pt, no value") << 10 << 20 << -1 << true;
}

void TestElements::symbolOnlyDecision()
{
    QFETCH(int, pointSize);
    QFETCH(int, extraHeight);
    QFETCH(int, depth);
    QFETCH(bool, symbolOnly);

    Panel panel(Face, pointSize);
    const int th = QFontMetrics(panel.font()).height();
    TElement *tile = makeTile(&panel, QSize(40, 2 * th + 2 + extraHeight));
    tile->setDepth(depth);
    tile->setSymbol(QStringLiteral("H"));
    tile->setNumber(QStringLiteral("1"));
    tile->setNumberColor(TColor::rgb(0, 0, 255));
    render(&panel, tile);
    QCOMPARE(tile->symbolOnly(), symbolOnly);
}

void TestElements::textColoursAndPlaces()
{
    Panel panel(Silver, 12);
    const QFontMetrics fm(panel.font());
    TElement *tile = makeTile(&panel, QSize(60, 2 * fm.height() + 10));
    tile->setSymbol(QStringLiteral("Fe"));
    tile->setNumber(QStringLiteral("26"));
    tile->setNumberColor(TColor::rgb(0, 0, 255));
    tile->setMeltingPoint(1000);
    tile->setSolidColor(TColor::rgb(255, 0, 0));
    tile->setTemperature(300);

    const QImage img = render(&panel, tile);
    const int w = img.width(), h = img.height();
    const QRect numberCell(w - 3 - fm.horizontalAdvance(QStringLiteral("26")), 1,
        fm.horizontalAdvance(QStringLiteral("26")), fm.height());
    const QRect symbolCell(
        2, h - 2 - fm.height(), fm.horizontalAdvance(QStringLiteral("Fe")), fm.height());
    QVERIFY(contains(img, numberCell, QColor(0, 0, 255)));
    QVERIFY(contains(img, symbolCell, QColor(255, 0, 0)));
    QVERIFY(!contains(img, symbolCell, QColor(0, 0, 255)));

    // Centred symbol, no number.
    tile->setDepth(10);
    const QImage relief = render(&panel, tile);
    QVERIFY(!contains(relief, QRect(0, 0, w, h), QColor(0, 0, 255)));
    const int sw = fm.horizontalAdvance(QStringLiteral("Fe"));
    QVERIFY(contains(relief, QRect(w / 2 - sw / 2, h / 2 - fm.height() / 2, sw, fm.height()),
        QColor(255, 0, 0)));
}

void TestElements::stateColourByTemperature_data()
{
    QTest::addColumn<double>("kelvin");
    QTest::addColumn<quint32>("expected");

    const quint32 solid = 1, liquid = 2, gas = 3;
    QTest::newRow("absolute zero") << 0.0 << solid;
    QTest::newRow("just below melting") << 273.14 << solid;
    QTest::newRow("exactly melting") << 273.15 << liquid;
    QTest::newRow("just below boiling") << 373.14 << liquid;
    QTest::newRow("exactly boiling") << 373.15 << gas;
    QTest::newRow("hot") << 6000.0 << gas;
}

void TestElements::stateColourByTemperature()
{
    QFETCH(double, kelvin);
    QFETCH(quint32, expected);

    TElement tile(nullptr);
    tile.setMeltingPoint(273.15);
    tile.setBoilingPoint(373.15);
    tile.setSolidColor(TColor(1));
    tile.setLiquidColor(TColor(2));
    tile.setGasColor(TColor(3));
    tile.setTemperature(kelvin);
    QCOMPARE(tile.stateColor().value(), expected);
    QCOMPARE(tile.temperature(), kelvin);
}

void TestElements::syntheticKeepsItsColour()
{
    TElement tile(nullptr);
    tile.setGasColor(TColor(3));
    tile.setSyntheticColor(TColor(9));
    QCOMPARE(tile.stateColor().value(), 0u); // not synthetic yet
    tile.setSynthetic(true);
    QCOMPARE(tile.stateColor().value(), 9u);
    tile.setTemperature(5000);
    QCOMPARE(tile.stateColor().value(), 9u);
    QCOMPARE(tile.temperature(), 0.0);
    tile.setSyntheticColor(TColor(7));
    QCOMPARE(tile.stateColor().value(), 7u);
}

void TestElements::shadeColourWritesWaitForTemperature()
{
    TElement tile(nullptr);
    tile.setMeltingPoint(500);
    tile.setSolidColor(TColor(1));
    tile.setTemperature(300);
    QCOMPARE(tile.stateColor().value(), 1u);
    tile.setSolidColor(TColor(4));
    QCOMPARE(tile.stateColor().value(), 1u);
    tile.setTemperature(tile.temperature());
    QCOMPARE(tile.stateColor().value(), 4u);
}

void TestElements::repaintsOnlyWhenStateChanges()
{
    Panel panel(Face);
    TElement *tile = makeTile(&panel);
    tile->setMeltingPoint(500);
    tile->setBoilingPoint(1000);
    tile->setSolidColor(TColor(1));
    tile->setLiquidColor(TColor(2));
    tile->setTemperature(300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    PaintCounter counter;
    tile->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.count = 0;

    tile->setTemperature(400); // still solid
    tile->setSolidColor(TColor(5));
    tile->setSymbol(QStringLiteral("X"));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);

    // A change of state repaints the symbol and the frame, not the number.
    const QFontMetrics fm(tile->font());
    const int h = tile->height(), w = tile->width();
    tile->setTemperature(600); // melts
    QTRY_VERIFY(counter.count > 0);
    QVERIFY(counter.region.contains(QPoint(3, h - 2 - fm.height() / 2)));
    QVERIFY(counter.region.contains(QPoint(w - 1, h / 2)));
    QVERIFY(!counter.region.contains(QPoint(w - 4, 1 + fm.height() / 2)));

    // A change of selection repaints the outermost ring only.
    counter.clear();
    tile->setSelected(true);
    QTRY_VERIFY(counter.count > 0);
    QVERIFY(counter.region.contains(QPoint(0, h / 2)));
    QVERIFY(!counter.region.contains(QPoint(1, h / 2)));
    QVERIFY(!counter.region.contains(QPoint(3, h - 2 - fm.height() / 2)));
}

void TestElements::bevelLines()
{
    Panel parent(Face);
    auto *bevel = new TWinBevel(&parent);
    bevel->setGeometry(10, 10, 40, 20);
    const QImage img = render(&parent, bevel);
    const int r = 39, b = 19;
    QCOMPARE(at(img, r, 0), PaletteLight); // right side from the very top
    QCOMPARE(at(img, 0, b), PaletteLight); // bottom side to the very left
    QCOMPARE(at(img, 0, b - 1), PaletteDark);
    QCOMPARE(at(img, r - 1, 0), PaletteDark);
    QCOMPARE(at(img, 1, b - 2), Black);
    QCOMPARE(at(img, r - 2, 1), Black);
    QCOMPARE(at(img, r - 1, 1), Face); // the inner line stops short
    QCOMPARE(at(img, 1, b - 1), Face);
    QCOMPARE(at(img, 2, 2), Face);

    bevel->setWinBevel(false);
    const QImage plain = render(&parent, bevel);
    QCOMPARE(at(plain, 0, 0), Face);
    QCOMPARE(at(plain, r, b), Face);
}

QTEST_MAIN(TestElements)
#include "tst_elements.moc"
