#include "link/controllerlink.h"
#include "link/programsender.h"
#include "link/serialtransport.h"
#include "model/gbk.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lumetra;

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

QList<QJsonObject> readLog(const QString &path)
{
    QList<QJsonObject> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (!line.isEmpty())
            entries << QJsonDocument::fromJson(line).object();
    }
    return entries;
}

// The frames of one program as the card logged them: "index", block
// numbers, then "load:<final>".
QStringList programFrames(const QList<QJsonObject> &log, int program)
{
    QStringList out;
    for (const QJsonObject &e : log) {
        if (e.value("program").toInt() != program)
            continue;
        const QString kind = e.value("frame").toString();
        if (kind == QLatin1String("program-index"))
            out << QStringLiteral("index");
        else if (kind == QLatin1String("program-data"))
            out << QString::number(e.value("block").toInt());
        else if (kind == QLatin1String("transfer-load"))
            out << QStringLiteral("load:%1").arg(e.value("final").toInt());
    }
    return out;
}

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

// Whole sends to lumetra-sign over a pseudo-terminal.
class TestSendEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_sign;

    QString home() const { return m_dir.filePath(QStringLiteral("home")); }
    QString project() const { return home() + QStringLiteral("/Project/Project.zvp"); }
    QString linkPath() const
    {
        return m_dir.filePath(QStringLiteral("sign-%1").arg(QCoreApplication::applicationPid()));
    }
    QString outDir() const { return m_dir.filePath(QStringLiteral("out")); }

    bool startSign(const QString &cardClass, const QStringList &extra = {})
    {
        m_sign.setProgram(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"));
        m_sign.setArguments(QStringList{"--link", linkPath(), "--class", cardClass, "--out", outDir()} + extra);
        m_sign.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_sign.start();
        if (!m_sign.waitForStarted(5000))
            return false;
        while (!m_sign.canReadLine())
            if (!m_sign.waitForReadyRead(5000))
                return false;
        return m_sign.readLine().startsWith("card ");
    }

    // lumetra-cli on the test's home; returns the exit code.
    int cli(const QStringList &args, QByteArray *err = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-cli"), QStringList{"--home", home()} + args);
        if (!p.waitForFinished(30000))
            return -1;
        if (err)
            *err = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    void comparePictures(const QString &cardOut, int programs)
    {
        for (int k = 1; k <= programs; ++k) {
            const QString planes = m_dir.filePath(QStringLiteral("planes-%1.png").arg(k));
            QCOMPARE(cli({"planes", project(), "--program", QString::number(k), "--out", planes}), 0);
            const QImage expected = QImage(planes).convertToFormat(QImage::Format_RGB32);
            const QImage received =
                QImage(cardOut + QStringLiteral("/program-%1.png").arg(k)).convertToFormat(QImage::Format_RGB32);
            QVERIFY(!expected.isNull());
            QCOMPARE(received.size(), expected.size());
            QCOMPARE(received, expected);
        }
    }

private slots:
    void init()
    {
        QDir(home()).removeRecursively();
        QDir(outDir()).removeRecursively();
        QVERIFY(copyTree(QStringLiteral(LUMETRA_SOURCE_DIR "/resources/Project"), home() + "/Project"));
    }
    void cleanup()
    {
        if (m_sign.state() != QProcess::NotRunning) {
            m_sign.terminate();
            if (!m_sign.waitForFinished(5000))
                m_sign.kill();
            m_sign.waitForFinished(5000);
        }
    }

    void bundledProjectArrivesAsItsPlanes()
    {
        QVERIFY(startSign(QStringLiteral("B")));
        QByteArray err;
        QCOMPARE(cli({"send", project(), "--port", linkPath()}, &err), 0);
        QVERIFY2(!err.contains("可能没有连接到控制卡"), err.constData());
        QVERIFY(err.contains("正在下载节目3 100%"));

        // 128 × 32, two colours: one screen is blocks 2 and 3, final 4; the
        // picture zone that ends program 3 holds two pages.
        const QList<QJsonObject> log = readLog(outDir() + "/frames.jsonl");
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(programFrames(log, k), (QStringList{"index", "2", "3", "load:4"}));
        QCOMPARE(programFrames(log, 3), (QStringList{"index", "2", "3", "4", "5", "load:6"}));
        comparePictures(outDir(), 3);
    }

    // The card follows each answer with random bytes or another card's
    // answer: nothing is lost and no wait runs out.
    void sendCompletesThroughLineNoise_data()
    {
        QTest::addColumn<QString>("seed");
        QTest::newRow("seed 7") << QStringLiteral("7");
        QTest::newRow("seed 1234") << QStringLiteral("1234");
    }
    void sendCompletesThroughLineNoise()
    {
        QFETCH(QString, seed);
        QVERIFY(startSign(QStringLiteral("B"), {"--noise", seed}));
        QByteArray err;
        QCOMPARE(cli({"send", project(), "--port", linkPath()}, &err), 0);
        QVERIFY2(!err.contains("可能没有连接到控制卡"), err.constData());
        const QList<QJsonObject> log = readLog(outDir() + "/frames.jsonl");
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(programFrames(log, k), (QStringList{"index", "2", "3", "load:4"}));
        QCOMPARE(programFrames(log, 3), (QStringList{"index", "2", "3", "4", "5", "load:6"}));
        comparePictures(outDir(), 3);
    }

    void usbFileGivesTheSamePictures()
    {
        QVERIFY(startSign(QStringLiteral("B")));
        QCOMPARE(cli({"send", project(), "--port", linkPath()}), 0);
        const QString disk = m_dir.filePath(QStringLiteral("disk"));
        QCOMPARE(cli({"export-usb", project(), "--to", disk}), 0);
        const QString usbOut = m_dir.filePath(QStringLiteral("usb-out"));
        QProcess read;
        read.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"),
                   {"--read-usb", disk + "/qelto/qelto.zv", "--out", usbOut});
        QVERIFY(read.waitForFinished(10000));
        QCOMPARE(read.exitCode(), 0);
        for (int k = 1; k <= 3; ++k) {
            const QImage serial(outDir() + QStringLiteral("/program-%1.png").arg(k));
            const QImage usb(usbOut + QStringLiteral("/program-%1.png").arg(k));
            QVERIFY(!serial.isNull());
            QCOMPARE(usb.convertToFormat(QImage::Format_RGB32), serial.convertToFormat(QImage::Format_RGB32));
        }
    }

    void classACardGetsTheSameFramesWithFullWaits()
    {
        QVERIFY(startSign(QStringLiteral("A")));
        // A small display: one block, so the full waits stay short.
        Workspace ws;
        DisplayRecord &d = ws.display();
        d.CardModel = toGbk(u"A类卡");
        d.ScreenWidth = 64;
        d.ScreenHeight = 16;
        d.ProgramCount = 1;
        d.Programs[1].ZoneCount = 1;
        ZoneRecord &z = d.Programs[1].Zones[1];
        z.InUse = 1;
        z.Width = 64;
        z.Height = 16;
        z.ContentHeight = 16;
        static_cast<DisplaySettings &>(ws.WorkingSettings) = d;
        ws.ComPort.PortName = linkPath().toLocal8Bit();
        ws.ComPort.BaudRate = 4800;
        SerialTransport transport;
        ControllerLink link(ws, transport);
        ProgramPreparation preparation;
        ProgramSender sender(ws, link, preparation);
        QStringList messages;
        sender.message = [&messages](const QString &text) { messages << text; };

        // Index 1000 ms, the block 600 ms, the load 300 ms; the pause before
        // the load counts as answered at once.
        Marker marker(1850);
        sender.transdata();
        QVERIFY(marker.reached);
        QVERIFY(messages.isEmpty());
        QTRY_COMPARE(programFrames(readLog(outDir() + "/frames.jsonl"), 1), (QStringList{"index", "2", "load:3"}));
    }

    void portErrorExitsWithOne()
    {
        QByteArray err;
        QCOMPARE(cli({"send", project(), "--port", m_dir.filePath("nothing-here")}, &err), 1);
        QVERIFY(err.contains("串口数据发送失败。"));
    }
};

QTEST_GUILESS_MAIN(TestSendEndToEnd)
#include "tst_send_e2e.moc"
