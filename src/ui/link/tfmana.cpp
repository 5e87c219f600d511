#include "ui/link/tfmana.h"

#include "project/hardwaresettings.h"
#include "ui/app/userprompts.h"
#include "ui_tfmana.h"

#include <QShowEvent>

namespace lumetra {

TFMANA::TFMANA(const ControlContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::TFMANA>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    connect(m_ui->Button1, &QPushButton::clicked, this, &TFMANA::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TFMANA::~TFMANA() = default;

QLineEdit *TFMANA::passwordEdit() const
{
    return m_ui->Edit1;
}

QPushButton *TFMANA::confirmButton() const
{
    return m_ui->Button1;
}

void TFMANA::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ui->Edit1->clear();
    m_ui->Edit1->setFocus();
}

void TFMANA::Button1Click()
{
    if (!HardwareSettings::gateAccepts(*m_context.workspace, m_ui->Edit1->text())) {
        m_context.prompts().information(this, QStringLiteral("密码错误,请重新录入。"));
        return;
    }
    accept();
}

} // namespace lumetra
