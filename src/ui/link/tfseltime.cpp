#include "ui/link/tfseltime.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace lumetra {

TF_seltime::TF_seltime(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_seltime"));
    setWindowTitle(QStringLiteral("编辑U盘插入到显示屏的时间"));
    auto *layout = new QVBoxLayout(this);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthCalendar1"));
    layout->addWidget(m_calendar);
    m_time = new QTimeEdit(this);
    m_time->setObjectName(QStringLiteral("DateTimePicker2"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    layout->addWidget(m_time);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("确认"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("Button2"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace lumetra
