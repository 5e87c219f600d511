#include "sign/usbreader.h"

#include "link/frames.h"

namespace lumetra::sign {

namespace {

constexpr int LoadRecordLength = 530;

bool isHex(const QByteArray &text)
{
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// n bytes written as 2n hexadecimal characters at pos, or empty.
QByteArray hexAt(const QByteArray &file, qsizetype pos, int n)
{
    const QByteArray text = file.mid(pos, 2 * n);
    if (text.size() != 2 * n || !isHex(text))
        return {};
    return QByteArray::fromHex(text);
}

} // namespace

UsbReader::Result UsbReader::parse(const QByteArray &file)
{
    Result result;
    result.header = hexAt(file, 0, 4);
    if (result.header.isEmpty()) {
        result.error = QStringLiteral("no header");
        return result;
    }
    qsizetype pos = 8;
    if (result.header.at(3) == '1') {
        const QByteArray screenSet = hexAt(file, pos, ScreenSetLength);
        if (screenSet.isEmpty()) {
            result.error = QStringLiteral("screen-set frame cut short at %1").arg(pos);
            return result;
        }
        result.frames.append({FrameKind::ScreenSet, screenSet});
        pos += 2 * ScreenSetLength;
    }
    const QByteArray startHex = QByteArray("SNDDAT").toHex().toUpper();
    while (pos < file.size()) {
        if (uint8_t(file.at(pos)) == 0xFC) {
            const QByteArray record = file.mid(pos, LoadRecordLength);
            if (record.size() != LoadRecordLength) {
                result.error = QStringLiteral("transfer-load record cut short at %1").arg(pos);
                return result;
            }
            // As the serial transfer-load frame: program and final block value.
            QByteArray load = QByteArray::fromHex("fffefdfcfbfaff01");
            load += record.at(8);
            load += record.at(9);
            result.frames.append({FrameKind::TransferLoad, load});
            pos += LoadRecordLength;
            continue;
        }
        if (file.mid(pos, startHex.size()).toUpper() != startHex) {
            result.error = QStringLiteral("unknown record at %1").arg(pos);
            return result;
        }
        const QByteArray kind = hexAt(file, pos + 12, 1);
        const bool index = !kind.isEmpty() && uint8_t(kind.at(0)) == IndexKind;
        const int length = index ? ProgramIndexLength : ProgramDataLength;
        const QByteArray frame = hexAt(file, pos, length);
        if (frame.isEmpty()) {
            result.error = QStringLiteral("frame cut short at %1").arg(pos);
            return result;
        }
        result.frames.append({index ? FrameKind::ProgramIndex : FrameKind::ProgramData, frame});
        pos += 2 * length;
    }
    return result;
}

} // namespace lumetra::sign
