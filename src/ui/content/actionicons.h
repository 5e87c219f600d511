#pragma once

#include <QColor>
#include <QIcon>

namespace lumetra {

// The editing actions' small pictures, drawn rather than shipped.
namespace ActionIcons {

enum class Glyph { Bold, Italic, Underline, StrikeOut, Overline, AllCaps, Grow, Shrink };
QIcon glyph(Glyph which);
QIcon alignment(Qt::Alignment alignment);
QIcon indent(bool increase);
// A letter or mark over a bar of the colour.
QIcon colour(const QString &mark, const QColor &colour);

enum class Table {
    ColumnLeft,
    ColumnRight,
    RowAbove,
    RowBelow,
    DeleteRows,
    DeleteColumns,
    DeleteTable,
    Merge,
    Split,
    Grid
};
QIcon table(Table which);

enum class Border { Left, Right, Top, Bottom, All, None };
QIcon border(Border which);
QIcon cellAlignment(Qt::Alignment vertical);
QIcon specialCharacters();
QIcon picture();
QIcon find();

enum class Edit { Cut, Copy, Paste, Replace };
QIcon edit(Edit which);

} // namespace ActionIcons

} // namespace lumetra
