#pragma once

#include <QDialog>
#include <QTextFormat>

class QComboBox;
class QSpinBox;

namespace lumetra {

class ColourButton;

// "对象属性": a picture's size, or a table cell's background and the
// alignment of its content.
class ItemPropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    ItemPropertiesDialog(const QTextImageFormat &picture, const QSize &natural, QWidget *parent);
    ItemPropertiesDialog(const QTextTableCellFormat &cell, QWidget *parent);

    QTextImageFormat picture() const;
    QTextTableCellFormat cell() const;

private:
    void addButtons();

    QTextImageFormat m_picture;
    QTextTableCellFormat m_cell;
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
    ColourButton *m_background = nullptr;
    QComboBox *m_alignment = nullptr;
};

} // namespace lumetra
