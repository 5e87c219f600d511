#pragma once

#include <QColor>
#include <QDialog>

#include <memory>

class QFrame;

namespace Ui {
class TF_TABLE_SIZE;
}

namespace lumetra {

// What the insert-table command builds; kept between uses while the
// program runs.
struct TableSizeValues
{
    int columns = 2;
    int rows = 2;
    int outerWidth = 1;
    int cellWidth = 1;
    QColor outerColour = Qt::red;
    QColor cellColour = Qt::red;
};

// "插入表格": one dialog for the application's lifetime, so that its values
// stay from one table to the next.
class TF_TABLE_SIZE : public QDialog
{
    Q_OBJECT
public:
    static TF_TABLE_SIZE &instance();

    const TableSizeValues &values() const { return m_values; }
    // Shows the stored values again, so that a cancelled edit is forgotten.
    void prepare();
    void bokClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TF_TABLE_SIZE();
    ~TF_TABLE_SIZE() override;

    void showColour(QFrame *panel, const QColor &colour);

    std::unique_ptr<Ui::TF_TABLE_SIZE> m_ui;
    TableSizeValues m_values;
    QColor m_outerShown;
    QColor m_cellShown;
};

} // namespace lumetra
