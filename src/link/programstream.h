#pragma once

#include "model/frameplanes.h"
#include "model/records.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

namespace lumetra {

inline constexpr int DataBlockSize = 512;

// Eight LEDs of one plane row packed into one byte, the leftmost LED in the
// most significant bit. Rows and byte columns outside the planes give 0.
uint8_t TRANSDATAR(const FramePlanes &planes, int row, int byteColumn);
uint8_t TRANSDATAG(const FramePlanes &planes, int row, int byteColumn);

// What the packing of one program depends on.
struct StreamGeometry
{
    int32_t ScreenWidth = 0;
    int32_t ScreenHeight = 0;
    int32_t ColorType = 0; // 0 single colour: red plane only

    static StreamGeometry fromSettings(const DisplaySettings &settings);
};

// Packs the planes of one program for sending: row by row, W8 red bytes and,
// unless the display is single-colour, W8 green bytes.
class ProgramStream
{
public:
    ProgramStream(const FramePlanes &planes, const StreamGeometry &geometry, const ProgramRecord &program);

    static int bytesPerRow(const StreamGeometry &geometry);
    // Screen height times the screen count of the program's last zone.
    static int rowCount(const StreamGeometry &geometry, const ProgramRecord &program);
    // Final block value of the transfer-load frame after blocks 2 … lastBlock
    // (lastBlock 1 when none was sent), low 8 bits.
    static uint8_t finalBlockValue(int lastBlock);

    int rows() const { return m_rows; }
    int rowBytes() const { return m_rowBytes; }
    const QByteArray &bytes() const { return m_bytes; }

    int blockCount() const;
    // Block i (0-based) of the stream, zero-padded to 512 bytes.
    QByteArray block(int i) const;
    // Number carried by block i in the program data frame: 2, 3, …
    static int blockNumber(int i) { return i + 2; }
    uint8_t finalBlockValue() const { return finalBlockValue(blockCount() + 1); }

private:
    int m_rows = 0;
    int m_rowBytes = 0;
    QByteArray m_bytes;
};

} // namespace lumetra
