#include "sign/cardcontent.h"

#include "link/frames.h"
#include "link/programstream.h"
#include "model/error.h"
#include "model/frameplanes.h"
#include "model/savefile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace lumetra::sign {

namespace {

inline int byteAt(const QByteArray &b, int i)
{
    return i >= 0 && i < b.size() ? uint8_t(b[i]) : 0;
}

QString blocksName(int program)
{
    return QStringLiteral("program-%1.blocks").arg(program);
}

} // namespace

int CardContent::screenWidth() const
{
    return byteAt(parameters, 5) * 8;
}

int CardContent::screenHeight() const
{
    // The height travels in one byte: a 256-row sign arrives as 0.
    const int h = byteAt(parameters, 6);
    return h == 0 && screenWidth() > 0 ? 256 : h;
}

bool CardContent::dualColour() const
{
    return byteAt(parameters, 9) != 0;
}

QDateTime CardContent::clockAt(const QDateTime &hostNow) const
{
    if (timer.size() < 7 || !timerSetAt.isValid())
        return hostNow;
    const QDate date(2000 + byteAt(timer, 0), byteAt(timer, 1), byteAt(timer, 2));
    const QTime time(byteAt(timer, 4), byteAt(timer, 5), byteAt(timer, 6));
    // A clock set to a date that does not exist keeps the host's time.
    if (!date.isValid() || !time.isValid())
        return hostNow;
    return QDateTime(date, time).addMSecs(timerSetAt.msecsTo(hostNow));
}

QImage CardContent::programPicture(int k) const
{
    if (k < 1 || k > 16)
        return {};
    const Program &p = programs[std::size_t(k - 1)];
    const int w8 = byteAt(parameters, 5);
    const int screenH = screenHeight();
    const bool dual = dualColour();
    const int rowBytes = dual ? 2 * w8 : w8;
    if (rowBytes == 0)
        return {};
    const qsizetype received = p.blocks.size() * qsizetype(DataBlockSize);
    qsizetype rows = std::min<qsizetype>(received / rowBytes, FramePlanes::UsableRows);
    // The screens of the program's last zone, as the sender counts them.
    if (p.index.size() == ProgramIndexLength) {
        const int slot = std::clamp(byteAt(p.index, 150), 1, 4);
        const int height8 = byteAt(p.index, 29 + slot - 1);
        const int content8 = byteAt(p.index, 33 + slot - 1);
        if (height8 > 0)
            rows = std::min<qsizetype>(rows, qsizetype(screenH) * ((content8 + height8 - 1) / height8));
    }
    if (rows <= 0)
        return {};

    QByteArray stream;
    stream.reserve(received);
    for (const QByteArray &block : p.blocks)
        stream += block.left(DataBlockSize).leftJustified(DataBlockSize, '\0');
    QImage image(w8 * 8, int(rows), QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(r));
        const char *red = stream.constData() + qsizetype(r) * rowBytes;
        const char *green = dual ? red + w8 : nullptr;
        for (int x = 0; x < w8 * 8; ++x) {
            const int bit = 7 - (x & 7);
            const bool on = (uint8_t(red[x >> 3]) >> bit) & 1;
            const bool g = green && ((uint8_t(green[x >> 3]) >> bit) & 1);
            line[x] = qRgb(on ? 255 : 0, g ? 255 : 0, 0);
        }
    }
    return image;
}

bool CardContent::save(const QString &dir, QString &error) const
{
    QJsonObject o;
    o.insert(QStringLiteral("class"), cardClass);
    o.insert(QStringLiteral("address"), address);
    o.insert(QStringLiteral("parameters"), QString::fromLatin1(parameters.toHex()));
    o.insert(QStringLiteral("brightness"), QString::fromLatin1(brightness.toHex()));
    o.insert(QStringLiteral("timer"), QString::fromLatin1(timer.toHex()));
    o.insert(QStringLiteral("timer-set-at"), timerSetAt.isValid() ? timerSetAt.toString(Qt::ISODateWithMs) : QString());
    o.insert(QStringLiteral("power"), power);
    o.insert(QStringLiteral("pause"), pause);
    o.insert(QStringLiteral("border"), border);
    o.insert(QStringLiteral("program-count"), programCount);
    QJsonArray list;
    for (int k = 1; k <= 16; ++k) {
        const Program &p = programs[std::size_t(k - 1)];
        if (p.index.isEmpty())
            continue;
        QJsonObject e;
        e.insert(QStringLiteral("program"), k);
        e.insert(QStringLiteral("index"), QString::fromLatin1(p.index.toHex()));
        e.insert(QStringLiteral("blocks"), int(p.blocks.size()));
        e.insert(QStringLiteral("loaded"), p.loaded);
        list.append(e);
    }
    o.insert(QStringLiteral("programs"), list);
    try {
        writeFileAtomically(QDir(dir).filePath(QStringLiteral("card.json")), QJsonDocument(o).toJson());
    } catch (const Error &e) {
        error = e.subject().isEmpty() ? e.text() : e.text() + QStringLiteral(" ") + e.subject();
        return false;
    }
    return true;
}

bool CardContent::savePrograms(const QString &dir, int k, QString &error) const
{
    if (k < 1 || k > 16)
        return true;
    QByteArray bytes;
    for (const QByteArray &block : programs[std::size_t(k - 1)].blocks)
        bytes += block.left(DataBlockSize).leftJustified(DataBlockSize, '\0');
    try {
        writeFileAtomically(QDir(dir).filePath(blocksName(k)), bytes);
    } catch (const Error &e) {
        error = e.subject().isEmpty() ? e.text() : e.text() + QStringLiteral(" ") + e.subject();
        return false;
    }
    return save(dir, error);
}

bool CardContent::load(const QString &dir, CardContent &c, QString &error)
{
    QFile file(QDir(dir).filePath(QStringLiteral("card.json")));
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.read(1 << 20), &parse);
    if (!doc.isObject()) {
        error = QStringLiteral("%1: %2").arg(file.fileName(), parse.errorString());
        return false;
    }
    const QJsonObject o = doc.object();
    const auto hex = [&o](const char *key, int most) {
        return QByteArray::fromHex(o.value(QLatin1String(key)).toString().toLatin1()).left(most);
    };
    c = CardContent();
    c.cardClass = std::clamp(o.value(QStringLiteral("class")).toInt(2), 1, 3);
    c.address = std::clamp(o.value(QStringLiteral("address")).toInt(1), 1, 128);
    c.parameters = hex("parameters", ScreenParameterBlockLength);
    c.parameters.append(QByteArray(ScreenParameterBlockLength - c.parameters.size(), '\0'));
    c.brightness = hex("brightness", 6);
    c.timer = hex("timer", 11);
    c.timerSetAt = QDateTime::fromString(o.value(QStringLiteral("timer-set-at")).toString(), Qt::ISODateWithMs);
    c.power = o.value(QStringLiteral("power")).toInt(-1);
    c.pause = o.value(QStringLiteral("pause")).toInt(-1);
    c.border = o.value(QStringLiteral("border")).toInt(-1);
    c.programCount = std::clamp(o.value(QStringLiteral("program-count")).toInt(0), 0, 16);
    const QJsonArray list = o.value(QStringLiteral("programs")).toArray();
    for (const QJsonValue &v : list) {
        const QJsonObject e = v.toObject();
        const int k = e.value(QStringLiteral("program")).toInt(0);
        if (k < 1 || k > 16)
            continue;
        Program &p = c.programs[std::size_t(k - 1)];
        p.index = QByteArray::fromHex(e.value(QStringLiteral("index")).toString().toLatin1()).left(ProgramIndexLength);
        p.loaded = e.value(QStringLiteral("loaded")).toBool(false);
        QFile data(QDir(dir).filePath(blocksName(k)));
        if (!data.open(QIODevice::ReadOnly))
            continue;
        // Never more than the planes can hold.
        const QByteArray bytes = data.read(qint64(FramePlanes::UsableRows) * 2 * 256 + DataBlockSize);
        for (qsizetype at = 0; at + DataBlockSize <= bytes.size(); at += DataBlockSize)
            p.blocks.append(bytes.mid(at, DataBlockSize));
    }
    return true;
}

} // namespace lumetra::sign
