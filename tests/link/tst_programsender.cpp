#include "faketransport.h"

#include "link/controllerlink.h"
#include "link/frames.h"
#include "link/linkmessages.h"
#include "link/programsender.h"
#include "model/gbk.h"

#include <QTest>

using namespace lumetra;

namespace {

const QByteArray Ack1("\x60\x01\x00", 3);

// Answers every frame except the transfer-load when told to stay silent there.
class PickyTransport : public FakeTransport
{
public:
    bool answerTransferLoad = true;
    void write(QByteArrayView frame) override
    {
        const QList<Piece> saved = answer;
        if (!answerTransferLoad && frame.size() == TransferLoadLength)
            answer.clear();
        FakeTransport::write(frame);
        answer = saved;
    }
};

struct Rig
{
    Workspace ws;
    PickyTransport transport;
    ControllerLink link{ws, transport};
    ProgramPreparation preparation;
    ProgramSender sender{ws, link, preparation};
    QList<TransferProgress> progress;
    QStringList messages;

    // programs of one zone of one screen without a file.
    Rig(int width, int height, int colorType, int programs)
    {
        DisplayRecord &d = ws.display();
        d.CardModel = toGbk(u"B类卡");
        d.CardAddress = 1;
        d.ScreenWidth = width;
        d.ScreenHeight = height;
        d.ColorType = colorType;
        d.ProgramCount = programs;
        static_cast<DisplaySettings &>(ws.WorkingSettings) = d;
        for (int p = 1; p <= programs; ++p) {
            ProgramRecord &program = d.Programs[p];
            program.ZoneCount = 1;
            ZoneRecord &z = program.Zones[1];
            z.InUse = 1;
            z.Width = width;
            z.Height = height;
            z.ContentHeight = height;
        }
        ws.ComPort.PortName = "/dev/pts/77";
        ws.ComPort.BaudRate = 19200;
        transport.answer = {{0, Ack1}};
        sender.progress = [this](const TransferProgress &p) { progress << p; };
        sender.message = [this](const QString &text) { messages << text; };
    }

    QList<QByteArray> framesOfLength(int length) const
    {
        QList<QByteArray> out;
        for (const QByteArray &f : transport.written)
            if (f.size() == length)
                out << f;
        return out;
    }
};

} // namespace

class TestProgramSender : public QObject
{
    Q_OBJECT

private slots:
    void blocksAndFinalValue_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colorType");
        QTest::addColumn<int>("contentScreens");
        QTest::addColumn<QList<int>>("blocks");
        QTest::addColumn<int>("finalValue");
        QTest::newRow("128x32 dual, one screen") << 128 << 32 << 1 << 1 << QList<int>{2, 3} << 4;
        QTest::newRow("64x16 single") << 64 << 16 << 0 << 1 << QList<int>{2} << 3;
        // 4096 bytes: eight full blocks 2 … 9; 9 is no multiple of 8.
        QTest::newRow("4096 bytes") << 128 << 32 << 1 << 4 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9} << 10;
        QTest::newRow("no rows") << 64 << 16 << 0 << 0 << QList<int>{} << 2;
    }
    void blocksAndFinalValue()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colorType);
        QFETCH(int, contentScreens);
        QFETCH(QList<int>, blocks);
        QFETCH(int, finalValue);
        Rig rig(width, height, colorType, 1);
        rig.ws.display().Programs[1].Zones[1].ContentHeight = contentScreens * height;
        rig.sender.transdata();

        // Index, the blocks, the transfer-load: nothing else, in that order.
        const QList<QByteArray> &w = rig.transport.written;
        QCOMPARE(w.size(), 2 + blocks.size());
        QCOMPARE(w.first(), programIndexFrame(rig.ws.display(), 0, rig.link.selectors()));
        const QList<QByteArray> data = rig.framesOfLength(ProgramDataLength);
        QCOMPARE(data.size(), blocks.size());
        for (int i = 0; i < data.size(); ++i) {
            QCOMPARE(int(uint8_t(data[i][8])), 1);
            QCOMPARE(int(uint8_t(data[i][9])), blocks[i]);
            // The planes hold no lit LED: every data byte is zero.
            QCOMPARE(data[i].mid(10, 512), QByteArray(512, '\0'));
        }
        QCOMPARE(w.last(), transferLoadFrame(rig.link.selectors(), 1, uint8_t(finalValue)));
        QVERIFY(rig.messages.isEmpty());
    }

    void noProgramsSendsNothing()
    {
        Rig rig(64, 16, 0, 0);
        rig.sender.transdata();
        QVERIFY(rig.transport.written.isEmpty());
        QVERIFY(rig.progress.isEmpty());
    }

    void progressIsRightAtEveryBlockAndAtTheEnd()
    {
        // 64 × 16 dual, three screens: 768 bytes, a full and a partial block.
        Rig rig(64, 16, 1, 2);
        for (int p = 1; p <= 2; ++p)
            rig.ws.display().Programs[p].Zones[1].ContentHeight = 48;
        rig.sender.transdata();
        QCOMPARE(rig.progress.size(), 6);
        const int expected[3][2] = {{0, 0}, {512, 66}, {768, 100}};
        for (int i = 0; i < 6; ++i) {
            const TransferProgress &p = rig.progress[i];
            QCOMPARE(p.program, i / 3 + 1);
            QCOMPARE(p.maximum, 768);
            QCOMPARE(p.position, expected[i % 3][0]);
            QCOMPARE(p.percent(), expected[i % 3][1]);
        }
    }

    void missingTransferLoadAnswerIsReportedPerProgram()
    {
        Rig rig(64, 16, 0, 2);
        rig.transport.answerTransferLoad = false;
        rig.sender.transdata();
        QCOMPARE(rig.messages, QStringList(2, noAnswerMessage()));
        // The second program was still sent.
        QCOMPARE(rig.framesOfLength(TransferLoadLength).size(), 2);
        QCOMPARE(int(uint8_t(rig.framesOfLength(TransferLoadLength).last()[8])), 2);
    }

    // Noise and another card's answer ahead of every acknowledgement, in
    // pieces of their own or with it: every frame still counts as answered.
    void noiseBeforeTheAnswersIsIgnored_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        using L = QList<QByteArray>;
        const QByteArray noise("\x13\x99\x00\x7f\xfe", 5);
        const QByteArray otherCard("\x60\x02\x00", 3);
        QTest::newRow("separate pieces") << L{noise, otherCard, Ack1};
        QTest::newRow("one piece") << L{noise + otherCard + Ack1};
        QTest::newRow("long burst first") << L{QByteArray(40, '\x55'), QByteArray(2, '\x01'), Ack1};
    }
    void noiseBeforeTheAnswersIsIgnored()
    {
        QFETCH(QList<QByteArray>, pieces);
        Rig rig(128, 32, 1, 2);
        rig.transport.answer.clear();
        for (int i = 0; i < pieces.size(); ++i)
            rig.transport.answer << FakeTransport::Piece{i, pieces[i]};
        rig.sender.transdata();
        QCOMPARE(rig.framesOfLength(TransferLoadLength).size(), 2);
        QCOMPARE(rig.messages, QStringList());
    }

    void portErrorStopsTheSend()
    {
        Rig rig(64, 16, 0, 2);
        rig.transport.failWrite = true;
        bool thrown = false;
        try {
            rig.sender.transdata();
        } catch (const Error &e) {
            thrown = true;
            QCOMPARE(e.text(), sendFailedMessage());
        }
        QVERIFY(thrown);
        QVERIFY(!rig.transport.isOpen());
        QCOMPARE(rig.transport.calls.count(QStringLiteral("write")), 1);
    }

    void planesAreClearedAndLastProgramStays()
    {
        Rig rig(64, 16, 0, 2);
        rig.ws.planes().redRow(0)[0] = 1;
        rig.sender.transdata();
        // The stale LED never reached the card.
        const QList<QByteArray> data = rig.framesOfLength(ProgramDataLength);
        QCOMPARE(int(uint8_t(data.first()[10])), 0);
        QCOMPARE(rig.ws.CurrentProgram, 2);
        QCOMPARE(rig.ws.CurrentZone, 1);
    }
};

QTEST_GUILESS_MAIN(TestProgramSender)
#include "tst_programsender.moc"
