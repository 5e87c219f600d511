#include "sign/framesplitter.h"

#include "link/frames.h"

namespace lumetra::sign {

namespace {

const QByteArray Start = QByteArrayLiteral("SNDDAT");
const QByteArray End = QByteArrayLiteral("SNDDEN");
const QByteArray LoadStart = QByteArray::fromHex("fffefdfcfbfaff");

// Compares what is there of prefix; true when the buffer could still become it.
bool couldBe(const QByteArray &buffer, const QByteArray &prefix)
{
    const qsizetype n = std::min(buffer.size(), prefix.size());
    return buffer.left(n) == prefix.left(n);
}

bool closesWith(const QByteArray &b, int length, uint8_t c1, uint8_t c2)
{
    return b.mid(length - 8, 6) == End && uint8_t(b[length - 2]) == c1 && uint8_t(b[length - 1]) == c2;
}

} // namespace

bool FrameSplitter::canStartFrame(char c)
{
    return c == 'S' || c == 'T' || c == 'C' || uint8_t(c) == 0xFF;
}

FrameSplitter::Match FrameSplitter::matchControl(SignFrame &frame) const
{
    struct Shape
    {
        int length;
        uint8_t close1, close2;
        FrameKind kind;
    };
    static const Shape shapes[] = {
        {PowerLength, 0xFF, 0xFF, FrameKind::Power},           {PauseLength, 0xFF, 0xFF, FrameKind::Pause},
        {BrightnessLength, 0xFF, 0xFF, FrameKind::Brightness}, {BorderLength, 0xFF, 0xFE, FrameKind::Border},
        {TimerLength, 0xFF, 0xFF, FrameKind::Timer},           {ScreenSetLength, 0xFF, 0xFF, FrameKind::ScreenSet},
    };
    bool longerPossible = false;
    for (const Shape &s : shapes) {
        if (m_buffer.size() < s.length) {
            longerPossible = true;
            continue;
        }
        if (closesWith(m_buffer, s.length, s.close1, s.close2)) {
            frame = {s.kind, m_buffer.left(s.length)};
            return Match::Frame;
        }
    }
    return longerPossible ? Match::NeedMore : Match::NoFrame;
}

FrameSplitter::Match FrameSplitter::matchAtStart(SignFrame &frame) const
{
    const QByteArray &b = m_buffer;
    if (couldBe(b, Start)) {
        if (b.size() <= Start.size())
            return Match::NeedMore;
        const uint8_t kind = uint8_t(b[6]);
        if (kind == ControlKind)
            return matchControl(frame);
        const int length = kind == IndexKind ? ProgramIndexLength : kind == DataKind ? ProgramDataLength : 0;
        if (length == 0)
            return Match::NoFrame;
        if (b.size() < length)
            return Match::NeedMore;
        if (!closesWith(b, length, kind, 0x01))
            return Match::NoFrame;
        frame = {kind == IndexKind ? FrameKind::ProgramIndex : FrameKind::ProgramData, b.left(length)};
        return Match::Frame;
    }
    if (couldBe(b, LoadStart)) {
        if (b.size() < TransferLoadLength)
            return Match::NeedMore;
        frame = {FrameKind::TransferLoad, b.left(TransferLoadLength)};
        return Match::Frame;
    }
    struct Short
    {
        QByteArray prefix;
        FrameKind kind;
    };
    static const Short shorts[] = {
        {QByteArrayLiteral("Tes"), FrameKind::UnitBoardTest},
        {QByteArrayLiteral("CON"), FrameKind::CommunicationTest},
        {QByteArrayLiteral("SNDR"), FrameKind::ReadParameters},
    };
    for (const Short &s : shorts) {
        if (!couldBe(b, s.prefix))
            continue;
        if (b.size() <= s.prefix.size())
            return Match::NeedMore;
        frame = {s.kind, b.left(s.prefix.size() + 1)};
        return Match::Frame;
    }
    return Match::NoFrame;
}

QList<SignFrame> FrameSplitter::feed(QByteArrayView bytes)
{
    m_buffer.append(bytes.data(), bytes.size());
    QList<SignFrame> frames;
    QByteArray garbage;
    while (!m_buffer.isEmpty()) {
        SignFrame frame;
        const Match m = matchAtStart(frame);
        if (m == Match::NeedMore)
            break;
        if (m == Match::Frame) {
            if (!garbage.isEmpty())
                frames.append({FrameKind::Unparsed, std::exchange(garbage, {})});
            frames.append(frame);
            m_buffer.remove(0, frame.bytes.size());
            continue;
        }
        // Not a frame here: skip to the next byte that could start one.
        qsizetype skip = 1;
        while (skip < m_buffer.size() && !canStartFrame(m_buffer[skip]))
            ++skip;
        garbage += m_buffer.left(skip);
        m_buffer.remove(0, skip);
    }
    if (!garbage.isEmpty())
        frames.append({FrameKind::Unparsed, garbage});
    return frames;
}

QList<SignFrame> FrameSplitter::flush()
{
    if (m_buffer.isEmpty())
        return {};
    return {{FrameKind::Unparsed, std::exchange(m_buffer, {})}};
}

} // namespace lumetra::sign
