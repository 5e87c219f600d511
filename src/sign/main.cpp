#include "sign/ptylink.h"
#include "sign/signcard.h"
#include "sign/signparameters.h"
#include "sign/stopsignals.h"
#include "sign/usbreader.h"

#include "link/portsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <optional>

using namespace lumetra;
using namespace lumetra::sign;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

const char *const Usage = "usage: lumetra-sign [--home DIR] --link PATH [--class A|B|C] [--address N] [--out DIR]"
                          " [--params FILE]\n"
                          "       lumetra-sign --read-usb FILE --out DIR\n";

struct Options
{
    QString link, home, out, params, usbFile;
    SignCard::Class cardClass = SignCard::ClassB;
    std::optional<int> address;
};

// Returns an error text for bad usage, empty when the options are good.
QString parseOptions(QStringList args, Options &o)
{
    while (!args.isEmpty()) {
        const QString name = args.takeFirst();
        if (!name.startsWith(QLatin1String("--")))
            return QStringLiteral("unexpected argument %1").arg(name);
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
        else if (name == QLatin1String("--class")) {
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
        } else {
            return QStringLiteral("unknown option %1").arg(name);
        }
    }
    if (!o.usbFile.isEmpty())
        return o.out.isEmpty() ? QStringLiteral("--read-usb needs --out") : QString();
    if (o.link.isEmpty() && !o.home.isEmpty())
        o.link = PortSettings::virtualSignLink(o.home);
    return o.link.isEmpty() ? QStringLiteral("--link is needed") : QString();
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
    return ExitOk;
}

} // namespace

int main(int argc, char **argv)
{
    // Pictures are written with QImage alone: no screen, no platform plugin.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lumetra"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    Options o;
    const QString usageError = parseOptions(QCoreApplication::arguments().mid(1), o);
    if (!usageError.isEmpty()) {
        err << "lumetra-sign: " << usageError << "\n" << Usage;
        return ExitUsage;
    }
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
    QObject::connect(&link, &PtyLink::received, &app, [&](const QByteArray &bytes) {
        const QByteArray answer = card.receive(bytes);
        if (!answer.isEmpty())
            link.write(answer);
        if (card.hasPending())
            quiet.start();
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
