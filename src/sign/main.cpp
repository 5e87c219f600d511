#include "sign/ledboard.h"
#include "sign/ptylink.h"
#include "sign/replaywriter.h"
#include "sign/signcard.h"
#include "sign/signparameters.h"
#include "sign/signwindow.h"
#include "sign/stopsignals.h"
#include "sign/usbreader.h"

#include "content/textfaces.h"
#include "link/portsettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <optional>

using namespace lumetra;
using namespace lumetra::sign;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

const char *const Usage = "usage: lumetra-sign [--home DIR] --link PATH [--class A|B|C] [--address N] [--out DIR]"
                          " [--params FILE]\n"
                          " [--window] [--pitch N] [--noise SEED]\n"
                          "       lumetra-sign --read-usb FILE [--out DIR] [--window] [--pitch N]\n"
                          "       lumetra-sign --replay DIR [--at \"YYYY-MM-DD HH:MM:SS\"] [--seconds S] [--fps F]"
                          " [--pitch N] (--out FRAMES_DIR | --window)\n";

struct Options
{
    QString link, home, out, params, usbFile, replay;
    SignCard::Class cardClass = SignCard::ClassB;
    std::optional<int> address;
    bool window = false;
    std::optional<int> pitch;
    std::optional<quint32> noise;
    QDateTime at;
    double seconds = 10;
    double fps = 25;
};

bool positiveNumber(const QString &text, double most, double &value)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !(v > 0) || v > most)
        return false;
    value = v;
    return true;
}

// Returns an error text for bad usage, empty when the options are good.
QString parseOptions(QStringList args, Options &o)
{
    while (!args.isEmpty()) {
        const QString name = args.takeFirst();
        if (!name.startsWith(QLatin1String("--")))
            return QStringLiteral("unexpected argument %1").arg(name);
        if (name == QLatin1String("--window")) {
            o.window = true;
            continue;
        }
        if (args.isEmpty())
            return QStringLiteral("%1 needs a value").arg(name);
        const QString value = args.takeFirst();
        if (name == QLatin1String("--link"))
            o.link = value;
        else if (name == QLatin1String("--home"))
            o.home = value;
        else if (name == QLatin1String("--out"))
            o.out = value;
        else if (name == QLatin1String("--params"))
            o.params = value;
        else if (name == QLatin1String("--read-usb"))
            o.usbFile = value;
        else if (name == QLatin1String("--replay"))
            o.replay = value;
        else if (name == QLatin1String("--at")) {
            o.at = QDateTime::fromString(value, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!o.at.isValid())
                return QStringLiteral("--at takes \"YYYY-MM-DD HH:MM:SS\"");
        } else if (name == QLatin1String("--seconds")) {
            if (!positiveNumber(value, 86400, o.seconds))
                return QStringLiteral("--seconds takes a number above 0");
        } else if (name == QLatin1String("--fps")) {
            if (!positiveNumber(value, 1000, o.fps))
                return QStringLiteral("--fps takes a number above 0, at most 1000");
        } else if (name == QLatin1String("--pitch")) {
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < 1 || n > LedBoard::MaxPitch)
                return QStringLiteral("--pitch takes 1 to 12 (1: one pixel per LED, in replay frames only)");
            o.pitch = n;
        } else if (name == QLatin1String("--class")) {
            const QString c = value.toUpper();
            if (c == QLatin1String("A"))
                o.cardClass = SignCard::ClassA;
            else if (c == QLatin1String("B"))
                o.cardClass = SignCard::ClassB;
            else if (c == QLatin1String("C"))
                o.cardClass = SignCard::ClassC;
            else
                return QStringLiteral("--class takes A, B or C");
        } else if (name == QLatin1String("--address")) {
            bool ok = false;
            const int n = value.toInt(&ok);
            if (!ok || n < 1 || n > 128)
                return QStringLiteral("--address takes 1 to 128");
            o.address = n;
        } else if (name == QLatin1String("--noise")) {
            bool ok = false;
            const uint seed = value.toUInt(&ok);
            if (!ok)
                return QStringLiteral("--noise takes a seed (a whole number)");
            o.noise = seed;
        } else {
            return QStringLiteral("unknown option %1").arg(name);
        }
    }
    if (!o.replay.isEmpty())
        return o.out.isEmpty() && !o.window ? QStringLiteral("--replay needs --out or --window") : QString();
    if (!o.usbFile.isEmpty())
        return o.out.isEmpty() && !o.window ? QStringLiteral("--read-usb needs --out or --window") : QString();
    if (o.link.isEmpty() && !o.home.isEmpty())
        o.link = PortSettings::virtualSignLink(o.home);
    return o.link.isEmpty() ? QStringLiteral("--link is needed") : QString();
}

// A bad line for tests: each answer comes a moment after a burst of random
// bytes or another card's answer. Nothing that looks like this card's own
// acknowledgement is sent.
class LineNoise
{
public:
    LineNoise(quint32 seed, int address) : m_random(seed), m_address(address) {}

    void answer(const QByteArray &answer, PtyLink &link)
    {
        QByteArray burst;
        switch (m_random.bounded(4)) {
        case 0: // a wrong card answers
            burst = QByteArray("\x60", 1) + char(m_address % 128 + 1) + '\0';
            break;
        case 1: // more than any answer holds
            burst = randomBytes(34 + int(m_random.bounded(30)));
            break;
        default:
            burst = randomBytes(1 + int(m_random.bounded(20)));
            break;
        }
        link.write(burst);
        QTimer::singleShot(int(m_random.bounded(6)), &link, [&link, answer] { link.write(answer); });
    }

private:
    QByteArray randomBytes(int n)
    {
        QByteArray bytes(n, '\0');
        for (char &b : bytes) {
            // 0x60 starts an acknowledgement; leave it out so no burst is one.
            uint8_t v = uint8_t(m_random.bounded(256));
            b = char(v == 0x60 ? 0x61 : v);
        }
        return bytes;
    }

    QRandomGenerator m_random;
    int m_address;
};

int windowPitch(const Options &o)
{
    return std::max(o.pitch.value_or(4), LedBoard::MinPitch);
}

int replay(const Options &o, QTextStream &out, QTextStream &err)
{
    CardContent content;
    QString error;
    if (!CardContent::load(o.replay, content, error)) {
        err << "lumetra-sign: " << error << "\n";
        return ExitFailure;
    }
    const QDateTime clock = o.at.isValid() ? o.at : content.clockAt(QDateTime::currentDateTime());
    if (o.window) {
        SignWindow window(windowPitch(o));
        window.setContent(content, true, clock);
        window.show();
        return QApplication::exec();
    }
    ReplayWriter::Options r;
    r.clock = clock;
    r.seconds = o.seconds;
    r.fps = o.fps;
    r.pitch = o.pitch.value_or(1);
    r.outDir = o.out;
    const int frames = ReplayWriter::write(content, r, error);
    if (frames < 0) {
        err << "lumetra-sign: " << error << "\n";
        return ExitFailure;
    }
    out << "frames " << frames << " out " << o.out << "\n";
    return ExitOk;
}

int readUsb(const Options &o, QTextStream &out, QTextStream &err)
{
    QFile file(o.usbFile);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "lumetra-sign: cannot read " << o.usbFile << ": " << file.errorString() << "\n";
        return ExitFailure;
    }
    const UsbReader::Result result = UsbReader::parse(file.readAll());
    SignCard card(o.cardClass, o.address.value_or(1), o.out);
    for (const SignFrame &frame : result.frames)
        card.handle(frame, SignCard::Source::UsbFile);
    out << "header " << result.header.toHex().toUpper() << " frames " << result.frames.size() << "\n";
    if (!result.error.isEmpty()) {
        err << "lumetra-sign: " << o.usbFile << ": " << result.error << "\n";
        return ExitFailure;
    }
    if (o.window) {
        out.flush();
        SignWindow window(windowPitch(o));
        window.setContent(card.content(), true);
        window.show();
        return QApplication::exec();
    }
    return ExitOk;
}

} // namespace

int main(int argc, char **argv)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Options o;
    const QString usageError = parseOptions(args, o);
    if (!usageError.isEmpty()) {
        err << "lumetra-sign: " << usageError << "\n" << Usage;
        return ExitUsage;
    }

    // The card alone writes its pictures with QImage: no screen needed. The
    // player draws clock digits with fonts, which needs a GUI application;
    // frames written to files need no screen either.
    std::unique_ptr<QCoreApplication> application;
    if (o.window) {
        application = std::make_unique<QApplication>(argc, argv);
    } else if (!o.replay.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    if (o.window || !o.replay.isEmpty())
        TextFaces::installSubstitutions();
    if (!o.replay.isEmpty())
        return replay(o, out, err);
    if (!o.usbFile.isEmpty())
        return readUsb(o, out, err);

    QByteArray parameters;
    if (!o.params.isEmpty()) {
        QString error;
        parameters = SignParameters::load(o.params, error);
        if (parameters.isEmpty()) {
            err << "lumetra-sign: " << error << "\n";
            return ExitFailure;
        }
    }
    // A block stored for all cards (0xFF) leaves the card at address 1.
    const int stored = parameters.isEmpty() ? 1 : int(uint8_t(parameters[0]));
    const int address = o.address.value_or(stored >= 1 && stored <= 128 ? stored : 1);
    SignCard card(o.cardClass, address, o.out);
    if (!parameters.isEmpty()) {
        parameters[0] = char(address);
        card.setParameters(parameters);
    }

    PtyLink link;
    if (!link.open(o.link)) {
        err << "lumetra-sign: " << link.error() << "\n";
        return ExitFailure;
    }

    // A frame left unfinished when the line goes quiet is reported, not kept.
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(1000);
    QObject::connect(&quiet, &QTimer::timeout, &app, [&card] { card.flushPending(); });
    std::unique_ptr<LineNoise> noise;
    if (o.noise)
        noise = std::make_unique<LineNoise>(*o.noise, address);
    std::unique_ptr<SignWindow> window;
    if (o.window) {
        window = std::make_unique<SignWindow>(windowPitch(o));
        window->setContent(card.content(), true);
        window->show();
    }
    QObject::connect(&link, &PtyLink::received, &app, [&](const QByteArray &bytes) {
        const int programs = card.programRevision();
        const int controls = card.controlRevision();
        const QByteArray answer = card.receive(bytes);
        if (!answer.isEmpty()) {
            if (noise)
                noise->answer(answer, link);
            else
                link.write(answer);
        }
        if (card.hasPending())
            quiet.start();
        if (window && (programs != card.programRevision() || controls != card.controlRevision()))
            window->setContent(card.content(), programs != card.programRevision());
    });

    StopSignals stop;
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);

    const char cls = "?ABC"[int(o.cardClass)];
    out << "card " << cls << " address " << address << " link " << o.link << " device " << link.devicePath() << "\n";
    out.flush();
    const int rc = app.exec();
    card.flushPending();
    link.close();
    return rc;
}
