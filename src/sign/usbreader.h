#pragma once

#include "sign/signframe.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumetra::sign {

// Reads a USB export file back into the frames it carries: the header, the
// screen-set frame when the file carries the settings, then per program the
// index, the data blocks and the transfer-load record.
class UsbReader
{
public:
    struct Result
    {
        QByteArray header; // 4 bytes
        QList<SignFrame> frames;
        QString error; // empty when the whole file was understood
    };

    static Result parse(const QByteArray &file);
};

} // namespace lumetra::sign
