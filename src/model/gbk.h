#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace lumetra {

// Text in the model is GBK bytes. These helpers are the only way in and out.

// Characters GBK cannot hold become "?".
QByteArray toGbk(QStringView text);
QString fromGbk(QByteArrayView bytes);

// A byte of 0x80 or above starts a two-byte character.
inline bool isLeadByte(char c)
{
    return static_cast<unsigned char>(c) >= 0x80;
}

// Length in bytes of the character starting at pos (1 or 2; 1 for a lead byte
// that is the last byte of the text).
int gbkCharLength(QByteArrayView text, qsizetype pos);

// Number of characters, counting a lead byte and its follower as one.
qsizetype gbkCharCount(QByteArrayView text);

// Width in half cells: one-byte characters count 1, two-byte characters 2.
qsizetype gbkHalfCells(QByteArrayView text);

} // namespace lumetra
