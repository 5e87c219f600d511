#pragma once

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFrameFormat>
#include <QTextListFormat>
#include <QTextTableCellFormat>
#include <QTextTableFormat>

#include <memory>
#include <vector>

class QTextCursor;
class QTextDocument;
class QTextFrame;

namespace lumetra {

// A plain tree of a document's content, the form the file readers produce
// and the writers consume, so that neither has to drive QTextCursor itself.
// Formats never carry an object index: lists are numbered in the tree.

struct DocRun
{
    QString text; // may hold U+FFFC for a picture, U+2028 for a line break
    QTextCharFormat format;
};

struct DocTable;

struct DocNode
{
    enum class Kind { Paragraph, Table };
    Kind kind = Kind::Paragraph;

    // Paragraph
    QTextBlockFormat blockFormat;
    QTextCharFormat blockCharFormat;
    int list = -1; // index into DocTree::lists
    std::vector<DocRun> runs;

    // Table
    std::shared_ptr<DocTable> table;
};

struct DocCell
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    QTextTableCellFormat format;
    std::vector<DocNode> content;
};

struct DocTable
{
    int rows = 0;
    int columns = 0;
    QTextTableFormat format;
    std::vector<DocCell> cells; // covered cells of a span are absent
};

struct DocTree
{
    QTextFrameFormat rootFormat;
    std::vector<QTextListFormat> lists;
    std::vector<DocNode> body;
};

// Reads the whole document into a tree.
DocTree extractTree(const QTextDocument &document);

// Appends the tree's content at the cursor, which must sit in an empty block
// (the document's end after clear(), or a fresh cell). The root format is
// not applied here: that is the caller's choice.
void buildTree(QTextCursor &cursor, const DocTree &tree);

// Every picture name the content refers to, in order of first use.
QStringList imageNames(const DocTree &tree);

} // namespace lumetra
