#pragma once

#include "model/workspace.h"

#include <QString>
#include <QStringList>

namespace lumetra {

// The port settings of the display: applying them to the serial settings,
// storing them in the fixed default project file, and the list of ports.
class PortSettings
{
public:
    // The rate the port runs at for a stored baud rate: 4800, 19200, 38400,
    // 57600, 115200 as they are, anything else 9600.
    static int32_t appliedBaudRate(int32_t stored);

    // ApplayCom: applies SerialPort and BaudRate to the serial settings, reads
    // them back into the display record, writes "通讯类型", "串口" and
    // "波特率" to defaultProject and sets status panels 4 and 5. Returns the
    // port name for the port list's text. Throws Error when the file cannot
    // be written.
    static QString ApplayCom(WorkspaceState &state, const QString &defaultProject);

    // Combo1Change: the port list's choice. Does nothing while the list is
    // empty; before the window is ready it only runs ApplayCom.
    static QString Combo1Change(WorkspaceState &state, const QStringList &ports, const QString &selected,
                                const QString &defaultProject);

    // The computer's serial ports, then the virtual card's link in the home
    // when one is running.
    static QStringList availablePorts(const QString &home);
    // For the commands that need a port at all: throws Error with
    // "电脑可能没有串口请检查后再操作。" when the list is empty.
    static void requirePorts(const QStringList &ports);
    static QString virtualSignLink(const QString &home);
};

} // namespace lumetra
