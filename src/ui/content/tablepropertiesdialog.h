#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;
class QTextTable;

namespace lumetra {

class ColourButton;

// "表格属性": the table's borders, colours, padding, spacing and
// background; the cell border applies to every cell.
class TablePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    TablePropertiesDialog(QTextTable *table, QWidget *parent);

    // One undo step.
    void apply(QTextTable *table) const;

private:
    QSpinBox *m_border;
    ColourButton *m_borderColour;
    QSpinBox *m_cellBorder;
    ColourButton *m_cellBorderColour;
    QSpinBox *m_padding;
    QSpinBox *m_spacing;
    ColourButton *m_background;
    QCheckBox *m_noBackground;
};

} // namespace lumetra
