#include "link/portsettings.h"

#include "link/linkmessages.h"
#include "model/error.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/projectkeys.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace lumetra {

int32_t PortSettings::appliedBaudRate(int32_t stored)
{
    switch (stored) {
    case 4800:
    case 19200:
    case 38400:
    case 57600:
    case 115200:
        return stored;
    default:
        return 9600;
    }
}

QString PortSettings::ApplayCom(WorkspaceState &state, const QString &defaultProject)
{
    DisplayRecord &d = state.display();
    state.ComPort.PortName = d.SerialPort;
    state.ComPort.BaudRate = appliedBaudRate(d.BaudRate);
    d.SerialPort = state.ComPort.PortName;
    d.BaudRate = state.ComPort.BaudRate;

    const ProjectKeys &k = ProjectKeys::get();
    IniDocument ini = IniDocument::load(defaultProject);
    ini.setValue(k.LinkSection, toGbk(u"通讯类型"), QByteArray::number(d.LinkType));
    ini.setValue(k.SerialSection, toGbk(u"串口"), d.SerialPort);
    ini.setValue(k.SerialSection, toGbk(u"波特率"), QByteArray::number(d.BaudRate));
    ini.save(defaultProject);

    const QString portName = fromGbk(d.SerialPort);
    state.StatusPanels[4] = portName;
    state.StatusPanels[5] = QString::number(d.BaudRate);
    return portName;
}

QString PortSettings::Combo1Change(WorkspaceState &state, const QStringList &ports, const QString &selected,
                                   const QString &defaultProject)
{
    if (ports.isEmpty())
        return QString();
    if (state.UiReady > 0) {
        state.ComPort.PortName = toGbk(selected);
        state.display().SerialPort = state.ComPort.PortName;
        // "串口" reaches the file with the other port settings below.
    }
    return ApplayCom(state, defaultProject);
}

void PortSettings::requirePorts(const QStringList &ports)
{
    if (ports.isEmpty())
        throw Error(noSerialPortMessage());
}

QString PortSettings::virtualSignLink(const QString &home)
{
    return home + QStringLiteral("/virtual-sign");
}

QStringList PortSettings::availablePorts(const QString &home)
{
    QStringList ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports << info.systemLocation();
    // exists() follows the link: a link left by a stopped card is not listed.
    const QString link = virtualSignLink(home);
    if (!home.isEmpty() && QFileInfo::exists(link))
        ports << link;
    return ports;
}

} // namespace lumetra
