#pragma once

#include "base/ColourScheme.h"
#include "data/Fields.h"

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class IniFile;
class SharedState;
class StayOnTop;
class TWinBevel;

// The element information window: every stored property of the selected element, one
// labelled row per field, copyable to the clipboard. A tool window created once and shown
// and hidden for the rest of the run; it always shows the selected element of the shared
// state and asks the main window for everything else through its signals.
class TfrmElementInfo : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RowCount = Fields::InfoRowCount;
    static constexpr int HelpTopic = 3;

    explicit TfrmElementInfo(const SharedState &state, QWidget *parent = nullptr);
    ~TfrmElementInfo() override;

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
    // The window's settings section, in the order the file lists it.
    void saveSettings(IniFile &ini) const;
    // Brings the stay-on-top state in line with the main window's mark.
    void FormPaint();
    // Asks for the main window's mark for this window to be cleared.
    void FormHide();
    bool stayOnTop() const;

    // Text colour of a header label, property label or value box under the scheme in
    // force.
    TColor textColour(const QWidget *control) const;
    // Gives every control its colour from the scheme in force.
    void applyColours();

    // The field of the element record shown in row r (0-based).
    static int rowField(int row);

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

signals:
    // Close or the close box while the main window's mark is set.
    void closeRequested();
    // The window was hidden by the program or the user: the mark goes.
    void hidden();
    // The settings showed the window at start: the mark is set and the owner takes the
    // focus back.
    void shownAtStart();
    // The settings hold colours of their own for this window.
    void coloursRequested(const ColourScheme &scheme);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createHeader();
    void createRows();
    void createButtons();
    void fill();
    void fitValueColumn();
    void closeWindow();

    // The scheme's slot for a control, or -1.
    int colourSlot(const QWidget *control) const;

    const SharedState &m_state;
    StayOnTop *m_onTop;
    bool m_closing = false;
    bool m_columnFitted = false;
};
