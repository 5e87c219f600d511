#include "link/linkmessages.h"
#include "link/portsettings.h"
#include "model/error.h"
#include "link/serialtransport.h"
#include "model/gbk.h"
#include "model/inidocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

namespace {

QByteArray stored(const QString &file, const char16_t *section, const char16_t *key)
{
    return IniDocument::load(file).value(toGbk(section), toGbk(key)).value_or(QByteArray("<missing>"));
}

} // namespace

class TestPortSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;

private slots:
    void init()
    {
        m_file = m_dir.filePath(QStringLiteral("Project.zvp"));
        QFile::remove(m_file);
    }

    void appliedBaudRate_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("applied");
        for (int rate : {4800, 19200, 38400, 57600, 115200})
            QTest::addRow("%d", rate) << rate << rate;
        QTest::newRow("9600") << 9600 << 9600;
        QTest::newRow("2400") << 2400 << 9600;
        QTest::newRow("0") << 0 << 9600;
        QTest::newRow("negative") << -4800 << 9600;
    }
    void appliedBaudRate()
    {
        QFETCH(int, stored);
        QFETCH(int, applied);
        QCOMPARE(PortSettings::appliedBaudRate(stored), applied);
    }

    void applayComNormalisesAndStores()
    {
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(toGbk(u"[显示屏参数]\r\n显示屏宽度=128\r\n[显示屏串口]\r\n串口=COM1\r\n波特率=4800\r\n"));
        f.close();

        WorkspaceState state;
        DisplayRecord &d = state.display();
        d.SerialPort = "COM3";
        d.BaudRate = 2400;
        d.LinkType = 2;
        const QString shown = PortSettings::ApplayCom(state, m_file);

        QCOMPARE(shown, QStringLiteral("COM3"));
        QCOMPARE(d.BaudRate, 9600);
        QCOMPARE(state.ComPort.PortName, QByteArray("COM3"));
        QCOMPARE(state.ComPort.BaudRate, 9600);
        QCOMPARE(stored(m_file, u"显示屏串口", u"波特率"), QByteArray("9600"));
        QCOMPARE(stored(m_file, u"显示屏串口", u"串口"), QByteArray("COM3"));
        QCOMPARE(stored(m_file, u"通讯方式", u"通讯类型"), QByteArray("2"));
        QCOMPARE(stored(m_file, u"显示屏参数", u"显示屏宽度"), QByteArray("128"));
        QCOMPARE(state.StatusPanels[4], QStringLiteral("COM3"));
        QCOMPARE(state.StatusPanels[5], QStringLiteral("9600"));
    }

    void combo1Change_data()
    {
        QTest::addColumn<int>("uiReady");
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("port");    // SerialPort afterwards
        QTest::addColumn<QByteArray>("file"); // "串口" in the file afterwards
        const QStringList ports{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};
        QTest::newRow("before start-up") << 0 << ports << QStringLiteral("COM1") << QByteArray("COM1");
        QTest::newRow("ready") << 200 << ports << QStringLiteral("/dev/ttyUSB0") << QByteArray("/dev/ttyUSB0");
        QTest::newRow("no ports") << 200 << QStringList() << QStringLiteral("COM1") << QByteArray("<missing>");
    }
    void combo1Change()
    {
        QFETCH(int, uiReady);
        QFETCH(QStringList, ports);
        QFETCH(QString, port);
        QFETCH(QByteArray, file);
        WorkspaceState state;
        state.UiReady = uiReady;
        state.display().SerialPort = "COM1";
        state.display().BaudRate = 19200;
        PortSettings::Combo1Change(state, ports, QStringLiteral("/dev/ttyUSB0"), m_file);
        QCOMPARE(fromGbk(state.display().SerialPort), port);
        QCOMPARE(stored(m_file, u"显示屏串口", u"串口"), file);
    }

    void virtualSignIsListedWhileItRuns()
    {
        const QString home = m_dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        const QString link = PortSettings::virtualSignLink(home);
        QVERIFY(!PortSettings::availablePorts(home).contains(link));
        const QString device = m_dir.filePath(QStringLiteral("device"));
        QVERIFY(QFile::link(device, link));
        QVERIFY(!PortSettings::availablePorts(home).contains(link)); // dangling: no card
        QFile f(device);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(PortSettings::availablePorts(home).contains(link));
    }

    void noPortsNoSend()
    {
        PortSettings::requirePorts({QStringLiteral("/dev/ttyS0")});
        try {
            PortSettings::requirePorts({});
            QFAIL("no error for an empty port list");
        } catch (const Error &e) {
            QCOMPARE(e.text(), noSerialPortMessage());
        }
    }

    void devicePath_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("COM1") << QByteArray("COM1") << QStringLiteral("/dev/ttyS0");
        QTest::newRow("COM12") << QByteArray("COM12") << QStringLiteral("/dev/ttyS11");
        QTest::newRow("lower case") << QByteArray("com2") << QStringLiteral("/dev/ttyS1");
        QTest::newRow("COM0 as given") << QByteArray("COM0") << QStringLiteral("COM0");
        QTest::newRow("COMX as given") << QByteArray("COMX") << QStringLiteral("COMX");
        QTest::newRow("device path") << QByteArray("/dev/pts/4") << QStringLiteral("/dev/pts/4");
        QTest::newRow("bare name") << QByteArray("ttyUSB0") << QStringLiteral("ttyUSB0");
    }
    void devicePath()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, path);
        QCOMPARE(SerialTransport::devicePath(name), path);
    }
};

QTEST_GUILESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
