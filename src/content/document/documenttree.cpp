#include "content/document/documenttree.h"

#include <QHash>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace lumetra {

namespace {

template <typename F> F withoutObject(F format)
{
    format.clearProperty(QTextFormat::ObjectIndex);
    return format;
}

class Extractor
{
public:
    std::vector<QTextListFormat> lists;

    void frame(QTextFrame::iterator it, std::vector<DocNode> &out)
    {
        for (; !it.atEnd(); ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                if (auto *table = qobject_cast<QTextTable *>(child))
                    out.push_back(tableNode(table));
                else
                    frame(child->begin(), out); // plain frames are flattened
            } else {
                out.push_back(paragraph(it.currentBlock()));
            }
        }
    }

private:
    QHash<const QTextList *, int> m_listIndex;

    DocNode paragraph(const QTextBlock &block)
    {
        DocNode node;
        node.blockFormat = withoutObject(block.blockFormat());
        node.blockCharFormat = withoutObject(block.charFormat());
        if (const QTextList *list = block.textList()) {
            auto found = m_listIndex.find(list);
            if (found == m_listIndex.end()) {
                found = m_listIndex.insert(list, int(lists.size()));
                lists.push_back(withoutObject(list->format()));
            }
            node.list = found.value();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                node.runs.push_back({fragment.text(), withoutObject(fragment.charFormat())});
        }
        return node;
    }

    DocNode tableNode(QTextTable *table)
    {
        auto data = std::make_shared<DocTable>();
        data->rows = table->rows();
        data->columns = table->columns();
        data->format = withoutObject(table->format());
        for (int r = 0; r < data->rows; ++r) {
            for (int c = 0; c < data->columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (!cell.isValid() || cell.row() != r || cell.column() != c)
                    continue;
                DocCell out;
                out.row = r;
                out.column = c;
                out.rowSpan = cell.rowSpan();
                out.columnSpan = cell.columnSpan();
                out.format = withoutObject(cell.format()).toTableCellFormat();
                frame(cell.begin(), out.content);
                data->cells.push_back(std::move(out));
            }
        }
        DocNode node;
        node.kind = DocNode::Kind::Table;
        node.table = std::move(data);
        return node;
    }
};

class Builder
{
public:
    void nodes(QTextCursor &cursor, const std::vector<DocNode> &nodes, const std::vector<QTextListFormat> &listFormats)
    {
        // The cursor starts in an empty block that the first paragraph takes
        // over; a table always leaves such a block after itself.
        bool fresh = true;
        for (const DocNode &node : nodes) {
            if (node.kind == DocNode::Kind::Table && node.table) {
                table(cursor, *node.table, listFormats);
                fresh = true;
                continue;
            }
            if (fresh) {
                cursor.setBlockFormat(node.blockFormat);
                // Merged, not set: in a cell the first block's character
                // format is the cell's own format.
                cursor.mergeBlockCharFormat(node.blockCharFormat);
            } else {
                cursor.insertBlock(node.blockFormat, node.blockCharFormat);
            }
            fresh = false;
            if (node.list >= 0 && node.list < int(listFormats.size()))
                addToList(cursor, node.list, listFormats);
            for (const DocRun &run : node.runs) {
                if (!run.text.isEmpty())
                    cursor.insertText(run.text, run.format);
            }
        }
    }

private:
    QHash<int, QTextList *> m_lists;

    void addToList(QTextCursor &cursor, int index, const std::vector<QTextListFormat> &listFormats)
    {
        if (QTextList *list = m_lists.value(index))
            list->add(cursor.block());
        else
            m_lists.insert(index, cursor.createList(listFormats[size_t(index)]));
    }

    void table(QTextCursor &cursor, const DocTable &data, const std::vector<QTextListFormat> &listFormats)
    {
        if (data.rows <= 0 || data.columns <= 0)
            return;
        QTextTable *table = cursor.insertTable(data.rows, data.columns, data.format);
        for (const DocCell &cell : data.cells) {
            if (cell.row < 0 || cell.row >= data.rows || cell.column < 0 || cell.column >= data.columns)
                continue;
            const int rowSpan = std::clamp(cell.rowSpan, 1, data.rows - cell.row);
            const int columnSpan = std::clamp(cell.columnSpan, 1, data.columns - cell.column);
            if (rowSpan > 1 || columnSpan > 1)
                table->mergeCells(cell.row, cell.column, rowSpan, columnSpan);
        }
        for (const DocCell &cell : data.cells) {
            QTextTableCell target = table->cellAt(cell.row, cell.column);
            if (!target.isValid() || target.row() != cell.row || target.column() != cell.column)
                continue;
            // The spans live in the cell's format: keep the merged ones.
            QTextTableCellFormat format = cell.format;
            format.setTableCellRowSpan(target.rowSpan());
            format.setTableCellColumnSpan(target.columnSpan());
            target.setFormat(format);
            QTextCursor inCell = target.firstCursorPosition();
            nodes(inCell, cell.content, listFormats);
        }
        cursor.setPosition(table->lastPosition() + 1);
    }
};

void collectImages(const std::vector<DocNode> &nodes, QStringList &names, QSet<QString> &seen)
{
    for (const DocNode &node : nodes) {
        if (node.kind == DocNode::Kind::Table && node.table) {
            for (const DocCell &cell : node.table->cells)
                collectImages(cell.content, names, seen);
            continue;
        }
        for (const DocRun &run : node.runs) {
            if (!run.format.isImageFormat())
                continue;
            const QString name = run.format.toImageFormat().name();
            if (!name.isEmpty() && !seen.contains(name)) {
                seen.insert(name);
                names.append(name);
            }
        }
    }
}

} // namespace

DocTree extractTree(const QTextDocument &document)
{
    DocTree tree;
    QTextFrame *root = document.rootFrame();
    tree.rootFormat = withoutObject(root->frameFormat());
    Extractor extractor;
    extractor.frame(root->begin(), tree.body);
    tree.lists = std::move(extractor.lists);
    return tree;
}

void buildTree(QTextCursor &cursor, const DocTree &tree)
{
    Builder builder;
    cursor.beginEditBlock();
    builder.nodes(cursor, tree.body, tree.lists);
    cursor.endEditBlock();
}

QStringList imageNames(const DocTree &tree)
{
    QStringList names;
    QSet<QString> seen;
    collectImages(tree.body, names, seen);
    return names;
}

} // namespace lumetra
