#include "link/usbexport.h"

#include "link/frames.h"
#include "link/programstream.h"
#include "model/error.h"
#include "model/savefile.h"

#include <QDir>

#include <algorithm>

namespace lumetra {

namespace {

constexpr int TransferLoadRecordLength = 530;

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex().toUpper();
}

} // namespace

UsbExport::UsbExport(Workspace &workspace, ProgramPreparation &preparation, const AddressSelectors &selectors)
    : m_workspace(workspace), m_preparation(preparation), m_selectors(selectors)
{
}

QString UsbExport::exportPath(const QString &volume)
{
    return QDir(volume).filePath(QStringLiteral("qelto/qelto.zv"));
}

QByteArray UsbExport::header(const DisplayRecord &display, const AddressSelectors &selectors, bool border, bool clock)
{
    QByteArray h(4, '\0');
    h[0] = char(addressRuleB(selectors));
    h[1] = char(uint8_t(display.ProgramCount));
    h[2] = border && clock ? '6' : border ? '1' : clock ? '5' : '0';
    h[3] = char('0' + display.UsbCarriesSettings);
    return hex(h);
}

QByteArray UsbExport::withClock(QByteArray indexFrame, const QDate &date, const QTime &time)
{
    const int values[7] = {date.year() % 100, date.month(),  date.day(),   date.dayOfWeek() % 7,
                           time.hour(),       time.minute(), time.second()};
    for (int i = 0; i < 7; ++i)
        indexFrame[244 + i] = char(uint8_t(values[i]));
    return indexFrame;
}

QByteArray UsbExport::transferLoadRecord(int programNumber, uint8_t finalBlock)
{
    QByteArray record =
        QByteArray(TransferLoadRecordLength / 2, char(0xFC)) + QByteArray(TransferLoadRecordLength / 2, char(0x97));
    record[8] = char(uint8_t(programNumber));
    record[9] = char(finalBlock);
    return record;
}

QByteArray UsbExport::compose(const UsbExportOptions &options)
{
    Workspace &ws = m_workspace;
    const DisplayRecord &display = ws.display();
    QByteArray file = header(display, m_selectors, options.border, options.clock);
    if (display.UsbCarriesSettings > 0)
        file += hex(screenSetFrame(screenParameterBlock(display, display, ParameterBlockVariant::Usb)));

    // The disk's data frames always carry address 1.
    const AddressSelectors dataAddress{};
    const int programs = std::clamp(display.ProgramCount, 0, MaxPrograms);
    for (int k = 0; k < programs; ++k) {
        const PreparedProgram prepared = m_preparation.prepare(ws, k);
        if (message)
            for (const QString &text : prepared.messages)
                message(text);
        QByteArray index = programIndexFrame(ws.display(), k, m_selectors);
        if (options.clock)
            index = withClock(index, options.clockDate, options.clockTime);
        file += hex(index);

        const ProgramStream stream(ws.planes(), StreamGeometry::fromSettings(ws.WorkingSettings), ws.program(k + 1));
        TransferProgress p{k + 1, 0, stream.bytes().size()};
        if (progress)
            progress(p);
        const int blocks = stream.blockCount();
        file.reserve(file.size() + qsizetype(blocks) * 2 * ProgramDataLength + TransferLoadRecordLength);
        for (int i = 0; i < blocks; ++i) {
            file += hex(programDataFrame(dataAddress, k + 1, ProgramStream::blockNumber(i), stream.block(i)));
            p.position = std::min<qint64>(qint64(i + 1) * DataBlockSize, p.maximum);
            if (progress)
                progress(p);
        }
        file += transferLoadRecord(k + 1, stream.finalBlockValue());
    }
    return file;
}

QString UsbExport::transdata_usb(const UsbExportOptions &options)
{
    const QString path = exportPath(options.volume);
    const QByteArray bytes = compose(options);
    ensureFolder(QDir(options.volume).filePath(QStringLiteral("qelto")));
    writeFileAtomically(path, bytes);
    return path;
}

} // namespace lumetra
