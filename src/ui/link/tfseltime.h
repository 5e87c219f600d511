#pragma once

#include <QDialog>

class QCalendarWidget;
class QTimeEdit;

namespace lumetra {

// "编辑U盘插入到显示屏的时间": the clock the disk sets when it is plugged in.
class TF_seltime : public QDialog
{
    Q_OBJECT
public:
    explicit TF_seltime(QWidget *parent = nullptr);

    QCalendarWidget *calendar() const { return m_calendar; }
    QTimeEdit *timePicker() const { return m_time; }

private:
    QCalendarWidget *m_calendar = nullptr;
    QTimeEdit *m_time = nullptr;
};

} // namespace lumetra
