#pragma once

#include "base/ColourScheme.h"

#include "common/ToolDialog.h"

#include <QPixmap>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class IniFile;
class SharedState;
class TWinBevel;

// The options dialog: the table background, the seven class and state colours, the
// background picture, the information window's and the trend graph's colours. The user
// edits working copies shown on samples; OK hands them to the main window by signals,
// Cancel drops them. Every showing takes the working copies afresh from the scheme in
// force, so what Cancel discarded never comes back.
class TfrmOptions : public ToolDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 2;
    enum Page { MainPage = 0, InfoPage = 1, GraphPage = 2, LanguagePage = 3 };

    // owner: the window the dialog is centred on when it has no stored place.
    TfrmOptions(const SharedState &state, QWidget *owner);

    // The table-colours-only mode of the first run: the dialog keeps to its first page
    // and OK applies that page only.
    void setTableColoursOnly(bool on);
    bool tableColoursOnly() const { return m_tableColoursOnly; }

    // Placement from the settings file.
    void FormCreate();
    // Loads the working copies (table colour, class colours, picture, then in full mode
    // the information window's and the graph's colours).
    void FormShow();
    // The dialog's settings section, in the order the file lists it.
    void saveSettings(IniFile &ini) const;

    void grpBackColorClick();
    // OK, Cancel, Help, the seven class buttons and the safe-colours button.
    void ButtonClick(QObject *sender);
    // Browse...: a picture file for the background.
    void Button1Click();
    // A click on one of the seven samples of the Element Info page.
    void ElementClick(QObject *sender);
    void chkUseDefaultClick();
    // A mouse button released over the graph sample or one of its parts.
    void GraphClick(QObject *sender);
    void chkUseDefaultGraphClick();
    // While the table-colours-only mode is on, no page change is allowed.
    void PageControlChanging(bool &allowChange) const;

    // The working copies.
    const ColourScheme &working() const { return m_work; }
    QString workingFile() const { return m_file; }
    const QPixmap &workingPicture() const { return m_picture; }

    // A picture file read for the background (PictureFile::load, which says what it
    // refuses and why).
    static QPixmap loadPicture(const QString &file);

    QTabWidget *PageControl = nullptr;
    QWidget *TabMain = nullptr, *TabInfo = nullptr, *TabGraph = nullptr, *TabLanguage = nullptr;

    QGroupBox *grpBackColor = nullptr, *grpPreview = nullptr, *grpForeColor = nullptr,
              *GroupBox1 = nullptr;
    std::array<QRadioButton *, 2> grpBackColorItems {};
    // Legend order (ColourScheme::Legend).
    std::array<QLabel *, ColourScheme::LegendCount> previewLabels {};
    std::array<QPushButton *, ColourScheme::LegendCount> classButtons {};
    QLabel *lblMetals = nullptr, *lblNonMetals = nullptr, *lblSemimetals = nullptr,
           *lblSolids = nullptr, *lblLiquids = nullptr, *lblGases = nullptr,
           *lblUndefined = nullptr;
    QPushButton *butMetals = nullptr, *butNonmetals = nullptr, *butSemimetals = nullptr,
                *butSolids = nullptr, *butLiquids = nullptr, *butGases = nullptr,
                *butUndefined = nullptr;
    // Puts the colour-blind-safe set into the seven class colours (working copy only).
    QPushButton *butSafeColours = nullptr;
    QPushButton *Button1 = nullptr;
    QFrame *panImage = nullptr;
    QLabel *imgBackground = nullptr;

    QLabel *Label3 = nullptr;
    TWinBevel *WinBevel1 = nullptr;
    // ColourScheme::Info order.
    std::array<QLabel *, ColourScheme::InfoCount> infoSamples {};
    QLabel *Symbol = nullptr, *ElementName = nullptr, *Number = nullptr, *Property1 = nullptr,
           *Property2 = nullptr, *Value1 = nullptr, *Value2 = nullptr;
    QCheckBox *chkUseDefault = nullptr;

    QLabel *Label1 = nullptr;
    QWidget *Background = nullptr;
    QWidget *Axis1 = nullptr, *Axis2 = nullptr, *Plot = nullptr;
    QLabel *AxVal1 = nullptr, *AxVal2 = nullptr, *AxVal3 = nullptr;
    QWidget *Element1 = nullptr, *Element2 = nullptr, *Element3 = nullptr;
    QCheckBox *chkUseDefaultGraph = nullptr;

    // The language page: the choice is held by the shared state and takes effect at the
    // next start; "" stands for following the locale.
    QLabel *Label6 = nullptr, *lblLanguage = nullptr, *Label7 = nullptr;
    QComboBox *cmbLanguage = nullptr;

signals:
    // OK: first the scheme with the Main Window page applied (tiles, legend, table), then,
    // in full mode only and after backgroundChosen, the whole scheme (information window
    // and graph), so the main window applies the steps in their order.
    void coloursChosen(const ColourScheme &scheme);
    // OK: the working background picture and its file name.
    void backgroundChosen(const QString &file, const QPixmap &picture);
    // OK, in full mode, when the user picked another language: its code, or "" to follow
    // the locale.
    void languageChosen(const QString &code);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMainPage();
    void createInfoPage();
    void createGraphPage();
    void createLanguagePage();
    void createButtons();
    // Gives every sample its working colour and the picture control its picture.
    void showWorking();
    void fitPictureGroup();
    // The colour chooser on a working colour; true when the user confirmed.
    bool chooseColour(TColor &colour);
    int graphSlot(const QObject *part) const;
    void takeLiveBackground();

    bool m_tableColoursOnly = false;
    int m_page = MainPage;
    ColourScheme m_work;
    QString m_file, m_liveFile;
    QPixmap m_picture, m_livePicture;
    bool m_liveDecoded = false;
    int m_shownLanguage = -1; // the language item FormShow selected
};
