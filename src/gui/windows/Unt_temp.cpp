#include "windows/Unt_temp.h"

#include "base/Numbers.h"
#include "base/Temperature.h"
#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "common/HelpViewer.h"
#include "common/Placement.h"
#include "common/Scale.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cfloat>

namespace {

constexpr float MaxKelvin = Temperature::MaxKelvin;

QString lowerText()
{
    return TfrmSetTemperature::tr(
        "In order to input temperature in a different unit, click on the desired tab above.");
}

}

TfrmSetTemperature::TfrmSetTemperature(const SharedState &state, QWidget *owner)
    : ToolDialog(state, owner, QStringLiteral("frmSetTemperature"), tr("Set Temperature"),
        QSize(433, 238),
        { &Settings::TemperatureTab, &Settings::TemperatureLeft, &Settings::TemperatureTop })
{
    createButtonRow({ 200, 328, tr("C&ancel") }, [this](QObject *b) { butClick(b); });

    pageTemp = new QTabWidget(this);
    pageTemp->setObjectName(QStringLiteral("pageTemp"));
    pageTemp->setGeometry(Scale::rect(8, 8, 417, 185));
    pageTemp->setFocusPolicy(Qt::NoFocus);
    pageTemp->tabBar()->setFocusPolicy(Qt::NoFocus);

    tabKelvin = createPage(tr("Please type the desired temperature in Kelvin from the "
                              "range of 0.00 to 6000.00. A maximum of 2 decimal "
                              "places will be preserved:"),
        &Label2, &txtKelvin, &Label1);
    tabCelsius = createPage(tr("Please type the desired temperature in Celsius from "
                               "the range of -273.15 to 5726.85. A maximum of 2 "
                               "decimal places will be preserved:"),
        &Label3, &txtCelsius, &Label4);
    tabFarenheit = createPage(tr("Please type the desired temperature in Fahrenheit "
                                 "from the range of -459.67 to 10340.33. A maximum of "
                                 "2 decimal places will be preserved:"),
        &Label5, &txtFarenheit, &Label6);
    tabKelvin->setObjectName(QStringLiteral("tabKelvin"));
    tabCelsius->setObjectName(QStringLiteral("tabCelsius"));
    tabFarenheit->setObjectName(QStringLiteral("tabFarenheit"));
    txtKelvin->setObjectName(QStringLiteral("txtKelvin"));
    txtCelsius->setObjectName(QStringLiteral("txtCelsius"));
    txtFarenheit->setObjectName(QStringLiteral("txtFarenheit"));
    pageTemp->addTab(tabKelvin, tr("&Kelvin"));
    pageTemp->addTab(tabCelsius, tr("&Celsius"));
    pageTemp->addTab(tabFarenheit, tr("&Farenheit"));

    // Every way of changing the page converts the page being left first: a click on a tab,
    // a tab's mnemonic, and Ctrl+Tab (see eventFilter).
    pageTemp->tabBar()->installEventFilter(this);
    pageTemp->installEventFilter(this);

    setStoredPages(pageTemp, [this](int page) { selectPage(Page(page)); });

    setTabOrder(butHelp, butCancel);
    setTabOrder(butCancel, butOK);
    setTabOrder(butOK, txtKelvin);
    setTabOrder(txtKelvin, txtCelsius);
    setTabOrder(txtCelsius, txtFarenheit);
    fitToTexts();
}

QWidget *TfrmSetTemperature::createPage(
    const QString &instruction, QLabel **instructionLabel, QLineEdit **edit, QLabel **lowerLabel)
{
    auto *page = new QWidget;
    auto *upper = new QLabel(instruction, page);
    upper->setWordWrap(true);
    upper->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    upper->setGeometry(Scale::rect(16, 8, 377, 53));
    *instructionLabel = upper;

    auto *box = new QLineEdit(page);
    upper->setBuddy(box); // the instruction names the box for a screen reader
    // The box takes the height its font needs.
    box->setGeometry(Scale::px(40), Scale::px(64), Scale::px(133), box->sizeHint().height());
    *edit = box;

    auto *lower = new QLabel(lowerText(), page);
    lower->setWordWrap(true);
    lower->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lower->setGeometry(Scale::rect(16, 100, 377, 37));
    *lowerLabel = lower;
    return page;
}

QLineEdit *TfrmSetTemperature::edit(int page) const
{
    switch (page) {
    case CelsiusPage:
        return txtCelsius;
    case FahrenheitPage:
        return txtFarenheit;
    default:
        return txtKelvin;
    }
}

float TfrmSetTemperature::typedValue(int page) const
{
    double typed = 0.0;
    float x;
    if (!Numbers::tryStrToFloat(edit(page)->text(), m_state.decimalSeparator(), &typed)) {
        x = m_state.temperature();
    } else {
        // Beyond the float range the value only needs to stay beyond the clamp limits.
        x = float(std::clamp(typed, double(-FLT_MAX), double(FLT_MAX)));
        if (page == CelsiusPage)
            x = float(Temperature::fromCelsius(x));
        else if (page == FahrenheitPage)
            x = float(Temperature::fromFahrenheit(x));
    }
    if (x > MaxKelvin)
        x = MaxKelvin;
    if (!(x >= 0.0f))
        x = 0.0f;
    return x;
}

void TfrmSetTemperature::writeAll(float kelvin)
{
    const QChar separator = m_state.decimalSeparator();
    txtKelvin->setText(Numbers::temperatureText(kelvin, separator));
    txtCelsius->setText(Numbers::temperatureText(double(Temperature::celsius(kelvin)), separator));
    txtFarenheit->setText(
        Numbers::temperatureText(double(Temperature::fahrenheit(kelvin)), separator));
}

void TfrmSetTemperature::pageTempChanging()
{
    writeAll(typedValue(pageTemp->currentIndex()));
}

void TfrmSetTemperature::selectPage(Page page)
{
    pageTempChanging();
    pageTemp->setCurrentIndex(page);
}

void TfrmSetTemperature::FormShow()
{
    const QChar separator = m_state.decimalSeparator();
    const long double kelvin = m_state.temperature();
    const int page = pageTemp->currentIndex();
    long double shown = kelvin;
    if (page == CelsiusPage)
        shown = Temperature::celsius(kelvin);
    else if (page == FahrenheitPage)
        shown = Temperature::fahrenheit(kelvin);
    QLineEdit *box = edit(page);
    box->setText(Numbers::temperatureText(double(shown), separator));
    box->setFocus();
    box->selectAll();
}

void TfrmSetTemperature::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfrmSetTemperature::butClick(QObject *sender)
{
    if (sender == butOK) {
        ErrorBox::guarded([this] {
            emit temperatureChosen(typedValue(pageTemp->currentIndex()));
            accept();
        });
    } else if (sender == butCancel) {
        reject();
    } else if (sender == butHelp) {
        HelpViewer::showTopic(m_state.helpFile(), HelpTopic, this);
    }
}

void TfrmSetTemperature::FormCreate()
{
    IniFile ini(m_state.settingsFile());
    ini.beginPass();
    readPlace(ini);
}

void TfrmSetTemperature::saveSettings(IniFile &ini) const
{
    writePlace(ini);
}

bool TfrmSetTemperature::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pageTemp->tabBar()) {
        if (event->type() == QEvent::Shortcut) {
            // A tab's mnemonic (Alt+K, Alt+C, Alt+F): convert, even when the page stays.
            const auto *shortcut = static_cast<QShortcutEvent *>(event);
            for (int i = 0; i < pageTemp->count(); ++i) {
                if (QKeySequence::mnemonic(pageTemp->tabText(i)) == shortcut->key()) {
                    pageTempChanging();
                    pageTemp->setCurrentIndex(i);
                    return true;
                }
            }
        } else if (event->type() == QEvent::MouseButtonPress) {
            // The left button turns to the tab under it; the other buttons turn no page.
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const int index = pageTemp->tabBar()->tabAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index >= 0
                && index != pageTemp->currentIndex())
                pageTempChanging();
        } else if (event->type() == QEvent::Wheel) {
            return true; // the wheel does not turn pages here
        }
    } else if (watched == pageTemp && event->type() == QEvent::KeyPress) {
        // Ctrl+Tab and Ctrl+Shift+Tab are the keys with which the tab widget turns pages.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers().testFlag(Qt::ControlModifier)
            && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            pageTempChanging();
    }
    return QDialog::eventFilter(watched, event);
}
