#include "ui/content/symboldialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumetra {

namespace {

struct Block
{
    const char16_t *name;
    char16_t first;
    char16_t last;
};

const Block Blocks[] = {
    {u"CJK 符号和标点", 0x3000, 0x303F}, {u"全角字符", 0xFF01, 0xFF5E},     {u"通用标点", 0x2010, 0x205E},
    {u"拉丁字母补充", 0x00A1, 0x00FF},   {u"希腊字母", 0x0391, 0x03C9},     {u"箭头", 0x2190, 0x21FF},
    {u"数学运算符", 0x2200, 0x22FF},     {u"制表符", 0x2500, 0x257F},       {u"几何图形", 0x25A0, 0x25FF},
    {u"杂项符号", 0x2600, 0x26FF},       {u"带圈字母数字", 0x2460, 0x24FF},
};

constexpr int Columns = 16;

} // namespace

SymbolDialog::SymbolDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName("SymbolDialog");
    setWindowTitle(QStringLiteral("符号"));
    auto *layout = new QVBoxLayout(this);
    m_blocks = new QComboBox(this);
    m_blocks->setObjectName("ComboBlock");
    for (const Block &block : Blocks)
        m_blocks->addItem(QString::fromUtf16(block.name));
    layout->addWidget(m_blocks);
    m_grid = new QTableWidget(this);
    m_grid->setObjectName("GridSymbols");
    m_grid->setColumnCount(Columns);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultSectionSize(26);
    m_grid->verticalHeader()->setDefaultSectionSize(26);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setMinimumSize(Columns * 26 + 24, 8 * 26);
    layout->addWidget(m_grid);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("插入(&I)"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
        if (!symbol().isEmpty())
            accept();
    });
    connect(m_blocks, &QComboBox::currentIndexChanged, this, &SymbolDialog::showBlock);
    showBlock(0);
}

void SymbolDialog::showBlock(int index)
{
    if (index < 0 || index >= int(std::size(Blocks)))
        return;
    const Block &block = Blocks[index];
    const int count = block.last - block.first + 1;
    m_grid->clearContents();
    m_grid->setRowCount((count + Columns - 1) / Columns);
    for (int i = 0; i < count; ++i) {
        const QChar c(char16_t(block.first + i));
        if (!c.isPrint())
            continue;
        auto *item = new QTableWidgetItem(QString(c));
        item->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(i / Columns, i % Columns, item);
    }
    m_grid->setCurrentCell(0, 0);
}

QString SymbolDialog::symbol() const
{
    const QTableWidgetItem *item = m_grid->currentItem();
    return item ? item->text() : QString();
}

} // namespace lumetra
