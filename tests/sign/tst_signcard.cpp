#include "link/frames.h"
#include "link/programstream.h"
#include "model/gbk.h"
#include "sign/signcard.h"
#include "sign/signparameters.h"
#include "sign/usbreader.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumetra;
using namespace lumetra::sign;

namespace {

// A 64 × 16 two-colour display, one program of one zone with two screens.
struct Program
{
    DisplayRecord display;
    std::unique_ptr<FramePlanes> planes = std::make_unique<FramePlanes>();

    Program()
    {
        display.ScreenWidth = 64;
        display.ScreenHeight = 16;
        display.ColorType = 1;
        display.CardAddress = 1;
        display.BaudRate = 19200;
        display.ProgramCount = 1;
        ZoneRecord &z = display.Programs[1].Zones[1];
        z.Width = 64;
        z.Height = 16;
        z.ContentHeight = 32;
        // A red diagonal, a green column, one yellow LED.
        for (int r = 0; r < 32; ++r)
            planes->redRow(r)[r] = 1;
        for (int r = 0; r < 32; ++r)
            planes->greenRow(r)[63] = 1;
        planes->greenRow(5)[5] = 1;
    }

    ProgramStream stream() const
    {
        return ProgramStream(*planes, StreamGeometry::fromSettings(display), display.Programs[1]);
    }

    // What a serial send puts on the line for program 1.
    QByteArray lineBytes() const
    {
        const AddressSelectors sel;
        const ProgramStream s = stream();
        QByteArray bytes = programIndexFrame(display, 0, sel);
        for (int i = 0; i < s.blockCount(); ++i)
            bytes += programDataFrame(sel, 1, ProgramStream::blockNumber(i), s.block(i));
        return bytes + transferLoadFrame(sel, 1, s.finalBlockValue());
    }

    QByteArray screenSet() const
    {
        return screenSetFrame(screenParameterBlock(display, display, ParameterBlockVariant::Serial));
    }

    void checkPicture(const QImage &image) const
    {
        QCOMPARE(image.size(), QSize(64, 32));
        for (int r = 0; r < 32; ++r)
            for (int x = 0; x < 64; ++x) {
                const QRgb expected = qRgb(planes->red(r, x) ? 255 : 0, planes->green(r, x) ? 255 : 0, 0);
                if (image.pixel(x, r) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(r)));
            }
    }
};

} // namespace

class TestSignCard : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<int>("cardClass");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("answer"); // hex; "reply" for a parameter reply

        const QByteArray b = toGbk(u"B类卡");
        AddressSelectors to3;
        to3.TargetIndex = 2;
        AddressSelectors all;
        all.TargetIndex = 128;
        QTest::newRow("B probe") << 2 << 1 << probeFrame() << QByteArray("600100");
        QTest::newRow("A probe") << 1 << 1 << probeFrame() << QByteArray();
        QTest::newRow("B probe other card") << 2 << 2 << probeFrame() << QByteArray();
        QTest::newRow("link test own") << 2 << 2 << communicationTestFrame(1, b) << QByteArray("600200");
        QTest::newRow("link test all") << 3 << 2 << communicationTestFrame(128, b) << QByteArray("600200");
        QTest::newRow("unit test all") << 2 << 9 << unitBoardTestFrame(128, b) << QByteArray("600900");
        QTest::newRow("power to me") << 2 << 1 << powerFrame({}, b, true) << QByteArray("600100");
        QTest::newRow("power to 3") << 2 << 1 << powerFrame(to3, b, true) << QByteArray();
        QTest::newRow("power to all") << 2 << 1 << powerFrame(all, b, true) << QByteArray("600100");
        QTest::newRow("A power") << 1 << 1 << powerFrame({}, b, true) << QByteArray();
        QTest::newRow("load to me") << 3 << 3 << transferLoadFrame(to3, 1, 2) << QByteArray("600300");
        QTest::newRow("read B") << 2 << 1 << readParametersFrame(0) << QByteArray("reply");
        QTest::newRow("read C all") << 3 << 1 << readParametersFrame(128) << QByteArray("reply");
        QTest::newRow("read other card") << 2 << 1 << readParametersFrame(4) << QByteArray();
        QTest::newRow("A read") << 1 << 1 << readParametersFrame(0) << QByteArray();
        QTest::newRow("garbage") << 2 << 1 << QByteArray("hello") << QByteArray();
    }
    void answers()
    {
        QFETCH(int, cardClass);
        QFETCH(int, address);
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, answer);
        SignCard card(SignCard::Class(cardClass), address, QString());
        const QByteArray got = card.receive(frame);
        if (answer != "reply") {
            QCOMPARE(got.toHex(), answer);
            return;
        }
        QCOMPARE(got.size(), ParameterReplyLength);
        QCOMPARE(int(uint8_t(got[0])), frame.endsWith('\xFF') ? 0xFF : address);
        QCOMPARE(int(got[7]), cardClass);
        QCOMPARE(got.mid(1, 6), card.parameters().mid(1, 6));
        QCOMPARE(got.mid(8, 23), card.parameters().mid(8, 23));
    }

    void keepsWhatItReceives()
    {
        const QByteArray b = toGbk(u"B类卡");
        SignCard card(SignCard::ClassB, 1, QString());
        card.receive(brightnessFrame({}, b, {7, 0, 19, 30, 150, 20}));
        card.receive(borderFrame({}, b, true) + powerFrame({}, b, false) + pauseFrame({}, b, true));
        card.receive(timerFrame({}, b, QDateTime(QDate(2009, 5, 7), QTime(16, 0)), {6, 0, 23, 0}));
        QCOMPARE(card.brightness(), QByteArray::fromHex("0700131e9614"));
        QCOMPARE(card.border(), 1);
        QCOMPARE(card.power(), 0);
        QCOMPARE(card.pause(), 1);
        QCOMPARE(card.timer(), QByteArray::fromHex("09050704100000"
                                                   "06001700"));
    }

    void screenSetIsStoredAndAnswered()
    {
        Program p;
        p.display.CardAddress = 7;
        p.display.ScreenWidth = 192;
        SignCard card(SignCard::ClassC, 1, QString());
        QCOMPARE(card.receive(p.screenSet()).toHex(), QByteArray("600700"));
        QCOMPARE(card.address(), 7);
        QCOMPARE(int(uint8_t(card.parameters()[5])), 24);
        const QByteArray reply = card.receive(readParametersFrame(6));
        QCOMPARE(reply.mid(1, 6), card.parameters().mid(1, 6));
        QCOMPARE(int(reply[7]), 3);
    }

    void loadWritesThePictureAndTheLog()
    {
        QTemporaryDir dir;
        Program p;
        SignCard card(SignCard::ClassB, 1, dir.path());
        card.receive(p.screenSet());
        const QByteArray answers = card.receive(p.lineBytes());
        const int frames = 1 + p.stream().blockCount() + 1;
        QCOMPARE(answers, QByteArray::fromHex("600100").repeated(frames));
        QCOMPARE(card.program(1).blocks.size(), p.stream().blockCount());
        p.checkPicture(QImage(card.picturePath(1)));

        QFile log(dir.filePath(QStringLiteral("frames.jsonl")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n');
        QCOMPARE(lines.size(), 1 + frames + 1); // with the screen set, and the empty tail
        QVERIFY(lines.at(frames).contains("\"frame\":\"transfer-load\""));
        QVERIFY(lines.at(frames).contains("program-1.png"));
        QCOMPARE(card.unparsedCount(), 0);
    }

    void readsAUsbFile()
    {
        QTemporaryDir dir;
        Program p;
        const ProgramStream s = p.stream();
        AddressSelectors sel;
        QByteArray file = QByteArray("01013131");
        file += p.screenSet().toHex().toUpper();
        QByteArray index = programIndexFrame(p.display, 0, sel);
        index.replace(244, 7, QByteArray::fromHex("09050704100000")); // the disk's clock
        file += index.toHex().toUpper();
        for (int i = 0; i < s.blockCount(); ++i)
            file += programDataFrame(sel, 1, ProgramStream::blockNumber(i), s.block(i)).toHex().toUpper();
        QByteArray load = QByteArray(265, '\xFC') + QByteArray(265, '\x97');
        load[8] = 1;
        load[9] = char(s.finalBlockValue());
        file += load;

        const UsbReader::Result r = UsbReader::parse(file);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.header, QByteArray::fromHex("01013131"));
        QCOMPARE(r.frames.size(), 1 + 1 + s.blockCount() + 1);
        QCOMPARE(r.frames.last().kind, FrameKind::TransferLoad);

        SignCard card(SignCard::ClassB, 5, dir.path()); // address does not matter for a disk
        for (const SignFrame &f : r.frames)
            QVERIFY(card.handle(f, SignCard::Source::UsbFile).isEmpty());
        p.checkPicture(QImage(card.picturePath(1)));

        QVERIFY(!UsbReader::parse(file.left(file.size() - 10)).error.isEmpty());
        QVERIFY(!UsbReader::parse("0101").error.isEmpty());
    }

    void parametersFromAFile()
    {
        QTemporaryDir dir;
        const QString project = dir.filePath(QStringLiteral("card.zvp"));
        QFile f(project);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(toGbk(u"[显示屏参数]\r\n显示屏宽度=192\r\n显示屏高度=48\r\n显示屏颜色类型=0\r\n控制卡地址=3\r\n"
                      u"单元板接口类型=2\r\n[显示屏串口]\r\n波特率=4800\r\n"));
        f.close();
        QString error;
        const QByteArray block = SignParameters::load(project, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(block.size(), ScreenParameterBlockLength);
        QCOMPARE(int(uint8_t(block[0])), 3);
        QCOMPARE(int(uint8_t(block[2])), 4);
        QCOMPARE(int(uint8_t(block[5])), 24);
        QCOMPARE(int(uint8_t(block[6])), 48);
        QCOMPARE(int(uint8_t(block[9])), 0);
        QCOMPARE(int(uint8_t(block[16])), 4);

        const QString raw = dir.filePath(QStringLiteral("block.bin"));
        QFile r(raw);
        QVERIFY(r.open(QIODevice::WriteOnly));
        r.write(block);
        r.close();
        QCOMPARE(SignParameters::load(raw, error), block);

        QVERIFY(SignParameters::load(dir.filePath(QStringLiteral("missing")), error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void picturesNeverReadPastTheBlocks()
    {
        Program p;
        p.display.Programs[1].Zones[1].ContentHeight = 255 * 8; // claims far more than is sent
        SignCard card(SignCard::ClassB, 1, QString());
        card.receive(p.screenSet());
        QByteArray bytes = programIndexFrame(p.display, 0, {});
        bytes += programDataFrame({}, 1, 2, QByteArray(100, '\xFF'));
        card.receive(bytes);
        const QImage image = card.programPicture(1);
        QCOMPARE(image.size(), QSize(64, 512 / 16));
    }
};

QTEST_GUILESS_MAIN(TestSignCard)
#include "tst_signcard.moc"
