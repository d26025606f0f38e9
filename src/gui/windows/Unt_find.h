#pragma once

#include "common/ToolDialog.h"

#include <QList>
#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;
class IniFile;
class SharedState;

// The find element window: an element picked by (part of) its name or symbol, or from the
// elements whose value of one trend property lies between two limits. Modal; OK asks the
// main window to select the element as a left click on its tile does. The lists follow
// the names in force, so they always offer what the tiles show.
class TfrmFindElement : public ToolDialog
{
    Q_OBJECT
public:
    enum Page { NamePage = 0, SymbolPage = 1, PropertyPage = 2 };
    static constexpr int HelpTopic = 4;

    // owner: the window the dialog is centred on when it has no stored place.
    TfrmFindElement(const SharedState &state, QWidget *owner);

    // Placement and active page from the settings file. The lists and the property list of
    // the first property follow when the dialog is first shown (buildLists).
    void FormCreate();
    void buildLists();
    // Each opening: the selected element's name and symbol in the edit boxes, their
    // entries selected. Page, property and limits stay.
    void FormShow();
    // The dialog's settings section, in the order the file lists it.
    void saveSettings(IniFile &ini) const;
    // Turns to the page and puts the focus on its first control (Alt+N/S/P).
    void selectPage(Page page);

    // OK, Cancel and Help.
    void butClick(QObject *sender);
    // Refresh and Reset of the property page.
    void butPropClick(QObject *sender);
    // Rebuilds the property list for the chosen property, limits at its full range.
    void cmbPropertyChange();
    // The catalogue index of the property chosen in the combo.
    int chosenProperty() const;
    // Rebuilds every entry from the names in force, once the lists are built.
    void rebuildNames();

    QTabWidget *pageFind = nullptr;
    QWidget *tabName = nullptr, *tabSymbol = nullptr, *tabProperty = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr;
    QLineEdit *txtName = nullptr, *txtSymbol = nullptr, *txtLowerLimit = nullptr,
              *txtupperLimit = nullptr;
    QListWidget *lstName = nullptr, *lstSymbol = nullptr, *lstProperty = nullptr;
    QComboBox *cmbProperty = nullptr;
    QPushButton *butRefresh = nullptr, *butReset = nullptr;

signals:
    // OK or a double click: the element to select.
    void elementChosen(int z);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createNamePage(bool symbolFirst);
    QWidget *createPropertyPage();
    QListWidget *createList(QWidget *page, const char *name);
    // Index 0 for the name page, 1 for the symbol page.
    void txtChange(int which);
    void lstClick(int which);
    void setRowQuietly(QListWidget *list, int row);
    void showEntries(const QList<int> &indices, int row);
    void resetLimits();
    void setBusy(bool busy);
    void focusPage();
    std::array<QLineEdit *, 2> m_edits {};
    std::array<QListWidget *, 2> m_lists {};
    bool m_listsBuilt = false, m_building = false;
    std::array<QStringList, 2> m_entries;
    // The full property list: value texts, entries and element numbers, parallel and in
    // ascending order of value; m_shown holds the indices lstProperty shows.
    QStringList PropertyValues, PropertyEntries;
    QList<int> m_propertyElements, m_shown;
    int m_listProperty = -1;
    // Set while the program itself moves a list's selection: only the user's own choice
    // in a list writes back into the edit box.
    bool m_quiet = false;
    // Set while the property list is rebuilt with the controls disabled.
    bool m_busy = false;
};
