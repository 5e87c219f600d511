#include "ui/link/portsetupdialog.h"

#include "link/portsettings.h"
#include "model/gbk.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumetra {

QList<int> PortSetupDialog::rates()
{
    return {115200, 57600, 38400, 19200, 9600, 4800};
}

bool PortSetupDialog::chooseFor(DisplayRecord &display, const QComboBox &listed,
                                const std::function<int(QDialog &)> &runModal, QWidget *parent)
{
    QStringList ports;
    for (int i = 0; i < listed.count(); ++i)
        ports << listed.itemText(i);
    PortSetupDialog setup(ports, fromGbk(display.SerialPort), PortSettings::appliedBaudRate(display.BaudRate), parent);
    if (runModal(setup) != QDialog::Accepted)
        return false;
    if (!setup.portName().isEmpty())
        display.SerialPort = toGbk(setup.portName());
    display.BaudRate = setup.baudRate();
    return true;
}

PortSetupDialog::PortSetupDialog(const QStringList &ports, const QString &port, int baudRate, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PortSetupDialog"));
    setWindowTitle(QStringLiteral("设置窗体"));
    auto *group = new QGroupBox(QStringLiteral("串口设置"), this);
    m_port = new QComboBox(group);
    m_port->setObjectName(QStringLiteral("ComboBoxPort"));
    // A port the list does not know (a device path) can be typed.
    m_port->setEditable(true);
    m_port->addItems(ports);
    m_port->setCurrentText(port);
    m_rate = new QComboBox(group);
    m_rate->setObjectName(QStringLiteral("ComboBoxBaudRate"));
    for (int rate : rates())
        m_rate->addItem(QString::number(rate), rate);
    const int rateIndex = m_rate->findData(rates().contains(baudRate) ? baudRate : 9600);
    m_rate->setCurrentIndex(rateIndex);
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("端口"), m_port);
    form->addRow(QStringLiteral("波特率"), m_rate);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(300, sizeHint().height());
}

QString PortSetupDialog::portName() const
{
    return m_port->currentText().trimmed();
}

int PortSetupDialog::baudRate() const
{
    return m_rate->currentData().toInt();
}

} // namespace lumetra
