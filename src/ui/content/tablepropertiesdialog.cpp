#include "ui/content/tablepropertiesdialog.h"

#include "ui/content/colourbutton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QTextCursor>
#include <QTextTable>
#include <QVBoxLayout>

#include <cmath>

namespace lumetra {

namespace {

QSpinBox *spin(const char *name, int maximum, qreal value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, maximum);
    box->setValue(int(std::lround(value)));
    return box;
}

QColor brushColour(const QBrush &brush, const QColor &fallback)
{
    return brush.style() == Qt::NoBrush ? fallback : brush.color();
}

} // namespace

TablePropertiesDialog::TablePropertiesDialog(QTextTable *table, QWidget *parent) : QDialog(parent)
{
    setObjectName("TablePropertiesDialog");
    setWindowTitle(QStringLiteral("表格属性"));
    const QTextTableFormat format = table->format();
    const QTextTableCellFormat cell = table->cellAt(0, 0).format().toTableCellFormat();
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_border = spin("SpinBorder", 63, format.border(), this);
    m_borderColour = new ColourButton(brushColour(format.borderBrush(), Qt::red), this);
    m_borderColour->setObjectName("ButtonBorderColour");
    m_cellBorder = spin("SpinCellBorder", 63, cell.leftBorder(), this);
    m_cellBorderColour = new ColourButton(brushColour(cell.leftBorderBrush(), Qt::red), this);
    m_cellBorderColour->setObjectName("ButtonCellBorderColour");
    m_padding = spin("SpinPadding", 100, format.cellPadding(), this);
    m_spacing = spin("SpinSpacing", 100, format.cellSpacing(), this);
    m_background = new ColourButton(brushColour(format.background(), Qt::black), this);
    m_background->setObjectName("ButtonBackground");
    m_noBackground = new QCheckBox(QStringLiteral("透明"), this);
    m_noBackground->setObjectName("CheckNoBackground");
    m_noBackground->setChecked(format.background().style() == Qt::NoBrush);
    form->addRow(QStringLiteral("外边框宽度:"), m_border);
    form->addRow(QStringLiteral("外边框颜色:"), m_borderColour);
    form->addRow(QStringLiteral("内边框宽度:"), m_cellBorder);
    form->addRow(QStringLiteral("内边框颜色:"), m_cellBorderColour);
    form->addRow(QStringLiteral("单元格边距:"), m_padding);
    form->addRow(QStringLiteral("单元格间距:"), m_spacing);
    form->addRow(QStringLiteral("背景颜色:"), m_background);
    form->addRow(QString(), m_noBackground);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TablePropertiesDialog::apply(QTextTable *table) const
{
    QTextCursor cursor = table->firstCursorPosition();
    cursor.beginEditBlock();
    QTextTableFormat format = table->format();
    format.setBorder(m_border->value());
    format.setBorderBrush(m_borderColour->colour());
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(m_padding->value());
    format.setCellSpacing(m_spacing->value());
    // Shared borders only make sense without space between the cells.
    format.setBorderCollapse(m_spacing->value() == 0);
    if (m_noBackground->isChecked())
        format.setBackground(Qt::NoBrush);
    else
        format.setBackground(m_background->colour());
    table->setFormat(format);
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            QTextTableCellFormat f = cell.format().toTableCellFormat();
            f.setBorder(m_cellBorder->value());
            f.setBorderBrush(m_cellBorderColour->colour());
            f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            cell.setFormat(f);
        }
    }
    cursor.endEditBlock();
}

} // namespace lumetra
