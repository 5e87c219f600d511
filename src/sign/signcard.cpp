#include "sign/signcard.h"

#include "link/frames.h"
#include "link/programstream.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cstdio>

namespace lumetra::sign {

namespace {

inline int byteAt(const QByteArray &b, int i)
{
    return i >= 0 && i < b.size() ? uint8_t(b[i]) : 0;
}

QJsonArray bytesArray(const QByteArray &b, int from, int count)
{
    QJsonArray a;
    for (int i = from; i < from + count; ++i)
        a.append(byteAt(b, i));
    return a;
}

} // namespace

SignCard::SignCard(Class cardClass, int address, const QString &outDir)
    : m_class(cardClass), m_address(address), m_outDir(outDir)
{
    m_content.cardClass = int(cardClass);
    m_content.address = address;
    m_content.parameters = defaultParameters(cardClass, address);
    if (!m_outDir.isEmpty())
        QDir().mkpath(m_outDir);
}

QByteArray SignCard::defaultParameters(Class cardClass, int address)
{
    // The settings of the bundled default project: 128 × 32, two colours.
    QByteArray b = QByteArray::fromHex("01 01 10 64 ff 10 20 02 ff 01 00 ff ff 01 01 01 10"
                                       "07 00 07 00 96 96 ff 07 00 13 00 ff ff ff");
    b[0] = char(address);
    b[2] = char(cardClass == ClassA ? 4 : 16);
    return b;
}

void SignCard::setParameters(const QByteArray &block)
{
    m_content.parameters = block.left(ScreenParameterBlockLength);
    m_content.parameters.append(QByteArray(ScreenParameterBlockLength - m_content.parameters.size(), '\0'));
}

QByteArray SignCard::acknowledgement() const
{
    return QByteArray::fromRawData("\x60", 1) + char(m_address) + '\0';
}

QByteArray SignCard::parameterReply(uint8_t requested) const
{
    QByteArray reply = m_content.parameters;
    // A read addressed to all cards is answered as all cards.
    reply[0] = char(requested == 0xFF ? 0xFF : m_address);
    reply[7] = char(m_class);
    reply.append(2, '\0');
    return reply;
}

QByteArray SignCard::receive(QByteArrayView bytes)
{
    QByteArray answer;
    const QList<SignFrame> frames = m_splitter.feed(bytes);
    for (const SignFrame &frame : frames)
        answer += handle(frame);
    return answer;
}

void SignCard::flushPending()
{
    const QList<SignFrame> frames = m_splitter.flush();
    for (const SignFrame &frame : frames)
        handle(frame);
}

QByteArray SignCard::handle(const SignFrame &frame, Source source)
{
    m_source = source;
    QJsonObject log;
    log.insert(QStringLiteral("seq"), ++m_sequence);
    log.insert(QStringLiteral("frame"), QString::fromLatin1(frameKindName(frame.kind)));
    log.insert(QStringLiteral("length"), int(frame.bytes.size()));
    if (frame.kind != FrameKind::ProgramData)
        log.insert(QStringLiteral("hex"), QString::fromLatin1(frame.bytes.toHex()));
    QByteArray reply = dispatch(frame, log);
    if (source == Source::UsbFile || m_class == ClassA)
        reply.clear();
    log.insert(QStringLiteral("answer"), QString::fromLatin1(reply.toHex()));
    writeLog(log);
    return reply;
}

QByteArray SignCard::dispatch(const SignFrame &frame, QJsonObject &log)
{
    const QByteArray &b = frame.bytes;
    const auto key = [](const char *k) { return QString::fromLatin1(k); };
    const int address = byteAt(b, 7);
    switch (frame.kind) {
    case FrameKind::ProgramIndex: {
        const int k = byteAt(b, 155) + 1;
        log.insert(key("address"), address);
        log.insert(key("program"), k);
        log.insert(key("template"), byteAt(b, 8));
        log.insert(key("zones"), byteAt(b, 150));
        log.insert(key("programs"), byteAt(b, 152));
        // A USB file may carry the clock for the moment the disk is plugged in.
        const bool clock = b.mid(244, 6) != QByteArrayLiteral("SNDDEN");
        if (clock)
            log.insert(key("clock"), bytesArray(b, 244, 7));
        if (!addressedToMe(uint8_t(address)))
            return {};
        if (k >= 1 && k <= 16) {
            m_content.programs[std::size_t(k - 1)] = {b, {}, false};
            m_content.programCount = std::clamp(byteAt(b, 152), 1, 16);
        }
        if (clock && m_source == Source::UsbFile) {
            // The disk's clock sets the card's when the disk is read.
            QByteArray timer = b.mid(244, 7);
            timer += m_content.timer.mid(7, 4).leftJustified(4, '\0');
            m_content.timer = timer;
            m_content.timerSetAt = QDateTime::currentDateTime();
            ++m_controlRevision;
        }
        return acknowledgement();
    }
    case FrameKind::ProgramData: {
        const int k = byteAt(b, 8);
        log.insert(key("address"), address);
        log.insert(key("program"), k);
        log.insert(key("block"), byteAt(b, 9));
        if (!addressedToMe(uint8_t(address)))
            return {};
        // Block numbers wrap at 256; the blocks come in order.
        if (k >= 1 && k <= 16)
            m_content.programs[std::size_t(k - 1)].blocks.append(b.mid(10, DataBlockSize));
        return acknowledgement();
    }
    case FrameKind::TransferLoad: {
        const int k = byteAt(b, 8);
        log.insert(key("address"), address);
        log.insert(key("program"), k);
        log.insert(key("final"), byteAt(b, 9));
        if (!addressedToMe(uint8_t(address)))
            return {};
        if (k >= 1 && k <= 16) {
            m_content.programs[std::size_t(k - 1)].loaded = true;
            log.insert(key("blocks"), int(m_content.programs[std::size_t(k - 1)].blocks.size()));
            writePicture(k, log);
            ++m_programRevision;
            saveContent(k);
        }
        return acknowledgement();
    }
    case FrameKind::Brightness:
    case FrameKind::Border:
    case FrameKind::Timer:
    case FrameKind::Power:
    case FrameKind::Pause: {
        log.insert(key("address"), address);
        const QByteArray payload = b.mid(8, b.size() - 16);
        log.insert(key("values"), bytesArray(payload, 0, int(payload.size())));
        if (!addressedToMe(uint8_t(address)))
            return {};
        if (frame.kind == FrameKind::Brightness) {
            m_content.brightness = payload;
        } else if (frame.kind == FrameKind::Timer) {
            m_content.timer = payload;
            m_content.timerSetAt = QDateTime::currentDateTime();
        } else if (frame.kind == FrameKind::Border) {
            m_content.border = payload.startsWith('1') ? 1 : 0;
        } else if (frame.kind == FrameKind::Power) {
            m_content.power = byteAt(payload, 0);
        } else {
            m_content.pause = byteAt(payload, 0);
        }
        ++m_controlRevision;
        saveContent();
        return acknowledgement();
    }
    case FrameKind::ScreenSet: {
        const QByteArray block = b.mid(8, ScreenParameterBlockLength);
        log.insert(key("card-address"), byteAt(block, 0));
        log.insert(key("width"), byteAt(block, 5) * 8);
        log.insert(key("height"), byteAt(block, 6));
        log.insert(key("color-type"), byteAt(block, 9));
        setParameters(block);
        const int newAddress = byteAt(block, 0);
        if (newAddress >= 1 && newAddress <= 128)
            m_address = newAddress;
        m_content.address = m_address;
        ++m_programRevision;
        saveContent();
        return acknowledgement();
    }
    case FrameKind::UnitBoardTest:
    case FrameKind::CommunicationTest: {
        const int target = byteAt(b, 3);
        log.insert(key("address"), target);
        const int all = frame.kind == FrameKind::UnitBoardTest ? 'T' : 'E';
        return target == m_address || target == all ? acknowledgement() : QByteArray();
    }
    case FrameKind::ReadParameters: {
        const int target = byteAt(b, 4);
        log.insert(key("address"), target);
        return addressedToMe(uint8_t(target)) ? parameterReply(uint8_t(target)) : QByteArray();
    }
    case FrameKind::Unparsed:
        ++m_unparsed;
        std::fprintf(stderr, "lumetra-sign: cannot parse %d bytes: %s\n", int(b.size()), b.toHex(' ').constData());
        return {};
    }
    return {};
}

QImage SignCard::programPicture(int k) const
{
    return m_content.programPicture(k);
}

QString SignCard::picturePath(int program) const
{
    return QDir(m_outDir).filePath(QStringLiteral("program-%1.png").arg(program));
}

void SignCard::writePicture(int program, QJsonObject &log)
{
    if (m_outDir.isEmpty())
        return;
    const QImage image = programPicture(program);
    if (image.isNull()) {
        log.insert(QStringLiteral("picture"), QJsonValue());
        return;
    }
    QSaveFile file(picturePath(program));
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit()) {
        log.insert(QStringLiteral("picture"), picturePath(program));
        log.insert(QStringLiteral("picture-size"), QStringLiteral("%1x%2").arg(image.width()).arg(image.height()));
    } else {
        std::fprintf(stderr, "lumetra-sign: cannot write %s\n", qPrintable(picturePath(program)));
    }
}

void SignCard::saveContent(int program)
{
    if (m_outDir.isEmpty())
        return;
    QString error;
    const bool ok = program > 0 ? m_content.savePrograms(m_outDir, program, error) : m_content.save(m_outDir, error);
    if (!ok)
        std::fprintf(stderr, "lumetra-sign: %s\n", qPrintable(error));
}

void SignCard::writeLog(const QJsonObject &entry)
{
    if (m_outDir.isEmpty())
        return;
    // A log grows line by line; each line is written whole.
    QFile file(QDir(m_outDir).filePath(QStringLiteral("frames.jsonl")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        std::fprintf(stderr, "lumetra-sign: cannot write %s\n", qPrintable(file.fileName()));
        return;
    }
    file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
}

} // namespace lumetra::sign
