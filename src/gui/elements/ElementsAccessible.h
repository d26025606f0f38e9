#pragma once

class QAccessibleEvent;
class QWidget;
class TElement;

// How a screen reader meets the chart: the table panel is a table of the chart's rows
// (periods 1 to 7, the lanthanides, the actinides) and its eighteen columns, each tile a
// cell of it, with the legend after the cells. A tile is focusable and selectable; the
// selected tile is the selected cell and, while the table has the keyboard focus, the
// focused one; its "press" action does what a click does. A table, not a list: its rows
// and columns are the periods and groups a reader walks, and the reader can say them.
namespace ElementsAccessible {

// Lets the toolkit present the tiles and the table so (once per program).
void install();
// Marks the widget whose tiles make the table.
void markTable(QWidget *table);
// Tells an assistive tool that the selection moved from `from` (may be null) to `to`: the
// focus event a list or table of the toolkit sends, and the selection's state changes.
// Nothing is done while no tool listens.
void selectionMoved(QWidget *table, TElement *from, TElement *to);
// The focus came to the table: the selected tile is announced as the focused cell.
void tableFocused(QWidget *table, TElement *selected);
// Tests: the events go to send instead of the toolkit (null: to the toolkit again), which
// passes them on only where a platform's assistive bus is active.
void setSenderForTesting(void (*send)(QAccessibleEvent *));

}
