#include "link/frames.h"
#include "model/gbk.h"
#include "sign/framesplitter.h"

#include <QTest>

using namespace lumetra;
using namespace lumetra::sign;

Q_DECLARE_METATYPE(QList<int>)

class TestFrameSplitter : public QObject
{
    Q_OBJECT

private slots:
    void splits_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("chunk"); // fed in pieces of this size; 0 = at once
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<bool>("pending");

        const QByteArray b = toGbk(u"B类卡");
        const AddressSelectors sel;
        DisplayRecord d;
        d.ProgramCount = 1;
        const QByteArray index = programIndexFrame(d, 0, sel);
        const QByteArray data = programDataFrame(sel, 1, 2, QByteArray(512, 'S'));
        const QByteArray load = transferLoadFrame(sel, 1, 3);
        const QByteArray all = index + data + load + brightnessFrame(sel, b, {}) + borderFrame(sel, b, true) +
                               timerFrame(sel, b, QDateTime::currentDateTime(), {}) + powerFrame(sel, b, true) +
                               pauseFrame(sel, b, false) + screenSetFrame(screenParameterBlock(d, d, {})) +
                               unitBoardTestFrame(0, b) + communicationTestFrame(128, b) + readParametersFrame(0) +
                               probeFrame();
        const QList<int> allKinds{int(FrameKind::ProgramIndex),
                                  int(FrameKind::ProgramData),
                                  int(FrameKind::TransferLoad),
                                  int(FrameKind::Brightness),
                                  int(FrameKind::Border),
                                  int(FrameKind::Timer),
                                  int(FrameKind::Power),
                                  int(FrameKind::Pause),
                                  int(FrameKind::ScreenSet),
                                  int(FrameKind::UnitBoardTest),
                                  int(FrameKind::CommunicationTest),
                                  int(FrameKind::ReadParameters),
                                  int(FrameKind::CommunicationTest)};
        QTest::newRow("every frame at once") << all << 0 << allKinds << false;
        QTest::newRow("every frame byte by byte") << all << 1 << allKinds << false;
        QTest::newRow("every frame in 7s") << all << 7 << allKinds << false;
        QTest::newRow("garbage before") << QByteArray("xx\x01") + load << 0
                                        << QList<int>{int(FrameKind::Unparsed), int(FrameKind::TransferLoad)} << false;
        QTest::newRow("half a frame") << index.left(100) << 0 << QList<int>{} << true;
        QTest::newRow("bad index end") << QByteArray(index).replace(244, 6, "XXXXXX") << 0
                                       << QList<int>{int(FrameKind::Unparsed)} << false;
        QTest::newRow("unknown kind") << QByteArray("SNDDAT\x42\x01") + load << 0
                                      << QList<int>{int(FrameKind::Unparsed), int(FrameKind::TransferLoad)} << false;
        QTest::newRow("control frame without end") << QByteArray("SNDDAT\xFF\x01") + QByteArray(60, '\0') << 0
                                                   << QList<int>{int(FrameKind::Unparsed)} << false;
        QTest::newRow("short frames") << QByteArray("TesTCONESNDR\xFF") << 0
                                      << QList<int>{int(FrameKind::UnitBoardTest), int(FrameKind::CommunicationTest),
                                                    int(FrameKind::ReadParameters)}
                                      << false;
    }
    void splits()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, chunk);
        QFETCH(QList<int>, kinds);
        QFETCH(bool, pending);
        FrameSplitter splitter;
        QList<SignFrame> frames;
        const int step = chunk > 0 ? chunk : int(stream.size());
        for (qsizetype i = 0; i < stream.size(); i += step)
            frames += splitter.feed(stream.mid(i, step));
        QList<int> got;
        QByteArray joined;
        for (const SignFrame &f : std::as_const(frames)) {
            got << int(f.kind);
            joined += f.bytes;
        }
        QCOMPARE(got, kinds);
        QCOMPARE(splitter.hasPending(), pending);
        if (!pending)
            QCOMPARE(joined, stream); // nothing lost, nothing made up
    }

    void flushReportsTheRest()
    {
        FrameSplitter splitter;
        QVERIFY(splitter.feed(QByteArray("SNDDAT\xFE", 7)).isEmpty());
        const QList<SignFrame> rest = splitter.flush();
        QCOMPARE(rest.size(), 1);
        QCOMPARE(rest.first().kind, FrameKind::Unparsed);
        QVERIFY(!splitter.hasPending());
        QVERIFY(splitter.flush().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFrameSplitter)
#include "tst_framesplitter.moc"
