#include "sign/replaywriter.h"

#include "sign/ledboard.h"
#include "sign/signplayer.h"

#include <QBuffer>
#include <QDir>

#include <cmath>

#include "model/error.h"
#include "model/savefile.h"

namespace lumetra::sign {

int ReplayWriter::write(const CardContent &content, const Options &o, QString &error)
{
    if (content.screenWidth() == 0 || content.screenHeight() == 0) {
        error = QStringLiteral("the card has no screen size");
        return -1;
    }
    if (!QDir().mkpath(o.outDir)) {
        error = QStringLiteral("cannot make %1").arg(o.outDir);
        return -1;
    }
    SignPlayer player(content, o.clock);
    LedBoard board(o.pitch);
    QImage dots;
    const int count = int(std::lround(o.seconds * o.fps));
    for (int i = 0; i < count; ++i) {
        const qint64 ms = qint64(std::floor(i * 1000.0 / o.fps));
        const QImage &leds = player.frame(ms);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (o.pitch <= 1) {
            leds.save(&buffer, "PNG");
        } else {
            board.render(leds, dots);
            dots.save(&buffer, "PNG");
        }
        const QString path = QDir(o.outDir).filePath(QStringLiteral("frame-%1.png").arg(i, 5, 10, QLatin1Char('0')));
        try {
            writeFileAtomically(path, png);
        } catch (const Error &e) {
            error = e.text() + QStringLiteral(" ") + e.subject();
            return -1;
        }
    }
    return count;
}

} // namespace lumetra::sign
