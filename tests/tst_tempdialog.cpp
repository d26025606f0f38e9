#include "MainWindowFixture.h"
#include "common/ErrorBox.h"
#include "elements/Elements.h"
#include "settings/IniFile.h"
#include "windows/Unt_temp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

class TestTempDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    std::unique_ptr<MainWindowFixture> m_program;
    TfrmAuralis *m_main = nullptr;
    TfrmSetTemperature *m_dialog = nullptr;

    void start(QChar separator, float kelvin)
    {
        cleanup();
        m_program = std::make_unique<MainWindowFixture>(MainWindowFixture::startOptions(
            m_settings.path(), Probes::shippedFolder(), separator, QSize()));
        m_main = m_program->get();
        m_main->setTemperature(kelvin);
        m_program->makeTools(MainWindowFixture::Temperature);
        m_dialog = m_program->temperature.get();
    }
    void open(int page)
    {
        m_dialog->pageTemp->setCurrentIndex(page);
        m_dialog->show();
    }
    void openAndType(int page, const QString &text)
    {
        open(page);
        QLineEdit *edits[] = { m_dialog->txtKelvin, m_dialog->txtCelsius, m_dialog->txtFarenheit };
        edits[page]->setText(text);
    }
    void clickTab(int page)
    {
        QTabBar *bar = m_dialog->pageTemp->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QCOMPARE(m_dialog->pageTemp->currentIndex(), page);
    }
    QStringList boxes() const
    {
        return { m_dialog->txtKelvin->text(), m_dialog->txtCelsius->text(),
            m_dialog->txtFarenheit->text() };
    }

private slots:
    void init()
    {
        ErrorBox::setRecording(true);
        ErrorBox::recorded().clear();
        QFile::remove(m_settings.filePath(u"auralis.ini"_s));
        start(QLatin1Char('.'), 298.15f);
    }

    void cleanup()
    {
        m_program.reset();
        m_main = nullptr;
        m_dialog = nullptr;
    }

    void openingFillsTheActivePageAndTabsConvert()
    {
        m_dialog->txtKelvin->setText(u"kept"_s);
        open(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(m_dialog->txtCelsius->text(), u"25.00"_s);
        QCOMPARE(m_dialog->txtCelsius->selectedText(), u"25.00"_s);
        QCOMPARE(m_dialog->txtKelvin->text(), u"kept"_s);
        clickTab(TfrmSetTemperature::FahrenheitPage);
        QCOMPARE(m_dialog->txtFarenheit->text(), u"77.00"_s);
        clickTab(TfrmSetTemperature::KelvinPage);
        QCOMPARE(m_dialog->txtKelvin->text(), u"298.15"_s);
    }

    void okSetsSliderAndTemperature_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("kelvin");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("reopened"); // the same page when the dialog opens again
        QTest::newRow("above range") << 0 << "7000" << 6000.0f << 6000 << "6000.00";
        QTest::newRow("below zero celsius") << 1 << "-300" << 0.0f << 0 << "-273.15";
        QTest::newRow("above range fahrenheit") << 2 << "20000" << 6000.0f << 6000 << "10340.33";
        QTest::newRow("third decimal half") << 0 << "300.125" << 300.13f << 300 << "300.13";
        QTest::newRow("third decimal below half") << 0 << "300.124" << 300.12f << 300 << "300.12";
        QTest::newRow("half to even down") << 0 << "300.5" << 300.5f << 300 << "300.50";
        QTest::newRow("half to even up") << 0 << "301.5" << 301.5f << 302 << "301.50";
        QTest::newRow("zero celsius, no minus") << 1 << "0" << 273.15f << 273 << "0.00";
        QTest::newRow("fahrenheit") << 2 << "212" << 373.15f << 373 << "212.00";
        QTest::newRow("not a number") << 0 << "warm" << 298.15f << 298 << "298.15";
        QTest::newRow("empty") << 1 << "" << 298.15f << 298 << "25.00";
        QTest::newRow("huge") << 0 << "1e300" << 6000.0f << 6000 << "6000.00";
        QTest::newRow("huge negative") << 2 << "-1e300" << 0.0f << 0 << "-459.67";
    }

    void okSetsSliderAndTemperature()
    {
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(float, kelvin);
        QFETCH(int, slider);
        QFETCH(QString, reopened);
        m_main->TempSlider->setValue(4000);
        m_main->setTemperature(298.15f);
        openAndType(page, typed);
        QTest::mouseClick(m_dialog->butOK, Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_main->state().temperature(), kelvin);
        QCOMPARE(m_main->TempSlider->value(), slider);
        // The slider's own handling applied the whole number first; the exact value wins.
        QCOMPARE(m_main->tile(1)->temperature(), double(kelvin));
        QVERIFY(
            m_main->statusText(1).startsWith(QString::number(double(kelvin), 'f', 2) + u" K"_s));
        open(page);
        QCOMPARE(boxes()[page], reopened);
    }

    void notANumberBecomesTheCurrentTemperatureOnPageChange()
    {
        openAndType(TfrmSetTemperature::KelvinPage, u"12,5"_s);
        clickTab(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(boxes(), QStringList({ "298.15", "25.00", "77.00" }));
    }

    void commaSeparator()
    {
        start(QLatin1Char(','), 273.15f);
        open(TfrmSetTemperature::KelvinPage);
        QCOMPARE(m_dialog->txtKelvin->text(), u"273,15"_s);
        m_dialog->txtKelvin->setText(u"300.5"_s);
        clickTab(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(boxes(), QStringList({ "273,15", "0,00", "32,00" }));
        m_dialog->txtCelsius->setText(u"26,85"_s);
        m_dialog->butOK->click();
        QCOMPARE(m_main->state().temperature(), 300.0f);
    }

    void cancelKeepsTemperatureButNotTheTexts()
    {
        openAndType(TfrmSetTemperature::KelvinPage, u"7000"_s);
        clickTab(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(boxes(), QStringList({ "6000.00", "5726.85", "10340.33" }));
        QTest::mouseClick(m_dialog->butCancel, Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_main->state().temperature(), 298.15f);
        QCOMPARE(m_dialog->txtFarenheit->text(), u"10340.33"_s);
    }

    void changingToTheSamePageStillConverts()
    {
        openAndType(TfrmSetTemperature::KelvinPage, u"7000"_s);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        // A key or click that changes no page converts nothing.
        const QStringList before = boxes();
        QTest::keyClick(m_dialog->txtKelvin, Qt::Key_PageDown, Qt::ControlModifier);
        QTabBar *bar = m_dialog->pageTemp->tabBar();
        QTest::mouseClick(bar, Qt::RightButton, {}, bar->tabRect(1).center());
        QCOMPARE(m_dialog->pageTemp->currentIndex(), int(TfrmSetTemperature::KelvinPage));
        QCOMPARE(boxes(), before);
        QTest::keyClick(m_dialog->txtKelvin, Qt::Key_K, Qt::AltModifier);
        QCOMPARE(m_dialog->pageTemp->currentIndex(), int(TfrmSetTemperature::KelvinPage));
        QCOMPARE(boxes(), QStringList({ "6000.00", "5726.85", "10340.33" }));
    }

    void mnemonicConvertsBeforeChanging()
    {
        open(TfrmSetTemperature::FahrenheitPage);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        m_dialog->txtFarenheit->setText(u"32"_s);
        QTest::keyClick(m_dialog->txtFarenheit, Qt::Key_K, Qt::AltModifier);
        QCOMPARE(m_dialog->pageTemp->currentIndex(), int(TfrmSetTemperature::KelvinPage));
        QCOMPARE(boxes(), QStringList({ "273.15", "0.00", "32.00" }));
    }

    void placementFromSettings_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("centred");
        QTest::newRow("never saved") << QString() << 0 << true;
        QTest::newRow("saved fahrenheit") << "2" << 2 << false;
        QTest::newRow("out of range") << "7" << 0 << true;
    }

    void placementFromSettings()
    {
        QFETCH(QString, tab);
        QFETCH(int, page);
        QFETCH(bool, centred);
        m_main->setGeometry(100, 80, 900, 700);
        if (!tab.isNull())
            IniFile(m_main->state().settingsFile())
                .writeString(u"Temperature Window"_s, u"Tab"_s, tab);
        TfrmSetTemperature dialog(m_main->state(), m_main);
        dialog.FormCreate();
        QCOMPARE(dialog.pageTemp->currentIndex(), page);
        const QRect main = m_main->frameGeometry();
        const QPoint middle(main.left() + main.width() / 2 - dialog.width() / 2,
            main.top() + main.height() / 2 - dialog.height() / 2);
        QCOMPARE(dialog.pos(), centred ? middle : QPoint(5, 5));
    }
};

QTEST_MAIN(TestTempDialog)
#include "tst_tempdialog.moc"
