#include "core/Forms.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "windows/ErrorBox.h"
#include "windows/Unt_temp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestTempDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;
    std::unique_ptr<TfrmAuralis> m_main;
    std::unique_ptr<TfrmSetTemperature> m_dialog;

    void start(QChar separator, float kelvin)
    {
        cleanup();
        m_main = std::make_unique<TfrmAuralis>(TfrmAuralis::StartOptions {
            { m_settings.path() }, QStringLiteral(AURALIS_SHIPPED_DATA "/"), separator });
        frmAuralis = m_main.get();
        m_main->setTemperature(kelvin);
        m_dialog = std::make_unique<TfrmSetTemperature>(m_main.get());
        frmSetTemperature = m_dialog.get();
    }
    void open(int page)
    {
        m_dialog->pageTemp->setCurrentIndex(page);
        m_dialog->show();
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
        QFile::remove(m_settings.filePath(QStringLiteral("auralis.ini")));
        start(QLatin1Char('.'), 298.15f);
    }

    void cleanup()
    {
        frmSetTemperature = nullptr;
        m_dialog.reset();
        frmAuralis = nullptr;
        m_main.reset();
    }

    void openingFillsTheActivePageAndTabsConvert()
    {
        m_dialog->txtKelvin->setText(QStringLiteral("kept"));
        open(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(m_dialog->txtCelsius->text(), QStringLiteral("25.00"));
        QCOMPARE(m_dialog->txtCelsius->selectedText(), QStringLiteral("25.00"));
        QCOMPARE(m_dialog->txtKelvin->text(), QStringLiteral("kept"));
        clickTab(TfrmSetTemperature::FahrenheitPage);
        QCOMPARE(m_dialog->txtFarenheit->text(), QStringLiteral("77.00"));
        clickTab(TfrmSetTemperature::KelvinPage);
        QCOMPARE(m_dialog->txtKelvin->text(), QStringLiteral("298.15"));
    }

    void okSetsSliderAndTemperature_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("kelvin");
        QTest::addColumn<int>("slider");
        QTest::newRow("above range") << 0 << "7000" << 6000.0f << 6000;
        QTest::newRow("below zero celsius") << 1 << "-300" << 0.0f << 0;
        QTest::newRow("above range fahrenheit") << 2 << "20000" << 6000.0f << 6000;
        QTest::newRow("third decimal half") << 0 << "300.125" << 300.13f << 300;
        QTest::newRow("third decimal below half") << 0 << "300.124" << 300.12f << 300;
        QTest::newRow("half to even down") << 0 << "300.5" << 300.5f << 300;
        QTest::newRow("half to even up") << 0 << "301.5" << 301.5f << 302;
        QTest::newRow("zero celsius") << 1 << "0" << 273.15f << 273;
        QTest::newRow("fahrenheit") << 2 << "212" << 373.15f << 373;
        QTest::newRow("not a number") << 0 << "warm" << 298.15f << 298;
        QTest::newRow("empty") << 1 << "" << 298.15f << 298;
        QTest::newRow("huge") << 0 << "1e300" << 6000.0f << 6000;
        QTest::newRow("huge negative") << 2 << "-1e300" << 0.0f << 0;
    }

    void okSetsSliderAndTemperature()
    {
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(float, kelvin);
        QFETCH(int, slider);
        m_main->TempSlider->setValue(4000);
        m_main->setTemperature(298.15f);
        open(page);
        QLineEdit *edits[] = { m_dialog->txtKelvin, m_dialog->txtCelsius, m_dialog->txtFarenheit };
        edits[page]->setText(typed);
        QTest::mouseClick(m_dialog->butOK, Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_main->temperature(), kelvin);
        QCOMPARE(m_main->TempSlider->value(), slider);
        // The slider's own handling applied the whole number first; the exact value wins.
        QCOMPARE(m_main->tile(1)->temperature(), double(kelvin));
        QVERIFY(m_main->statusText(1).startsWith(
            QString::number(double(kelvin), 'f', 2) + QStringLiteral(" K")));
    }

    void zeroCelsiusReopensWithoutMinus()
    {
        open(TfrmSetTemperature::CelsiusPage);
        m_dialog->txtCelsius->setText(QStringLiteral("0"));
        m_dialog->butOK->click();
        QCOMPARE(m_main->temperature(), 273.15f);
        open(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(m_dialog->txtCelsius->text(), QStringLiteral("0.00"));
    }

    void notANumberBecomesTheCurrentTemperatureOnPageChange()
    {
        open(TfrmSetTemperature::KelvinPage);
        m_dialog->txtKelvin->setText(QStringLiteral("12,5"));
        clickTab(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(boxes(), QStringList({ "298.15", "25.00", "77.00" }));
    }

    void commaSeparator()
    {
        start(QLatin1Char(','), 273.15f);
        open(TfrmSetTemperature::KelvinPage);
        QCOMPARE(m_dialog->txtKelvin->text(), QStringLiteral("273,15"));
        m_dialog->txtKelvin->setText(QStringLiteral("300.5"));
        clickTab(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(boxes(), QStringList({ "273,15", "0,00", "32,00" }));
        m_dialog->txtCelsius->setText(QStringLiteral("26,85"));
        m_dialog->butOK->click();
        QCOMPARE(m_main->temperature(), 300.0f);
    }

    void cancelKeepsTemperatureButNotTheTexts()
    {
        open(TfrmSetTemperature::KelvinPage);
        m_dialog->txtKelvin->setText(QStringLiteral("7000"));
        clickTab(TfrmSetTemperature::CelsiusPage);
        QCOMPARE(boxes(), QStringList({ "6000.00", "5726.85", "10340.33" }));
        QTest::mouseClick(m_dialog->butCancel, Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_main->temperature(), 298.15f);
        QCOMPARE(m_dialog->txtFarenheit->text(), QStringLiteral("10340.33"));
    }

    void changingToTheSamePageStillConverts()
    {
        open(TfrmSetTemperature::KelvinPage);
        m_dialog->txtKelvin->setText(QStringLiteral("7000"));
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
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
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        m_dialog->txtFarenheit->setText(QStringLiteral("32"));
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
            IniFile(m_main->settingsFile())
                .writeString(QStringLiteral("Temperature Window"), QStringLiteral("Tab"), tab);
        TfrmSetTemperature dialog(m_main.get());
        QCOMPARE(dialog.pageTemp->currentIndex(), page);
        const QRect main = m_main->frameGeometry();
        const QPoint middle(main.left() + main.width() / 2 - dialog.width() / 2,
            main.top() + main.height() / 2 - dialog.height() / 2);
        QCOMPARE(dialog.pos(), centred ? middle : QPoint(5, 5));
    }
};

QTEST_MAIN(TestTempDialog)
#include "tst_tempdialog.moc"
