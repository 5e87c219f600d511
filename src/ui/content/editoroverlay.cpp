#include "ui/content/editoroverlay.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>

namespace lumetra {

namespace {

void collectTables(QTextFrame *frame, QList<QTextTable *> &tables)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables.append(table);
        collectTables(child, tables);
    }
}

QRectF cellContent(QTextDocument *document, const QTextTableCell &cell)
{
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    QRectF rect;
    for (QTextBlock block = document->findBlock(cell.firstPosition());
         block.isValid() && block.position() <= cell.lastPosition(); block = block.next())
        rect = rect.united(layout->blockBoundingRect(block));
    return rect;
}

void paintTable(QPainter &painter, QTextDocument *document, QTextTable *table)
{
    const QRectF outer = document->documentLayout()->frameBoundingRect(table);
    if (outer.isEmpty())
        return;
    const QTextTableFormat format = table->format();
    const qreal padding = format.cellPadding();
    const qreal inf = std::numeric_limits<qreal>::max();
    QList<qreal> left(table->columns() + 1, inf);
    QList<qreal> top(table->rows() + 1, inf);
    left[table->columns()] = outer.right() - format.border() - format.margin();
    top[table->rows()] = outer.bottom() - format.border() - format.margin();
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            const QTextTableCellFormat f = cell.format().toTableCellFormat();
            const QRectF content = cellContent(document, cell);
            left[c] = std::min(left[c], content.left() - padding - f.leftBorder());
            top[r] = std::min(top[r], content.top() - padding - f.topBorder());
        }
    }
    // A column or row without a cell of its own starts where the next does.
    for (int c = table->columns() - 1; c >= 0; --c)
        left[c] = std::min(left[c], left[c + 1]);
    for (int r = table->rows() - 1; r >= 0; --r)
        top[r] = std::min(top[r], top[r + 1]);

    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            const QTextTableCellFormat f = cell.format().toTableCellFormat();
            const qreal x0 = left[c], x1 = left[c + cell.columnSpan()];
            const qreal y0 = top[r], y1 = top[r + cell.rowSpan()];
            if (f.leftBorder() <= 0)
                painter.drawLine(QPointF(x0, y0), QPointF(x0, y1));
            if (f.rightBorder() <= 0)
                painter.drawLine(QPointF(x1, y0), QPointF(x1, y1));
            if (f.topBorder() <= 0)
                painter.drawLine(QPointF(x0, y0), QPointF(x1, y0));
            if (f.bottomBorder() <= 0)
                painter.drawLine(QPointF(x0, y1), QPointF(x1, y1));
        }
    }
}

} // namespace

EditorOverlay::EditorOverlay(QTextEdit *editor) : QWidget(editor->viewport()), m_editor(editor)
{
    setObjectName("EditorOverlay");
    hide();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // The pointer shows what lies below.
    setCursor(Qt::IBeamCursor);
    setGeometry(editor->viewport()->rect());
    editor->viewport()->installEventFilter(this);
    auto refresh = [this] { update(); };
    connect(editor->document(), &QTextDocument::contentsChanged, this, refresh);
    connect(editor->document()->documentLayout(), &QAbstractTextDocumentLayout::update, this, refresh);
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, refresh);
    connect(editor->horizontalScrollBar(), &QScrollBar::valueChanged, this, refresh);
}

bool EditorOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor->viewport() && event->type() == QEvent::Resize)
        setGeometry(m_editor->viewport()->rect());
    return QWidget::eventFilter(watched, event);
}

void EditorOverlay::setGridLines(bool on)
{
    m_grid = on;
    setVisible(m_grid || m_marks);
    update();
}

void EditorOverlay::setSpecialCharacters(bool on)
{
    m_marks = on;
    setVisible(m_grid || m_marks);
    update();
}

void EditorOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-m_editor->horizontalScrollBar()->value(), -m_editor->verticalScrollBar()->value());
    if (m_marks)
        paintMarks(painter);
    if (!m_grid)
        return;
    QTextDocument *document = m_editor->document();
    QList<QTextTable *> tables;
    collectTables(document->rootFrame(), tables);
    painter.setPen(QPen(QColor(160, 160, 160), 0, Qt::DotLine));
    for (QTextTable *table : tables)
        paintTable(painter, document, table);
}

void EditorOverlay::paintMarks(QPainter &painter)
{
    QTextDocument *document = m_editor->document();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    const QRectF visible(m_editor->horizontalScrollBar()->value(), m_editor->verticalScrollBar()->value(), width(),
                         height());
    painter.setPen(QColor(0, 160, 255));
    QFont font = m_editor->font();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        if (!box.intersects(visible) || !block.layout() || block.layout()->lineCount() == 0)
            continue;
        const QTextLayout *text = block.layout();
        const QPointF origin = box.topLeft();
        const QString content = block.text();
        for (int i = 0; i <= content.size(); ++i) {
            QString mark;
            if (i == content.size())
                mark = block.next().isValid() ? QStringLiteral("¶") : QString();
            else if (content[i] == u'\t')
                mark = QStringLiteral("→");
            else if (content[i] == u' ')
                mark = QStringLiteral("·");
            else if (content[i] == QChar::LineSeparator)
                mark = QStringLiteral("↵");
            if (mark.isEmpty())
                continue;
            const QTextLine line = text->lineForTextPosition(i);
            if (!line.isValid())
                continue;
            const qreal x0 = line.cursorToX(i);
            const qreal x1 = i < content.size() ? line.cursorToX(i + 1) : x0 + line.height() / 2;
            font.setPixelSize(std::max(6, int(line.height() * 0.7)));
            painter.setFont(font);
            const QRectF cell(origin.x() + std::min(x0, x1), origin.y() + line.y(), std::max(std::abs(x1 - x0), 4.0),
                              line.height());
            painter.drawText(cell, Qt::AlignCenter, mark);
        }
    }
}

} // namespace lumetra
