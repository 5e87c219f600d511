#include "model/planerule.h"

#include <QTest>

#include <vector>

using namespace lumetra;

class TestPlaneRule : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void rowMatchesPixels();
};

void TestPlaneRule::rule_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::newRow("light grey is background") << qRgb(200, 200, 200) << 127 << 0 << 0;
    QTest::newRow("white is background") << qRgb(255, 255, 255) << 127 << 0 << 0;
    QTest::newRow("dull yellow lights both") << qRgb(200, 200, 100) << 127 << 1 << 1;
    QTest::newRow("dark grey") << qRgb(100, 100, 100) << 127 << 0 << 0;
    QTest::newRow("just above") << qRgb(128, 0, 0) << 127 << 1 << 0;
    QTest::newRow("at the threshold") << qRgb(127, 0, 0) << 127 << 0 << 0;
    QTest::newRow("threshold 200") << qRgb(150, 0, 0) << 200 << 0 << 0;
    QTest::newRow("red text") << qRgb(255, 0, 0) << 127 << 1 << 0;
    QTest::newRow("green text") << qRgb(0, 128, 0) << 127 << 0 << 1;
    QTest::newRow("green text, threshold 128") << qRgb(0, 128, 0) << 128 << 0 << 0;
    QTest::newRow("yellow text") << qRgb(255, 255, 0) << 127 << 1 << 1;
    QTest::newRow("blue alone is dark") << qRgb(0, 0, 255) << 127 << 0 << 0;
    QTest::newRow("light with one low channel") << qRgb(200, 100, 200) << 127 << 1 << 0;
    QTest::newRow("grey at 127") << qRgb(127, 127, 127) << 127 << 0 << 0;
}

void TestPlaneRule::rule()
{
    QFETCH(QRgb, colour);
    QFETCH(int, threshold);
    QFETCH(int, red);
    QFETCH(int, green);
    const PlaneBits bits = PlaneRule::apply(colour, threshold);
    QCOMPARE(int(bits.red), red);
    QCOMPARE(int(bits.green), green);
    QCOMPARE(PlaneRule::apply(qRed(colour), qGreen(colour), qBlue(colour), threshold), bits);
}

void TestPlaneRule::rowMatchesPixels()
{
    std::vector<QRgb> pixels;
    for (int v = 0; v < 256; v += 5)
        pixels.push_back(qRgb(v, 255 - v, (v * 7) & 0xFF));
    std::vector<uint8_t> red(pixels.size() + 1, 9);
    std::vector<uint8_t> green(pixels.size() + 1, 9);
    PlaneRule::applyRow(pixels.data(), int(pixels.size()), 127, red.data(), green.data());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const PlaneBits bits = PlaneRule::apply(pixels[i], 127);
        QCOMPARE(red[i], bits.red);
        QCOMPARE(green[i], bits.green);
    }
    // Nothing past the row.
    QCOMPARE(red.back(), uint8_t(9));
    QCOMPARE(green.back(), uint8_t(9));
}

QTEST_APPLESS_MAIN(TestPlaneRule)
#include "tst_planerule.moc"
