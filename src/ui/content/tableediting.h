#pragma once

#include <QColor>
#include <QTextCharFormat>

class QTextCursor;
class QTextTable;

namespace lumetra {

struct TableSizeValues;

// Table commands on the cursor's table: the cells of a cell selection, or
// the caret's cell. Each is one undo step and answers false when the cursor
// is not in a table (or the command does not apply there).
namespace TableEditing {

enum class Side { Left, Right, Top, Bottom };

struct CellRange
{
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
};

QTextTable *tableAt(const QTextCursor &cursor);
// The selected cells, or the caret's cell with its spans.
bool selectedRange(const QTextCursor &cursor, CellRange &range);

// The table that TF_TABLE_SIZE describes, inserted at the cursor.
QTextTable *insertTable(QTextCursor &cursor, const TableSizeValues &values);

bool insertColumns(QTextCursor &cursor, bool right);
bool insertRows(QTextCursor &cursor, bool below);
bool deleteRows(QTextCursor &cursor);
bool deleteColumns(QTextCursor &cursor);
bool deleteTable(QTextCursor &cursor);
bool mergeCells(QTextCursor &cursor);
bool splitCells(QTextCursor &cursor);
bool canMerge(const QTextCursor &cursor);
bool canSplit(const QTextCursor &cursor);

enum class Selection { Table, Columns, Rows, Cell };
bool select(QTextCursor &cursor, Selection what);

// A side's border of every selected cell: width 0 hides it.
bool setCellBorder(QTextCursor &cursor, Side side, qreal width, const QColor &colour);
bool setAllCellBorders(QTextCursor &cursor, qreal width, const QColor &colour);
qreal cellBorder(const QTextCursor &cursor, Side side);
// AlignNormal removes the cells' own alignment.
bool setCellAlignment(QTextCursor &cursor, QTextCharFormat::VerticalAlignment alignment);
QTextCharFormat::VerticalAlignment cellAlignment(const QTextCursor &cursor);
bool setCellBackground(QTextCursor &cursor, const QColor &colour);

} // namespace TableEditing

} // namespace lumetra
