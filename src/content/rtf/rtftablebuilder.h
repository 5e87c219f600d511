#pragma once

#include "content/document/documenttree.h"

#include <QByteArray>
#include <QColor>

#include <vector>

namespace lumetra {

// Tables as RTF describes them: each row's cell definitions (\trowd,
// \cellx and the \cl... words) and the paragraphs up to \cell / \nestcell,
// closed by \row / \nestrow, at nesting levels from \itap. A table ends when
// a paragraph of a lower level arrives, and becomes a DocTable in the
// container it belongs to.
class RtfTableBuilder
{
public:
    // Limits against hostile files.
    static constexpr int MaxLevels = 16;
    static constexpr int MaxCellsPerRow = 63;
    static constexpr int MaxCells = 20000;

    RtfTableBuilder(const std::vector<QColor> &colors, std::vector<DocNode> &body) : m_colors(colors), m_body(body) {}

    // Where a paragraph of the given level goes; opens and closes tables to
    // reach that level. Level 0 is the body.
    std::vector<DocNode> &container(int level);

    int depth() const { return int(m_tables.size()); }
    // True between \trowd and \row at that level, so that a row whose
    // paragraphs lack \intbl still reads as a row.
    bool rowOpen(int level) const;

    void startRowDefinition(int level); // \trowd
    // Row and cell definition words (\cellx, \clbrdrt, \brdrw, \clcbpat, ...).
    bool definitionWord(const QByteArray &word, bool hasParameter, int parameter);
    void endCell(int level); // \cell, \nestcell
    void endRow(int level);  // \row, \nestrow

    // Closes every open table into the body.
    void finish();

    // True when a limit cut something off.
    bool truncated() const { return m_truncated; }

private:
    struct Border
    {
        int width = -1; // twips; -1 not given
        int color = 0;
        int style = 0; // QTextFrameFormat::BorderStyle, 0 none
    };
    struct CellDefinition
    {
        int right = 0;
        Border borders[4]; // top, left, bottom, right
        int shading = 0;
        bool mergeFirst = false, merged = false;
        bool verticalFirst = false, verticalMerged = false;
        int verticalAlign = 0; // 0 top, 1 middle, 2 bottom
    };
    struct RowDefinition
    {
        std::vector<CellDefinition> cells;
        CellDefinition pending; // the cell whose \cellx has not come yet
        Border rowBorders[6];   // top, left, bottom, right, inner horizontal, inner vertical
        int left = 0;
        int gap = 0;
        int padding = -1;
        int align = 0;
    };
    struct Row
    {
        RowDefinition definition;
        std::vector<std::vector<DocNode>> cells;
    };
    struct Table
    {
        std::vector<Row> rows;
        std::vector<std::vector<DocNode>> cells; // finished cells of the open row
        std::vector<DocNode> current;            // the cell being filled
        RowDefinition definition;
        bool rowOpen = false;
        int cellCount = 0;
    };

    enum class Target { None, Cell, Row };

    const std::vector<QColor> &m_colors;
    std::vector<DocNode> &m_body;
    std::vector<Table> m_tables;
    int m_definitionLevel = 1;
    // Which border the \brdr... words describe.
    Target m_target = Target::None;
    int m_side = 0;
    bool m_truncated = false;

    void open(int level);
    void closeAbove(int level);
    static void finishRow(Table &table);
    Border *border();
    std::vector<DocNode> toNodes(Table &table) const;
    QColor color(int index) const;
    void applyBorder(QTextTableCellFormat &format, int side, const Border &border) const;
};

} // namespace lumetra
