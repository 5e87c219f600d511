#include "ui/content/actionicons.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

namespace lumetra::ActionIcons {

namespace {

constexpr int Size = 16;

QIcon draw(const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

// A 3 × 3 grid with one part marked.
void grid(QPainter &p)
{
    p.setPen(QColor(80, 80, 80));
    p.drawRect(1, 2, 13, 11);
    p.drawLine(1, 6, 14, 6);
    p.drawLine(1, 10, 14, 10);
    p.drawLine(5, 2, 5, 13);
    p.drawLine(10, 2, 10, 13);
}

} // namespace

QIcon glyph(Glyph which)
{
    return draw([which](QPainter &p) {
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(13);
        QString text;
        switch (which) {
        case Glyph::Bold:
            font.setBold(true);
            text = "B";
            break;
        case Glyph::Italic:
            font.setItalic(true);
            text = "I";
            break;
        case Glyph::Underline:
            font.setUnderline(true);
            text = "U";
            break;
        case Glyph::StrikeOut:
            font.setStrikeOut(true);
            text = "S";
            break;
        case Glyph::Overline:
            font.setOverline(true);
            text = "O";
            break;
        case Glyph::AllCaps:
            text = "AA";
            font.setPixelSize(9);
            break;
        case Glyph::Grow:
            text = "A+";
            font.setPixelSize(10);
            break;
        case Glyph::Shrink:
            text = "A-";
            font.setPixelSize(10);
            break;
        }
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, text);
    });
}

QIcon alignment(Qt::Alignment alignment)
{
    return draw([alignment](QPainter &p) {
        p.setPen(Qt::black);
        for (int i = 0; i < 5; ++i) {
            const int y = 2 + i * 3;
            const int width = (alignment & Qt::AlignJustify) || i % 2 == 0 ? 14 : 9;
            int x = 1;
            if (alignment & Qt::AlignHCenter)
                x = (Size - width) / 2;
            else if (alignment & Qt::AlignRight)
                x = Size - 1 - width;
            p.drawLine(x, y, x + width - 1, y);
        }
    });
}

QIcon indent(bool increase)
{
    return draw([increase](QPainter &p) {
        p.setPen(Qt::black);
        for (int i = 0; i < 5; ++i)
            p.drawLine(i == 0 || i == 4 ? 1 : 7, 2 + i * 3, 14, 2 + i * 3);
        p.setPen(Qt::blue);
        const QPolygon arrow = increase ? QPolygon({QPoint(1, 5), QPoint(5, 8), QPoint(1, 11)})
                                        : QPolygon({QPoint(5, 5), QPoint(1, 8), QPoint(5, 11)});
        p.setBrush(Qt::blue);
        p.drawPolygon(arrow);
    });
}

QIcon colour(const QString &mark, const QColor &colour)
{
    return draw([mark, colour](QPainter &p) {
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, Size, 12), Qt::AlignCenter, mark);
        p.fillRect(1, 12, 14, 4, colour.isValid() ? colour : QColor(Qt::black));
    });
}

QIcon table(Table which)
{
    return draw([which](QPainter &p) {
        grid(p);
        const QColor mark(40, 120, 220);
        switch (which) {
        case Table::ColumnLeft:
            p.fillRect(2, 3, 3, 10, mark);
            break;
        case Table::ColumnRight:
            p.fillRect(11, 3, 3, 10, mark);
            break;
        case Table::RowAbove:
            p.fillRect(2, 3, 12, 3, mark);
            break;
        case Table::RowBelow:
            p.fillRect(2, 11, 12, 2, mark);
            break;
        case Table::DeleteRows:
        case Table::DeleteColumns:
        case Table::DeleteTable:
            p.setPen(QPen(Qt::red, 2));
            if (which == Table::DeleteRows)
                p.drawLine(0, 8, 15, 8);
            else if (which == Table::DeleteColumns)
                p.drawLine(8, 1, 8, 15);
            else {
                p.drawLine(2, 2, 14, 14);
                p.drawLine(14, 2, 2, 14);
            }
            break;
        case Table::Merge:
            p.fillRect(2, 7, 12, 3, mark);
            break;
        case Table::Split:
            p.setPen(QPen(mark, 2));
            p.drawLine(8, 3, 8, 13);
            break;
        case Table::Grid:
            break;
        }
    });
}

QIcon border(Border which)
{
    return draw([which](QPainter &p) {
        p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
        p.drawRect(2, 2, 11, 11);
        p.drawLine(2, 8, 13, 8);
        p.drawLine(8, 2, 8, 13);
        p.setPen(QPen(Qt::black, 2));
        switch (which) {
        case Border::Left:
            p.drawLine(2, 2, 2, 13);
            break;
        case Border::Right:
            p.drawLine(13, 2, 13, 13);
            break;
        case Border::Top:
            p.drawLine(2, 2, 13, 2);
            break;
        case Border::Bottom:
            p.drawLine(2, 13, 13, 13);
            break;
        case Border::All:
            p.drawRect(2, 2, 11, 11);
            p.drawLine(2, 8, 13, 8);
            p.drawLine(8, 2, 8, 13);
            break;
        case Border::None:
            break;
        }
    });
}

QIcon cellAlignment(Qt::Alignment vertical)
{
    return draw([vertical](QPainter &p) {
        p.setPen(QColor(80, 80, 80));
        p.drawRect(1, 1, 13, 13);
        int y = 3;
        if (vertical & Qt::AlignVCenter)
            y = 6;
        else if (vertical & Qt::AlignBottom)
            y = 9;
        p.fillRect(4, y, 8, 3, Qt::blue);
    });
}

QIcon specialCharacters()
{
    return draw([](QPainter &p) {
        QFont font(QStringLiteral("Sans"));
        font.setPixelSize(14);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("¶"));
    });
}

QIcon picture()
{
    return draw([](QPainter &p) {
        p.setPen(Qt::black);
        p.fillRect(1, 2, 14, 12, QColor(200, 230, 255));
        p.drawRect(1, 2, 13, 11);
        p.setBrush(QColor(60, 160, 60));
        p.drawPolygon(QPolygon({QPoint(2, 13), QPoint(7, 6), QPoint(12, 13)}));
        p.setBrush(Qt::yellow);
        p.drawEllipse(QPoint(11, 5), 2, 2);
    });
}

QIcon find()
{
    return draw([](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(QPoint(6, 6), 4, 4);
        p.drawLine(9, 9, 14, 14);
    });
}

QIcon edit(Edit which)
{
    return draw([which](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::black);
        switch (which) {
        case Edit::Cut:
            p.drawLine(4, 1, 10, 10);
            p.drawLine(11, 1, 5, 10);
            p.drawEllipse(QPoint(4, 12), 2, 2);
            p.drawEllipse(QPoint(11, 12), 2, 2);
            break;
        case Edit::Copy:
            p.setBrush(Qt::white);
            p.drawRect(1, 1, 8, 10);
            p.drawRect(6, 5, 8, 10);
            break;
        case Edit::Paste:
            p.setBrush(QColor(200, 150, 80));
            p.drawRect(2, 2, 10, 13);
            p.setBrush(Qt::white);
            p.drawRect(6, 6, 8, 9);
            p.fillRect(5, 1, 4, 3, Qt::darkGray);
            break;
        case Edit::Replace:
            p.setPen(QPen(Qt::black, 2));
            p.drawEllipse(QPoint(5, 5), 3, 3);
            p.drawLine(7, 7, 10, 10);
            p.setPen(QPen(Qt::blue, 2));
            p.drawLine(8, 13, 15, 13);
            break;
        }
    });
}

} // namespace lumetra::ActionIcons
