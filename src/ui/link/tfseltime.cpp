#include "ui/link/tfseltime.h"

#include "ui_tfseltime.h"

namespace lumetra {

TF_seltime::TF_seltime(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TF_seltime>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TF_seltime::~TF_seltime() = default;

QCalendarWidget *TF_seltime::calendar() const
{
    return m_ui->MonthCalendar1;
}

QTimeEdit *TF_seltime::timePicker() const
{
    return m_ui->DateTimePicker2;
}

} // namespace lumetra
