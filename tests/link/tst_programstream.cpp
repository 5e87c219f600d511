#include "link/programstream.h"

#include <QTest>

#include <memory>

using namespace lumetra;

class TestProgramStream : public QObject
{
    Q_OBJECT

    std::unique_ptr<FramePlanes> m_planes;

    static ProgramRecord oneZone(int height, int contentHeight)
    {
        ProgramRecord p;
        p.ZoneCount = 1;
        p.Zones[1].Height = height;
        p.Zones[1].ContentHeight = contentHeight;
        return p;
    }

private slots:
    void initTestCase() { m_planes = std::make_unique<FramePlanes>(); }
    void init() { m_planes->clear(); }

    void packsLeftmostLedIntoTopBit_data()
    {
        QTest::addColumn<QList<int>>("lit"); // plane columns set in row 0
        QTest::addColumn<int>("byteColumn");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << QList<int>{} << 0 << 0x00;
        QTest::newRow("first") << QList<int>{0} << 0 << 0x80;
        QTest::newRow("last") << QList<int>{7} << 0 << 0x01;
        QTest::newRow("both ends") << QList<int>{0, 7} << 0 << 0x81;
        QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 0 << 0xFF;
        QTest::newRow("second byte") << QList<int>{8, 10} << 1 << 0xA0;
        QTest::newRow("neighbour ignored") << QList<int>{8} << 0 << 0x00;
        QTest::newRow("last usable byte") << QList<int>{1471} << 183 << 0x01;
    }
    void packsLeftmostLedIntoTopBit()
    {
        QFETCH(QList<int>, lit);
        QFETCH(int, byteColumn);
        QFETCH(int, expected);
        for (int c : lit)
            m_planes->redRow(0)[c] = 1;
        QCOMPARE(int(TRANSDATAR(*m_planes, 0, byteColumn)), expected);
        QCOMPARE(int(TRANSDATAG(*m_planes, 0, byteColumn)), 0);
    }

    void anyNonZeroByteIsLit()
    {
        m_planes->greenRow(3)[0] = 0x80;
        m_planes->greenRow(3)[1] = 0x7F;
        m_planes->greenRow(3)[2] = 0xFF;
        m_planes->greenRow(3)[3] = 0x01;
        QCOMPARE(int(TRANSDATAG(*m_planes, 3, 0)), 0xF0);
    }

    void outsideThePlanesIsZero_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("byteColumn");
        QTest::newRow("row 6144") << 6144 << 0;
        QTest::newRow("row far out") << 100000 << 0;
        QTest::newRow("negative row") << -1 << 0;
        QTest::newRow("byte column 184") << 0 << 184;
        QTest::newRow("negative column") << 0 << -1;
    }
    void outsideThePlanesIsZero()
    {
        QFETCH(int, row);
        QFETCH(int, byteColumn);
        // The never-written last row and column hold ones here.
        std::fill_n(m_planes->redRow(6144), FramePlanes::Columns, uint8_t(1));
        for (int r = 0; r < FramePlanes::Rows; r += 97)
            m_planes->redRow(r)[1472] = 1;
        QCOMPARE(int(TRANSDATAR(*m_planes, row, byteColumn)), 0);
    }

    void streamSizesAndBlocks_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colorType");
        QTest::addColumn<int>("zoneHeight");
        QTest::addColumn<int>("contentHeight");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("finalValue");
        QTest::newRow("64x16 single") << 64 << 16 << 0 << 16 << 16 << 128 << 1 << 3;
        QTest::newRow("64x16 dual") << 64 << 16 << 1 << 16 << 16 << 256 << 1 << 3;
        QTest::newRow("128x32 dual 3 screens") << 128 << 32 << 1 << 32 << 96 << 3072 << 6 << 8;
        QTest::newRow("full colour sends both") << 128 << 32 << 2 << 32 << 96 << 3072 << 6 << 8;
        QTest::newRow("exactly 512") << 64 << 32 << 1 << 32 << 32 << 512 << 1 << 3;
        QTest::newRow("exactly 4096") << 128 << 32 << 1 << 32 << 128 << 4096 << 8 << 10;
        QTest::newRow("last block 8") << 64 << 16 << 1 << 16 << 224 << 3584 << 7 << 8;
        QTest::newRow("content height 0") << 64 << 16 << 0 << 16 << 0 << 0 << 0 << 2;
        QTest::newRow("partial screen rounds up") << 64 << 16 << 0 << 16 << 17 << 256 << 1 << 3;
        QTest::newRow("width 100") << 100 << 16 << 0 << 16 << 16 << 12 * 16 << 1 << 3;
        QTest::newRow("zone height 0") << 64 << 16 << 0 << 0 << 16 << 0 << 0 << 2;
    }
    void streamSizesAndBlocks()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colorType);
        QFETCH(int, zoneHeight);
        QFETCH(int, contentHeight);
        QFETCH(int, bytes);
        QFETCH(int, blocks);
        QFETCH(int, finalValue);
        const ProgramStream stream(*m_planes, {width, height, colorType}, oneZone(zoneHeight, contentHeight));
        QCOMPARE(int(stream.bytes().size()), bytes);
        QCOMPARE(stream.blockCount(), blocks);
        QCOMPARE(int(stream.finalBlockValue()), finalValue);
    }

    void screenCountComesFromTheLastZone()
    {
        ProgramRecord p;
        p.ZoneCount = 2;
        p.Zones[1].Height = 16;
        p.Zones[1].ContentHeight = 80; // 5 screens, ignored
        p.Zones[2].Height = 8;
        p.Zones[2].ContentHeight = 16; // 2 screens
        QCOMPARE(ProgramStream::rowCount({64, 32, 0}, p), 64);
    }

    void dualRowIsRedThenGreen()
    {
        m_planes->redRow(0)[0] = 1;
        m_planes->greenRow(0)[15] = 1;
        m_planes->greenRow(1)[8] = 1;
        const ProgramStream stream(*m_planes, {16, 2, 1}, oneZone(2, 2));
        QCOMPARE(stream.bytes(), QByteArray::fromHex("8000"
                                                     "0001"
                                                     "0000"
                                                     "0080"));
    }

    void singleColourNeverSendsGreen()
    {
        for (int r = 0; r < 4; ++r)
            std::fill_n(m_planes->greenRow(r), 64, uint8_t(1));
        m_planes->redRow(1)[9] = 1;
        const ProgramStream stream(*m_planes, {16, 4, 0}, oneZone(4, 4));
        QCOMPARE(stream.bytes(), QByteArray::fromHex("0000"
                                                     "0040"
                                                     "0000"
                                                     "0000"));
    }

    void columnsPastTheWidthAreNotSent()
    {
        // Width 100: 12 bytes per row, columns 96 … 99 dropped.
        for (int c = 96; c < 100; ++c)
            m_planes->redRow(0)[c] = 1;
        m_planes->redRow(1)[0] = 1;
        const ProgramStream stream(*m_planes, {100, 2, 0}, oneZone(2, 2));
        QCOMPARE(stream.rowBytes(), 12);
        QByteArray expected(24, '\0');
        expected[12] = char(0x80);
        QCOMPARE(stream.bytes(), expected);
    }

    void widerThanThePlanesSendsZeros()
    {
        m_planes->redRow(0)[1471] = 1;
        m_planes->redRow(0)[1472] = 1; // never-written column
        const ProgramStream stream(*m_planes, {2048, 1, 0}, oneZone(1, 1));
        QCOMPARE(stream.rowBytes(), 256);
        QCOMPARE(int(uint8_t(stream.bytes().at(183))), 0x01);
        QCOMPARE(stream.bytes().mid(184), QByteArray(72, '\0'));
    }

    void rowsPastThePlanesSendZeros()
    {
        std::fill_n(m_planes->redRow(6143), 8, uint8_t(1));
        std::fill_n(m_planes->redRow(6144), 8, uint8_t(1)); // never-written row
        const ProgramStream stream(*m_planes, {8, 6144, 0}, oneZone(6144, 6145));
        QCOMPARE(stream.rows(), 2 * 6144);
        QCOMPARE(int(uint8_t(stream.bytes().at(6143))), 0xFF);
        QCOMPARE(stream.bytes().mid(6144), QByteArray(6144, '\0'));
    }

    void absurdContentHeightStaysBounded()
    {
        const ProgramStream stream(*m_planes, {8, 6144, 0}, oneZone(1, 2000000000));
        QVERIFY(stream.rows() <= 65536);
        QCOMPARE(stream.rows() * stream.rowBytes(), int(stream.bytes().size()));
    }

    void blocksArePaddedWithZeros()
    {
        std::fill_n(m_planes->redRow(0), 64, uint8_t(1));
        const ProgramStream stream(*m_planes, {64, 16, 0}, oneZone(16, 16));
        const QByteArray block = stream.block(0);
        QCOMPARE(block.size(), 512);
        QCOMPARE(block.left(8), QByteArray(8, '\xFF'));
        QCOMPARE(block.mid(8), QByteArray(504, '\0'));
        QCOMPARE(stream.block(1), QByteArray(512, '\0'));
        QCOMPARE(stream.block(-1), QByteArray(512, '\0'));
        QCOMPARE(ProgramStream::blockNumber(0), 2);
    }

    void finalBlockValue_data()
    {
        QTest::addColumn<int>("lastBlock");
        QTest::addColumn<int>("expected");
        QTest::newRow("none sent") << 1 << 2;
        QTest::newRow("2") << 2 << 3;
        QTest::newRow("7") << 7 << 8;
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("9") << 9 << 10;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("255 wraps") << 255 << 0;
        QTest::newRow("264") << 264 << 8;
    }
    void finalBlockValue()
    {
        QFETCH(int, lastBlock);
        QFETCH(int, expected);
        QCOMPARE(int(ProgramStream::finalBlockValue(lastBlock)), expected);
    }
};

QTEST_GUILESS_MAIN(TestProgramStream)
#include "tst_programstream.moc"
