#include "ui/link/tflsbk.h"

#include "link/displaycontrol.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui_tflsbk.h"

namespace lumetra {

TF_LSBK::TF_LSBK(const ControlContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::TF_LSBK>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    connect(m_ui->Button1, &QPushButton::clicked, this, &TF_LSBK::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TF_LSBK::~TF_LSBK() = default;

QCheckBox *TF_LSBK::borderBox() const
{
    return m_ui->CheckBox1;
}

QPushButton *TF_LSBK::sendButton() const
{
    return m_ui->Button1;
}

void TF_LSBK::Button1Click()
{
    m_ui->Button1->setEnabled(false);
    const CommandOutcome outcome =
        DisplayControl::Sendlsbk(m_context.port->link(), *m_context.workspace, m_ui->CheckBox1->isChecked());
    m_ui->Button1->setEnabled(true);
    if (!outcome.Message.isEmpty())
        m_context.prompts().information(this, outcome.Message);
}

} // namespace lumetra
