#include "ui/content/pastespecialdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace lumetra {

PasteSpecialDialog::PasteSpecialDialog(const QMimeData *data, QWidget *parent) : QDialog(parent)
{
    setObjectName("PasteSpecialDialog");
    setWindowTitle(QStringLiteral("选择性粘贴"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("粘贴为(&A):"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName("ListFormats");
    layout->addWidget(m_list);
    using TextEditing::PasteKind;
    const std::pair<PasteKind, QString> kinds[] = {{PasteKind::RichText, QStringLiteral("RTF 格式文本")},
                                                   {PasteKind::PlainText, QStringLiteral("无格式文本")},
                                                   {PasteKind::Picture, QStringLiteral("图片")}};
    for (const auto &[kind, caption] : kinds) {
        if (!TextEditing::canPaste(data, kind))
            continue;
        auto *item = new QListWidgetItem(caption, m_list);
        item->setData(Qt::UserRole, int(kind));
    }
    m_list->setCurrentRow(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

bool PasteSpecialDialog::hasChoices() const
{
    return m_list->count() > 0;
}

TextEditing::PasteKind PasteSpecialDialog::kind() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? TextEditing::PasteKind(item->data(Qt::UserRole).toInt()) : TextEditing::PasteKind::PlainText;
}

} // namespace lumetra
