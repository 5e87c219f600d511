#include "link/controllerlink.h"
#include "link/frames.h"
#include "link/programstream.h"
#include "link/serialtransport.h"
#include "model/error.h"
#include "model/gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace lumetra;

namespace {

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Set when the event loop reaches the given time.
struct Marker
{
    bool reached = false;
    QTimer timer;
    explicit Marker(int ms)
    {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] { reached = true; });
        timer.start(ms);
    }
};

} // namespace

// lumetra-sign on a pseudo-terminal, driven through the real serial transport.
class TestSignEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_sign;
    Workspace m_ws;
    SerialTransport m_transport;
    ControllerLink m_link{m_ws, m_transport};

    // The serial port locks by the device's base name: keep it our own.
    QString linkPath() const
    {
        return m_dir.filePath(QStringLiteral("sign-%1").arg(QCoreApplication::applicationPid()));
    }
    QString outDir() const { return m_dir.filePath(QStringLiteral("out")); }

    bool startSign(const QString &cardClass)
    {
        m_sign.setProgram(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"));
        m_sign.setArguments({"--link", linkPath(), "--class", cardClass, "--out", outDir()});
        m_sign.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_sign.start();
        if (!m_sign.waitForStarted(5000))
            return false;
        // It prints its line once the link is in place.
        while (!m_sign.canReadLine())
            if (!m_sign.waitForReadyRead(5000))
                return false;
        return m_sign.readLine().startsWith("card ") && QFileInfo::exists(linkPath());
    }

    void useCardClass(const char16_t *model)
    {
        m_ws.display().CardModel = toGbk(model);
        m_ws.display().CardAddress = 1;
        m_ws.ComPort.PortName = toGbk(linkPath());
        m_ws.ComPort.BaudRate = 19200;
    }

private slots:
    void cleanup()
    {
        if (m_sign.state() != QProcess::NotRunning) {
            m_sign.terminate();
            if (!m_sign.waitForFinished(5000))
                m_sign.kill();
            m_sign.waitForFinished(5000);
        }
        QDir(outDir()).removeRecursively();
    }

    void acknowledgementEndsTheWaitEarly()
    {
        QVERIFY(startSign(QStringLiteral("B")));
        useCardClass(u"B类卡");
        Marker marker(2500);
        const CommandOutcome outcome =
            m_link.runCommand(CommandKind::Power, powerFrame({}, m_ws.display().CardModel, true));
        // Power waits 300 ms; run a long wait too, to see the answer end it.
        m_link.transact(probeFrame(), 5000);
        QVERIFY(outcome.Answered);
        QVERIFY(outcome.Message.isEmpty());
        QCOMPARE(m_ws.ReplyCode, 8);
        QVERIFY(!marker.reached);
    }

    void classAWaitsTheFullTimeAndCountsAsAnswered()
    {
        QVERIFY(startSign(QStringLiteral("A")));
        useCardClass(u"A类卡");
        Marker marker(150);
        const CommandOutcome outcome =
            m_link.runCommand(CommandKind::Power, powerFrame({}, m_ws.display().CardModel, false));
        QVERIFY(marker.reached); // the 300 ms wait ran on with no answer
        QVERIFY(outcome.Answered);
        QCOMPARE(m_ws.ReplyCode, 8);
        QFile log(outDir() + QStringLiteral("/frames.jsonl"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray line = log.readAll();
        QVERIFY(line.contains("\"frame\":\"power\""));
        QVERIFY(line.contains("\"answer\":\"\""));
    }

    void waitingSleeps()
    {
        QVERIFY(startSign(QStringLiteral("A")));
        useCardClass(u"A类卡");
        const double before = processCpuMs();
        m_link.transact(probeFrame(), 1000);
        const double used = processCpuMs() - before;
        QVERIFY2(used < 50.0, qPrintable(QStringLiteral("%1 ms of processor time in a 1000 ms wait").arg(used)));
    }

    void programArrivesAsAPicture()
    {
        QVERIFY(startSign(QStringLiteral("B")));
        useCardClass(u"B类卡");
        DisplayRecord &d = m_ws.display();
        d.ScreenWidth = 64;
        d.ScreenHeight = 16;
        d.ColorType = 1;
        d.BaudRate = 19200;
        d.ProgramCount = 1;
        ZoneRecord &z = d.Programs[1].Zones[1];
        z.Width = 64;
        z.Height = 16;
        z.ContentHeight = 48;
        FramePlanes &planes = m_ws.planes();
        planes.clear();
        for (int r = 0; r < 48; ++r) {
            planes.redRow(r)[r] = 1;
            planes.greenRow(r)[63 - r] = 1;
        }
        const AddressSelectors &sel = m_link.selectors();
        QVERIFY(m_link.runCommand(CommandKind::ScreenSet, screenSetFrame(screenParameterBlock(d, d, {}))).Answered);
        QVERIFY(m_link.runCommand(CommandKind::ProgramIndex, programIndexFrame(d, 0, sel)).Answered);
        const ProgramStream stream(planes, StreamGeometry::fromSettings(d), d.Programs[1]);
        for (int i = 0; i < stream.blockCount(); ++i) {
            const int n = ProgramStream::blockNumber(i);
            QVERIFY(
                m_link.runCommand(CommandKind::ProgramData, programDataFrame(sel, 1, n, stream.block(i)), n).Answered);
        }
        QVERIFY(
            m_link.runCommand(CommandKind::TransferLoad, transferLoadFrame(sel, 1, stream.finalBlockValue())).Answered);

        const QImage image(outDir() + QStringLiteral("/program-1.png"));
        QCOMPARE(image.size(), QSize(64, 48));
        for (int r = 0; r < 48; ++r)
            for (int x = 0; x < 64; ++x)
                QCOMPARE(image.pixel(x, r), qRgb(x == r ? 255 : 0, x == 63 - r ? 255 : 0, 0));
    }

    void parametersAreReadBack()
    {
        QVERIFY(startSign(QStringLiteral("C")));
        useCardClass(u"B类卡");
        qRegisterMetaType<ParameterValues>();
        QSignalSpy shown(&m_link.replies(), &ReplyHandler::parametersReceived);
        const CommandOutcome outcome = m_link.runCommand(CommandKind::ReadParameters, readParametersFrame(0));
        QVERIFY(outcome.Answered);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(m_ws.display().CardModel, toGbk(u"C类卡"));
        QCOMPARE(m_ws.display().ScreenWidth, 128);
        QCOMPARE(m_ws.display().ScreenHeight, 32);
    }

    void stopsCleanlyOnSigterm()
    {
        QVERIFY(startSign(QStringLiteral("B")));
        m_sign.terminate();
        QVERIFY(m_sign.waitForFinished(5000));
        QCOMPARE(m_sign.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_sign.exitCode(), 0);
        QVERIFY(!QFileInfo(linkPath()).isSymLink());
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("bad class") << QStringList{"--link", "x", "--class", "D"};
        QTest::newRow("bad address") << QStringList{"--link", "x", "--address", "129"};
        QTest::newRow("unknown option") << QStringList{"--link", "x", "--speed", "1"};
        QTest::newRow("usb without out") << QStringList{"--read-usb", "x"};
    }
    void badUsage()
    {
        QFETCH(QStringList, args);
        QProcess p;
        p.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"), args);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("usage:"));
    }

    void readsAUsbFile()
    {
        // A 64 × 16 single-colour program of one screen with one lit LED.
        DisplayRecord d;
        d.ScreenWidth = 64;
        d.ScreenHeight = 16;
        d.ProgramCount = 1;
        d.Programs[1].Zones[1].Width = 64;
        d.Programs[1].Zones[1].Height = 16;
        d.Programs[1].Zones[1].ContentHeight = 16;
        QByteArray data(512, '\0');
        data[0] = char(0x80);
        QByteArray load = QByteArray(265, '\xFC') + QByteArray(265, '\x97');
        load[8] = 1;
        load[9] = 3;
        // The file carries the settings, so the card takes the display's size.
        const QByteArray screenSet = screenSetFrame(screenParameterBlock(d, d, ParameterBlockVariant::Usb));
        const QByteArray file = "01013031" + screenSet.toHex().toUpper() +
                                programIndexFrame(d, 0, {}).toHex().toUpper() +
                                programDataFrame({}, 1, 2, data).toHex().toUpper() + load;
        const QString path = m_dir.filePath(QStringLiteral("qelto.zv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();

        QProcess p;
        p.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"), {"--read-usb", path, "--out", outDir()});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 0);
        QImage image(outDir() + QStringLiteral("/program-1.png"));
        QCOMPARE(image.size(), QSize(64, 16));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 0));
    }

    void aStoppedCardDoesNotAnswer()
    {
        useCardClass(u"B类卡");
        bool failed = false;
        try {
            m_link.transact(probeFrame(), 100);
        } catch (const Error &e) {
            failed = true;
            QCOMPARE(e.text(), QStringLiteral("串口数据发送失败。"));
            QVERIFY(e.subject().contains(linkPath()));
        }
        QVERIFY(failed);
        QVERIFY(!m_transport.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestSignEndToEnd)
#include "tst_sign_e2e.moc"
