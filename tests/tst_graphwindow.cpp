#include "common/ErrorBox.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "windows/Unt_grph.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using GraphGeometry::Frame;

// The trend graph window on the shipped data, without a main window.
class TestGraphWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<TfrmGraph> m_graph;
    ElementData m_shipped;

    QString iniPath() const { return m_dir.filePath(u"auralis.ini"_s); }
    void writeSettings(std::initializer_list<std::pair<const char16_t *, QString>> values)
    {
        IniFile ini(iniPath());
        for (const auto &[key, value] : values)
            ini.writeString(u"Graph Window"_s, QString::fromUtf16(key), value);
    }
    // A copy of the shipped data with field j of the given elements replaced.
    void replaceFields(int j, const QMap<int, QString> &texts, bool others = false)
    {
        QStringList lines = m_shipped.lines();
        for (int z = 1; z <= ElementCount; ++z) {
            QString &line = lines[(z - 1) * FieldsPerElement + j];
            if (texts.contains(z))
                line = texts[z];
            else if (others)
                line = u"--"_s;
        }
        ElementData data;
        data.loadBytes(lines.join(u'\n').toLatin1());
        m_state->setData(data);
    }
    void showAt(QSize size)
    {
        m_graph->show();
        m_graph->resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(m_graph.get()));
        QTRY_COMPARE(m_graph->size(), size);
        QCoreApplication::processEvents();
    }
    QPoint pointOf(int z) const
    {
        const Frame &f = m_graph->frame();
        const auto &s = m_graph->series();
        return { f.pointX(z, s.first, s.last), f.pointY(s.value[size_t(z)], s.min, s.max) };
    }

private slots:
    void initTestCase()
    {
        ErrorBox::setRecording(true);
        m_shipped.load(QStringLiteral(AURALIS_SHIPPED_DATA "/auralis.bkp"));
    }

    void init()
    {
        ErrorBox::recorded().clear();
        QFile::remove(iniPath());
        StartFacts facts;
        facts.settingsFile = iniPath();
        m_state = std::make_unique<SharedState>(facts);
        m_state->setData(m_shipped);
        m_state->setNamingScheme(1);
        m_graph = std::make_unique<TfrmGraph>(*m_state, nullptr);
    }

    void cleanup()
    {
        m_graph.reset();
        m_state.reset();
    }

    void windowAndMenus()
    {
        m_graph->FormCreate();
        QCOMPARE(m_graph->windowTitle(), u"Trend Graph - Auralis"_s);
        QVERIFY(!m_graph->windowFlags().testFlag(Qt::Tool)); // a taskbar entry of its own
        QCOMPARE(m_graph->minimumSize(), QSize(287, 257)); // no frame offscreen
        QCOMPARE(m_graph->propertyItems[9]->text(), u"&Heat of Fusion"_s);
        QCOMPARE(m_graph->propertyPopupItems[9]->text(), u"&Heat of Fustion"_s);
        QCOMPARE(m_graph->propertyPopupItems[13]->text(), u"&Thermal Conductivity"_s);
        QCOMPARE(m_graph->mnuShowSymbolPos->text(), u"Sho&w Symbol Positions"_s);
        QCOMPARE(m_graph->mnuShowSymbolPosPopup->text(), u"&Show Symbol Positions"_s);
        QCOMPARE(m_graph->mnuAbout->text(), u"&About Auralis   ..."_s);
        QCOMPARE(m_graph->mnuHelpTrends->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(m_graph->propertyIndex(), 0);
        QCOMPARE(m_graph->statusText(0), u"Atomic Radius"_s);

        QSignalSpy about(m_graph.get(), &TfrmGraph::aboutRequested);
        m_graph->mnuAbout->trigger();
        QCOMPARE(about.size(), 1);
        // The window takes the main window's on-top mark when it is shown and paints.
        m_state->setMark(SharedState::Mark::TrendsOnTop, true);
        m_graph->show();
        QVERIFY(m_graph->stayOnTop());
        m_state->setMark(SharedState::Mark::TrendsOnTop, false);
        m_graph->pntGraph->repaint();
        QTRY_VERIFY(!m_graph->stayOnTop());
        QVERIFY(m_graph->isVisible());
        m_graph->mnuClosePopup->trigger();
        QVERIFY(!m_graph->isVisible());
    }

    void commandsByKeys()
    {
        m_graph->FormCreate();
        showAt(QSize(600, 400));
        const int plots = m_graph->plotCount();
        QVERIFY(plots >= 1);
        QCOMPARE(m_graph->findChild<QLabel *>(u"StatusPanel0"_s)->width(),
            m_graph->StatusBar->width() * 6 / 10);
        QApplication::setActiveWindow(m_graph.get());

        // Alt+P opens the Property menu, D chooses Density.
        QTest::keyClick(m_graph.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_D);
        QTRY_COMPARE(m_graph->propertyIndex(), 5);
        QVERIFY(m_graph->propertyPopupItems[5]->isChecked());
        QCOMPARE(m_graph->statusText(0), u"Density"_s);
        QCOMPARE(m_graph->plotCount(), plots + 1);

        // The pop-up's own caption shows; both lists move together.
        m_graph->propertyPopupItems[9]->trigger();
        QCOMPARE(m_graph->statusText(0), u"Heat of Fustion"_s);
        QCOMPARE(m_graph->propertyIndex(), 9);
        int checked = 0;
        for (int i = 0; i < TrendPropertyCount; ++i)
            checked += m_graph->propertyItems[size_t(i)]->isChecked()
                + m_graph->propertyPopupItems[size_t(i)]->isChecked();
        QCOMPARE(checked, 2);
        m_graph->propertyItems[9]->trigger(); // already checked: nothing
        QCOMPARE(m_graph->statusText(0), u"Heat of Fustion"_s);
        QCOMPARE(m_graph->plotCount(), plots + 2);

        m_graph->mnuShowSymbolPosPopup->trigger();
        QVERIFY(m_graph->mnuShowSymbolPos->isChecked());
        QVERIFY(m_graph->mnuShowSymbolPosPopup->isChecked());
        m_graph->mnuShowSymbolPos->trigger();
        QVERIFY(!m_graph->mnuShowSymbolPosPopup->isChecked());
        QCOMPARE(m_graph->plotCount(), plots + 4);

        // A paint without a resize only copies the picture; a resize redraws it.
        m_graph->pntGraph->repaint();
        m_graph->update();
        QCoreApplication::processEvents();
        QCOMPARE(m_graph->plotCount(), plots + 4);
        m_graph->resize(700, 450);
        QTRY_COMPARE(
            m_graph->picture().deviceIndependentSize().toSize(), m_graph->pntGraph->size());
        QVERIFY(m_graph->plotCount() > plots + 4);
    }

    void readoutAndSelection()
    {
        m_graph->FormCreate();
        showAt(QSize(600, 400));
        QSignalSpy chosen(m_graph.get(), &TfrmGraph::elementChosen);
        QSignalSpy info(m_graph.get(), &TfrmGraph::elementInfoRequested);
        QSignalSpy focus(m_graph.get(), &TfrmGraph::focusRequested);
        // Nothing under the mouse yet: Element Information does nothing.
        m_graph->mnuElementInfo->trigger();
        QCOMPARE(chosen.size(), 0);

        m_graph->propertyItems[5]->trigger(); // Density
        const QPoint iron = pointOf(26);
        QTest::mouseMove(m_graph->pntGraph, QPoint(iron.x(), 10));
        QTRY_COMPARE(m_graph->statusText(1), u"26: Iron, Fe, 7.874"_s);
        QTest::mouseDClick(m_graph->pntGraph, Qt::LeftButton, {}, QPoint(iron.x(), 10));
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().toInt(), 26);
        QCOMPARE(info.size(), 1);
        QCOMPARE(focus.size(), 1);

        // Outside the band the text goes and the element stays.
        QTest::mouseMove(m_graph->pntGraph, QPoint(1, 10));
        QTRY_COMPARE(m_graph->statusText(1), QString());
        QCOMPARE(m_graph->hotElement(), 26);

        // The names in force, and a long display text cut to 50 characters.
        const QString longText = QString(60, u'9');
        replaceFields(Field::AtomicWeight, { { 106, longText } });
        m_state->setNamingScheme(2); // 106 is "Rutherfordium" there
        m_graph->propertyItems[2]->trigger(); // Atomic Weight
        QTest::mouseMove(m_graph->pntGraph, QPoint(pointOf(106).x(), 10));
        const QString expected = (u"106: "_s + m_state->name(106) + u", "_s + m_state->symbol(106)
            + u", "_s + longText)
                                     .left(50);
        QTRY_COMPARE(m_graph->statusText(1), expected);
        QCOMPARE(m_state->symbol(106), u"Rf"_s);
    }

    void settingsReadAndWritten()
    {
        writeSettings({ { u"DefaultColours", u"0"_s }, { u"AxisColor", u"255"_s },
            { u"Width", u"-5"_s }, { u"Height", u"2147483647"_s }, { u"Left", u"-2147483648"_s },
            { u"Top", u"0x20"_s }, { u"ShowSymbolPos", u"2"_s }, { u"Property", u"14"_s } });
        QSignalSpy colours(m_graph.get(), &TfrmGraph::coloursRequested);
        m_graph->FormCreate();
        QCOMPARE(ErrorBox::recorded(), QStringList { u"List index out of bounds."_s });
        QCOMPARE(m_graph->propertyIndex(), 0);
        QVERIFY(
            m_graph->mnuShowSymbolPos->isChecked() && m_graph->mnuShowSymbolPosPopup->isChecked());
        QCOMPARE(m_graph->pos(), QPoint(-32000, 32));
        QCOMPARE(m_graph->height(), 32000);
        QCOMPARE(m_graph->width(), 287); // 1 wide, held at the minimum
        QCOMPARE(colours.size(), 1);
        const auto scheme = colours.first().first().value<ColourScheme>();
        QVERIFY(!scheme.graphDefault);
        QCOMPARE(scheme.graph[ColourScheme::Axis], Colours::Red);
        QCOMPARE(scheme.graph[ColourScheme::Element], Colours::Green);
        m_state->setColours(scheme);

        m_graph->setGeometry(10, 20, 500, 300);
        m_graph->propertyItems[7]->trigger();
        QFile::remove(iniPath());
        IniFile ini(iniPath());
        m_graph->saveSettings(ini);
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(file.readAll())
                                      .split(QRegularExpression(u"\r?\n"_s), Qt::SkipEmptyParts);
        const QStringList expected { u"[Graph Window]"_s, u"Maximized=0"_s, u"Top=20"_s,
            u"Left=10"_s, u"Width=500"_s, u"Height=300"_s, u"ShowSymbolPos=1"_s, u"Property=7"_s,
            u"DefaultColours=0"_s,
            u"BackgroundColor=%1"_s.arg(
                TColor::system(TColor::Window).toSettings(m_graph->palette())),
            u"ValueColor=255"_s, u"AxisColor=255"_s,
            u"PlotColor=%1"_s.arg(
                TColor::system(TColor::WindowText).toSettings(m_graph->palette())),
            u"ElementColor=32768"_s };
        QCOMPARE(lines, expected);
    }

    void pixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("600 x 400") << QSize(600, 400);
        QTest::newRow("1100 x 700") << QSize(1100, 700);
    }

    // The picture by its pixels, in device pixels: run once more at a scale factor of 2.
    void pixels()
    {
        QFETCH(QSize, size);
        m_graph->FormCreate();
        showAt(size);
        m_graph->propertyItems[5]->trigger(); // Density
        m_graph->mnuShowSymbolPos->trigger();
        const QImage image = m_graph->picture();
        const qreal ratio = image.devicePixelRatio();
        QCOMPARE(ratio, m_graph->pntGraph->devicePixelRatioF());
        QCOMPARE(image.deviceIndependentSize().toSize(), m_graph->pntGraph->size());
        const int r = qRound(ratio);
        const Frame &f = m_graph->frame();
        const auto &s = m_graph->series();
        const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0), green = qRgb(0, 128, 0);
        const QRgb background = m_graph->colour(ColourScheme::Background).rgb();
        // Every device pixel of a logical pixel, and nothing blended.
        auto logical = [&](int x, int y) {
            const QRgb c = image.pixel(x * r, y * r);
            for (int dy = 0; dy < r; ++dy)
                for (int dx = 0; dx < r; ++dx)
                    if (image.pixel(x * r + dx, y * r + dy) != c)
                        return qRgb(1, 2, 3);
            return c;
        };
        // Pixels of that colour; text is smoothed, so for red any strongly red pixel.
        auto count = [&](const QImage &picture, QRect area, QRgb c) {
            int n = 0;
            for (int y = area.top() * r; y < (area.bottom() + 1) * r; ++y)
                for (int x = area.left() * r; x < (area.right() + 1) * r; ++x) {
                    const QRgb p = picture.pixel(x, y);
                    n += c == qRgb(255, 0, 0) ? qRed(p) > 160 && qGreen(p) < 110 && qBlue(p) < 110
                                              : p == c;
                }
            return n;
        };

        QCOMPARE(f.width, m_graph->pntGraph->width());
        for (int y = f.textHeight; y <= f.axisBottom(); ++y)
            QCOMPARE(logical(f.axisX(), y), blue);
        for (int x = f.axisX(); x < f.axisRight(); ++x)
            QCOMPARE(logical(x, f.axisBottom()), blue);
        QCOMPARE(logical(f.axisX() - 1, f.height / 2), background);
        QCOMPARE(logical(f.axisX(), f.textHeight - 1), background);
        QCOMPARE(logical(f.axisRight(), f.axisBottom()), background);

        // Value labels left of the axis, element numbers below it, all red.
        QVERIFY(count(image, QRect(2, f.maxLabelTop(), f.widestLabel, f.textHeight), red) > 10);
        QVERIFY(count(image, QRect(2, f.midLabelTop(), f.widestLabel, f.textHeight), red) > 10);
        QVERIFY(count(image, QRect(2, f.minLabelTop(), f.widestLabel, f.textHeight), red) > 10);
        QVERIFY(
            count(image,
                QRect(f.left() - f.textWidth, f.numberTop(), 2 * f.textWidth, f.textHeight), red)
            > 5);
        QVERIFY(
            count(image,
                QRect(f.axisRight() - f.textWidth, f.numberTop(), 2 * f.textWidth, f.textHeight),
                red)
            > 5);

        // Extremes at TH and H − B, the last element at the axis end.
        int highest = s.first, lowest = s.first, marks = 0;
        for (int z = s.first; z <= s.last; ++z) {
            if (!s.hasValue[size_t(z)])
                continue;
            highest = s.value[size_t(z)] > s.value[size_t(highest)] ? z : highest;
            lowest = s.value[size_t(z)] < s.value[size_t(lowest)] ? z : lowest;
            // A 4 × 4 box in the element colour; a later line may cross its ring.
            const QPoint c = pointOf(z);
            int ring = 0;
            for (int dy = -2; dy <= 1; ++dy)
                for (int dx = -2; dx <= 1; ++dx)
                    if (dx == -2 || dx == 1 || dy == -2 || dy == 1)
                        ring += logical(c.x() + dx, c.y() + dy) == green;
            marks += ring >= 8;
        }
        QCOMPARE(pointOf(highest).y(), f.textHeight);
        QCOMPARE(pointOf(lowest).y(), f.height - f.band());
        QCOMPARE(pointOf(s.last).x(), f.axisRight());
        int valued = 0;
        for (int z = 1; z <= ElementCount; ++z)
            valued += s.hasValue[size_t(z)];
        QCOMPARE(marks, valued);
        const QPoint last = pointOf(s.last);
        QCOMPARE(logical(last.x() - 1, last.y() - 1), background);

        // Without the marks there is no green at all.
        m_graph->mnuShowSymbolPos->trigger();
        QCOMPARE(count(m_graph->picture(), QRect(QPoint(0, 0), size), green), 0);
    }

    void awkwardData()
    {
        m_graph->FormCreate();
        showAt(QSize(600, 400));
        const Frame &f = m_graph->frame();

        // One value: its point at mid-height.
        replaceFields(Field::DensityValue, { { 40, u"6.5"_s } }, true);
        m_graph->propertyItems[5]->trigger();
        QCOMPARE(m_graph->series().first, 40);
        QCOMPARE(pointOf(40), QPoint(f.axisRight(), (f.textHeight + f.height - f.band()) / 2));

        // No value at all: the axes alone.
        replaceFields(Field::AtomicRadiusValue, {}, true);
        m_graph->propertyItems[0]->trigger();
        QVERIFY(m_graph->series().empty());
        const QImage empty = m_graph->picture();
        QCOMPARE(empty.pixel(f.axisX() * qRound(empty.devicePixelRatio()),
                     f.height / 2 * qRound(empty.devicePixelRatio())),
            qRgb(0, 0, 255));
        QCOMPARE(ErrorBox::recorded(), QStringList());

        // A text that is no number stops the plot; the picture stays as it was.
        replaceFields(Field::BoilingPointValue, { { 5, u"hot"_s } });
        m_graph->propertyItems[3]->trigger();
        QCOMPARE(
            ErrorBox::recorded(), QStringList { u"'hot' is not a valid floating point value."_s });
        QCOMPARE(m_graph->picture(), empty);
    }

    void coloursFollowTheScheme()
    {
        m_graph->FormCreate();
        showAt(QSize(600, 400));
        const int plots = m_graph->plotCount();
        ColourScheme scheme = m_state->colours();
        scheme.graphDefault = false;
        scheme.graph[ColourScheme::Axis] = Colours::Purple;
        m_state->setColours(scheme);
        QCOMPARE(m_graph->plotCount(), plots + 1);
        const Frame &f = m_graph->frame();
        const qreal r = m_graph->picture().devicePixelRatio();
        QCOMPARE(QColor(m_graph->picture().pixel(qRound(f.axisX() * r), qRound(f.height / 2 * r))),
            QColor(128, 0, 128));
        // Hidden, the change waits for the next showing.
        m_graph->hide();
        scheme.graph[ColourScheme::Axis] = Colours::Blue;
        m_state->setColours(scheme);
        QCOMPARE(m_graph->plotCount(), plots + 1);
        m_graph->show();
        QCOMPARE(m_graph->plotCount(), plots + 2);
    }
};

QTEST_MAIN(TestGraphWindow)
#include "tst_graphwindow.moc"
