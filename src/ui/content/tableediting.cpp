#include "ui/content/tableediting.h"

#include "ui/content/tftablesize.h"

#include <QTextCursor>
#include <QTextTable>

namespace lumetra::TableEditing {

namespace {

// Undo groups whatever the command does into one step.
class EditBlock
{
public:
    explicit EditBlock(QTextCursor &cursor) : m_cursor(cursor) { m_cursor.beginEditBlock(); }
    ~EditBlock() { m_cursor.endEditBlock(); }

private:
    QTextCursor &m_cursor;
};

// A new cell takes the look of the cell it was inserted beside, not its
// spans.
QTextTableCellFormat plainCopy(QTextTableCellFormat format)
{
    format.clearProperty(QTextFormat::TableCellRowSpan);
    format.clearProperty(QTextFormat::TableCellColumnSpan);
    format.clearProperty(QTextFormat::ObjectIndex);
    return format;
}

void copyCellLook(QTextTable *table, int row, int column, int fromRow, int fromColumn)
{
    if (fromRow < 0 || fromColumn < 0 || fromRow >= table->rows() || fromColumn >= table->columns())
        return;
    QTextTableCell cell = table->cellAt(row, column);
    const QTextTableCell from = table->cellAt(fromRow, fromColumn);
    if (!cell.isValid() || !from.isValid() || cell.row() != row || cell.column() != column)
        return;
    QTextTableCellFormat format = plainCopy(from.format().toTableCellFormat());
    format.setTableCellRowSpan(cell.rowSpan());
    format.setTableCellColumnSpan(cell.columnSpan());
    cell.setFormat(format);
}

template <typename F> void forEachCell(QTextTable *table, const CellRange &range, F f)
{
    for (int r = range.row; r < range.row + range.rows; ++r) {
        for (int c = range.column; c < range.column + range.columns; ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            if (cell.isValid() && cell.row() == r && cell.column() == c)
                f(cell);
        }
    }
}

void removeTable(QTextCursor &cursor, QTextTable *table)
{
    QTextCursor range(cursor.document());
    range.setPosition(table->firstPosition() - 1);
    range.setPosition(table->lastPosition() + 1, QTextCursor::KeepAnchor);
    range.removeSelectedText();
    cursor.setPosition(range.position());
}

} // namespace

QTextTable *tableAt(const QTextCursor &cursor)
{
    return cursor.currentTable();
}

bool selectedRange(const QTextCursor &cursor, CellRange &range)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    if (cursor.hasComplexSelection()) {
        cursor.selectedTableCells(&range.row, &range.rows, &range.column, &range.columns);
        return range.rows > 0 && range.columns > 0;
    }
    const QTextTableCell cell = table->cellAt(cursor);
    if (!cell.isValid())
        return false;
    range = {cell.row(), cell.column(), cell.rowSpan(), cell.columnSpan()};
    return true;
}

QTextTable *insertTable(QTextCursor &cursor, const TableSizeValues &values)
{
    QTextTableFormat format;
    format.setBackground(Qt::NoBrush);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(values.outerColour);
    format.setBorder(values.outerWidth);
    format.setMargin(0);
    format.setCellPadding(4);
    // Adjacent cells share one border line: the closest Qt has to a cell
    // spacing of -1.
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    QList<QTextLength> widths(values.columns, QTextLength(QTextLength::VariableLength, 0));
    widths[0] = QTextLength(QTextLength::FixedLength, 45);
    format.setColumnWidthConstraints(widths);

    EditBlock block(cursor);
    QTextTable *table = cursor.insertTable(values.rows, values.columns, format);
    for (int r = 0; r < values.rows; ++r) {
        for (int c = 0; c < values.columns; ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            cellFormat.setBorderBrush(values.cellColour);
            cellFormat.setBorder(values.cellWidth);
            cell.setFormat(cellFormat);
        }
    }
    cursor = table->cellAt(0, 0).firstCursorPosition();
    return table;
}

bool insertColumns(QTextCursor &cursor, bool right)
{
    CellRange range;
    QTextTable *table = cursor.currentTable();
    if (!selectedRange(cursor, range))
        return false;
    EditBlock block(cursor);
    const int at = right ? range.column + range.columns : range.column;
    const int from = right ? at - 1 : at;
    table->insertColumns(at, range.columns);
    const int source = right ? from : from + range.columns;
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = at; c < at + range.columns; ++c)
            copyCellLook(table, r, c, r, source);
    }
    return true;
}

bool insertRows(QTextCursor &cursor, bool below)
{
    CellRange range;
    QTextTable *table = cursor.currentTable();
    if (!selectedRange(cursor, range))
        return false;
    EditBlock block(cursor);
    const int at = below ? range.row + range.rows : range.row;
    table->insertRows(at, range.rows);
    const int source = below ? at - 1 : at + range.rows;
    for (int r = at; r < at + range.rows; ++r) {
        for (int c = 0; c < table->columns(); ++c)
            copyCellLook(table, r, c, source, c);
    }
    return true;
}

bool deleteRows(QTextCursor &cursor)
{
    CellRange range;
    QTextTable *table = cursor.currentTable();
    if (!selectedRange(cursor, range))
        return false;
    EditBlock block(cursor);
    if (range.rows >= table->rows())
        removeTable(cursor, table);
    else
        table->removeRows(range.row, range.rows);
    return true;
}

bool deleteColumns(QTextCursor &cursor)
{
    CellRange range;
    QTextTable *table = cursor.currentTable();
    if (!selectedRange(cursor, range))
        return false;
    EditBlock block(cursor);
    if (range.columns >= table->columns())
        removeTable(cursor, table);
    else
        table->removeColumns(range.column, range.columns);
    return true;
}

bool deleteTable(QTextCursor &cursor)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    EditBlock block(cursor);
    removeTable(cursor, table);
    return true;
}

bool canMerge(const QTextCursor &cursor)
{
    if (!cursor.currentTable() || !cursor.hasComplexSelection())
        return false;
    int rows = 0, columns = 0, r = 0, c = 0;
    cursor.selectedTableCells(&r, &rows, &c, &columns);
    return rows * columns > 1;
}

bool mergeCells(QTextCursor &cursor)
{
    if (!canMerge(cursor))
        return false;
    EditBlock block(cursor);
    cursor.currentTable()->mergeCells(cursor);
    return true;
}

bool canSplit(const QTextCursor &cursor)
{
    CellRange range;
    if (!selectedRange(cursor, range))
        return false;
    bool spans = false;
    forEachCell(cursor.currentTable(), range,
                [&](const QTextTableCell &cell) { spans = spans || cell.rowSpan() > 1 || cell.columnSpan() > 1; });
    return spans;
}

bool splitCells(QTextCursor &cursor)
{
    if (!canSplit(cursor))
        return false;
    CellRange range;
    selectedRange(cursor, range);
    QTextTable *table = cursor.currentTable();
    EditBlock block(cursor);
    std::vector<CellRange> merged;
    forEachCell(table, range, [&](const QTextTableCell &cell) {
        if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
            merged.push_back({cell.row(), cell.column(), cell.rowSpan(), cell.columnSpan()});
    });
    for (const CellRange &m : merged) {
        const QTextTableCellFormat look = plainCopy(table->cellAt(m.row, m.column).format().toTableCellFormat());
        table->splitCell(m.row, m.column, 1, 1);
        // The cells that come back look like the one they were part of.
        for (int r = m.row; r < m.row + m.rows; ++r) {
            for (int c = m.column; c < m.column + m.columns; ++c) {
                QTextTableCell cell = table->cellAt(r, c);
                if (cell.isValid())
                    cell.setFormat(look);
            }
        }
    }
    return true;
}

bool select(QTextCursor &cursor, Selection what)
{
    CellRange range;
    QTextTable *table = cursor.currentTable();
    if (!selectedRange(cursor, range))
        return false;
    switch (what) {
    case Selection::Table:
        range = {0, 0, table->rows(), table->columns()};
        break;
    case Selection::Columns:
        range.row = 0;
        range.rows = table->rows();
        break;
    case Selection::Rows:
        range.column = 0;
        range.columns = table->columns();
        break;
    case Selection::Cell:
        break;
    }
    const QTextTableCell first = table->cellAt(range.row, range.column);
    const QTextTableCell last = table->cellAt(range.row + range.rows - 1, range.column + range.columns - 1);
    if (what == Selection::Cell && first == last) {
        cursor.setPosition(first.firstPosition());
        cursor.setPosition(first.lastPosition(), QTextCursor::KeepAnchor);
        return true;
    }
    cursor.setPosition(first.firstPosition());
    cursor.setPosition(last.lastPosition(), QTextCursor::KeepAnchor);
    return true;
}

namespace {

void setSide(QTextTableCellFormat &format, Side side, qreal width, const QColor &colour)
{
    const QBrush brush(colour);
    switch (side) {
    case Side::Left:
        format.setLeftBorder(width);
        format.setLeftBorderBrush(brush);
        format.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        break;
    case Side::Right:
        format.setRightBorder(width);
        format.setRightBorderBrush(brush);
        format.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        break;
    case Side::Top:
        format.setTopBorder(width);
        format.setTopBorderBrush(brush);
        format.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        break;
    case Side::Bottom:
        format.setBottomBorder(width);
        format.setBottomBorderBrush(brush);
        format.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        break;
    }
}

qreal sideWidth(const QTextTableCellFormat &format, Side side)
{
    switch (side) {
    case Side::Left:
        return format.leftBorder();
    case Side::Right:
        return format.rightBorder();
    case Side::Top:
        return format.topBorder();
    case Side::Bottom:
        return format.bottomBorder();
    }
    return 0;
}

template <typename F> bool changeCells(QTextCursor &cursor, F change)
{
    CellRange range;
    QTextTable *table = cursor.currentTable();
    if (!selectedRange(cursor, range))
        return false;
    EditBlock block(cursor);
    forEachCell(table, range, [&](QTextTableCell &cell) {
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        change(format);
        cell.setFormat(format);
    });
    return true;
}

} // namespace

bool setCellBorder(QTextCursor &cursor, Side side, qreal width, const QColor &colour)
{
    return changeCells(cursor, [&](QTextTableCellFormat &format) { setSide(format, side, width, colour); });
}

bool setAllCellBorders(QTextCursor &cursor, qreal width, const QColor &colour)
{
    return changeCells(cursor, [&](QTextTableCellFormat &format) {
        for (Side side : {Side::Left, Side::Right, Side::Top, Side::Bottom})
            setSide(format, side, width, colour);
    });
}

qreal cellBorder(const QTextCursor &cursor, Side side)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return 0;
    return sideWidth(table->cellAt(cursor).format().toTableCellFormat(), side);
}

bool setCellAlignment(QTextCursor &cursor, QTextCharFormat::VerticalAlignment alignment)
{
    return changeCells(cursor, [&](QTextTableCellFormat &format) {
        if (alignment == QTextCharFormat::AlignNormal)
            format.clearProperty(QTextFormat::TextVerticalAlignment);
        else
            format.setVerticalAlignment(alignment);
    });
}

QTextCharFormat::VerticalAlignment cellAlignment(const QTextCursor &cursor)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return QTextCharFormat::AlignNormal;
    return table->cellAt(cursor).format().verticalAlignment();
}

bool setCellBackground(QTextCursor &cursor, const QColor &colour)
{
    return changeCells(cursor, [&](QTextTableCellFormat &format) {
        if (colour.isValid())
            format.setBackground(colour);
        else
            format.clearBackground();
    });
}

} // namespace lumetra::TableEditing
