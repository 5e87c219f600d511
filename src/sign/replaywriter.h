#pragma once

#include "sign/cardcontent.h"

#include <QDateTime>
#include <QString>

namespace lumetra::sign {

// Plays a card's content for a number of seconds and writes every frame as
// frame-NNNNN.png: one pixel per LED at pitch 1, else the board's dots.
class ReplayWriter
{
public:
    struct Options
    {
        QDateTime clock; // the card's clock at the start
        double seconds = 1;
        double fps = 25;
        int pitch = 1;
        QString outDir;
    };

    // Returns the number of frames written, -1 with error set.
    static int write(const CardContent &content, const Options &options, QString &error);
};

} // namespace lumetra::sign
