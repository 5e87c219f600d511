#include "content/rtf/rtftablebuilder.h"

#include <QTextFrameFormat>

#include <algorithm>
#include <map>
#include <set>

namespace lumetra {

namespace {

constexpr int MaxTwips = 31680;
constexpr int DefaultCellWidth = 1440; // one inch, when a row gives no \cellx

void append(std::vector<DocNode> &to, std::vector<DocNode> &&from)
{
    for (DocNode &node : from)
        to.push_back(std::move(node));
}

// A merged cell's own paragraphs join the merge only when they hold something.
void appendMerged(std::vector<DocNode> &to, std::vector<DocNode> &&from)
{
    const bool blank = std::all_of(from.begin(), from.end(), [](const DocNode &node) {
        return node.kind == DocNode::Kind::Paragraph && node.runs.empty();
    });
    if (!blank)
        append(to, std::move(from));
}

} // namespace

bool RtfTableBuilder::rowOpen(int level) const
{
    return level >= 1 && level <= int(m_tables.size()) && m_tables[size_t(level - 1)].rowOpen;
}

void RtfTableBuilder::open(int level)
{
    while (int(m_tables.size()) < level)
        m_tables.emplace_back();
}

std::vector<DocNode> &RtfTableBuilder::container(int level)
{
    level = std::clamp(level, 0, MaxLevels);
    closeAbove(level);
    open(level);
    return level == 0 ? m_body : m_tables[size_t(level - 1)].current;
}

void RtfTableBuilder::closeAbove(int level)
{
    while (int(m_tables.size()) > level) {
        Table table = std::move(m_tables.back());
        m_tables.pop_back();
        std::vector<DocNode> &parent = m_tables.empty() ? m_body : m_tables.back().current;
        append(parent, toNodes(table));
    }
}

void RtfTableBuilder::startRowDefinition(int level)
{
    level = std::clamp(level, 1, MaxLevels);
    closeAbove(level);
    open(level);
    Table &table = m_tables[size_t(level - 1)];
    table.definition = RowDefinition();
    table.rowOpen = true;
    m_definitionLevel = level;
    m_target = Target::None;
}

RtfTableBuilder::Border *RtfTableBuilder::border()
{
    if (m_definitionLevel > int(m_tables.size()))
        return nullptr;
    RowDefinition &definition = m_tables[size_t(m_definitionLevel - 1)].definition;
    if (m_target == Target::Cell)
        return &definition.pending.borders[m_side];
    if (m_target == Target::Row)
        return &definition.rowBorders[m_side];
    return nullptr;
}

bool RtfTableBuilder::definitionWord(const QByteArray &word, bool hasParameter, int parameter)
{
    static const std::map<QByteArray, int> cellSides{{"clbrdrt", 0}, {"clbrdrl", 1}, {"clbrdrb", 2}, {"clbrdrr", 3}};
    static const std::map<QByteArray, int> rowSides{{"trbrdrt", 0}, {"trbrdrl", 1}, {"trbrdrb", 2},
                                                    {"trbrdrr", 3}, {"trbrdrh", 4}, {"trbrdrv", 5}};
    static const std::map<QByteArray, int> styles{
        {"brdrs", QTextFrameFormat::BorderStyle_Solid},     {"brdrth", QTextFrameFormat::BorderStyle_Solid},
        {"brdrsh", QTextFrameFormat::BorderStyle_Solid},    {"brdrhair", QTextFrameFormat::BorderStyle_Solid},
        {"brdrdb", QTextFrameFormat::BorderStyle_Double},   {"brdrdot", QTextFrameFormat::BorderStyle_Dotted},
        {"brdrdash", QTextFrameFormat::BorderStyle_Dashed}, {"brdrnone", QTextFrameFormat::BorderStyle_None},
        {"brdrnil", QTextFrameFormat::BorderStyle_None},    {"brdrtbl", QTextFrameFormat::BorderStyle_None}};

    if (word == "brdrt" || word == "brdrl" || word == "brdrb" || word == "brdrr" || word == "box" ||
        word == "brdrbtw" || word == "brdrbar") {
        m_target = Target::None; // paragraph borders: not drawn
        return true;
    }
    if (auto side = styles.find(word); side != styles.end()) {
        if (Border *b = border()) {
            b->style = side->second;
            if (b->style == QTextFrameFormat::BorderStyle_None)
                b->width = 0;
        }
        return true;
    }
    if (word == "brdrw") {
        if (Border *b = border())
            b->width = std::clamp(parameter, 0, 1440);
        return true;
    }
    if (word == "brdrcf") {
        if (Border *b = border())
            b->color = std::max(0, parameter);
        return true;
    }
    const bool known = word == "cellx" || cellSides.count(word) || rowSides.count(word) || word == "clcbpat" ||
                       word == "clmgf" || word == "clmrg" || word == "clvmgf" || word == "clvmrg" ||
                       word == "clvertalt" || word == "clvertalc" || word == "clvertalb" || word == "trleft" ||
                       word == "trgaph" || word == "trpaddl" || word == "trqc" || word == "trql" || word == "trqr";
    if (!known)
        return false;
    if (m_tables.empty() || m_definitionLevel > int(m_tables.size()))
        startRowDefinition(1); // definitions without \trowd start a row all the same
    RowDefinition &d = m_tables[size_t(m_definitionLevel - 1)].definition;
    if (word == "cellx") {
        d.pending.right = std::clamp(hasParameter ? parameter : 0, -MaxTwips, MaxTwips);
        if (int(d.cells.size()) < MaxCellsPerRow)
            d.cells.push_back(d.pending);
        d.pending = CellDefinition();
        m_target = Target::None;
    } else if (auto cell = cellSides.find(word); cell != cellSides.end()) {
        m_target = Target::Cell;
        m_side = cell->second;
    } else if (auto row = rowSides.find(word); row != rowSides.end()) {
        m_target = Target::Row;
        m_side = row->second;
    } else if (word == "clcbpat") {
        d.pending.shading = std::max(0, parameter);
    } else if (word == "clmgf") {
        d.pending.mergeFirst = true;
    } else if (word == "clmrg") {
        d.pending.merged = true;
    } else if (word == "clvmgf") {
        d.pending.verticalFirst = true;
    } else if (word == "clvmrg") {
        d.pending.verticalMerged = true;
    } else if (word == "clvertalt") {
        d.pending.verticalAlign = 0;
    } else if (word == "clvertalc") {
        d.pending.verticalAlign = 1;
    } else if (word == "clvertalb") {
        d.pending.verticalAlign = 2;
    } else if (word == "trleft") {
        d.left = std::clamp(parameter, -MaxTwips, MaxTwips);
    } else if (word == "trgaph") {
        d.gap = std::clamp(parameter, 0, 1440);
    } else if (word == "trpaddl") {
        d.padding = std::clamp(parameter, 0, 1440);
    } else if (word == "trqc") {
        d.align = 1;
    } else if (word == "trqr") {
        d.align = 2;
    } else if (word == "trql") {
        d.align = 0;
    }
    return true;
}

void RtfTableBuilder::endCell(int level)
{
    level = std::clamp(level, 1, MaxLevels);
    closeAbove(level);
    open(level);
    Table &table = m_tables[size_t(level - 1)];
    if (int(table.cells.size()) < MaxCellsPerRow)
        table.cells.push_back(std::move(table.current));
    else
        append(table.cells.back(), std::move(table.current));
    table.current.clear();
}

void RtfTableBuilder::finishRow(Table &table)
{
    if (!table.current.empty()) {
        // Text after the last \cell of a row: it gets a cell of its own.
        if (int(table.cells.size()) < MaxCellsPerRow)
            table.cells.push_back(std::move(table.current));
        else
            append(table.cells.back(), std::move(table.current));
        table.current.clear();
    }
    if (table.cells.empty())
        return;
    table.cellCount += int(table.cells.size());
    table.rows.push_back({table.definition, std::move(table.cells)});
    table.cells.clear();
}

void RtfTableBuilder::endRow(int level)
{
    level = std::clamp(level, 1, MaxLevels);
    closeAbove(level);
    open(level);
    Table &table = m_tables[size_t(level - 1)];
    int total = table.cellCount + int(table.cells.size());
    if (total > MaxCells) {
        m_truncated = true;
        table.cells.clear();
        table.current.clear();
    } else {
        finishRow(table);
    }
    table.rowOpen = false;
}

void RtfTableBuilder::finish()
{
    closeAbove(0);
}

QColor RtfTableBuilder::color(int index) const
{
    if (index <= 0 || index >= int(m_colors.size()))
        return QColor();
    return m_colors[size_t(index)];
}

void RtfTableBuilder::applyBorder(QTextTableCellFormat &format, int side, const Border &border) const
{
    const bool drawn = border.style != QTextFrameFormat::BorderStyle_None && border.width != 0;
    const qreal width = drawn ? std::max(1.0, std::round(std::max(border.width, 15) / 15.0)) : 0.0;
    const auto style = QTextFrameFormat::BorderStyle(drawn ? border.style : QTextFrameFormat::BorderStyle_None);
    // An automatic border takes the component's default text colour, red:
    // black lines would not light a single LED.
    QColor c = color(border.color);
    if (!c.isValid())
        c = QColor(255, 0, 0);
    switch (side) {
    case 0:
        format.setTopBorder(width);
        format.setTopBorderStyle(style);
        format.setTopBorderBrush(c);
        break;
    case 1:
        format.setLeftBorder(width);
        format.setLeftBorderStyle(style);
        format.setLeftBorderBrush(c);
        break;
    case 2:
        format.setBottomBorder(width);
        format.setBottomBorderStyle(style);
        format.setBottomBorderBrush(c);
        break;
    default:
        format.setRightBorder(width);
        format.setRightBorderStyle(style);
        format.setRightBorderBrush(c);
        break;
    }
}

std::vector<DocNode> RtfTableBuilder::toNodes(Table &table) const
{
    finishRow(table);
    std::vector<DocNode> out;
    if (table.rows.empty())
        return out;

    // Cell edges in twips, per row, from the definitions; a row with more
    // cells than \cellx gets inch-wide cells after the last edge.
    std::vector<std::vector<std::pair<int, int>>> edges(table.rows.size());
    std::set<int> boundaries;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const Row &row = table.rows[r];
        int left = row.definition.left;
        for (size_t i = 0; i < row.cells.size(); ++i) {
            int right = i < row.definition.cells.size() ? row.definition.cells[i].right : left + DefaultCellWidth;
            right = std::max(right, left + 15);
            edges[r].push_back({left, right});
            boundaries.insert(left);
            boundaries.insert(right);
            left = right;
        }
    }
    const bool byIndex = boundaries.size() > size_t(MaxCellsPerRow + 1);
    std::vector<int> grid(boundaries.begin(), boundaries.end());
    auto column = [&](int x) { return int(std::lower_bound(grid.begin(), grid.end(), x) - grid.begin()); };

    auto data = std::make_shared<DocTable>();
    data->rows = int(table.rows.size());
    int columns = 0;
    QList<QTextLength> widths;
    if (byIndex) {
        for (const Row &row : table.rows)
            columns = std::max(columns, int(row.cells.size()));
        for (int c = 0; c < columns; ++c)
            widths.append(QTextLength(QTextLength::FixedLength, DefaultCellWidth / 15.0));
    } else {
        columns = int(grid.size()) - 1;
        for (int c = 0; c < columns; ++c)
            widths.append(QTextLength(QTextLength::FixedLength, (grid[size_t(c + 1)] - grid[size_t(c)]) / 15.0));
    }
    data->columns = std::max(1, columns);

    const RowDefinition &first = table.rows.front().definition;
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(std::round((first.padding >= 0 ? first.padding : first.gap) / 15.0));
    format.setColumnWidthConstraints(widths);
    format.setAlignment(first.align == 1 ? Qt::AlignHCenter : first.align == 2 ? Qt::AlignRight : Qt::AlignLeft);
    if (first.left > 0)
        format.setLeftMargin(first.left / 15.0);
    data->format = format;

    std::map<int, size_t> verticalStart; // column -> index in data->cells of the cell a \clvmrg continues
    for (size_t r = 0; r < table.rows.size(); ++r) {
        Row &row = table.rows[r];
        std::map<int, size_t> startsHere;
        for (size_t i = 0; i < row.cells.size(); ++i) {
            const CellDefinition def = i < row.definition.cells.size() ? row.definition.cells[i] : CellDefinition();
            int from = byIndex ? int(i) : column(edges[r][i].first);
            int to = byIndex ? int(i) + 1 : column(edges[r][i].second);
            if (def.merged && !data->cells.empty() && data->cells.back().row == int(r)) {
                DocCell &previous = data->cells.back();
                previous.columnSpan = to - previous.column;
                appendMerged(previous.content, std::move(row.cells[i]));
                continue;
            }
            if (def.verticalMerged) {
                auto above = verticalStart.find(from);
                if (above != verticalStart.end()) {
                    DocCell &start = data->cells[above->second];
                    if (start.row + start.rowSpan == int(r) && start.columnSpan == to - from) {
                        ++start.rowSpan;
                        appendMerged(start.content, std::move(row.cells[i]));
                        startsHere[from] = above->second;
                        continue;
                    }
                }
            }
            DocCell cell;
            cell.row = int(r);
            cell.column = from;
            cell.columnSpan = std::max(1, to - from);
            QTextTableCellFormat cellFormat;
            const RowDefinition &rd = row.definition;
            for (int side = 0; side < 4; ++side) {
                Border b = def.borders[side];
                if (b.width < 0 && b.style == 0) {
                    // No cell border: the row's outer or inner one.
                    const bool outer = side == 0   ? r == 0
                                       : side == 2 ? r + 1 == table.rows.size()
                                       : side == 1 ? i == 0
                                                   : i + 1 == row.cells.size();
                    b = outer ? rd.rowBorders[side] : rd.rowBorders[side == 0 || side == 2 ? 4 : 5];
                }
                applyBorder(cellFormat, side, b);
            }
            if (QColor shade = color(def.shading); shade.isValid())
                cellFormat.setBackground(shade);
            if (def.verticalAlign == 1)
                cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            else if (def.verticalAlign == 2)
                cellFormat.setVerticalAlignment(QTextCharFormat::AlignBottom);
            cell.format = cellFormat;
            cell.content = std::move(row.cells[i]);
            data->cells.push_back(std::move(cell));
            startsHere[from] = data->cells.size() - 1;
        }
        verticalStart = std::move(startsHere);
    }
    // Spans past the grid cannot happen, but a hostile file must not make them.
    for (DocCell &cell : data->cells) {
        cell.column = std::clamp(cell.column, 0, data->columns - 1);
        cell.columnSpan = std::clamp(cell.columnSpan, 1, data->columns - cell.column);
    }

    DocNode node;
    node.kind = DocNode::Kind::Table;
    node.table = std::move(data);
    out.push_back(std::move(node));
    return out;
}

} // namespace lumetra
