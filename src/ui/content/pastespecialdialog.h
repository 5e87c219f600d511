#pragma once

#include "ui/content/textediting.h"

#include <QDialog>

class QListWidget;
class QMimeData;

namespace lumetra {

// "选择性粘贴": which of the clipboard's forms to paste.
class PasteSpecialDialog : public QDialog
{
    Q_OBJECT
public:
    PasteSpecialDialog(const QMimeData *data, QWidget *parent);

    bool hasChoices() const;
    TextEditing::PasteKind kind() const;

private:
    QListWidget *m_list;
};

} // namespace lumetra
