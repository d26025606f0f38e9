// End-to-end runs of the real program under an X server (xvfb-run), driven by xdotool
// and xclip. A reference main window built in this process with the same settings gives
// the layout, so the screenshot can be checked where the tiles are drawn.

#include "base/Colour.h"
#include "common/ErrorBox.h"
#include "data/ElementData.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"

#include "MainWindowFixture.h"
#include "XDriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>
#include <memory>

#include <csignal>
#include <xcb/xcb.h>

using namespace XDriver;
using Probes::colourBlobs;
using Probes::countColour;

namespace {

const QString Program = QStringLiteral(AURALIS_BIN_DIR "/auralis");
const QString ProgramFolder = QStringLiteral(AURALIS_BIN_DIR "/");
const QString Screenshots = QStringLiteral(AURALIS_SCREENSHOT_DIR);

QImage screenshot(const QString &name)
{
    QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QDir().mkpath(Screenshots);
    image.save(Screenshots + QLatin1Char('/') + name + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_RGB32);
}

const char *SeededIni = "[About]\nRead=1\n[Colors]\nBackground=Gray\n"
                        "[Main Window]\nLeft=0\nTop=0\nWidth=900\nHeight=640\nMaximized=0\n";

std::unique_ptr<TfrmAuralis> referenceWindow(const QSize &size)
{
    static QTemporaryDir refDir;
    writeIni(refDir.path(), QString::fromLatin1(SeededIni));
    auto ref = std::make_unique<TfrmAuralis>(
        MainWindowFixture::startOptions(refDir.path(), ProgramFolder, QLatin1Char('.'), QSize()));
    ref->setAttribute(Qt::WA_DontShowOnScreen);
    ref->show();
    ref->resize(size);
    QCoreApplication::processEvents();
    ref->FormResize();
    return ref;
}

QRect tileOnScreen(TfrmAuralis &ref, int z, const QPoint &origin)
{
    TElement *tile = ref.tile(z);
    return QRect(tile->mapTo(&ref, QPoint(0, 0)) + origin, tile->size());
}

QRect symbolArea(TfrmAuralis &ref, int z, const QPoint &origin)
{
    const QRect r = tileOnScreen(ref, z, origin);
    return QRect(r.left() + 2, r.center().y(), r.width() * 3 / 4, r.height() / 2 - 2);
}

// The height from the window's top to the middle of the docked toolbar: the menu bar's
// height (its font's line and the style's margins) and half of the toolbar's 27 pixels.
int menuAndHalfToolbar()
{
    const double scale = QGuiApplication::primaryScreen()->logicalDotsPerInch() / 120.0;
    return int(QFontMetrics(QGuiApplication::font()).height() + 8 + 27 * scale / 2);
}

// What a window's close box does: the window manager's request to close, which the
// window may answer as it likes (there is no window manager under the test's server).
void askToClose(const QString &window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *c = x11->connection();
    auto atom = [c](const char *name) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, false, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return a;
    };
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.toULong());
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(
        c, false, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(c);
}

class Running
{
public:
    explicit Running(const QString &settingsFolder, const QString &locale = QString())
        : Running(settingsFolder,
            // The locale's numbers with the English texts the test reads: the language is
            // the locale's too unless LANGUAGE says otherwise.
            locale.isEmpty() ? QMap<QString, QString>()
                             : QMap<QString, QString> { { QStringLiteral("LC_ALL"), locale },
                                 { QStringLiteral("LANG"), locale },
                                 { QStringLiteral("LANGUAGE"), QStringLiteral("en") } })
    {
    }
    // The program with these variables set in its environment.
    Running(const QString &settingsFolder, const QMap<QString, QString> &variables)
    {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        if (!variables.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (auto it = variables.begin(); it != variables.end(); ++it)
                env.insert(it.key(), it.value());
            process.setProcessEnvironment(env);
        }
        process.start(Program, { settingsFolder });
    }
    ~Running()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000)) {
                process.kill();
                process.waitForFinished();
            }
        }
    }
    QProcess process;
};

// The program started on a fresh settings folder seeded with SeededIni, and its main
// window once it is up and settled (empty when it never appeared).
struct SeededRun
{
    SeededRun()
        : run((writeIni(dir.path(), QString::fromLatin1(SeededIni)), dir.path()))
        , window(waitForWindow(QStringLiteral("Auralis 1.8a"), 20000))
    {
        if (!window.isEmpty())
            pause(800);
    }
    QTemporaryDir dir;
    Running run;
    QString window;
};

}

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ErrorBox::setRecording(true);
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QFAIL("xdotool is needed for the end-to-end tests");
        QVERIFY(QFile::exists(Program));
    }

    void chartIsDrawnWhereTheLayoutSays()
    {
        QTemporaryDir dir;
        writeIni(dir.path(), QString::fromLatin1(SeededIni));
        Running run(dir.path());
        const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY2(!win.isEmpty(), "the main window did not appear");
        pause(1500);
        const QRect geometry = windowGeometry(win);
        const QImage shot = screenshot(QStringLiteral("chart-900x640"));

        // The same window, built here with the same settings, says where each tile is.
        std::unique_ptr<TfrmAuralis> ref = referenceWindow(geometry.size());

        struct Expect
        {
            int z;
            QColor number;
            QColor symbol;
        };
        const QColor metal(255, 0, 0), nonmetal(0, 0, 255), semimetal(128, 0, 128);
        const QColor solid(0, 0, 0), liquid(0, 128, 0), gas(255, 255, 0), undefined(128, 128, 128);
        const Expect expectations[] = {
            { 26, metal, solid },
            { 80, metal, liquid },
            { 35, nonmetal, liquid },
            { 8, nonmetal, gas },
            { 14, semimetal, solid },
            { 43, metal, undefined },
            { 2, nonmetal, gas },
            { 79, metal, solid },
        };
        for (const Expect &e : expectations) {
            QVERIFY(ref->tile(e.z));
            const QRect r = tileOnScreen(*ref, e.z, geometry.topLeft());
            const QRect numberArea(
                r.center().x(), r.top() + 1, r.width() / 2 - 2, r.height() / 2 - 1);
            QVERIFY2(countColour(shot, numberArea, e.number) >= 3,
                qPrintable(QStringLiteral("number colour of element %1").arg(e.z)));
            QVERIFY2(countColour(shot, symbolArea(*ref, e.z, geometry.topLeft()), e.symbol) >= 3,
                qPrintable(QStringLiteral("symbol colour of element %1").arg(e.z)));
        }
    }

    void settingsSurviveARestart()
    {
        QTemporaryDir dir;
        writeIni(dir.path(), QString::fromLatin1(SeededIni));
        std::unique_ptr<TfrmAuralis> ref = referenceWindow(QSize(900, 640));
        const QRect slider(
            ref->TempSlider->mapTo(ref.get(), QPoint(0, 0)), ref->TempSlider->size());
        {
            Running run(dir.path());
            const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
            QVERIFY(!win.isEmpty());
            pause(800);
            const QPoint origin = windowGeometry(win).topLeft();
            // Element 1 -> Right -> 2 -> Down -> 10 -> Right -> 3.
            focusAndKey(win, QStringLiteral("Right"));
            focusAndKey(win, QStringLiteral("Down"));
            focusAndKey(win, QStringLiteral("Right"));
            // A click in the slider's track, right of the thumb, moves it by 100.
            const QPoint track = origin + slider.topLeft()
                + QPoint(slider.width() - slider.height() * 2, slider.height() / 2);
            xdo({ QStringLiteral("mousemove"), QString::number(track.x()),
                QString::number(track.y()), QStringLiteral("click"), QStringLiteral("1") });
            pause(400);
            // The click focused the slider: Right moves the selection to 4 and the slider
            // by 1, Page Up the slider alone by 100.
            focusAndKey(win, QStringLiteral("Right"));
            focusAndKey(win, QStringLiteral("Prior"));
            focusAndKey(win, QStringLiteral("alt+f"));
            xdo({ QStringLiteral("key"), QStringLiteral("s") });
            pause(500);
            QCOMPARE(
                readIniValue(dir.path(), QStringLiteral("Selected Element")), QStringLiteral("4"));
            QCOMPARE(
                readIniValue(dir.path(), QStringLiteral("Temperature")), QStringLiteral("499.00"));
            focusAndKey(win, QStringLiteral("alt+f"));
            xdo({ QStringLiteral("key"), QStringLiteral("x") });
            QVERIFY(ended(run.process));
            QCOMPARE(run.process.exitCode(), 0);
        }
        {
            Running run(dir.path());
            const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
            QVERIFY(!win.isEmpty());
            pause(800);
            screenshot(QStringLiteral("restarted"));
            // The information window names the selected element.
            focusAndKey(win, QStringLiteral("ctrl+i"));
            QVERIFY2(
                !waitForWindow(QStringLiteral("Beryllium - Element Information"), 5000).isEmpty(),
                "element 4 is not selected after the restart");
            // Saving again writes back the temperature that was loaded.
            focusAndKey(win, QStringLiteral("alt+f"));
            xdo({ QStringLiteral("key"), QStringLiteral("s") });
            pause(500);
            QCOMPARE(
                readIniValue(dir.path(), QStringLiteral("Temperature")), QStringLiteral("499.00"));
            QCOMPARE(
                readIniValue(dir.path(), QStringLiteral("Selected Element")), QStringLiteral("4"));
        }
    }

    // The end of a session: the settings are saved as closing the window saves them, even
    // with a modal box open or a second signal during the save, and the exit status is 0.
    void sessionEndSavesAndExits_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("aboutBoxOpen");
        QTest::addColumn<int>("count");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << 1;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false << 1;
        QTest::newRow("SIGTERM over the about box") << int(SIGTERM) << true << 1;
        QTest::newRow("SIGTERM twice") << int(SIGTERM) << false << 2;
    }

    void sessionEndSavesAndExits()
    {
        QFETCH(int, signal);
        QFETCH(bool, aboutBoxOpen);
        QFETCH(int, count);
        SeededRun started;
        const QString &win = started.window;
        QVERIFY(!win.isEmpty());
        focusAndKey(win, QStringLiteral("Right")); // hydrogen -> helium
        if (aboutBoxOpen) {
            focusAndKey(win, QStringLiteral("alt+h"));
            xdo({ QStringLiteral("key"), QStringLiteral("a") });
            QVERIFY(!waitForWindow(QStringLiteral("About Auralis   "), 5000).isEmpty());
        }
        for (int i = 0; i < count; ++i)
            ::kill(pid_t(started.run.process.processId()), signal);
        QVERIFY(ended(started.run.process));
        QCOMPARE(started.run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(started.run.process.exitCode(), 0);
        QCOMPARE(readIniValue(started.dir.path(), QStringLiteral("Selected Element")),
            QStringLiteral("2"));
        QCOMPARE(readIniValue(started.dir.path(), QStringLiteral("SaveINI")), QStringLiteral("1"));
    }

    // A logout through the session manager: it asks the program to save (desktops differ
    // in the kind of save they ask for), then ends the session: the settings are saved and
    // the exit status is 0. A logout cancelled after the save leaves the program running.
    void sessionManagerLogoutSavesAndExits_data()
    {
        QTest::addColumn<QString>("saveType");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("local") << QStringLiteral("local") << false;
        QTest::newRow("both") << QStringLiteral("both") << false;
        QTest::newRow("both, cancelled") << QStringLiteral("both") << true;
    }

    void sessionManagerLogoutSavesAndExits()
    {
#ifndef XSMP_MANAGER
        QSKIP("libsm-dev is not installed");
#else
        QFETCH(QString, saveType);
        QFETCH(bool, cancelled);
        QProcess manager;
        manager.start(QStringLiteral(XSMP_MANAGER), { saveType });
        const auto line = [&manager](int timeoutMs) {
            QElapsedTimer t;
            t.start();
            while (!manager.canReadLine() && t.elapsed() < timeoutMs)
                manager.waitForReadyRead(100);
            return QString::fromUtf8(manager.readLine()).trimmed();
        };
        const QString address = line(5000);
        QVERIFY2(!address.isEmpty(), manager.readAllStandardError().constData());

        QTemporaryDir dir;
        writeIni(dir.path(),
            QString::fromLatin1(SeededIni)
                + QStringLiteral("[Element Info Window]\nVisible=1\nLeft=40\nTop=700\n"));
        Running run(dir.path(),
            { { QStringLiteral("SESSION_MANAGER"), address },
                { QStringLiteral("ICEAUTHORITY"), dir.filePath(QStringLiteral("ICEauthority")) } });
        QCOMPARE(line(20000), QStringLiteral("registered"));
        const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY(!win.isEmpty());
        QVERIFY(!waitForWindow(QStringLiteral("Hydrogen - Element Information"), 5000).isEmpty());
        // Hydrogen -> helium, by one press: a second would take the selection back.
        focusAndKey(win, QStringLiteral("Right"));
        QVERIFY2(!waitForWindow(QStringLiteral("Helium - Element Information"), 5000).isEmpty(),
            qPrintable(QStringLiteral("main window %1, ").arg(win) + focusReport()));

        const auto tell = [&manager](const char *what) {
            manager.write(what);
            manager.waitForBytesWritten(1000);
        };
        tell("save\n");
        QCOMPARE(line(10000), QStringLiteral("saved"));
        if (cancelled) {
            tell("cancel\n");
            QVERIFY2(!ended(run.process, 1500), "a cancelled logout ended the program");
            // Saved with the request already.
            QCOMPARE(
                readIniValue(dir.path(), QStringLiteral("Selected Element")), QStringLiteral("2"));
            ::kill(pid_t(run.process.processId()), SIGTERM);
        } else {
            tell("die\n");
        }
        QVERIFY(ended(run.process));
        QCOMPARE(line(5000), QStringLiteral("closed"));
        QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.process.exitCode(), 0);
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("Selected Element")), QStringLiteral("2"));
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("SaveINI")), QStringLiteral("1"));
        // Saved as the user left it, not as the ending left it.
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("Visible")), QStringLiteral("1"));
        manager.waitForFinished(5000);
#endif
    }

    void informationCopiedAndTemperatureTyped()
    {
        std::unique_ptr<TfrmAuralis> ref = referenceWindow(QSize(900, 640));
        SeededRun started;
        const QString &win = started.window;
        QVERIFY(!win.isEmpty());
        const QRect geometry = windowGeometry(win);

        focusAndKey(win, QStringLiteral("ctrl+i"));
        const QString info = waitForWindow(QStringLiteral("Hydrogen - Element Information"), 5000);
        QVERIFY(!info.isEmpty());
        focusAndKey(info, QStringLiteral("alt+a"));
        const QString clip = tool(QStringLiteral("xclip"),
            { QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard") });
        const QStringList lines = clip.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines.first(), QStringLiteral("1 - H - Hydrogen"));
        QVERIFY(lines.at(1).startsWith(QStringLiteral("Atomic Weight: 1.00")));
        QVERIFY(lines.at(1).endsWith(QStringLiteral(" g/mol")));
        QCOMPARE(lines.last(), QStringLiteral("Synthetic: No"));
        screenshot(QStringLiteral("information-window"));
        focusAndKey(info, QStringLiteral("Escape"));

        // 3000 K: iron (melts at 1811 K, boils at 3134 K) turns liquid, gold (boils at
        // 3129 K) too, tungsten stays solid and sodium is a gas.
        focusAndKey(win, QStringLiteral("ctrl+t"));
        const QString dialog = waitForWindow(QStringLiteral("Set Temperature"), 5000);
        QVERIFY(!dialog.isEmpty());
        typeText(dialog, QStringLiteral("3000"));
        focusAndKey(dialog, QStringLiteral("Return"));
        pause(600);
        const QImage shot = screenshot(QStringLiteral("at-3000-K"));
        const QColor liquid(0, 128, 0), solid(0, 0, 0), gas(255, 255, 0);
        QVERIFY(countColour(shot, symbolArea(*ref, 26, geometry.topLeft()), liquid) >= 3);
        QVERIFY(countColour(shot, symbolArea(*ref, 79, geometry.topLeft()), liquid) >= 3);
        QVERIFY(countColour(shot, symbolArea(*ref, 74, geometry.topLeft()), solid) >= 3);
        QVERIFY(countColour(shot, symbolArea(*ref, 11, geometry.topLeft()), gas) >= 3);
        focusAndKey(win, QStringLiteral("alt+f"));
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        pause(500);
        QCOMPARE(readIniValue(started.dir.path(), QStringLiteral("Temperature")),
            QStringLiteral("3000.00"));
    }

    // Under a locale whose decimal separator is a comma, the settings, the typed
    // temperature and the saved text all use the comma.
    void commaLocaleReadsTypesAndSavesWithComma()
    {
        QTemporaryDir dir;
        writeIni(dir.path(),
            QString::fromLatin1(SeededIni) + QStringLiteral("[Settings]\nTemperature=398,50\n"));
        Running run(dir.path(), QStringLiteral("de_DE.UTF-8"));
        const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY(!win.isEmpty());
        pause(800);
        focusAndKey(win, QStringLiteral("alt+f"));
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        pause(500);
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("Temperature")), QStringLiteral("398,50"));

        focusAndKey(win, QStringLiteral("ctrl+t"));
        const QString dialog = waitForWindow(QStringLiteral("Set Temperature"), 5000);
        QVERIFY(!dialog.isEmpty());
        typeText(dialog, QStringLiteral("1234,56"));
        focusAndKey(dialog, QStringLiteral("Return"));
        pause(400);
        focusAndKey(win, QStringLiteral("alt+f"));
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        pause(500);
        QCOMPARE(
            readIniValue(dir.path(), QStringLiteral("Temperature")), QStringLiteral("1234,56"));
    }

    void trendGraphPlotsAndSelects()
    {
        QTemporaryDir dir;
        writeIni(dir.path(),
            QString::fromLatin1(SeededIni)
                + QStringLiteral("[Graph Window]\nLeft=0\nTop=0\nWidth=800\nHeight=600\n"));
        Running run(dir.path());
        const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY(!win.isEmpty());
        pause(800);
        focusAndKey(win, QStringLiteral("alt+t"));
        xdo({ QStringLiteral("key"), QStringLiteral("g") });
        const QString graph = waitForWindow(QStringLiteral("Trend Graph - Auralis"), 5000);
        QVERIFY2(!graph.isEmpty(), "Graph Trends showed no graph window");
        pause(500);
        const QRect area = windowGeometry(graph);

        // Density by keys: Alt+P, D.
        focusAndKey(graph, QStringLiteral("alt+p"));
        xdo({ QStringLiteral("key"), QStringLiteral("d") });
        pause(600);
        QImage shot = screenshot(QStringLiteral("graph-density"));
        const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0);
        QVERIFY2(
            countColour(shot, area, blue, 24) > area.height() + area.width() / 2, "no blue axes");
        QVERIFY2(countColour(shot, area, red, 96) >= 20, "no red labels");
        QCOMPARE(countColour(shot, area, green, 24), 0);

        // Show Symbol Positions from the pop-up menu on the plot.
        const QPoint middle = area.center();
        xdo({ QStringLiteral("mousemove"), QString::number(middle.x()), QString::number(middle.y()),
            QStringLiteral("click"), QStringLiteral("3") });
        pause(400);
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        pause(600);
        shot = screenshot(QStringLiteral("graph-density-symbols"));
        ElementData data;
        data.load(ProgramFolder + QStringLiteral("auralis.bkp"));
        QList<int> valued;
        for (int z = 1; z <= ElementCount; ++z)
            if (ElementText::hasValue(data.field(z, Field::DensityValue)))
                valued << z;
        const QList<QRect> marks = colourBlobs(shot, area, green, 24);
        QCOMPARE(marks.size(), valued.size());

        // A double click on iron's mark selects iron and shows its information.
        const QRect iron = marks.at(valued.indexOf(26));
        const QPoint centre(iron.left() + 2, iron.top() + 2);
        xdo({ QStringLiteral("mousemove"), QString::number(centre.x()),
            QString::number(centre.y()) });
        pause(200);
        xdo({ QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
            QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1") });
        QVERIFY2(!waitForWindow(QStringLiteral("Iron - Element Information"), 5000).isEmpty(),
            "the double click did not show iron");
        screenshot(QStringLiteral("graph-selected-iron"));
        focusAndKey(win, QStringLiteral("alt+f"));
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        pause(500);
        QCOMPARE(
            readIniValue(dir.path(), QStringLiteral("Selected Element")), QStringLiteral("26"));
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("Property")), QStringLiteral("5"));
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("ShowSymbolPos")), QStringLiteral("1"));
    }

    void findWindowSelectsBySymbolAndByRange()
    {
        SeededRun started;
        const QString &win = started.window;
        QVERIFY(!win.isEmpty());
        focusAndKey(win, QStringLiteral("ctrl+i"));
        QVERIFY(!waitForWindow(QStringLiteral("Hydrogen - Element Information"), 5000).isEmpty());

        // Symbol page: "ca" finds Ca - Calcium, Enter selects it.
        focusAndKey(win, QStringLiteral("ctrl+f"));
        QString find = waitForWindow(QStringLiteral("Find Element"), 5000);
        QVERIFY2(!find.isEmpty(), "Ctrl+F opened no find window");
        screenshot(QStringLiteral("find-name-page"));
        focusAndKey(find, QStringLiteral("alt+s"));
        typeText(find, QStringLiteral("ca"));
        screenshot(QStringLiteral("find-symbol-page"));
        focusAndKey(find, QStringLiteral("Return"));
        QVERIFY2(!waitForWindow(QStringLiteral("Calcium - Element Information"), 5000).isEmpty(),
            "the information window does not show calcium");

        // Property page: density from 1 to 2; the lowest value there is rubidium's.
        focusAndKey(win, QStringLiteral("ctrl+f"));
        find = waitForWindow(QStringLiteral("Find Element"), 5000);
        QVERIFY(!find.isEmpty());
        focusAndKey(find, QStringLiteral("alt+p"));
        for (const char *keys : { "Tab", "d", "Tab", "1", "Tab", "2", "alt+r" })
            focusAndKey(find, QLatin1String(keys));
        pause(300);
        screenshot(QStringLiteral("find-property-page"));
        focusAndKey(find, QStringLiteral("alt+o"));
        QVERIFY2(!waitForWindow(QStringLiteral("Rubidium - Element Information"), 5000).isEmpty(),
            "the range search did not select rubidium");
        focusAndKey(win, QStringLiteral("alt+f"));
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        QTRY_COMPARE_WITH_TIMEOUT(
            readIniValue(started.dir.path(), QStringLiteral("Selected Element")),
            QStringLiteral("37"), 5000);
    }

    void optionsColoursReachTheTable()
    {
        QTemporaryDir dir;
        writeIni(dir.path(),
            QString::fromLatin1(SeededIni).replace(
                QStringLiteral("Background=Gray"), QStringLiteral("Background=Default")));
        std::unique_ptr<TfrmAuralis> ref = referenceWindow(QSize(900, 640));
        Running run(dir.path());
        const QString win = waitForWindow(QStringLiteral("Auralis 1.8a"), 20000);
        QVERIFY(!win.isEmpty());
        pause(800);
        const QPoint origin = windowGeometry(win).topLeft();
        const QRect iron = tileOnScreen(*ref, 26, origin);
        const QColor silver(192, 192, 192);
        QVERIFY(countColour(screenshot(QStringLiteral("options-before")), iron, silver, 12)
            < iron.width() * iron.height() / 4);

        auto openByLegend = [&] {
            const QPoint legend = origin + ref->lblMetals->mapTo(ref.get(), QPoint(5, 5));
            xdo({ QStringLiteral("mousemove"), QString::number(legend.x()),
                QString::number(legend.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                QStringLiteral("2"), QStringLiteral("--delay"), QStringLiteral("80"),
                QStringLiteral("1") });
            return waitForWindow(QStringLiteral("Options"), 5000);
        };
        QString options = openByLegend();
        QVERIFY2(!options.isEmpty(), "a double click on the legend opened no options dialog");
        screenshot(QStringLiteral("options-main-page"));
        focusAndKey(options, QStringLiteral("alt+s"));
        focusAndKey(options, QStringLiteral("Return"));
        pause(500);
        QVERIFY(countColour(screenshot(QStringLiteral("options-silver")), iron, silver, 12)
            > iron.width() * iron.height() / 2);

        // The real colour chooser: the value typed into its HTML field.
        options = openByLegend();
        QVERIFY(!options.isEmpty());
        focusAndKey(options, QStringLiteral("alt+m"));
        const QString chooser = waitForWindow(QStringLiteral("Select Color"), 5000);
        QVERIFY2(!chooser.isEmpty(), "the Metals button opened no colour chooser");
        focusAndKey(chooser, QStringLiteral("alt+h"));
        focusAndKey(chooser, QStringLiteral("ctrl+a"));
        typeText(chooser, QStringLiteral("#123456"));
        screenshot(QStringLiteral("options-colour-chooser"));
        focusAndKey(chooser, QStringLiteral("Return"));
        pause(300);
        focusAndKey(options, QStringLiteral("Return"));
        pause(500);
        const QImage shot = screenshot(QStringLiteral("options-metals"));
        const QColor metal(0x12, 0x34, 0x56);
        const QRect numberArea(
            iron.center().x(), iron.top() + 1, iron.width() / 2 - 2, iron.height() / 2 - 1);
        QVERIFY(countColour(shot, numberArea, metal, 24) >= 3);
        const QRect oxygen = tileOnScreen(*ref, 8, origin);
        QCOMPARE(countColour(shot, oxygen, metal, 24), 0); // a nonmetal keeps its colour

        focusAndKey(win, QStringLiteral("alt+f"));
        xdo({ QStringLiteral("key"), QStringLiteral("s") });
        pause(500);
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("Metals")),
            QString::number(0x12 + 256 * 0x34 + 65536 * 0x56));
        QCOMPARE(readIniValue(dir.path(), QStringLiteral("Left")).isEmpty(), false);
    }

    void missingDataFileIsReportedAndEndsTheProgram()
    {
        // A copy of the program in a folder without its data file.
        QTemporaryDir programDir;
        const QString copy = programDir.path() + QStringLiteral("/auralis");
        QVERIFY(QFile::copy(Program, copy));
        QFile::setPermissions(copy, QFile::permissions(Program));
        QTemporaryDir settings;
        QProcess process;
        process.start(copy, { settings.path() });
        const QString box = waitForWindow(QStringLiteral("Auralis`"), 20000);
        QVERIFY2(!box.isEmpty(), "no error box");
        screenshot(QStringLiteral("missing-data-file"));
        focusAndKey(box, QStringLiteral("Return"));
        QVERIFY(ended(process));
        QCOMPARE(process.exitCode(), 1);
    }

    // File > Export Table..., Export Data... and Print... by keys alone; the save dialog
    // takes a typed name, the options step its defaults.
    void exportAndPrintByKeys()
    {
        SeededRun started;
        const QString &win = started.window;
        QVERIFY(!win.isEmpty());
        auto saveAs = [&](const char *item, const QString &caption, const QString &file) {
            focusAndKey(win, QStringLiteral("alt+f"));
            xdo({ QStringLiteral("key"), QLatin1String(item) });
            const QString save = waitForWindow(caption, 5000);
            if (save.isEmpty())
                return false;
            pause(300);
            focusAndKey(save, QStringLiteral("ctrl+a"));
            typeText(save, file);
            screenshot(QStringLiteral("export-save-dialog"));
            focusAndKey(save, QStringLiteral("Return"));
            return true;
        };
        const QString svg = started.dir.filePath(QStringLiteral("table.svg"));
        QVERIFY2(saveAs("t", QStringLiteral("Export Table"), svg),
            "Export Table... opened no save dialog");
        const QString options = waitForWindow(QStringLiteral("Export Options"), 5000);
        QVERIFY2(!options.isEmpty(), "no options step after the save dialog");
        screenshot(QStringLiteral("export-options"));
        focusAndKey(options, QStringLiteral("Return"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(svg).size() > 10000, 10000);
        QFile picture(svg);
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QByteArray text = picture.readAll();
        QVERIFY(text.contains("<svg") && text.contains(">Fe</text>"));

        const QString csv = started.dir.filePath(QStringLiteral("elements.csv"));
        QVERIFY2(saveAs("d", QStringLiteral("Export Data"), csv),
            "Export Data... opened no save dialog");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(csv).size() > 10000, 10000);
        QFile data(csv);
        QVERIFY(data.open(QIODevice::ReadOnly));
        QCOMPARE(data.readAll().count("\r\n"), 110);

        focusAndKey(win, QStringLiteral("ctrl+p"));
        const QString preview = waitForWindow(QStringLiteral("Print - Auralis"), 10000);
        QVERIFY2(!preview.isEmpty(), "Ctrl+P opened no print preview");
        pause(800);
        screenshot(QStringLiteral("print-preview"));
        focusAndKey(preview, QStringLiteral("Escape"));
        QTRY_VERIFY_WITH_TIMEOUT(
            waitForWindow(QStringLiteral("Print - Auralis"), 200).isEmpty(), 5000);
    }

    // Closing the main window ends the program, and saves as ever, whatever else is open:
    // the help, the floating toolbar, the tool windows, a print preview.
    void closingEndsTheProgram_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("how");
        QTest::newRow("File > Exit, help open") << "help"
                                                << "exit";
        QTest::newRow("close box, help open") << "help"
                                              << "close box";
        QTest::newRow("SIGTERM, help open") << "help"
                                            << "SIGTERM";
        QTest::newRow("File > Exit, toolbar floating") << "toolbar"
                                                       << "exit";
        QTest::newRow("close box, toolbar floating") << "toolbar"
                                                     << "close box";
        QTest::newRow("close box, tool windows open") << "tools"
                                                      << "close box";
        QTest::newRow("SIGTERM, print preview open") << "preview"
                                                     << "SIGTERM";
    }
    void closingEndsTheProgram()
    {
        QFETCH(QString, open);
        QFETCH(QString, how);
        SeededRun started;
        const QString &win = started.window;
        QVERIFY(!win.isEmpty());
        focusAndKey(win, QStringLiteral("Right")); // hydrogen -> helium
        if (open == QLatin1String("help")) {
            focusAndKey(win, QStringLiteral("F1"));
            QVERIFY2(!waitForWindow(QStringLiteral("Auralis Help"), 5000).isEmpty(), "no help");
        } else if (open == QLatin1String("toolbar")) {
            // A double click on the docked toolbar's grip floats it.
            const QRect frame = windowGeometry(win);
            const int grip = 3 + int(QGuiApplication::primaryScreen()->logicalDotsPerInch() / 40);
            xdo({ QStringLiteral("mousemove"), QString::number(frame.x() + grip),
                QString::number(frame.y() + menuAndHalfToolbar()) });
            xdo({ QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                QStringLiteral("1") });
            QVERIFY2(!waitForWindow(QStringLiteral("Toolbar"), 5000).isEmpty(),
                "the toolbar did not float");
        } else if (open == QLatin1String("tools")) {
            focusAndKey(win, QStringLiteral("ctrl+i"));
            QVERIFY(!waitForWindow(QStringLiteral("Helium - Element Information"), 5000).isEmpty());
            focusAndKey(win, QStringLiteral("alt+t"));
            xdo({ QStringLiteral("key"), QStringLiteral("g") });
            QVERIFY(!waitForWindow(QStringLiteral("Trend Graph - Auralis"), 5000).isEmpty());
        } else if (open == QLatin1String("preview")) {
            focusAndKey(win, QStringLiteral("ctrl+p"));
            QVERIFY(!waitForWindow(QStringLiteral("Print - Auralis"), 10000).isEmpty());
        }
        pause(300);
        if (how == QLatin1String("exit")) {
            focusAndKey(win, QStringLiteral("alt+f"));
            xdo({ QStringLiteral("key"), QStringLiteral("x") });
        } else if (how == QLatin1String("close box")) {
            askToClose(win);
        } else {
            ::kill(pid_t(started.run.process.processId()), SIGTERM);
        }
        QVERIFY2(ended(started.run.process), qPrintable(open + QStringLiteral(" kept it running")));
        QCOMPARE(started.run.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(started.run.process.exitCode(), 0);
        QCOMPARE(readIniValue(started.dir.path(), QStringLiteral("Selected Element")),
            QStringLiteral("2"));
    }

    void firstRunShowsTheNoticeAndWritesBothKeys()
    {
        QTemporaryDir dir;
        Running run(dir.path());
        const QString notice = waitForWindow(QStringLiteral("Please Read Carefully"), 20000);
        QVERIFY2(!notice.isEmpty(), "no first-run notice");
        screenshot(QStringLiteral("first-run-notice"));
        focusAndKey(notice, QStringLiteral("Return"));
        QTRY_COMPARE_WITH_TIMEOUT(
            readIniValue(dir.path(), QStringLiteral("Read")), QStringLiteral("1"), 5000);
        // The colour notice follows where the desktop's 3-D face is not silver, then the
        // options dialog with the table colours only: its tabs do not turn.
        const QString colours = waitForWindow(QStringLiteral("Colours - Auralis"), 3000);
        if (!colours.isEmpty()) {
            focusAndKey(colours, QStringLiteral("Return"));
            const QString options = waitForWindow(QStringLiteral("Options"), 5000);
            QVERIFY2(!options.isEmpty(), "no options dialog after the colour notice");
            pause(300);
            const QRect box = windowGeometry(options);
            const QImage before = screenshot(QStringLiteral("first-run-options")).copy(box);
            focusAndKey(options, QStringLiteral("ctrl+Tab"));
            focusAndKey(options, QStringLiteral("ctrl+Tab"));
            const QImage after = screenshot(QStringLiteral("first-run-options-after-ctrl-tab"));
            QCOMPARE(after.copy(box), before);
            focusAndKey(options, QStringLiteral("Escape"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            !readIniValue(dir.path(), QStringLiteral("Background")).isEmpty(), 5000);
        QVERIFY(!waitForWindow(QStringLiteral("Auralis 1.8a"), 10000).isEmpty());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
