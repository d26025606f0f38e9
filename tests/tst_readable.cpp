#include "base/Contrast.h"
#include "common/ErrorBox.h"
#include "common/Guarded.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "windows/Unt_grph.h"
#include "windows/Unt_info.h"
#include "windows/unt_optn.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A dark desktop palette as the common dark themes give it.
QPalette darkPalette()
{
    QPalette pal(QColor(0x31, 0x36, 0x3b), QColor(0x31, 0x36, 0x3b));
    pal.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    pal.setColor(QPalette::Text, QColor(0xfc, 0xfc, 0xfc));
    pal.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
    pal.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    return pal;
}

// What the eye gets: the strongest contrast between the text colour and any pixel in the
// text's box (its background, or the outline drawn around it), and whether the text's own
// colour is there at all.
struct Seen
{
    double contrast = 1.0;
    bool hue = false;
};

Seen look(const QImage &image, const QRect &box, const QColor &text)
{
    Seen seen;
    const QRect r = box.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor px = image.pixelColor(x, y);
            seen.contrast = qMax(seen.contrast, Contrast::ratio(px, text));
            seen.hue = seen.hue
                || (qAbs(px.red() - text.red()) <= 8 && qAbs(px.green() - text.green()) <= 8
                    && qAbs(px.blue() - text.blue()) <= 8);
        }
    }
    return seen;
}

// Whether a pixel is a mix of two colours (as antialiased text over its ground is), and how
// much of `a` it has (1 all, 0 none).
bool mixOf(const QColor &px, const QColor &a, const QColor &b, double *share = nullptr)
{
    const double d[3]
        = { double(a.red() - b.red()), double(a.green() - b.green()), double(a.blue() - b.blue()) };
    const double p[3] = { double(px.red() - b.red()), double(px.green() - b.green()),
        double(px.blue() - b.blue()) };
    const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const double t
        = dd > 0 ? std::clamp((p[0] * d[0] + p[1] * d[1] + p[2] * d[2]) / dd, 0.0, 1.0) : 0;
    double off = 0;
    for (int i = 0; i < 3; ++i)
        off += (p[i] - t * d[i]) * (p[i] - t * d[i]);
    if (share)
        *share = t;
    return off <= 12.0 * 12.0;
}

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int pixels(const QWidget *w)
{
    return QFontInfo(w->font()).pixelSize();
}

}

class TestReadable : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TfrmAuralis> m_main;

    // A text widget, grabbed: readable around its text, and its own colour on screen
    // (where that can be told from the background: thin smoothed strokes of black on a
    // near-black face cannot be).
    void readable(QWidget *w, const QColor &colour)
    {
        const Seen seen = look(shot(w), w->rect(), colour);
        const QColor back = w->palette().color(w->backgroundRole());
        QVERIFY2(seen.hue || Contrast::ratio(colour, back) < 2.0, qPrintable(w->objectName()));
        QVERIFY2(seen.contrast >= Contrast::required(pixels(w)),
            qPrintable(w->objectName() + u' ' + QString::number(seen.contrast)));
    }

private slots:
    void initTestCase()
    {
        ErrorBox::setRecording(true);
        QApplication::setPalette(darkPalette());
        QFile ini(m_dir.filePath(u"auralis.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[About]\nRead=1\n[Colors]\nBackground=Default\n");
        ini.close();
        TfrmAuralis::StartOptions o;
        o.arguments = { m_dir.path() };
        o.programFolder = QStringLiteral(AURALIS_SHIPPED_DATA "/");
        o.screenSize = QSize(1024, 768);
        m_main = std::make_unique<TfrmAuralis>(o);
        m_main->resize(1000, 700);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    }
    void cleanupTestCase()
    {
        m_main.reset();
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    // Every tile's number and symbol, by the decided answers; iron's black symbol on the
    // dark face by its pixels too.
    void tiles()
    {
        for (int z = 1; z <= 109; ++z) {
            const TElement *t = m_main->tile(z);
            const QColor face = t->color().resolve(t->palette());
            const int size = pixels(t);
            const auto ok = [&](const QColor &text, const QColor &outline) {
                return Contrast::ratio(text, outline.isValid() ? outline : face)
                    >= Contrast::required(size);
            };
            QVERIFY2(ok(t->stateColor().resolve(t->palette()), t->symbolOutline()),
                qPrintable(t->symbol()));
            QVERIFY2(ok(t->numberColor().resolve(t->palette()), t->numberOutline()),
                qPrintable(t->number()));
        }
        TElement *iron = m_main->tile(26);
        QVERIFY(iron->symbolOutline().isValid()); // black on the dark face
        const QImage image = shot(iron);
        const QRect lower(0, iron->height() / 2, iron->width() / 2, iron->height() / 2);
        const Seen symbol = look(image, lower.adjusted(1, 0, 0, -1), QColor(Qt::black));
        QVERIFY(symbol.hue);
        QVERIFY(symbol.contrast >= 4.5);
    }

    void legend()
    {
        for (QLabel *l : { m_main->lblMetals, m_main->lblNonMetals, m_main->lblSemimetals,
                 m_main->lblSolids, m_main->lblLiquids, m_main->lblGases, m_main->lblUndefined })
            readable(l, m_main->labelColour(l).resolve());
    }

    // Small text short of its ratio sits on a plate and keeps its colour: the legend at its
    // default colours on the silver table, whose red, yellow and grey fall short there. Every
    // pixel of such a label is the text's colour, the plate's, or a mix of the two (or, at
    // the plate's rounded corners, the ground's): no rim darkens the letters.
    void legendKeepsItsColours()
    {
        QTemporaryDir dir;
        QFile ini(dir.filePath(u"auralis.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[About]\nRead=1\n[Colors]\nBackground=Gray\n");
        ini.close();
        TfrmAuralis::StartOptions o;
        o.arguments = { dir.path() };
        o.programFolder = QStringLiteral(AURALIS_SHIPPED_DATA "/");
        o.screenSize = QSize(1024, 768);
        TfrmAuralis main(o);
        main.setTableColour(Colours::Silver);
        main.resize(1000, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QColor silver(192, 192, 192);
        int plated = 0;
        for (QLabel *l : { main.lblMetals, main.lblNonMetals, main.lblSemimetals, main.lblSolids,
                 main.lblLiquids, main.lblGases, main.lblUndefined }) {
            const QColor text = main.labelColour(l).resolve();
            const QColor plate = static_cast<GuardedLabel *>(l)->plate();
            QVERIFY(!static_cast<GuardedLabel *>(l)->outline().isValid());
            const QImage image = shot(l);
            bool hue = false;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor px = image.pixelColor(x, y);
                    // The stroke's middle: mostly the text's own colour.
                    double share = 0;
                    hue = hue
                        || (mixOf(px, text, plate.isValid() ? plate : silver, &share)
                            && share >= 0.7);
                    const bool ok = plate.isValid()
                        ? mixOf(px, text, plate) || mixOf(px, plate, silver)
                        : mixOf(px, text, silver);
                    QVERIFY2(ok,
                        qPrintable(QStringLiteral("%1 at %2,%3: %4")
                                       .arg(l->objectName())
                                       .arg(x)
                                       .arg(y)
                                       .arg(px.name())));
                }
            QVERIFY2(hue, qPrintable(l->objectName()));
            if (plate.isValid()) {
                ++plated;
                QVERIFY(Contrast::ratio(text, plate) >= 4.5);
            } else {
                QVERIFY(Contrast::ratio(text, silver) >= 4.5);
            }
        }
        QCOMPARE(plated, 4); // metals, liquids, gases, undefined
    }

    // Navy and maroon captions, the name and a value on the dark window.
    void infoWindow()
    {
        TfrmElementInfo info(m_main->state());
        info.show();
        info.UpdateInfo();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        readable(info.Label1, QColor(0, 0, 128));
        readable(info.Label2, QColor(128, 0, 0));
        readable(info.Symbol, QColor(255, 0, 0));
        readable(info.Weight, info.Weight->palette().color(QPalette::Text));
        // Readable text keeps its box as it was.
        QCOMPARE(
            info.Weight->palette().color(QPalette::Base), info.palette().color(QPalette::Window));
        QVERIFY(!static_cast<GuardedLineEdit *>(info.Weight)->outline().isValid());
        QVERIFY(!static_cast<GuardedLineEdit *>(info.Weight)->plate().isValid());

        // A value colour equal to the window's: the box draws its small text on a plate.
        const ColourScheme before = m_main->state().colours();
        ColourScheme hidden = before;
        hidden.infoDefault = false;
        hidden.info[ColourScheme::Value1]
            = TColor::fromQColor(info.palette().color(QPalette::Window));
        m_main->applyColourScheme(hidden);
        QVERIFY(static_cast<GuardedLineEdit *>(info.Weight)->plate().isValid());
        QVERIFY(!static_cast<GuardedLineEdit *>(info.Weight)->outline().isValid());
        readable(info.Weight, info.palette().color(QPalette::Window));
        m_main->applyColourScheme(before);
    }

    // The blue axes and the red value labels on the dark graph background.
    void graph()
    {
        TfrmGraph graph(m_main->state(), nullptr);
        graph.resize(500, 400);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        graph.PlotGraph();
        const QImage &image = graph.picture();
        const auto &f = graph.frame();
        const QRect yAxis(f.axisX() - 2, f.textHeight + 10, 5, 20);
        const Seen axis = look(image, yAxis, QColor(0, 0, 255));
        QVERIFY(axis.hue);
        QVERIFY(axis.contrast >= 3.0);
        const QRect label(0, f.maxLabelTop(), f.widestLabel + 4, f.textHeight);
        const Seen value = look(image, label, QColor(255, 0, 0));
        QVERIFY(value.hue);
        QVERIFY(value.contrast >= 4.5);
    }

    // The dialog's previews: the black Solids on the dark table face, the navy caption.
    void optionsPreviews()
    {
        TfrmOptions options(m_main->state(), m_main.get());
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        readable(options.lblSolids, QColor(Qt::black));
        readable(options.lblGases, QColor(255, 255, 0));
        options.PageControl->setCurrentIndex(TfrmOptions::InfoPage);
        readable(options.Property1, QColor(0, 0, 128));
    }

    // Settings whose colours hide the text (every class and state in the silver of the
    // table): the table still reads, and nothing is reported.
    void invisibleColoursFromSettings()
    {
        QTemporaryDir dir;
        QFile ini(dir.filePath(u"auralis.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[About]\nRead=1\n[Colors]\nBackground=Gray\nMetals=12632256\n"
                  "Nonmetals=12632256\nSemimetals=12632256\nSolids=12632256\n"
                  "Liquids=12632256\nGases=12632256\nUndefined=12632256\n");
        ini.close();
        TfrmAuralis::StartOptions o;
        o.arguments = { dir.path() };
        o.programFolder = QStringLiteral(AURALIS_SHIPPED_DATA "/");
        o.screenSize = QSize(1024, 768);
        TfrmAuralis main(o);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (int z = 1; z <= 109; ++z) {
            QCOMPARE(main.tile(z)->stateColor(), Colours::Silver);
            QCOMPARE(main.tile(z)->symbolOutline(), QColor(Qt::black));
            QCOMPARE(main.tile(z)->numberOutline(), QColor(Qt::black));
        }
        const Seen symbol = look(shot(main.tile(26)), main.tile(26)->rect().adjusted(2, 2, -2, -2),
            QColor(192, 192, 192));
        QVERIFY(symbol.contrast >= 4.5);
        QCOMPARE(ErrorBox::recorded(), QStringList());
    }

    // The rim on screen, at the screen's scale and at twice it: each pixel next to the
    // glyphs' ink (left, right, above, below) is rim, and no pixel further than the rim's
    // reach from any ink is touched.
    void rimSurroundsTheGlyphs_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void rimSurroundsTheGlyphs()
    {
        QFETCH(qreal, ratio);
        const auto canvas = [ratio] {
            QImage image(QSize(90, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            return image;
        };
        QFont font;
        font.setPixelSize(20);
        const QString text = u"Wg|j"_s;
        QImage ink = canvas();
        QImage rimmed = canvas();
        for (QImage *image : { &ink, &rimmed }) {
            QPainter p(image);
            p.setFont(font);
            // White text over a black rim leaves the rim alone to be seen.
            Guarded::drawText(p, QPoint(6, 28), text, image == &ink ? Qt::black : Qt::white,
                image == &ink ? QColor() : QColor(Qt::black));
        }
        const int reach = int(std::ceil(2.0 / 2 * ratio)); // the widest rim, in pixels
        const auto inkAt = [&ink](int x, int y) {
            return ink.rect().contains(x, y) ? 255 - qGray(ink.pixel(x, y)) : 0;
        };
        int rimPixels = 0;
        for (int y = 0; y < ink.height(); ++y) {
            for (int x = 0; x < ink.width(); ++x) {
                const int shade = qGray(rimmed.pixel(x, y));
                if (inkAt(x, y) < 64
                    && std::max(
                           { inkAt(x - 1, y), inkAt(x + 1, y), inkAt(x, y - 1), inkAt(x, y + 1) })
                        >= 192) {
                    QVERIFY2(shade < 192, qPrintable(u"%1,%2"_s.arg(x).arg(y)));
                    ++rimPixels;
                }
                int near = 0;
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dx = -reach; dx <= reach; ++dx)
                        near = std::max(near, inkAt(x + dx, y + dy));
                if (near == 0)
                    QVERIFY2(shade == 255, qPrintable(u"%1,%2"_s.arg(x).arg(y)));
            }
        }
        QVERIFY(rimPixels > 50);
    }
};

QTEST_MAIN(TestReadable)
#include "tst_readable.moc"
