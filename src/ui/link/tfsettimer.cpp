#include "ui/link/tfsettimer.h"

#include "link/displaycontrol.h"
#include "model/error.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui_tfsettimer.h"

#include <QTimer>

namespace lumetra {

TFSETTIMER::TFSETTIMER(const ControlContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::TFSETTIMER>()),
      m_clock([] { return QDateTime::currentDateTime(); })
{
    m_ui->setupUi(this);
    setFixedSize(size());
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TFSETTIMER::Timer1Timer);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TFSETTIMER::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->Button3, &QPushButton::clicked, this, &TFSETTIMER::Button3Click);

    const DisplayRecord &d = m_context.workspace->display();
    m_ui->DateTimePicker2->setTime(QTime(d.PowerOnHour, d.PowerOnMinute, 0));
    m_ui->DateTimePicker3->setTime(QTime(d.PowerOffHour, d.PowerOffMinute, 0));
}

TFSETTIMER::~TFSETTIMER() = default;

QLabel *TFSETTIMER::clockPanel() const
{
    return m_ui->Panel1;
}

QTimeEdit *TFSETTIMER::powerOnPicker() const
{
    return m_ui->DateTimePicker2;
}

QTimeEdit *TFSETTIMER::powerOffPicker() const
{
    return m_ui->DateTimePicker3;
}

QPushButton *TFSETTIMER::sendButton() const
{
    return m_ui->Button1;
}

QPushButton *TFSETTIMER::saveButton() const
{
    return m_ui->Button3;
}

void TFSETTIMER::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Timer1Timer();
    m_timer1->start();
}

void TFSETTIMER::hideEvent(QHideEvent *event)
{
    m_timer1->stop();
    QDialog::hideEvent(event);
}

void TFSETTIMER::Timer1Timer()
{
    m_ui->Panel1->setText(DisplayControl::clockPanelText(*m_context.workspace, m_clock()));
}

PowerTimes TFSETTIMER::pickedTimes() const
{
    PowerTimes times;
    times.OnHour = m_ui->DateTimePicker2->time().hour();
    times.OnMinute = m_ui->DateTimePicker2->time().minute();
    times.OffHour = m_ui->DateTimePicker3->time().hour();
    times.OffMinute = m_ui->DateTimePicker3->time().minute();
    return times;
}

bool TFSETTIMER::Button3Click()
{
    try {
        DisplayControl::saveTimer(*m_context.workspace, m_context.defaultProject, pickedTimes());
    } catch (const Error &e) {
        // The default project file could not be written.
        m_context.prompts().information(this, e.text());
        return false;
    }
    return true;
}

void TFSETTIMER::Button1Click()
{
    if (!Button3Click())
        return;
    m_ui->Button1->setEnabled(false);
    const CommandOutcome outcome =
        DisplayControl::SendTimer(m_context.port->link(), *m_context.workspace, m_clock(), pickedTimes());
    m_ui->Button1->setEnabled(true);
    if (!outcome.Message.isEmpty())
        m_context.prompts().information(this, outcome.Message);
}

} // namespace lumetra
