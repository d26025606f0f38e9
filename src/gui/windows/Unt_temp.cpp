#include "windows/Unt_temp.h"

#include "common/Forms.h"
#include "base/Numbers.h"
#include "common/Scale.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "common/ErrorBox.h"
#include "common/HelpViewer.h"

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

// Conversion constants, kept in extended precision like the arithmetic that uses them.
constexpr long double ZeroCelsius = 273.15L;
constexpr long double FahrenheitPerKelvin = 1.8L;
constexpr long double KelvinPerFahrenheit = 5.0L / 9.0L;
constexpr float MaxKelvin = 6000.0f;

const QString Section = QStringLiteral("Temperature Window");
const QString LowerText = QStringLiteral(
    "In order to input temperature in a different unit, click on the desired tab above.");

QRect designRect(int left, int top, int width, int height)
{
    return { Scale::px(left), Scale::px(top), Scale::px(width), Scale::px(height) };
}

}

TfrmSetTemperature::TfrmSetTemperature(TfrmAuralis *main, QWidget *parent)
    : QDialog(parent)
    , m_main(main ? main : frmAuralis)
{
    setObjectName(QStringLiteral("frmSetTemperature"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Set Temperature"));
    setModal(true);
    setFont(Scale::designFont(13));
    setFixedSize(Scale::size(433, 238));

    auto makeButton = [this](const char *name, const char *caption, int left) {
        auto *button = new QPushButton(QLatin1String(caption), this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(designRect(left, 200, 93, 28));
        connect(button, &QPushButton::clicked, this, [this, button] { butClick(button); });
        return button;
    };
    butHelp = makeButton("butHelp", "&Help", 120);
    butCancel = makeButton("butCancel", "C&ancel", 224);
    butOK = makeButton("butOK", "&OK", 328);
    butOK->setDefault(true);

    pageTemp = new QTabWidget(this);
    pageTemp->setObjectName(QStringLiteral("pageTemp"));
    pageTemp->setGeometry(designRect(8, 8, 417, 185));
    pageTemp->setFocusPolicy(Qt::NoFocus);
    pageTemp->tabBar()->setFocusPolicy(Qt::NoFocus);

    tabKelvin = createPage(QStringLiteral("Please type the desired temperature in Kelvin from the "
                                          "range of 0.00 to 6000.00. A maximum of 2 decimal "
                                          "places will be preserved:"),
        &Label2, &txtKelvin, &Label1);
    tabCelsius = createPage(QStringLiteral("Please type the desired temperature in Celsius from "
                                           "the range of -273.15 to 5726.85. A maximum of 2 "
                                           "decimal places will be preserved:"),
        &Label3, &txtCelsius, &Label4);
    tabFarenheit = createPage(QStringLiteral("Please type the desired temperature in Fahrenheit "
                                             "from the range of -459.67 to 10340.33. A maximum of "
                                             "2 decimal places will be preserved:"),
        &Label5, &txtFarenheit, &Label6);
    tabKelvin->setObjectName(QStringLiteral("tabKelvin"));
    tabCelsius->setObjectName(QStringLiteral("tabCelsius"));
    tabFarenheit->setObjectName(QStringLiteral("tabFarenheit"));
    txtKelvin->setObjectName(QStringLiteral("txtKelvin"));
    txtCelsius->setObjectName(QStringLiteral("txtCelsius"));
    txtFarenheit->setObjectName(QStringLiteral("txtFarenheit"));
    pageTemp->addTab(tabKelvin, QStringLiteral("&Kelvin"));
    pageTemp->addTab(tabCelsius, QStringLiteral("&Celsius"));
    pageTemp->addTab(tabFarenheit, QStringLiteral("&Farenheit"));

    // Every way of changing the page converts the page being left first: a click on a tab,
    // a tab's mnemonic, and Ctrl+Tab (see eventFilter).
    pageTemp->tabBar()->installEventFilter(this);
    pageTemp->installEventFilter(this);

    setTabOrder(butHelp, butCancel);
    setTabOrder(butCancel, butOK);
    setTabOrder(butOK, txtKelvin);
    setTabOrder(txtKelvin, txtCelsius);
    setTabOrder(txtCelsius, txtFarenheit);

    if (m_main)
        ErrorBox::guarded([this] { FormCreate(); });
}

QWidget *TfrmSetTemperature::createPage(
    const QString &instruction, QLabel **instructionLabel, QLineEdit **edit, QLabel **lowerLabel)
{
    auto *page = new QWidget;
    auto *upper = new QLabel(instruction, page);
    upper->setWordWrap(true);
    upper->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    upper->setGeometry(designRect(16, 8, 377, 53));
    *instructionLabel = upper;

    auto *box = new QLineEdit(page);
    // The box takes the height its font needs.
    box->setGeometry(Scale::px(40), Scale::px(64), Scale::px(133), box->sizeHint().height());
    *edit = box;

    auto *lower = new QLabel(LowerText, page);
    lower->setWordWrap(true);
    lower->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lower->setGeometry(designRect(16, 100, 377, 37));
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
    const QChar separator = m_main ? m_main->decimalSeparator() : QLatin1Char('.');
    double typed = 0.0;
    float x;
    if (!Numbers::tryStrToFloat(edit(page)->text(), separator, &typed)) {
        x = m_main ? m_main->temperature() : 0.0f;
    } else {
        // Beyond the float range the value only needs to stay beyond the clamp limits.
        x = float(std::clamp(typed, double(-FLT_MAX), double(FLT_MAX)));
        if (page == CelsiusPage)
            x = float(x + ZeroCelsius);
        else if (page == FahrenheitPage)
            x = float((x - 32.0L) * KelvinPerFahrenheit + ZeroCelsius);
    }
    if (x > MaxKelvin)
        x = MaxKelvin;
    if (!(x >= 0.0f))
        x = 0.0f;
    return x;
}

void TfrmSetTemperature::writeAll(float kelvin)
{
    const QChar separator = m_main ? m_main->decimalSeparator() : QLatin1Char('.');
    const long double celsius = kelvin - ZeroCelsius;
    txtKelvin->setText(Numbers::temperatureText(kelvin, separator));
    txtCelsius->setText(Numbers::temperatureText(double(celsius), separator));
    txtFarenheit->setText(
        Numbers::temperatureText(double(celsius * FahrenheitPerKelvin + 32.0L), separator));
}

void TfrmSetTemperature::pageTempChanging()
{
    writeAll(typedValue(pageTemp->currentIndex()));
}

void TfrmSetTemperature::FormShow()
{
    if (!m_main)
        return;
    const QChar separator = m_main->decimalSeparator();
    const long double kelvin = m_main->temperature();
    const int page = pageTemp->currentIndex();
    long double shown = kelvin;
    if (page == CelsiusPage)
        shown = kelvin - ZeroCelsius;
    else if (page == FahrenheitPage)
        shown = (kelvin - ZeroCelsius) * FahrenheitPerKelvin + 32.0L;
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
            if (m_main) {
                const float x = typedValue(pageTemp->currentIndex());
                const QChar separator = m_main->decimalSeparator();
                // Setting the slider runs its own change handling, which briefly applies the
                // whole number; the two-decimal value below then replaces it.
                if (m_main->TempSlider)
                    m_main->TempSlider->setValue(Numbers::roundHalfEven(x));
                const QString text = Numbers::temperatureText(x, separator);
                m_main->setTemperature(float(Numbers::strToFloat(text, separator)));
                m_main->UpdateTempStatus(this);
                m_main->ApplyTemperature();
            }
            accept();
        });
    } else if (sender == butCancel) {
        reject();
    } else if (sender == butHelp) {
        if (m_main)
            HelpViewer::showTopic(m_main->helpFile(), HelpTopic, this);
    }
}

void TfrmSetTemperature::centreOnMain()
{
    const QRect main = m_main->frameGeometry();
    const IniFile ini(m_main->settingsFile());
    const int left = ini.readInteger(
        Section, QStringLiteral("Left"), main.left() + main.width() / 2 - width() / 2);
    const int top = ini.readInteger(
        Section, QStringLiteral("Top"), main.top() + main.height() / 2 - height() / 2);
    move(left, top);
}

// "Tab" is -1 when the dialog was never saved. A value outside the three pages cannot come
// from a save either; it is treated the same way instead of failing, so the dialog opens
// centred on its first page.
void TfrmSetTemperature::FormCreate()
{
    const IniFile ini(m_main->settingsFile());
    const int tab = ini.readInteger(Section, QStringLiteral("Tab"), -1);
    if (tab < KelvinPage || tab > FahrenheitPage) {
        centreOnMain();
        return;
    }
    pageTemp->setCurrentIndex(tab);
    move(ini.readInteger(Section, QStringLiteral("Left"), 5),
        ini.readInteger(Section, QStringLiteral("Top"), 5));
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
