#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TfrmAuralis;

// The set temperature dialog: the temperature typed in Kelvin, Celsius or Fahrenheit.
// Modal; on OK it sets the main window's slider and temperature itself.
class TfrmSetTemperature : public QDialog
{
    Q_OBJECT
public:
    enum Page { KelvinPage = 0, CelsiusPage = 1, FahrenheitPage = 2 };
    static constexpr int HelpTopic = 5;

    explicit TfrmSetTemperature(TfrmAuralis *main, QWidget *parent = nullptr);

    // Reads the typed value of the active page and rewrites all three boxes. Runs just
    // before the active page changes (tab click, mnemonic, Alt+K/C/F from the main window).
    void pageTempChanging();
    // The typed value of a page in kelvin, 32-bit: the current temperature when the text is
    // not a number, clamped to 0..6000.
    float typedValue(int page) const;
    // OK, Cancel and Help.
    void butClick(QObject *sender);
    // Placement and active page from the settings file.
    void FormCreate();
    // Fills the active page's box with the current temperature, selected.
    void FormShow();

    QTabWidget *pageTemp = nullptr;
    QWidget *tabKelvin = nullptr, *tabCelsius = nullptr, *tabFarenheit = nullptr;
    QLineEdit *txtKelvin = nullptr, *txtCelsius = nullptr, *txtFarenheit = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr;
    QPushButton *butHelp = nullptr, *butCancel = nullptr, *butOK = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createPage(const QString &instruction, QLabel **instructionLabel, QLineEdit **edit,
        QLabel **lowerLabel);
    QLineEdit *edit(int page) const;
    void writeAll(float kelvin);
    void centreOnMain();

    TfrmAuralis *m_main = nullptr;
};
