#pragma once

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace lumetra {

// One find / replace window for the editor; it stays open beside it.
class FindReplaceDialog : public QDialog
{
    Q_OBJECT
public:
    FindReplaceDialog(QTextEdit *editor, QWidget *parent);

    void showFind(bool replace);
    QString findText() const;
    void setFindText(const QString &text);
    void setReplaceText(const QString &text);

    // From the caret on; false (and a note) when nothing more is found.
    bool findNext();
    // Replaces the selection when it is a match, then finds the next.
    bool replace();
    int replaceAll();

private:
    QTextDocument::FindFlags flags(bool backward) const;
    bool selectionMatches() const;

    QTextEdit *m_editor;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QLabel *m_replaceLabel;
    QCheckBox *m_case;
    QCheckBox *m_word;
    QCheckBox *m_up;
    QPushButton *m_replaceButton;
    QPushButton *m_replaceAllButton;
    QLabel *m_status;
};

} // namespace lumetra
