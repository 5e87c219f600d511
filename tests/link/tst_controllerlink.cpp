#include "faketransport.h"

#include "link/controllerlink.h"
#include "link/frames.h"
#include "link/linkmessages.h"
#include "model/gbk.h"

#include <QTest>

using namespace lumetra;

namespace {

const QByteArray Ack1("\x60\x01\x00", 3);

struct Rig
{
    WorkspaceState state;
    FakeTransport transport;
    ControllerLink link{state, transport};

    explicit Rig(const char16_t *cardModel = u"B类卡")
    {
        state.display().CardModel = toGbk(cardModel);
        state.display().CardAddress = 1;
        state.ComPort.PortName = "/dev/pts/77";
        state.ComPort.BaudRate = 19200;
    }
};

// Set when the event loop reaches the given time; tells whether a wait ended
// before it or ran past it.
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

class TestControllerLink : public QObject
{
    Q_OBJECT

private slots:
    void answerEndsTheWaitEarly()
    {
        Rig rig;
        rig.transport.answer = {{0, Ack1}};
        Marker marker(2000);
        rig.link.transact(powerFrame({}, rig.state.display().CardModel, true), 5000);
        QCOMPARE(rig.state.ReplyCode, 8);
        QVERIFY(!marker.reached);
        QCOMPARE(rig.transport.calls, QStringList({"open", "write", "close"}));
        QCOMPARE(rig.transport.openedPort, QByteArray("/dev/pts/77"));
        QCOMPARE(rig.transport.openedRate, 19200);
        QCOMPARE(rig.transport.written.size(), 1);
        QCOMPARE(rig.transport.written.first().size(), PowerLength);
    }

    void classACountsAsAnsweredAfterTheFullWait()
    {
        Rig rig(u"A类卡");
        Marker marker(50);
        rig.link.transact(powerFrame({}, rig.state.display().CardModel, true), 200);
        QVERIFY(marker.reached); // the wait ran on past 50 ms with no answer
        QCOMPARE(rig.state.ReplyCode, 8);
    }

    void noAnswerLeavesReplyCodeZero()
    {
        Rig rig;
        rig.transport.answer = {{0, QByteArray("\x60\x02\x00", 3)}}; // another card
        Marker marker(20);
        rig.link.transact(probeFrame(), 100);
        QVERIFY(marker.reached);
        QCOMPARE(rig.state.ReplyCode, 0);
    }

    void transactionStartsWithAnEmptyBuffer()
    {
        Rig rig;
        rig.state.ReplyBuffer = QByteArray("\x60\x01", 2); // stale bytes of an earlier command
        rig.state.ReplyCount = 2;
        rig.state.ReplyCode = 8;
        rig.transport.answer = {{0, QByteArray("\x00", 1)}};
        rig.link.transact(probeFrame(), 50);
        QCOMPARE(rig.state.ReplyCode, 0);
        QCOMPARE(rig.state.ReplyCount, 1);
    }

    void waitReturnsAtOnceWhenAlreadyAnswered()
    {
        Rig rig;
        rig.state.ReplyCode = 8;
        Marker marker(0);
        rig.link.WaitForReply(5000);
        QVERIFY(!marker.reached);
    }

    void commandAnswered()
    {
        Rig rig;
        rig.transport.answer = {{0, Ack1}};
        const CommandOutcome outcome = rig.link.runCommand(CommandKind::Power, QByteArray("x"));
        QVERIFY(outcome.Answered);
        QVERIFY(outcome.Message.isEmpty());
        QCOMPARE(rig.state.ReplyAddressSource, 2);
    }

    void commandUnanswered()
    {
        Rig rig;
        rig.link.selectors().TargetIndex = 3; // answers for card 1 are not for us
        rig.transport.answer = {{0, Ack1}};
        const CommandOutcome outcome = rig.link.runCommand(CommandKind::Pause, QByteArray("x"));
        QVERIFY(!outcome.Answered);
        QCOMPARE(outcome.Message, noAnswerMessage());
    }

    void noAnswerTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("allCards");
        QTest::addColumn<QString>("message");
        const QString none;
        const QString msg = noAnswerMessage();
        QTest::newRow("power") << int(CommandKind::Power) << false << msg;
        QTest::newRow("brightness") << int(CommandKind::Brightness) << false << msg;
        QTest::newRow("screen set") << int(CommandKind::ScreenSet) << false << msg;
        QTest::newRow("read") << int(CommandKind::ReadParameters) << false << msg;
        QTest::newRow("index") << int(CommandKind::ProgramIndex) << false << none;
        QTest::newRow("data") << int(CommandKind::ProgramData) << false << none;
        QTest::newRow("load") << int(CommandKind::TransferLoad) << false << msg;
        QTest::newRow("probe") << int(CommandKind::Probe) << false << none;
        QTest::newRow("unit test") << int(CommandKind::UnitBoardTest) << false << msg;
        QTest::newRow("unit test all cards") << int(CommandKind::UnitBoardTest) << true << none;
        QTest::newRow("link test") << int(CommandKind::CommunicationTest) << false << msg;
        QTest::newRow("link test all cards") << int(CommandKind::CommunicationTest) << true << none;
        QTest::newRow("power, test on all cards") << int(CommandKind::Power) << true << msg;
    }
    void noAnswerTexts()
    {
        QFETCH(int, kind);
        QFETCH(bool, allCards);
        QFETCH(QString, message);
        QCOMPARE(CommandEntry::of(CommandKind(kind)).noAnswerText(allCards), message);
    }

    void portErrors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("failOpen");
        QTest::addColumn<bool>("thrown");
        QTest::addColumn<QString>("message");
        QTest::newRow("power, open fails") << int(CommandKind::Power) << true << false << sendFailedMessage();
        QTest::newRow("power, write fails") << int(CommandKind::Power) << false << false << sendFailedMessage();
        QTest::newRow("screen set") << int(CommandKind::ScreenSet) << true << false << sendFailedMessage();
        QTest::newRow("link test") << int(CommandKind::CommunicationTest) << true << false << QString();
        QTest::newRow("probe") << int(CommandKind::Probe) << true << false << QString();
        QTest::newRow("index") << int(CommandKind::ProgramIndex) << true << true << QString();
        QTest::newRow("data") << int(CommandKind::ProgramData) << false << true << QString();
        QTest::newRow("load") << int(CommandKind::TransferLoad) << true << true << QString();
    }
    void portErrors()
    {
        QFETCH(int, kind);
        QFETCH(bool, failOpen);
        QFETCH(bool, thrown);
        QFETCH(QString, message);
        Rig rig;
        rig.transport.failOpen = failOpen;
        rig.transport.failWrite = !failOpen;
        bool caught = false;
        CommandOutcome outcome;
        try {
            outcome = rig.link.runCommand(CommandKind(kind), QByteArray("x"));
        } catch (const Error &e) {
            caught = true;
            QCOMPARE(e.text(), sendFailedMessage());
        }
        QCOMPARE(caught, thrown);
        QVERIFY(!outcome.Answered);
        QCOMPARE(outcome.Message, message);
        QVERIFY(!rig.transport.isOpen());
        QCOMPARE(rig.transport.calls.last(), QStringLiteral("close"));
    }

    void commandTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("source");
        QTest::newRow("index") << int(CommandKind::ProgramIndex) << 0 << 1000 << 2;
        QTest::newRow("data 7") << int(CommandKind::ProgramData) << 7 << 600 << 2;
        QTest::newRow("data 8") << int(CommandKind::ProgramData) << 8 << 1500 << 2;
        QTest::newRow("data 16") << int(CommandKind::ProgramData) << 16 << 1500 << 2;
        QTest::newRow("load") << int(CommandKind::TransferLoad) << 0 << 300 << 2;
        QTest::newRow("brightness") << int(CommandKind::Brightness) << 0 << 2000 << 2;
        QTest::newRow("border") << int(CommandKind::Border) << 0 << 1200 << 2;
        QTest::newRow("timer") << int(CommandKind::Timer) << 0 << 300 << 2;
        QTest::newRow("power") << int(CommandKind::Power) << 0 << 300 << 2;
        QTest::newRow("pause") << int(CommandKind::Pause) << 0 << 300 << 2;
        QTest::newRow("screen set") << int(CommandKind::ScreenSet) << 0 << 1200 << 0;
        QTest::newRow("unit test") << int(CommandKind::UnitBoardTest) << 0 << 1200 << 1;
        QTest::newRow("link test") << int(CommandKind::CommunicationTest) << 0 << 1000 << 1;
        QTest::newRow("read") << int(CommandKind::ReadParameters) << 0 << 1200 << 0;
        QTest::newRow("probe") << int(CommandKind::Probe) << 0 << 1000 << 2;
    }
    void commandTable()
    {
        QFETCH(int, kind);
        QFETCH(int, block);
        QFETCH(int, timeout);
        QFETCH(int, source);
        const CommandEntry entry = CommandEntry::of(CommandKind(kind));
        QCOMPARE(entry.timeoutMs(block), timeout);
        QCOMPARE(entry.ReplyAddressSource, source);
    }

    void readParametersInPieces()
    {
        Rig rig;
        QByteArray reply = QByteArray::fromHex("01 01 10 3c ff 10 20 03 ff 01 00 ff ff 01 00 00 10"
                                               "07 00 07 00 0a 0a ff 07 00 14 00 ff ff ff 00 00");
        rig.transport.answer = {{0, reply.left(3)}, {5, reply.mid(3)}};
        const CommandOutcome outcome = rig.link.runCommand(CommandKind::ReadParameters, readParametersFrame(0));
        QVERIFY(outcome.Answered);
        QCOMPARE(rig.state.display().ScreenWidth, 128);
        QCOMPARE(rig.state.display().ScreenHeight, 32);
        QCOMPARE(rig.state.display().CardModel, toGbk(u"C类卡"));
        QVERIFY(!rig.link.replies().awaitingParameters());
        QCOMPARE(rig.state.ReplyAddressSource, 0);
    }

    void answerTakenByANestedCommandEndsTheOuterWait()
    {
        Rig rig;
        Marker marker(2500);
        bool nestedRan = false;
        QTimer::singleShot(10, &rig.transport, [&] {
            rig.transport.answer = {{0, Ack1}};
            rig.link.transact(probeFrame(), 5000);
            nestedRan = true;
        });
        rig.link.transact(probeFrame(), 5000);
        QVERIFY(nestedRan);
        QCOMPARE(rig.state.ReplyCode, 8);
        QVERIFY(!marker.reached);
    }

    void eventsRunDuringTheWait()
    {
        Rig rig;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(5);
        rig.link.transact(probeFrame(), 100);
        QVERIFY(ticks > 0);
    }
};

QTEST_GUILESS_MAIN(TestControllerLink)
#include "tst_controllerlink.moc"
