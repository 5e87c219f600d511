#pragma once

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace lumetra {

// "符号": a grid of the characters of one Unicode block to pick from.
class SymbolDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SymbolDialog(QWidget *parent);

    QString symbol() const;
    void showBlock(int index);

private:
    QComboBox *m_blocks;
    QTableWidget *m_grid;
};

} // namespace lumetra
