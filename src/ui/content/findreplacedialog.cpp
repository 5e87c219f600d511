#include "ui/content/findreplacedialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lumetra {

FindReplaceDialog::FindReplaceDialog(QTextEdit *editor, QWidget *parent) : QDialog(parent), m_editor(editor)
{
    setObjectName("FindReplaceDialog");
    auto *layout = new QGridLayout(this);
    auto *findLabel = new QLabel(QStringLiteral("查找内容(&N):"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName("EditFind");
    findLabel->setBuddy(m_find);
    m_replaceLabel = new QLabel(QStringLiteral("替换为(&P):"), this);
    m_replace = new QLineEdit(this);
    m_replace->setObjectName("EditReplace");
    m_replaceLabel->setBuddy(m_replace);
    m_case = new QCheckBox(QStringLiteral("区分大小写(&M)"), this);
    m_case->setObjectName("CheckCase");
    m_word = new QCheckBox(QStringLiteral("全字匹配(&W)"), this);
    m_word->setObjectName("CheckWholeWord");
    m_up = new QCheckBox(QStringLiteral("向上查找(&U)"), this);
    m_up->setObjectName("CheckUp");
    m_status = new QLabel(this);
    m_status->setObjectName("LabelStatus");

    auto *findButton = new QPushButton(QStringLiteral("查找下一个(&F)"), this);
    findButton->setObjectName("ButtonFindNext");
    findButton->setDefault(true);
    m_replaceButton = new QPushButton(QStringLiteral("替换(&R)"), this);
    m_replaceButton->setObjectName("ButtonReplace");
    m_replaceAllButton = new QPushButton(QStringLiteral("全部替换(&A)"), this);
    m_replaceAllButton->setObjectName("ButtonReplaceAll");
    auto *closeButton = new QPushButton(QStringLiteral("关闭"), this);
    closeButton->setObjectName("ButtonClose");

    layout->addWidget(findLabel, 0, 0);
    layout->addWidget(m_find, 0, 1);
    layout->addWidget(m_replaceLabel, 1, 0);
    layout->addWidget(m_replace, 1, 1);
    layout->addWidget(m_case, 2, 0, 1, 2);
    layout->addWidget(m_word, 3, 0, 1, 2);
    layout->addWidget(m_up, 4, 0, 1, 2);
    layout->addWidget(m_status, 5, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(m_replaceButton);
    buttons->addWidget(m_replaceAllButton);
    buttons->addWidget(closeButton);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 6, 1);

    connect(findButton, &QPushButton::clicked, this, &FindReplaceDialog::findNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &FindReplaceDialog::replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &FindReplaceDialog::replaceAll);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void FindReplaceDialog::showFind(bool replace)
{
    setWindowTitle(replace ? QStringLiteral("替换") : QStringLiteral("查找"));
    for (QWidget *w : {static_cast<QWidget *>(m_replaceLabel), static_cast<QWidget *>(m_replace),
                       static_cast<QWidget *>(m_replaceButton), static_cast<QWidget *>(m_replaceAllButton)})
        w->setVisible(replace);
    m_status->clear();
    const QTextCursor cursor = m_editor->textCursor();
    if (cursor.hasSelection() && !cursor.selectedText().contains(QChar::ParagraphSeparator))
        m_find->setText(cursor.selectedText());
    show();
    raise();
    activateWindow();
    m_find->setFocus();
    m_find->selectAll();
}

QString FindReplaceDialog::findText() const
{
    return m_find->text();
}

void FindReplaceDialog::setFindText(const QString &text)
{
    m_find->setText(text);
}

void FindReplaceDialog::setReplaceText(const QString &text)
{
    m_replace->setText(text);
}

QTextDocument::FindFlags FindReplaceDialog::flags(bool backward) const
{
    QTextDocument::FindFlags f;
    if (m_case->isChecked())
        f |= QTextDocument::FindCaseSensitively;
    if (m_word->isChecked())
        f |= QTextDocument::FindWholeWords;
    if (backward)
        f |= QTextDocument::FindBackward;
    return f;
}

bool FindReplaceDialog::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    const QTextCursor found = m_editor->document()->find(text, m_editor->textCursor(), flags(m_up->isChecked()));
    if (found.isNull()) {
        m_status->setText(QStringLiteral("找不到“%1”。").arg(text));
        return false;
    }
    m_status->clear();
    m_editor->setTextCursor(found);
    return true;
}

bool FindReplaceDialog::selectionMatches() const
{
    const QTextCursor cursor = m_editor->textCursor();
    if (!cursor.hasSelection())
        return false;
    const Qt::CaseSensitivity cs = m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return cursor.selectedText().compare(m_find->text(), cs) == 0;
}

bool FindReplaceDialog::replace()
{
    if (m_find->text().isEmpty())
        return false;
    if (selectionMatches()) {
        QTextCursor cursor = m_editor->textCursor();
        cursor.insertText(m_replace->text());
        m_editor->setTextCursor(cursor);
    }
    return findNext();
}

int FindReplaceDialog::replaceAll()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return 0;
    QTextDocument *document = m_editor->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    int count = 0;
    for (;;) {
        // Searching on after each replacement, so a replacement that holds
        // the searched text is not replaced again.
        const QTextCursor found = document->find(text, cursor, flags(false));
        if (found.isNull())
            break;
        cursor.setPosition(found.anchor());
        cursor.setPosition(found.position(), QTextCursor::KeepAnchor);
        cursor.insertText(m_replace->text());
        ++count;
    }
    cursor.endEditBlock();
    m_status->setText(QStringLiteral("已替换 %1 处。").arg(count));
    return count;
}

} // namespace lumetra
