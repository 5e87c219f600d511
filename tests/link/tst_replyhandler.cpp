#include "link/frames.h"
#include "link/replyhandler.h"
#include "model/gbk.h"

#include <QSignalSpy>
#include <QTest>

using namespace lumetra;

namespace {

// A parameter reply as a card with address byte `address` sends it.
QByteArray parameterReply(int address, int cardClass = 2)
{
    QByteArray r = QByteArray::fromHex("01 01 10 3c ff 18 30 02 ff 01 02 ff ff 02 01 01 04"
                                       "06 1e 17 0f c8 05 ff 07 01 14 02 ff ff ff 00 00");
    r[0] = char(address);
    r[7] = char(cardClass);
    return r;
}

} // namespace

class TestReplyHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<ParameterValues>(); }

    void chunks_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("testIndex");
        QTest::addColumn<int>("cardAddress");
        QTest::addColumn<bool>("awaitingParameters");
        QTest::addColumn<int>("replyCode");
        QTest::addColumn<int>("leftInBuffer");

        using L = QList<QByteArray>;
        const QByteArray ack1("\x60\x01\x00", 3);
        const QByteArray ack2("\x60\x02\x37", 3);
        const QByteArray ack5("\x60\x05\x00", 3);
        QTest::newRow("ack") << L{ack1} << 2 << 0 << 0 << 1 << false << 8 << 0;
        QTest::newRow("ack split 2+1") << L{ack1.left(2), ack1.mid(2)} << 2 << 0 << 0 << 1 << false << 8 << 0;
        QTest::newRow("ack split 1+1+1") << L{ack1.left(1), ack1.mid(1, 1), ack1.mid(2)} << 2 << 0 << 0 << 1 << false
                                         << 8 << 0;
        QTest::newRow("two bytes wait") << L{ack1.left(2)} << 2 << 0 << 0 << 1 << false << 0 << 2;
        QTest::newRow("wrong address") << L{ack2} << 2 << 0 << 0 << 1 << false << 0 << 0;
        QTest::newRow("not an ack") << L{QByteArray("\x61\x01\x00", 3)} << 2 << 0 << 0 << 1 << false << 0 << 0;
        QTest::newRow("broadcast target") << L{ack2} << 2 << 128 << 0 << 1 << false << 8 << 0;
        QTest::newRow("broadcast target, card address source") << L{ack2} << 0 << 128 << 0 << 1 << false << 8 << 0;
        QTest::newRow("broadcast target, test source, wrong") << L{ack2} << 1 << 128 << 0 << 1 << false << 0 << 0;
        QTest::newRow("broadcast target, test source, right") << L{ack1} << 1 << 128 << 0 << 1 << false << 8 << 0;
        QTest::newRow("card address source") << L{ack5} << 0 << 0 << 0 << 5 << false << 8 << 0;
        QTest::newRow("card address source, wrong") << L{ack1} << 0 << 0 << 0 << 5 << false << 0 << 0;
        QTest::newRow("all cards, card address source") << L{ack5} << 0 << 0 << 0 << 129 << false << 8 << 0;
        QTest::newRow("all cards, not an ack")
            << L{QByteArray("\x61\x05\x00", 3)} << 0 << 0 << 0 << 129 << false << 0 << 0;
        QTest::newRow("all cards, test source") << L{ack5} << 1 << 0 << 0 << 129 << false << 0 << 0;
        QTest::newRow("test address source") << L{ack5} << 1 << 0 << 4 << 1 << false << 8 << 0;
        QTest::newRow("34 bytes at once") << L{QByteArray(34, '\1')} << 2 << 0 << 0 << 1 << false << 0 << 0;
        // Noise in the same wait does not hide the answer behind it.
        QTest::newRow("ack at the end of 34 bytes")
            << L{QByteArray(31, '\1') + ack1} << 2 << 0 << 0 << 1 << false << 8 << 0;
        QTest::newRow("ack after noise") << L{QByteArray("\x13\x99", 2), ack1} << 2 << 0 << 0 << 1 << false << 8 << 0;
        QTest::newRow("wrong ack after noise") << L{QByteArray(5, '\7'), ack2} << 2 << 0 << 0 << 1 << false << 0 << 8;
        QTest::newRow("noise and ack in one piece")
            << L{QByteArray("\xfe", 1) + ack1} << 2 << 0 << 0 << 1 << false << 8 << 0;
        QTest::newRow("30 then 4") << L{QByteArray(30, '\1'), QByteArray(4, '\1')} << 2 << 0 << 0 << 1 << false << 0
                                   << 0;
        QTest::newRow("second ack after garbage")
            << L{QByteArray(2, '\1'), QByteArray(32, '\1'), ack1} << 2 << 0 << 0 << 1 << false << 8 << 0;

        const QByteArray reply = parameterReply(1);
        QTest::newRow("reply at once") << L{reply} << 0 << 0 << 0 << 1 << true << 8 << 0;
        QTest::newRow("reply 3+30 while reading")
            << L{reply.left(3), reply.mid(3)} << 0 << 0 << 0 << 1 << true << 8 << 0;
        QTest::newRow("reply 3+30 otherwise") << L{reply.left(3), reply.mid(3)} << 0 << 0 << 0 << 1 << false << 0 << 30;
        QTest::newRow("reply in many pieces")
            << L{reply.left(2), reply.mid(2, 1), reply.mid(3, 20), reply.mid(23)} << 0 << 0 << 0 << 1 << true << 8 << 0;
        QTest::newRow("reply for another card") << L{parameterReply(2)} << 0 << 0 << 0 << 1 << true << 0 << 0;
        QTest::newRow("reply 0xFF read with all cards")
            << L{parameterReply(0xFF)} << 0 << 0 << 0 << 129 << true << 8 << 0;
        QTest::newRow("reply 0xFF for card 1") << L{parameterReply(0xFF)} << 0 << 0 << 0 << 1 << true << 0 << 0;
        QTest::newRow("reply nobody asked for") << L{reply} << 0 << 0 << 0 << 1 << false << 0 << 0;
        QTest::newRow("ack ignored while reading") << L{ack1} << 2 << 0 << 0 << 1 << true << 0 << 3;
    }
    void chunks()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(int, testIndex);
        QFETCH(int, cardAddress);
        QFETCH(bool, awaitingParameters);
        QFETCH(int, replyCode);
        QFETCH(int, leftInBuffer);

        WorkspaceState state;
        state.display().CardAddress = cardAddress;
        state.ReplyAddressSource = source;
        AddressSelectors selectors;
        selectors.TargetIndex = target;
        selectors.TestAddressIndex = testIndex;
        ReplyHandler handler(state, selectors);
        handler.setAwaitingParameters(awaitingParameters);
        QSignalSpy accepted(&handler, &ReplyHandler::replyAccepted);

        for (const QByteArray &chunk : std::as_const(chunks))
            handler.ComPortRxChar(chunk);
        QCOMPARE(state.ReplyCode, replyCode);
        QCOMPARE(state.ReplyCount, leftInBuffer);
        QCOMPARE(int(state.ReplyBuffer.size()), leftInBuffer);
        QCOMPARE(accepted.count(), replyCode ? 1 : 0);
    }

    void resetEmptiesEverything()
    {
        WorkspaceState state;
        AddressSelectors selectors;
        ReplyHandler handler(state, selectors);
        handler.ComPortRxChar(QByteArray("\x60\x01", 2));
        state.ReplyCode = 8;
        handler.reset();
        QCOMPARE(state.ReplyCode, 0);
        QCOMPARE(state.ReplyCount, 0);
        QVERIFY(state.ReplyBuffer.isEmpty());
    }

    void decodesIntoTheDisplayRecord()
    {
        WorkspaceState state;
        DisplayRecord &d = state.display();
        d.CardAddress = 1;
        d.BaudRate = 4800;
        state.WorkingSettings.PowerOnHour = 3;
        AddressSelectors selectors;
        ReplyHandler handler(state, selectors);
        handler.setAwaitingParameters(true);
        QSignalSpy values(&handler, &ReplyHandler::parametersReceived);
        handler.ComPortRxChar(parameterReply(1, 3));

        QCOMPARE(d.CardAddress, 1);
        QCOMPARE(d.RefreshRate, 60);
        QCOMPARE(d.ScreenWidth, 192);
        QCOMPARE(d.ScreenHeight, 48);
        QCOMPARE(d.ColorType, 1);
        QCOMPARE(d.GrayLevel, 2);
        QCOMPARE(d.UnitBoardType, 1);
        QCOMPARE(d.DataLogic, 1);
        QCOMPARE(d.OeLogic, 1);
        QCOMPARE(int(d.PowerOnHour), 6);
        QCOMPARE(int(d.PowerOnMinute), 30);
        QCOMPARE(int(d.PowerOffHour), 23);
        QCOMPARE(int(d.PowerOffMinute), 15);
        QCOMPARE(int(d.DayBrightness), 200);
        QCOMPARE(int(d.NightBrightness), 5);
        QCOMPARE(int(d.DayBrightnessHour), 7);
        QCOMPARE(int(d.DayBrightnessMinute), 1);
        QCOMPARE(int(d.NightBrightnessHour), 20);
        QCOMPARE(int(d.NightBrightnessMinute), 2);
        QCOMPARE(d.CardModel, toGbk(u"C类卡"));
        QCOMPARE(d.BaudRate, 4800);                          // the dialog's class choice sets it
        QCOMPARE(int(state.WorkingSettings.PowerOnHour), 3); // working copy untouched

        QCOMPARE(values.count(), 1);
        const auto v = values.first().first().value<ParameterValues>();
        QCOMPARE(v.CardAddressIndex, 0);
        QCOMPARE(v.ScreenWidth, 192);
        QCOMPARE(v.ScreenHeight, 48);
        QCOMPARE(v.RefreshRate, 60);
        QCOMPARE(v.UnitBoardType, 1);
        QVERIFY(v.DataLogic);
        QVERIFY(v.OeLogic);
        QCOMPARE(v.CardClassIndex, 2);
    }

    void cardClass_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("model");
        QTest::newRow("1") << 1 << QStringLiteral("A类卡");
        QTest::newRow("2") << 2 << QStringLiteral("B类卡");
        QTest::newRow("3") << 3 << QStringLiteral("C类卡");
        QTest::newRow("unknown") << 9 << QStringLiteral("A类卡");
    }
    void cardClass()
    {
        QFETCH(int, code);
        QFETCH(QString, model);
        DisplayRecord d;
        ParameterReply::decode(parameterReply(1, code), d);
        QCOMPARE(fromGbk(d.CardModel), model);
    }

    void allCardsReplyKeeps129()
    {
        DisplayRecord d;
        const ParameterValues v = ParameterReply::decode(parameterReply(0xFF), d);
        QCOMPARE(d.CardAddress, 129);
        QCOMPARE(v.CardAddressIndex, 128);
    }
};

QTEST_GUILESS_MAIN(TestReplyHandler)
#include "tst_replyhandler.moc"
