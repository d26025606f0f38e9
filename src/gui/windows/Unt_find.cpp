#include "windows/Unt_find.h"

#include "common/ErrorBox.h"
#include "common/FrameBounds.h"
#include "common/HelpViewer.h"
#include "common/Placement.h"
#include "common/Scale.h"
#include "data/ElementData.h"
#include "main/FindRules.h"
#include "main/SharedState.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <numeric>

namespace {

QString processing()
{
    return TfrmFindElement::tr("Processing");
}

// List rows of a fixed design height.
class RowHeight : public QStyledItemDelegate
{
public:
    RowHeight(int height, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_height(height)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(m_height);
        return s;
    }

private:
    int m_height;
};

QLabel *instruction(const QString &text, QWidget *page)
{
    auto *label = new QLabel(text, page);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(Scale::rect(8, 8, 373, 37));
    return label;
}

QLineEdit *editBox(QWidget *page, const char *name, int left, int top, int width)
{
    auto *box = new QLineEdit(page);
    box->setObjectName(QLatin1String(name));
    // The box takes the height its font needs.
    box->setGeometry(Scale::px(left), Scale::px(top), Scale::px(width), box->sizeHint().height());
    return box;
}

}

TfrmFindElement::TfrmFindElement(const SharedState &state, QWidget *owner)
    : ToolDialog(state, owner, QStringLiteral("frmFindElement"), tr("Find Element"),
        QSize(425, 276), { &Settings::FindTab, &Settings::FindLeft, &Settings::FindTop })
{
    createButtonRow({ 240, 320, tr("C&ancel") }, [this](QObject *b) { butClick(b); });

    pageFind = new QTabWidget(this);
    pageFind->setObjectName(QStringLiteral("pageFind"));
    pageFind->setGeometry(Scale::rect(8, 8, 409, 225));
    pageFind->setFocusPolicy(Qt::NoFocus);
    pageFind->tabBar()->setFocusPolicy(Qt::NoFocus);

    tabName = createNamePage(false);
    tabSymbol = createNamePage(true);
    tabProperty = createPropertyPage();
    pageFind->addTab(tabName, tr("&Name"));
    pageFind->addTab(tabSymbol, tr("&Symbol"));
    pageFind->addTab(tabProperty, tr("&Property"));
    connect(pageFind, &QTabWidget::currentChanged, this, [this] { focusPage(); });

    setStoredPages(pageFind, [this](int page) { selectPage(Page(page)); });

    QWidget *order[] = { butHelp, butCancel, butOK, txtName, lstName, txtSymbol, lstSymbol,
        lstProperty, cmbProperty, txtLowerLimit, txtupperLimit, butRefresh, butReset };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(&m_state, &SharedState::namesChanged, this, &TfrmFindElement::rebuildNames);
    // Elements 110 to 118 coming or going: the lists and the property list with them.
    connect(&m_state, &SharedState::elementCountChanged, this, [this] {
        rebuildNames();
        if (m_listProperty >= 0)
            cmbPropertyChange();
    });
    fitToTexts();
}

QListWidget *TfrmFindElement::createList(QWidget *page, const char *name)
{
    auto *list = new QListWidget(page);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(Scale::rect(24, 76, 205, 109));
    list->setItemDelegate(new RowHeight(Scale::px(16), list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { butClick(butOK); });
    return list;
}

QWidget *TfrmFindElement::createNamePage(bool symbolFirst)
{
    const int which = symbolFirst ? 1 : 0;
    // Made inside the dialog so its controls measure themselves in the dialog's font.
    auto *page = new QWidget(this);
    page->setObjectName(symbolFirst ? QStringLiteral("tabSymbol") : QStringLiteral("tabName"));
    QLabel *label = instruction(symbolFirst
            ? tr("Type the partial symbol of the element you wish to search for, "
                 "and/or browse through the list for the exact symbol name:")
            : tr("Type the partial name of the element you wish to search for, "
                 "and/or browse through the list for the exact name:"),
        page);
    label->setObjectName(symbolFirst ? QStringLiteral("Label2") : QStringLiteral("Label1"));
    QLineEdit *edit = editBox(page, symbolFirst ? "txtSymbol" : "txtName", 24, 48, 205);
    QListWidget *list = createList(page, symbolFirst ? "lstSymbol" : "lstName");
    (symbolFirst ? Label2 : Label1) = label;
    // What the reader hears for the box and the list: the instruction above them, and the
    // page they are on.
    label->setBuddy(edit);
    list->setAccessibleName(symbolFirst ? tr("Symbols") : tr("Names"));
    (symbolFirst ? txtSymbol : txtName) = edit;
    (symbolFirst ? lstSymbol : lstName) = list;
    m_edits[size_t(which)] = edit;
    m_lists[size_t(which)] = list;

    connect(edit, &QLineEdit::textChanged, this, [this, which] { txtChange(which); });
    // A new current row (mouse or keyboard), and a click on the row that is current already.
    connect(list, &QListWidget::currentRowChanged, this, [this, which] { lstClick(which); });
    connect(list, &QListWidget::itemClicked, this, [this, which] { lstClick(which); });
    return page;
}

QWidget *TfrmFindElement::createPropertyPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabProperty"));
    Label3 = instruction(tr("Choose among the different properties available from "
                            "the list box below, and narrow your search by editing "
                            "the range:"),
        page);
    Label3->setObjectName(QStringLiteral("Label3"));

    cmbProperty = new QComboBox(page);
    cmbProperty->setObjectName(QStringLiteral("cmbProperty"));
    cmbProperty->setGeometry(
        Scale::px(24), Scale::px(48), Scale::px(205), cmbProperty->sizeHint().height());
    // Each item carries its catalogue index. Here in the catalogue's order, so that the
    // dialog is fitted to every name; sorted by name once the lists are first wanted.
    for (int property = 0; property < TrendPropertyCount; ++property)
        cmbProperty->addItem(Fields::trendName(property), property);
    connect(cmbProperty, &QComboBox::activated, this, [this] { cmbPropertyChange(); });

    lstProperty = createList(page, "lstProperty");
    Label3->setBuddy(cmbProperty);
    lstProperty->setAccessibleName(tr("Elements with a value"));

    auto limit = [page](const char *labelName, const QString &caption, const char *editName,
                     int labelTop, QLabel **label, QLineEdit **edit) {
        *label = new QLabel(caption, page);
        (*label)->setObjectName(QLatin1String(labelName));
        (*label)->move(Scale::px(256), Scale::px(labelTop));
        (*label)->adjustSize();
        *edit = editBox(page, editName, 256, labelTop + 20, 113);
        (*label)->setBuddy(*edit);
    };
    limit("Label4", tr("&Lower limit:"), "txtLowerLimit", 48, &Label4, &txtLowerLimit);
    limit("Label5", tr("&Upper limit:"), "txtupperLimit", 96, &Label5, &txtupperLimit);

    auto propButton = [this, page](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, page);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(Scale::rect(left, 152, 73, 25));
        connect(button, &QPushButton::clicked, this, [this, button] { butPropClick(button); });
        return button;
    };
    butRefresh = propButton("butRefresh", tr("&Refresh"), 236);
    butReset = propButton("butReset", tr("R&eset"), 320);
    return page;
}

void TfrmFindElement::FormCreate()
{
    ErrorBox::guarded([this] {
        IniFile ini(m_state.settingsFile());
        ini.beginPass();
        readPlace(ini);
    });
    if (isVisible())
        buildLists();
}

void TfrmFindElement::buildLists()
{
    // The lists are sorted in the alphabet of the language in force, which for most
    // languages means loading the collation tables: done when the dialog is first opened,
    // not at every start.
    if (m_listsBuilt)
        return;
    m_listsBuilt = true;
    std::array<int, TrendPropertyCount> byName {};
    std::iota(byName.begin(), byName.end(), 0);
    std::sort(byName.begin(), byName.end(), [](int a, int b) {
        return FindRules::entryLess(Fields::trendName(a), Fields::trendName(b));
    });
    cmbProperty->clear();
    for (int property : byName)
        cmbProperty->addItem(Fields::trendName(property), property);
    m_building = true;
    rebuildNames();
    cmbProperty->setCurrentIndex(0);
    cmbPropertyChange();
    m_building = false;
}

void TfrmFindElement::saveSettings(IniFile &ini) const
{
    writePlace(ini);
}

void TfrmFindElement::rebuildNames()
{
    if (!m_listsBuilt)
        return;
    for (size_t i = 0; i < 2; ++i) {
        m_entries[i] = FindRules::nameEntries(m_state, i == 1);
        const bool quiet = m_quiet;
        m_quiet = true;
        m_lists[i]->clear();
        m_lists[i]->addItems(m_entries[i]);
        m_quiet = quiet;
        setRowQuietly(m_lists[i], FindRules::searchFrom(m_entries[i], m_edits[i]->text(), -1));
    }
    if (m_listProperty < 0)
        return;
    ErrorBox::guarded([this] {
        for (qsizetype i = 0; i < m_propertyElements.size(); ++i)
            PropertyEntries[i]
                = FindRules::propertyEntry(m_state, m_propertyElements.at(i), m_listProperty);
        showEntries(m_shown, lstProperty->currentRow());
    });
}

void TfrmFindElement::setRowQuietly(QListWidget *list, int row)
{
    const bool quiet = m_quiet;
    m_quiet = true;
    if (row < 0) {
        list->setCurrentRow(-1);
        list->clearSelection();
    } else {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row));
    }
    m_quiet = quiet;
}

void TfrmFindElement::txtChange(int which)
{
    QListWidget *list = m_lists[size_t(which)];
    const int current = list->currentRow();
    const int row = FindRules::searchFrom(m_entries[size_t(which)], m_edits[size_t(which)]->text(),
        list->currentItem() ? current : -1);
    if (row != current)
        setRowQuietly(list, row);
}

void TfrmFindElement::lstClick(int which)
{
    if (m_quiet)
        return;
    const QListWidgetItem *item = m_lists[size_t(which)]->currentItem();
    if (item)
        m_edits[size_t(which)]->setText(FindRules::entryKey(item->text()));
}

void TfrmFindElement::FormShow()
{
    const int z = m_state.selectedElement();
    const QString keys[2] = { m_state.name(z), m_state.symbol(z) };
    for (size_t i = 0; i < 2; ++i) {
        setRowQuietly(m_lists[i], m_lists[i]->count() > 0 ? 0 : -1);
        m_edits[i]->setText(keys[i]);
        setRowQuietly(m_lists[i], FindRules::entryOf(m_entries[i], keys[i]));
    }
    focusPage();
}

void TfrmFindElement::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        buildLists();
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfrmFindElement::focusPage()
{
    switch (pageFind->currentIndex()) {
    case NamePage:
    case SymbolPage: {
        QLineEdit *edit = m_edits[size_t(pageFind->currentIndex())];
        edit->setFocus();
        edit->selectAll();
        break;
    }
    case PropertyPage:
        lstProperty->setFocus();
        break;
    default:
        break;
    }
}

void TfrmFindElement::selectPage(Page page)
{
    if (m_busy)
        return; // no page turns while the property list is rebuilt
    pageFind->setCurrentIndex(page);
    focusPage();
}

void TfrmFindElement::butClick(QObject *sender)
{
    if (sender == butOK) {
        ErrorBox::guarded([this] {
            int z = 0;
            const int page = pageFind->currentIndex();
            QListWidget *list = page == PropertyPage ? lstProperty : m_lists[size_t(page)];
            if (const QListWidgetItem *item = list->currentItem())
                z = FindRules::elementNamed(
                    m_state, FindRules::entryKey(item->text()), page != NamePage);
            if (z)
                emit elementChosen(z);
            accept();
            // The main window repaints at once, not after whatever follows.
            QCoreApplication::processEvents();
        });
    } else if (sender == butCancel) {
        reject();
    } else if (sender == butHelp) {
        HelpViewer::showTopic(m_state.helpFile(), HelpTopic, this);
    }
}

int TfrmFindElement::chosenProperty() const
{
    const QVariant data = cmbProperty->currentData();
    return data.isValid() ? data.toInt() : 0;
}

// The page control's tabs stand for the whole page control: the pages' own controls keep
// their look, as the listed ones alone grey out, and half the repaint is saved.
void TfrmFindElement::setBusy(bool busy)
{
    m_busy = busy;
    QWidget *controls[] = { pageFind->tabBar(), butRefresh, butReset, butHelp, butCancel, butOK,
        cmbProperty, lstProperty, txtLowerLimit, txtupperLimit };
    for (QWidget *w : controls)
        w->setEnabled(!busy);
}

void TfrmFindElement::cmbPropertyChange()
{
    const int property = chosenProperty();
    lstProperty->clear();
    PropertyValues.clear();
    PropertyEntries.clear();
    m_propertyElements.clear();
    m_shown.clear();
    m_listProperty = property;

    // Disabling the focused control moves the focus away; it comes back afterwards. The
    // first list, built as the dialog opens, is ready before anything is drawn.
    const QPointer<QWidget> focus = focusWidget();
    const bool drawn = isVisible() && !m_building;
    if (drawn) {
        txtLowerLimit->setText(processing());
        txtupperLimit->setText(processing());
        setBusy(true);
        QCoreApplication::processEvents(); // "Processing" and the disabled controls are drawn
    }

    FindRules::PropertyList list;
    // A value that is not a number is reported; the list is then empty and the window
    // stays usable.
    ErrorBox::guarded([&] { list = FindRules::propertyList(m_state, property); });
    PropertyValues = list.values;
    PropertyEntries = list.entries;
    m_propertyElements = list.elements;
    resetLimits();
    if (drawn) {
        setBusy(false);
        if (focus)
            focus->setFocus();
    }

    QList<int> all(PropertyEntries.size());
    std::iota(all.begin(), all.end(), 0);
    showEntries(all, 0);
}

void TfrmFindElement::showEntries(const QList<int> &indices, int row)
{
    m_shown = indices;
    lstProperty->clear();
    QStringList entries;
    entries.reserve(indices.size());
    for (int i : indices)
        entries << PropertyEntries.at(i);
    lstProperty->addItems(entries);
    if (row >= 0 && row < lstProperty->count())
        lstProperty->setCurrentRow(row);
}

void TfrmFindElement::resetLimits()
{
    txtLowerLimit->setText(PropertyValues.isEmpty() ? QString() : PropertyValues.first());
    txtupperLimit->setText(PropertyValues.isEmpty() ? QString() : PropertyValues.last());
}

void TfrmFindElement::butPropClick(QObject *sender)
{
    if (sender == butReset) {
        resetLimits();
        return;
    }
    if (sender != butRefresh)
        return;
    lstProperty->clear();
    m_shown.clear();
    ErrorBox::guarded([this] {
        auto kept = FindRules::withinLimits(PropertyValues, txtLowerLimit->text(),
            txtupperLimit->text(), m_state.decimalSeparator());
        if (!kept) {
            // A limit that is not a number: back to the full range, without a message.
            resetLimits();
            kept = QList<int>(PropertyValues.size());
            std::iota(kept->begin(), kept->end(), 0);
        }
        showEntries(*kept, 0);
    });
}
