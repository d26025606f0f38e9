#include "DesktopPlatform.h"
#include "Startup.h"
#include "Unt_spsh.h"
#include "common/ErrorBox.h"
#include "main/Unt_aura.h"
#include "windows/Unt_info.h"
#include "windows/unt_optn.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ErrorBox::setRecording(true);
        ErrorBox::recorded().clear();
    }

    void splashShowsItsTexts()
    {
        TfrmSplash splash;
        QCOMPARE(splash.lblVer->text(), QStringLiteral("Auralis 1.8a"));
        QCOMPARE(splash.Label2->text(), QStringLiteral("Designed and created by:"));
        QVERIFY(!splash.Label3->text().isEmpty());
        QVERIFY(!splash.Label4->text().isEmpty());
        QVERIFY(splash.Label5->text().isEmpty());
        QCOMPARE(splash.tmrSplash->interval(), 1000);
        QVERIFY(splash.tmrSplash->isActive());
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    }

    void waitEndsAtTheThirdTick()
    {
        TfrmSplash splash;
        splash.tmrSplash->setInterval(10);
        int ticksSeenAfterSecond = -1;
        QObject::connect(splash.tmrSplash, &QTimer::timeout, &splash, [&] {
            if (splash.ticks() == 2)
                ticksSeenAfterSecond = 2;
        });
        waitForSplash(splash);
        QCOMPARE(ticksSeenAfterSecond, 2);
        QCOMPARE(splash.ticks(), 3);
    }

    void clickOnAControlEndsTheWaitButNotOnEmptyArea()
    {
        TfrmSplash splash;
        splash.tmrSplash->stop();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));

        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(3, splash.height() - 3));
        QCOMPARE(splash.ticks(), 0);

        for (const char *name : { "imgIcon", "Label3", "Label5" }) {
            TfrmSplash fresh;
            fresh.tmrSplash->stop();
            QWidget *same = fresh.findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(same, name);
            // Only a left click counts; a press that ends off the control is no click.
            QTest::mouseClick(same, Qt::RightButton);
            QTest::mouseClick(same, Qt::MiddleButton);
            QTest::mousePress(same, Qt::LeftButton);
            QTest::mouseRelease(same, Qt::LeftButton, {}, QPoint(-2, -2));
            QCOMPARE(fresh.ticks(), 0);
            QTest::mouseClick(same, Qt::LeftButton);
            QCOMPARE(fresh.ticks(), 4);
            waitForSplash(fresh); // returns at once
        }
    }

    // The table is painted before the tool windows are made; they are made in their order,
    // each reading its own section, and the window shows what the settings say.
    void toolWindowsFollowTheFirstFrame()
    {
        QTemporaryDir dir;
        QFile ini(dir.filePath(QStringLiteral("auralis.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(
            "[About]\nRead=1\n[Colors]\nBackground=Gray\n"
            "[Element Info Window]\nVisible=0\nLeft=61\nTop=62\n[Color Window]\nLeft=71\nTop=72\n");
        ini.close();
        TfrmAuralis::StartOptions options;
        options.arguments = { dir.path() };
        options.programFolder = QStringLiteral(AURALIS_SHIPPED_DATA "/");
        TfrmAuralis main(options);

        // The windows that exist when the main window's first paint arrives.
        struct Watch : QObject
        {
            int paints = 0;
            qsizetype windowsAtFirstPaint = -1;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint && paints++ == 0)
                    windowsAtFirstPaint = QApplication::topLevelWidgets().size();
                return false;
            }
        } watch;
        main.installEventFilter(&watch);
        const qsizetype before = QApplication::topLevelWidgets().size();
        FirstFrameWatch firstFrame(main);
        main.show();
        QVERIFY(firstFrame.wait());
        QCOMPARE(watch.paints, 1);
        QCOMPARE(watch.windowsAtFirstPaint, before);
        // A paint seen before the wait (inside a first-run notice's loop) ends it at once.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(firstFrame.wait(5000));
        QVERIFY(clock.elapsed() < 1000);

        const auto tools = createToolWindows(main);
        QVERIFY(QApplication::topLevelWidgets().size() >= before + 6);
        QCOMPARE(tools->info->pos(), QPoint(61, 62));
        QCOMPARE(tools->options->pos(), QPoint(71, 72));
        QVERIFY(!tools->options->tableColoursOnly());
        QVERIFY(!tools->info->isVisible());
        QCOMPARE(ErrorBox::recorded(), QStringList());
        main.attachToolWindows({});
    }

    void exceptionsInHandlersStopAtTheApplication()
    {
        struct Throwing : QObject
        {
            bool event(QEvent *e) override
            {
                if (e->type() == QEvent::User)
                    Errors::invalidInteger(QStringLiteral("x1"));
                return QObject::event(e);
            }
        } throwing;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&throwing, &event);
        QCOMPARE(ErrorBox::recorded(), QStringList { "'x1' is not a valid integer value." });
    }

    // X11 is asked for only in a Wayland session that offers it, and never over the
    // user's own choice.
    void waylandSessionPrefersX11_data()
    {
        QTest::addColumn<QString>("environment"); // NAME=value pairs, blank-separated
        QTest::addColumn<bool>("platformArgument");
        QTest::addColumn<bool>("x11Plugin");
        QTest::addColumn<QByteArray>("preferred");
        QTest::newRow("wayland with xwayland")
            << "WAYLAND_DISPLAY=wayland-0 DISPLAY=:1" << false << true << QByteArray("xcb;wayland");
        QTest::newRow("session type only")
            << "XDG_SESSION_TYPE=wayland DISPLAY=:0" << false << true << QByteArray("xcb;wayland");
        QTest::newRow("wayland only")
            << "WAYLAND_DISPLAY=wayland-0" << false << true << QByteArray();
        QTest::newRow("x11 session")
            << "DISPLAY=:0 XDG_SESSION_TYPE=x11" << false << true << QByteArray();
        QTest::newRow("user's variable") << "WAYLAND_DISPLAY=w DISPLAY=:1 QT_QPA_PLATFORM=wayland"
                                         << false << true << QByteArray();
        QTest::newRow("user's argument")
            << "WAYLAND_DISPLAY=w DISPLAY=:1" << true << true << QByteArray();
        QTest::newRow("no x11 plugin")
            << "WAYLAND_DISPLAY=w DISPLAY=:1" << false << false << QByteArray();
    }

    void waylandSessionPrefersX11()
    {
        QFETCH(QString, environment);
        QFETCH(bool, platformArgument);
        QFETCH(bool, x11Plugin);
        QMap<QByteArray, QByteArray> vars;
        for (const QString &pair : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            vars.insert(pair.section(QLatin1Char('='), 0, 0).toUtf8(),
                pair.section(QLatin1Char('='), 1).toUtf8());
        const auto lookup = [&vars](const char *name) { return vars.value(name); };
        QTEST(DesktopPlatform::preferred(lookup, platformArgument, x11Plugin), "preferred");
    }

    void errorTextGetsOneFullStop()
    {
        ErrorBox::showError(QStringLiteral("Cannot open file /tmp/x"));
        ErrorBox::showError(QStringLiteral("Already ends."));
        QCOMPARE(
            ErrorBox::recorded(), (QStringList { "Cannot open file /tmp/x.", "Already ends." }));
        QVERIFY(!ErrorBox::guarded([] { Errors::cannotOpenFile(QStringLiteral("/a")); }));
        QVERIFY(ErrorBox::guarded([] {}));
    }
};

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
