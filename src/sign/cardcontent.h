#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>

#include <array>

namespace lumetra::sign {

// What a card holds: its screen parameters, the control settings and the
// programs as they came in. Saved beside the frame log so that a later run
// plays what this one received.
struct CardContent
{
    struct Program
    {
        QByteArray index;
        QList<QByteArray> blocks;
        bool loaded = false; // its transfer-load came in
    };

    int cardClass = 2; // 1 A, 2 B, 3 C
    int address = 1;
    QByteArray parameters; // 31 bytes
    std::array<Program, 16> programs;
    int programCount = 0;  // as the latest index frame says
    QByteArray brightness; // six values of the brightness frame
    QByteArray timer;      // eleven values of the time frame
    QDateTime timerSetAt;  // host time the clock was set
    int power = -1;        // -1: never switched
    int pause = -1;
    int border = -1;

    int screenWidth() const;
    int screenHeight() const;
    bool dualColour() const;

    // The card's clock at the host time now: as last set, running on from
    // there; the host's time when it was never set.
    QDateTime clockAt(const QDateTime &hostNow) const;

    // The planes of program k (1-based) as received, one pixel per LED in
    // the LED colours; never more rows than the planes hold.
    QImage programPicture(int program) const;

    // card.json and program-K.blocks in dir; false with error set.
    bool save(const QString &dir, QString &error) const;
    bool savePrograms(const QString &dir, int program, QString &error) const;
    static bool load(const QString &dir, CardContent &content, QString &error);
};

} // namespace lumetra::sign
