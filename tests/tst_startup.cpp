#include "Startup.h"
#include "Unt_spsh.h"
#include "common/ErrorBox.h"

#include <QLabel>
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
