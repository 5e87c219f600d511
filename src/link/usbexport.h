#pragma once

#include "link/addressselectors.h"
#include "link/programpreparation.h"
#include "link/programsender.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <functional>

namespace lumetra {

// What the export dialog chose.
struct UsbExportOptions
{
    QString volume; // the disk's root folder
    bool border = false;
    bool clock = false;
    QDate clockDate; // UsbClockDate
    QTime clockTime; // UsbClockTime
};

// transdata_usb: the whole project as <volume>/qelto/qelto.zv, the frames of
// a serial send, most of them as upper-case hexadecimal text.
class UsbExport
{
public:
    UsbExport(Workspace &workspace, ProgramPreparation &preparation, const AddressSelectors &selectors);

    std::function<void(const TransferProgress &)> progress;
    std::function<void(const QString &)> message;

    static QString exportPath(const QString &volume);

    // Renders every program and writes the file whole or not at all: a
    // failure (no disk, full disk, write-protected) throws Error and leaves
    // an old file as it was. Returns the path written.
    QString transdata_usb(const UsbExportOptions &options);

    // The file's bytes, without writing them.
    QByteArray compose(const UsbExportOptions &options);

    // The four header bytes as text: address, program count, the border and
    // clock digit, the settings digit.
    static QByteArray header(const DisplayRecord &display, const AddressSelectors &selectors, bool border, bool clock);
    // Index frame with the disk's clock at 244 … 250 (year % 100, month,
    // day, weekday 0 = Sunday, hour, minute, second).
    static QByteArray withClock(QByteArray indexFrame, const QDate &date, const QTime &time);
    static QByteArray transferLoadRecord(int programNumber, uint8_t finalBlock);

private:
    Workspace &m_workspace;
    ProgramPreparation &m_preparation;
    AddressSelectors m_selectors;
};

} // namespace lumetra
