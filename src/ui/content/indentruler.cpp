#include "ui/content/indentruler.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {
constexpr int RulerHeight = 26;
constexpr int MarkerHalf = 5;
} // namespace

IndentRuler::IndentRuler(QTextEdit *editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("RVRuler1"));
    setFixedHeight(RulerHeight);
    setMouseTracking(false);
    auto refresh = [this] { update(); };
    connect(editor, &QTextEdit::cursorPositionChanged, this, refresh);
    connect(editor->document(), &QTextDocument::contentsChanged, this, refresh);
    connect(editor->horizontalScrollBar(), &QScrollBar::valueChanged, this, refresh);
}

QSize IndentRuler::sizeHint() const
{
    return {textWidth() + 20, RulerHeight};
}

// The editor's text starts here in ruler coordinates, wherever the panes
// have scrolled it.
int IndentRuler::origin() const
{
    const QWidget *top = window();
    return m_editor->viewport()->mapTo(top, QPoint(0, 0)).x() - mapTo(top, QPoint(0, 0)).x();
}

int IndentRuler::textWidth() const
{
    const qreal width = m_editor->document()->textWidth();
    return width > 0 ? int(std::lround(width)) : m_editor->viewport()->width();
}

int IndentRuler::markerX(Marker marker) const
{
    const QTextBlockFormat block = m_editor->textCursor().blockFormat();
    const int left = int(std::lround(block.leftMargin()));
    switch (marker) {
    case FirstLine:
        return origin() + left + int(std::lround(block.textIndent()));
    case LeftIndent:
        return origin() + left;
    case RightIndent:
        return origin() + textWidth() - int(std::lround(block.rightMargin()));
    case NoMarker:
        break;
    }
    return -1;
}

void IndentRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int x0 = origin();
    const int width = textWidth();
    p.fillRect(QRect(x0, 3, width, height() - 6), Qt::white);
    p.setPen(Qt::black);
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    for (int x = 0; x <= width; x += 10) {
        const int tick = x % 50 == 0 ? 7 : 3;
        p.drawLine(x0 + x, height() - 4 - tick, x0 + x, height() - 4);
        if (x % 100 == 0 && x > 0)
            p.drawText(QRect(x0 + x - 20, 3, 40, 10), Qt::AlignCenter, QString::number(x));
    }
    p.setBrush(QColor(200, 200, 200));
    auto down = [&](int x) {
        p.drawPolygon(QPolygon({{x - MarkerHalf, 3}, {x + MarkerHalf, 3}, {x, 3 + MarkerHalf * 2}}));
    };
    auto up = [&](int x) {
        const int b = height() - 3;
        p.drawPolygon(QPolygon({{x - MarkerHalf, b}, {x + MarkerHalf, b}, {x, b - MarkerHalf * 2}}));
    };
    down(markerX(FirstLine));
    up(markerX(LeftIndent));
    up(markerX(RightIndent));
}

void IndentRuler::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // The first-line marker hangs from the top, the other two stand at the bottom.
    const bool upperHalf = at.y() < height() / 2;
    m_dragged = NoMarker;
    int best = MarkerHalf + 2;
    for (Marker marker : {FirstLine, LeftIndent, RightIndent}) {
        if ((marker == FirstLine) != upperHalf)
            continue;
        const int distance = std::abs(markerX(marker) - at.x());
        if (distance <= best) {
            best = distance;
            m_dragged = marker;
        }
    }
}

void IndentRuler::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragged != NoMarker)
        moveMarker(event->position().toPoint().x());
}

void IndentRuler::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragged != NoMarker)
        moveMarker(event->position().toPoint().x());
    m_dragged = NoMarker;
}

void IndentRuler::moveMarker(int x)
{
    const int width = textWidth();
    const int at = std::clamp(x - origin(), 0, width);
    QTextCursor cursor = m_editor->textCursor();
    const QTextBlockFormat current = cursor.blockFormat();
    const int left = int(std::lround(current.leftMargin()));
    const int right = int(std::lround(current.rightMargin()));
    QTextBlockFormat change;
    switch (m_dragged) {
    case FirstLine:
        change.setTextIndent(std::min(at, width - right - 1) - left);
        break;
    case LeftIndent:
        change.setLeftMargin(std::min(at, width - right - 1));
        break;
    case RightIndent:
        change.setRightMargin(width - std::max(at, left + 1));
        break;
    case NoMarker:
        return;
    }
    // Every selected paragraph takes the indent, as the toolbar's indent does.
    cursor.mergeBlockFormat(change);
    update();
}

} // namespace lumetra
