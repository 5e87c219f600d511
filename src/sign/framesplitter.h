#pragma once

#include "sign/signframe.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace lumetra::sign {

// Cuts the bytes from the line into frames by their shapes: the "SNDDAT"
// frames by kind byte and the place of "SNDDEN", the transfer-load by its
// six leading bytes, the short test and read frames by their letters. Bytes
// that start no frame come out as Unparsed pieces.
class FrameSplitter
{
public:
    QList<SignFrame> feed(QByteArrayView bytes);

    // What is left of an unfinished frame, as one Unparsed piece (empty list
    // when nothing is pending); for when the line has gone quiet.
    QList<SignFrame> flush();

    bool hasPending() const { return !m_buffer.isEmpty(); }

private:
    enum class Match { Frame, NeedMore, NoFrame };
    Match matchAtStart(SignFrame &frame) const;
    Match matchControl(SignFrame &frame) const;
    static bool canStartFrame(char c);

    QByteArray m_buffer;
};

} // namespace lumetra::sign
