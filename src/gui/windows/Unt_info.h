#pragma once

#include "base/Colour.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TWinBevel;
class TfrmAuralis;

// The element information window: every stored property of the selected element, one
// labelled row per field, copyable to the clipboard. A tool window created once and shown
// and hidden for the rest of the run; it always shows the main window's selected element.
class TfrmElementInfo : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RowCount = 19;
    static constexpr int HelpTopic = 3;

    explicit TfrmElementInfo(TfrmAuralis *main, QWidget *parent = nullptr);

    // Fills the whole window for the selected element; also runs when it is shown.
    // A field that cannot be converted is reported by the error box; the rows above it
    // stay filled.
    void UpdateInfo();
    // The text Copy All Info puts on the clipboard: 20 lines joined by CR LF.
    QString allInfoText() const;
    // Copy All Info, Help and Close.
    void butClick(QObject *sender);
    // Colours and placement from the settings file.
    void FormCreate();
    // Brings the stay-on-top state in line with the main window's mark.
    void FormPaint();
    // Clears the main window's mark for this window.
    void FormHide();
    // Makes the window stay on top or normal without losing it or its mark.
    void setStayOnTop(bool on);
    bool stayOnTop() const;

    // Text colour of a header label, property label or value box.
    TColor textColour(const QWidget *control) const;
    void setTextColour(QWidget *control, TColor colour);

    // The field of the element record shown in row r (0-based).
    static int rowField(int row);

    bool DefaultColours = true;

    TWinBevel *WinBevel1 = nullptr;
    QLabel *ElementName = nullptr, *Symbol = nullptr, *Number = nullptr;
    // Label1..Label19 and the value boxes in row order.
    std::array<QLabel *, RowCount> Labels {};
    std::array<QLineEdit *, RowCount> Values {};
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QLineEdit *Weight = nullptr, *OxidationStates = nullptr, *BoilingPoint = nullptr,
              *MeltingPoint = nullptr, *Density = nullptr, *ElectronConfig = nullptr,
              *AcidBaseProp = nullptr, *CrystalStruct = nullptr, *ElectroNeg = nullptr,
              *HeatVapor = nullptr, *HeatFusion = nullptr, *ElectroConduct = nullptr,
              *ThermalConduct = nullptr, *SpecificHeat = nullptr, *FstIonPoten = nullptr,
              *Volume = nullptr, *AtomicRadius = nullptr, *CovalentRadius = nullptr,
              *Synthetic = nullptr;
    QPushButton *butCopy = nullptr, *butHelp = nullptr, *butClose = nullptr;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createHeader();
    void createRows();
    void createButtons();
    void fill();
    void fitValueColumn();
    bool wantsOnTop() const;
    void closeWindow();

    TfrmAuralis *m_main = nullptr;
    bool m_reflagging = false;
    bool m_paintSyncQueued = false;
    bool m_closing = false;
};
