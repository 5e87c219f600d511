#include "ui/content/itempropertiesdialog.h"

#include "ui/content/colourbutton.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <cmath>

namespace lumetra {

namespace {

QSpinBox *sizeBox(const char *name, qreal value, int natural, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 8192);
    box->setSuffix(QStringLiteral(" 像素"));
    box->setValue(value > 0 ? int(std::lround(value)) : std::max(1, natural));
    return box;
}

} // namespace

ItemPropertiesDialog::ItemPropertiesDialog(const QTextImageFormat &picture, const QSize &natural, QWidget *parent)
    : QDialog(parent), m_picture(picture)
{
    setObjectName("ItemPropertiesDialog");
    setWindowTitle(QStringLiteral("图片属性"));
    auto *form = new QFormLayout(this);
    m_width = sizeBox("SpinWidth", picture.width(), natural.width(), this);
    m_height = sizeBox("SpinHeight", picture.height(), natural.height(), this);
    form->addRow(QStringLiteral("宽度(&W):"), m_width);
    form->addRow(QStringLiteral("高度(&H):"), m_height);
    addButtons();
}

ItemPropertiesDialog::ItemPropertiesDialog(const QTextTableCellFormat &cell, QWidget *parent)
    : QDialog(parent), m_cell(cell)
{
    setObjectName("ItemPropertiesDialog");
    setWindowTitle(QStringLiteral("单元格属性"));
    auto *form = new QFormLayout(this);
    const QBrush background = cell.background();
    m_background = new ColourButton(background.style() == Qt::NoBrush ? QColor() : background.color(), this);
    m_background->setObjectName("ButtonBackground");
    m_alignment = new QComboBox(this);
    m_alignment->setObjectName("ComboAlignment");
    m_alignment->addItem(QStringLiteral("默认"), int(QTextCharFormat::AlignNormal));
    m_alignment->addItem(QStringLiteral("顶端"), int(QTextCharFormat::AlignTop));
    m_alignment->addItem(QStringLiteral("居中"), int(QTextCharFormat::AlignMiddle));
    m_alignment->addItem(QStringLiteral("底端"), int(QTextCharFormat::AlignBottom));
    m_alignment->setCurrentIndex(std::max(0, m_alignment->findData(int(cell.verticalAlignment()))));
    form->addRow(QStringLiteral("背景颜色(&B):"), m_background);
    form->addRow(QStringLiteral("内容对齐(&A):"), m_alignment);
    addButtons();
}

void ItemPropertiesDialog::addButtons()
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    static_cast<QFormLayout *>(layout())->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QTextImageFormat ItemPropertiesDialog::picture() const
{
    QTextImageFormat f = m_picture;
    if (m_width) {
        f.setWidth(m_width->value());
        f.setHeight(m_height->value());
    }
    return f;
}

QTextTableCellFormat ItemPropertiesDialog::cell() const
{
    QTextTableCellFormat f = m_cell;
    if (!m_alignment)
        return f;
    if (m_background->colour().isValid())
        f.setBackground(m_background->colour());
    else
        f.clearBackground();
    const auto alignment = QTextCharFormat::VerticalAlignment(m_alignment->currentData().toInt());
    if (alignment == QTextCharFormat::AlignNormal)
        f.clearProperty(QTextFormat::TextVerticalAlignment);
    else
        f.setVerticalAlignment(alignment);
    return f;
}

} // namespace lumetra
