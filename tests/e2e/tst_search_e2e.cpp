#include "support/virtualsign.h"

#include "link/controllerlink.h"
#include "link/displaysearch.h"
#include "link/hardwarelink.h"
#include "link/serialtransport.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

// Finding the card and reading its parameters over real pseudo-terminals.
class TestSearchEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    lumetra::test::VirtualSign m_sign;

    QString path(const QString &name) const
    {
        return m_dir.filePath(name + QString::number(QCoreApplication::applicationPid()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_sign.start(QStringLiteral("C")));
        QVERIFY(QFileInfo::exists(m_sign.link()));
    }

    void search_data()
    {
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("stored");
        const QString card = m_sign.link();
        const QString none1 = path("none1"), none2 = path("none2"), none3 = path("none3");
        QTest::newRow("second of three") << QStringList{none1, card, none2} << card
                                         << QStringLiteral("已经找到显示屏在") + card << card;
        QTest::newRow("none answers") << QStringList{none1, none2, none3} << QString()
                                      << QStringLiteral("没有找到显示屏,请检查硬件和通讯线。") << none3;
        QTest::newRow("no ports") << QStringList{} << QString() << QStringLiteral("电脑可能没有串口请检查后再操作。")
                                  << QStringLiteral("COM1");
    }

    void search()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, found);
        QFETCH(QString, label);
        QFETCH(QString, stored);

        Workspace ws;
        ws.display().CardModel = toGbk(u"C类卡");
        ws.display().SerialPort = "COM1";
        ws.display().BaudRate = 9600;
        SerialTransport transport;
        ControllerLink link(ws, transport);
        QList<int> progress;
        QString lastLabel;
        const QString result =
            DisplaySearch::run(link, ws, ports, m_dir.filePath("Project.zvp"), [&](int p, const QString &text) {
                progress << p;
                lastLabel = text;
            });
        QCOMPARE(result, found);
        QCOMPARE(lastLabel, label);
        QCOMPARE(fromGbk(ws.display().SerialPort), stored);
        if (!ports.isEmpty()) {
            QCOMPARE(progress.last(), 100);
            QCOMPARE(progress.at(1), 33); // each of three ports advances it by 100 / 3
        }
    }

    void readParameters_data()
    {
        QTest::addColumn<int>("address");
        QTest::newRow("card 1") << 1;
        QTest::newRow("all cards") << 129;
    }

    void readParameters()
    {
        QFETCH(int, address);
        Workspace ws;
        ws.display().CardModel = toGbk(u"C类卡");
        ws.display().CardAddress = address;
        ws.display().SerialPort = toGbk(m_sign.link());
        ws.ComPort.PortName = ws.display().SerialPort;
        ws.display().ScreenWidth = 8;
        SerialTransport transport;
        ControllerLink link(ws, transport);
        std::optional<ParameterValues> values;
        const CommandOutcome outcome = HardwareLink::readParameters(link, ws, values);
        QVERIFY(outcome.Answered);
        QVERIFY(values.has_value());
        QCOMPARE(values->ScreenWidth, 128);
        QCOMPARE(values->ScreenHeight, 32);
        QCOMPARE(ws.display().ScreenWidth, 128);
        QCOMPARE(values->CardAddressIndex + 1, address);
        QCOMPARE(values->CardClassIndex, 2);
    }
};

QTEST_GUILESS_MAIN(TestSearchEndToEnd)
#include "tst_search_e2e.moc"
