#pragma once

#include "model/frameplanes.h"
#include "model/records.h"
#include "sign/signcard.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>

#include <memory>

namespace lumetra::sign::test {

// A small display and its programs, sent as a computer sends them: the
// screen-set frame, then per program the index, the data blocks and the
// transfer-load, into a B-class card.
struct SignFixture
{
    DisplayRecord display;
    std::unique_ptr<FramePlanes> planes = std::make_unique<FramePlanes>();
    // Program k's pictures, one pixel per LED, full colours (page p at row p × H).
    QImage pictures[3];

    SignFixture(int width, int height, int programs);

    ZoneRecord &zone(int program, int slot) { return display.Programs[program].Zones[slot]; }
    // A zone covering the whole sign with the given pages of a test pattern.
    ZoneRecord &fullZone(int program, int pages, int effect, int speed, int stay);
    // Paints picture into program k's planes and keeps it.
    void setPicture(int program, const QImage &picture);

    // Every frame of the display for a B-class card at address 1.
    QByteArray lineBytes() const;
    // A card that received lineBytes() and then extra.
    std::unique_ptr<SignCard> card(const QByteArray &extra = {}, const QString &outDir = {}) const;

    // A pattern no shift of which matches itself: LED (x, y) of page p.
    static QRgb pattern(int x, int y, int page);
    static QImage patternPicture(int width, int height, int pages);
};

// 0 dark, 1 red, 2 green, 3 yellow.
int ledAt(const QImage &frame, int x, int y);
int ledOf(QRgb colour);

} // namespace lumetra::sign::test
