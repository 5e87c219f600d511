#include "ui/link/tfcom.h"

#include "link/displaysearch.h"
#include "link/portsettings.h"
#include "model/error.h"
#include "model/gbk.h"
#include "ui/app/statuspanels.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui/link/portsetupdialog.h"
#include "ui_tfcom.h"

#include <QComboBox>
#include <QShowEvent>

namespace lumetra {

TF_com::TF_com(const ControlContext &context, QComboBox *ports, StatusPanels *panels, QWidget *parent)
    : QDialog(parent), m_context(context), m_ports(ports), m_panels(panels), m_ui(std::make_unique<Ui::TF_com>()),
      m_runModal([](QDialog &dialog) { return dialog.exec(); })
{
    m_ui->setupUi(this);
    setFixedSize(size());
    connect(m_ui->Button1, &QPushButton::clicked, this, &TF_com::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &TF_com::Button2Click);
    connect(m_ui->Button3, &QPushButton::clicked, this, &QDialog::reject);
}

TF_com::~TF_com() = default;

QLabel *TF_com::label() const
{
    return m_ui->Label1;
}

QProgressBar *TF_com::progressBar() const
{
    return m_ui->ProgressBar1;
}

QPushButton *TF_com::manualButton() const
{
    return m_ui->Button2;
}

void TF_com::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Button1Click();
}

void TF_com::Button1Click()
{
    QStringList ports;
    for (int i = 0; i < m_ports->count(); ++i)
        ports << m_ports->itemText(i);
    Workspace &ws = *m_context.workspace;
    m_ui->Button1->setEnabled(false);
    try {
        DisplaySearch::run(m_context.port->link(), ws, ports, m_context.defaultProject,
                           [this, &ws](int progress, const QString &label) {
                               m_ui->ProgressBar1->setValue(progress);
                               if (!label.isEmpty())
                                   m_ui->Label1->setText(label);
                               // The list shows the port being probed, as the record does.
                               m_ports->setCurrentText(fromGbk(ws.display().SerialPort));
                           });
    } catch (const Error &e) {
        m_context.prompts().information(this, e.text());
    }
    m_ui->Button1->setEnabled(true);
    m_panels->refresh(ws);
}

void TF_com::Button2Click()
{
    Workspace &ws = *m_context.workspace;
    DisplayRecord &d = ws.display();
    if (!PortSetupDialog::chooseFor(d, *m_ports, m_runModal, this))
        return;
    try {
        const QString name = PortSettings::ApplayCom(ws, m_context.defaultProject);
        m_ports->setCurrentText(name);
        ws.StatusPanels[3] = linkTypeName(d.LinkType);
    } catch (const Error &e) {
        m_context.prompts().information(this, e.text());
    }
    m_panels->refresh(ws);
}

} // namespace lumetra
