#include "elements/ElementsAccessible.h"

#include "elements/Elements.h"
#include "main/TableLayout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace ElementsAccessible {

namespace {

const char *const TableProperty = "auralisTileTable";

bool isTable(const QObject *o)
{
    return o && o->property(TableProperty).toBool();
}

// The tiles of the table that are shown, in the order of their numbers.
QList<TElement *> tilesOf(const QWidget *table)
{
    QList<TElement *> tiles;
    for (QObject *o : table->children())
        if (auto *t = qobject_cast<TElement *>(o); t && !t->isHidden())
            tiles << t;
    std::sort(tiles.begin(), tiles.end(), [](const TElement *a, const TElement *b) {
        return a->number().toInt() < b->number().toInt();
    });
    return tiles;
}

// The table's children after its cells, for the reader: the legend.
QList<QWidget *> extrasOf(const QWidget *table)
{
    QList<QWidget *> extras;
    for (QObject *o : table->children())
        if (auto *w = qobject_cast<QWidget *>(o);
            w && !qobject_cast<TElement *>(w) && !w->accessibleName().isEmpty())
            extras << w;
    return extras;
}

// Whether an assistive tool listens, as the toolkit last said; nothing is sent otherwise.
class Listening : public QAccessible::ActivationObserver
{
public:
    bool active = QAccessible::isActive();
    void accessibilityActiveChanged(bool on) override { active = on; }
};
Listening *g_listening = nullptr;
void (*g_send)(QAccessibleEvent *) = QAccessible::updateAccessibility;

bool listening()
{
    return g_listening && g_listening->active;
}

bool tableHasFocus(const QWidget *table)
{
    return table->hasFocus() && table->window()->isActiveWindow();
}

// QAccessibleWidget is the action interface already; its actions become the click's.
class TileAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit TileAccessible(TElement *tile)
        : QAccessibleWidget(tile, QAccessible::Cell)
    {
    }
    TElement *tile() const { return static_cast<TElement *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.selectable = true;
        s.selected = tile()->selected();
        const QWidget *table = tile()->parentWidget();
        s.focused = s.selected && table && tableHasFocus(table);
        return s;
    }

    // Press: as a click of the left button on the tile.
    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            tile()->press();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    bool isSelected() const override { return tile()->selected(); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return TableLayout::column(tile()->number().toInt()) - 1; }
    int rowIndex() const override { return TableLayout::row(tile()->number().toInt()); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override
    {
        return QAccessible::queryAccessibleInterface(tile()->parentWidget());
    }
};

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TableAccessible(QWidget *table)
        : QAccessibleWidget(table, QAccessible::Table)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The cells, then the legend; group labels and lines are only drawn marks.
    int childCount() const override
    {
        return int(tilesOf(widget()).size() + extrasOf(widget()).size());
    }
    QAccessibleInterface *child(int index) const override
    {
        const QList<TElement *> tiles = tilesOf(widget());
        if (index >= 0 && index < tiles.size())
            return QAccessible::queryAccessibleInterface(tiles.at(index));
        const QList<QWidget *> extras = extrasOf(widget());
        index -= int(tiles.size());
        return index >= 0 && index < extras.size()
            ? QAccessible::queryAccessibleInterface(extras.at(index))
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        const QList<TElement *> tiles = tilesOf(widget());
        for (int i = 0; i < tiles.size(); ++i)
            if (tiles.at(i) == child->object())
                return i;
        const QList<QWidget *> extras = extrasOf(widget());
        for (int i = 0; i < extras.size(); ++i)
            if (extras.at(i) == child->object())
                return int(tiles.size()) + i;
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (!tableHasFocus(widget()))
            return nullptr;
        const QList<QAccessibleInterface *> selected = selectedCells();
        return selected.isEmpty() ? nullptr : selected.first();
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        for (TElement *t : tilesOf(widget())) {
            const int z = t->number().toInt();
            if (TableLayout::row(z) == row && TableLayout::column(z) - 1 == column)
                return QAccessible::queryAccessibleInterface(t);
        }
        return nullptr;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        for (TElement *t : tilesOf(widget()))
            if (t->selected())
                return { QAccessible::queryAccessibleInterface(t) };
        return {};
    }
    QString columnDescription(int column) const override
    {
        return QCoreApplication::translate("ElementsAccessible", "Group %1").arg(column + 1);
    }
    QString rowDescription(int row) const override
    {
        if (row == 7)
            return QCoreApplication::translate("ElementsAccessible", "Lanthanides");
        if (row == 8)
            return QCoreApplication::translate("ElementsAccessible", "Actinides");
        return QCoreApplication::translate("ElementsAccessible", "Period %1").arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return TableLayout::ColumnCount; }
    int rowCount() const override { return TableLayout::RowCount; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // One element is selected at a time; whole rows and columns are not.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TElement"))
        if (auto *tile = qobject_cast<TElement *>(object))
            return new TileAccessible(tile);
    if (isTable(object) && object->isWidgetType())
        return new TableAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

}

void install()
{
    if (!g_listening) {
        QAccessible::installFactory(factory);
        g_listening = new Listening;
        QAccessible::installActivationObserver(g_listening);
    }
}

void markTable(QWidget *table)
{
    table->setProperty(TableProperty, true);
}

void selectionMoved(QWidget *table, TElement *from, TElement *to)
{
    if (!listening() || !table)
        return;
    QAccessible::State selected;
    selected.selected = true;
    if (from && from != to) {
        QAccessibleStateChangeEvent changed(from, selected);
        g_send(&changed);
    }
    if (!to)
        return;
    // The state change says "selected" already; a selection event as well would only say
    // it again over the bus.
    QAccessibleStateChangeEvent changed(to, selected);
    g_send(&changed);
    if (tableHasFocus(table)) {
        QAccessibleEvent focus(to, QAccessible::Focus);
        g_send(&focus);
    }
}

void tableFocused(QWidget *table, TElement *selected)
{
    if (!listening() || !table || !selected)
        return;
    // After the toolkit's own focus event for the table, which follows the focus-in.
    QTimer::singleShot(0, selected, [table = QPointer<QWidget>(table), selected] {
        if (table && tableHasFocus(table) && selected->selected()) {
            QAccessibleEvent focus(selected, QAccessible::Focus);
            g_send(&focus);
        }
    });
}

void setSenderForTesting(void (*send)(QAccessibleEvent *))
{
    g_send = send ? send : QAccessible::updateAccessibility;
}

}
