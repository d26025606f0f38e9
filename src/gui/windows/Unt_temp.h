#pragma once

#include "common/ToolDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class IniFile;
class SharedState;

// The set temperature dialog: the temperature typed in Kelvin, Celsius or Fahrenheit.
// Modal; OK hands the typed temperature to the main window, which applies it.
class TfrmSetTemperature : public ToolDialog
{
    Q_OBJECT
public:
    enum Page { KelvinPage = 0, CelsiusPage = 1, FahrenheitPage = 2 };
    static constexpr int HelpTopic = 5;

    // owner: the window the dialog is centred on when it has no stored place.
    TfrmSetTemperature(const SharedState &state, QWidget *owner);

    // Reads the typed value of the active page and rewrites all three boxes. Runs just
    // before the active page changes (tab click, mnemonic, Alt+K/C/F from the main window).
    void pageTempChanging();
    // Converts the typed value, then turns to the page (Alt+K/C/F while the dialog is open).
    void selectPage(Page page);
    // The typed value of a page in kelvin, 32-bit: the current temperature when the text is
    // not a number, clamped to 0..6000.
    float typedValue(int page) const;
    // OK, Cancel and Help.
    void butClick(QObject *sender);
    // Placement and active page from the settings file.
    void FormCreate();
    // Fills the active page's box with the current temperature, selected.
    void FormShow();
    // The dialog's settings section, in the order the file lists it.
    void saveSettings(IniFile &ini) const;

    QTabWidget *pageTemp = nullptr;
    QWidget *tabKelvin = nullptr, *tabCelsius = nullptr, *tabFarenheit = nullptr;
    QLineEdit *txtKelvin = nullptr, *txtCelsius = nullptr, *txtFarenheit = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr;

signals:
    // OK: the typed value in kelvin, clamped to 0..6000.
    void temperatureChosen(float kelvin);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createPage(const QString &instruction, QLabel **instructionLabel, QLineEdit **edit,
        QLabel **lowerLabel);
    QLineEdit *edit(int page) const;
    void writeAll(float kelvin);
};
