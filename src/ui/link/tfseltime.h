#pragma once

#include <QDialog>

#include <memory>

class QCalendarWidget;
class QTimeEdit;

namespace Ui {
class TF_seltime;
}

namespace lumetra {

// "编辑U盘插入到显示屏的时间": the clock the disk sets when it is plugged in.
class TF_seltime : public QDialog
{
    Q_OBJECT
public:
    explicit TF_seltime(QWidget *parent = nullptr);
    ~TF_seltime() override;

    QCalendarWidget *calendar() const;
    QTimeEdit *timePicker() const;

private:
    std::unique_ptr<Ui::TF_seltime> m_ui;
};

} // namespace lumetra
