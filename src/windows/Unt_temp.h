#pragma once

#include <QDialog>

class QTabWidget;
class QWidget;
class TfrmAuralis;

// The set temperature dialog (Kelvin, Celsius, Fahrenheit pages).
class TfrmSetTemperature : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSetTemperature(TfrmAuralis *main, QWidget *parent = nullptr);
    // Reads the typed value of the active page and rewrites all three boxes.
    void pageTempChanging();
    QTabWidget *pageTemp = nullptr;
    QWidget *tabKelvin = nullptr, *tabCelsius = nullptr, *tabFarenheit = nullptr;
};
