#include "content/planetransfer.h"
#include "model/frameplanes.h"

#include <QTest>

#include <memory>

using namespace lumetra;

namespace {

// Page k filled with colour k (red, green, yellow, then again), so where a
// pixel lands tells its page.
QImage pagedBitmap(int width, int height, int pages)
{
    static const QRgb colours[3] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 0)};
    QImage image(width, height * pages, QImage::Format_RGB32);
    for (int k = 0; k < pages; ++k)
        for (int y = 0; y < height; ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(k * height + y));
            std::fill(line, line + width, colours[k % 3]);
        }
    return image;
}

QImage solid(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

WorkingSettingsRecord screen(int width, int height, int threshold = 127)
{
    WorkingSettingsRecord s;
    s.ScreenWidth = width;
    s.ScreenHeight = height;
    s.ColorThreshold = threshold;
    return s;
}

ZoneRecord zone(int type, int x, int y, int width, int height)
{
    ZoneRecord z;
    z.ZoneType = type;
    z.X = x;
    z.Y = y;
    z.Width = width;
    z.Height = height;
    return z;
}

int litRows(const FramePlanes &planes, int column)
{
    int rows = 0;
    for (int r = 0; r < FramePlanes::Rows; ++r)
        rows += planes.red(r, column) != 0;
    return rows;
}

} // namespace

class TestPlaneTransfer : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_planes->clear(); }
    void pagesLandOnConsecutiveScreens();
    void zerosOverwrite();
    void rowLimits_data();
    void rowLimits();
    void richTextCut();
    void columnCut();
    void outsideThePlanesIsSkipped();
    void nothingToPlaceInto_data();
    void nothingToPlaceInto();
    void thresholdApplies();

private:
    std::unique_ptr<FramePlanes> m_planes = std::make_unique<FramePlanes>();
};

void TestPlaneTransfer::pagesLandOnConsecutiveScreens()
{
    ZoneRecord z = zone(TextZone, 8, 4, 16, 8);
    const TransferResult r = PlaneTransfer::transdata(pagedBitmap(16, 8, 3), z, screen(64, 32), *m_planes);
    QVERIFY(!r.stopped);
    QCOMPARE(r.rows, 24);
    QCOMPARE(z.ContentHeight, 24);
    const FramePlanes &p = *m_planes;
    for (int k = 0; k < 3; ++k)
        for (int row = 0; row < 8; ++row) {
            const int target = k * 32 + 4 + row;
            QCOMPARE(int(p.red(target, 8)), k != 1 ? 1 : 0);
            QCOMPARE(int(p.green(target, 23)), k != 0 ? 1 : 0);
            QCOMPARE(int(p.red(target, 7)) + int(p.green(target, 7)), 0);
            QCOMPARE(int(p.red(target, 24)) + int(p.green(target, 24)), 0);
        }
    // Rows between the pages are not the zone's.
    QCOMPARE(int(p.red(12, 8)), 0);
    QCOMPARE(int(p.red(3, 8)), 0);
    QCOMPARE(int(p.red(32 + 3, 8)), 0);
}

void TestPlaneTransfer::zerosOverwrite()
{
    for (int r = 0; r < 16; ++r)
        std::fill(m_planes->redRow(r), m_planes->redRow(r) + 32, uint8_t(1));
    ZoneRecord z = zone(TextZone, 0, 0, 16, 16);
    PlaneTransfer::transdata(solid(16, 16, qRgb(0, 0, 0)), z, screen(32, 16), *m_planes);
    QCOMPARE(int(m_planes->red(5, 15)), 0);
    QCOMPARE(int(m_planes->red(5, 16)), 1); // outside the zone's bitmap
}

void TestPlaneTransfer::rowLimits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("message");
    QTest::newRow("text, silent") << int(TextZone) << 6144 << false;
    QTest::newRow("clock") << int(ClockZone) << 6144 << true;
    QTest::newRow("rich text") << int(PictureZone) << 4096 << true;
}

// Y = 16 pushes the last page past the limit: the transfer stops there and
// keeps what it wrote.
void TestPlaneTransfer::rowLimits()
{
    QFETCH(int, type);
    QFETCH(int, limit);
    QFETCH(bool, message);
    QCOMPARE(PlaneTransfer::rowLimit(type), limit);
    ZoneRecord z = zone(type, 0, 16, 8, 32);
    const TransferResult r = PlaneTransfer::transdata(solid(8, limit, qRgb(255, 0, 0)), z, screen(8, 32), *m_planes);
    QVERIFY(r.stopped);
    QCOMPARE(r.rows, limit);
    QCOMPARE(z.ContentHeight, limit);
    QCOMPARE(litRows(*m_planes, 0), limit - 16);
    QCOMPARE(int(m_planes->red(limit - 1, 0)), 1);
    QCOMPARE(int(m_planes->red(15, 0)), 0);
    if (message) {
        QCOMPARE(r.message, QStringLiteral("文件大小超出了该节目的编辑区域。"));
        QCOMPARE(r.title, QStringLiteral("错误"));
    } else {
        QVERIFY(r.message.isEmpty());
    }
}

void TestPlaneTransfer::richTextCut()
{
    // 5000 rows for 4096: one row less than the maximum takes part.
    ZoneRecord z = zone(PictureZone, 0, 0, 8, 32);
    const TransferResult r = PlaneTransfer::transdata(solid(8, 5000, qRgb(255, 0, 0)), z, screen(8, 32), *m_planes);
    QVERIFY(!r.stopped);
    QVERIFY(r.message.isEmpty());
    QCOMPARE(r.rows, 4095);
    QCOMPARE(z.ContentHeight, 4096);
    QCOMPARE(litRows(*m_planes, 0), 4095);

    // The same bitmap in a text zone goes on to row 4999.
    m_planes->clear();
    ZoneRecord t = zone(TextZone, 0, 0, 8, 32);
    const TransferResult rt = PlaneTransfer::transdata(solid(8, 5000, qRgb(255, 0, 0)), t, screen(8, 32), *m_planes);
    QCOMPARE(rt.rows, 5000);
    QCOMPARE(t.ContentHeight, 5024);
    QCOMPARE(litRows(*m_planes, 0), 5000);
}

void TestPlaneTransfer::columnCut()
{
    // A zone half the screen wide may use 1472 / 2 columns; a wider bitmap
    // keeps one less.
    ZoneRecord z = zone(TextZone, 0, 0, 64, 8);
    const TransferResult r = PlaneTransfer::transdata(solid(800, 8, qRgb(255, 0, 0)), z, screen(128, 8), *m_planes);
    QCOMPARE(r.columns, 735);
    QCOMPARE(int(m_planes->red(0, 734)), 1);
    QCOMPARE(int(m_planes->red(0, 735)), 0);
}

void TestPlaneTransfer::outsideThePlanesIsSkipped()
{
    // Right edge: nothing reaches the unused last column.
    ZoneRecord right = zone(TextZone, 1400, 6140, 100, 8);
    PlaneTransfer::transdata(solid(100, 8, qRgb(255, 0, 0)), right, screen(100, 8), *m_planes);
    QCOMPARE(int(m_planes->red(6140, 1471)), 1);
    for (int r = 0; r < FramePlanes::Rows; ++r)
        QCOMPARE(int(m_planes->red(r, 1472)), 0);
    for (int c = 0; c < FramePlanes::Columns; ++c)
        QCOMPARE(int(m_planes->red(6144, c)), 0);

    // Negative positions from a damaged project: only the part inside lands.
    m_planes->clear();
    ZoneRecord left = zone(TextZone, -4, -2, 8, 8);
    PlaneTransfer::transdata(solid(8, 8, qRgb(255, 0, 0)), left, screen(16, 8), *m_planes);
    QCOMPARE(int(m_planes->red(0, 0)), 1);
    QCOMPARE(int(m_planes->red(5, 3)), 1);
    QCOMPARE(int(m_planes->red(0, 4)), 0);
    QCOMPARE(int(m_planes->red(6, 0)), 0);
}

void TestPlaneTransfer::nothingToPlaceInto_data()
{
    QTest::addColumn<int>("zoneHeight");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::newRow("zone height 0") << 0 << 64 << 32;
    QTest::newRow("screen height 0") << 16 << 64 << 0;
    QTest::newRow("screen width 0") << 16 << 0 << 32;
}

void TestPlaneTransfer::nothingToPlaceInto()
{
    QFETCH(int, zoneHeight);
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    ZoneRecord z = zone(TextZone, 0, 0, 16, zoneHeight);
    z.ContentHeight = 7;
    const TransferResult r =
        PlaneTransfer::transdata(solid(16, 16, qRgb(255, 0, 0)), z, screen(screenWidth, screenHeight), *m_planes);
    QCOMPARE(r.rows, 0);
    QCOMPARE(z.ContentHeight, 7);
    QCOMPARE(litRows(*m_planes, 0), 0);
}

void TestPlaneTransfer::thresholdApplies()
{
    ZoneRecord z = zone(TextZone, 0, 0, 4, 1);
    QImage image(4, 1, QImage::Format_RGB32);
    QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(0));
    line[0] = qRgb(150, 0, 0);
    line[1] = qRgb(201, 0, 0);
    line[2] = qRgb(255, 255, 255);
    line[3] = qRgb(0, 255, 0);
    PlaneTransfer::transdata(image, z, screen(4, 1, 200), *m_planes);
    QCOMPARE(int(m_planes->red(0, 0)), 0);
    QCOMPARE(int(m_planes->red(0, 1)), 1);
    QCOMPARE(int(m_planes->red(0, 2)) + int(m_planes->green(0, 2)), 0);
    QCOMPARE(int(m_planes->green(0, 3)), 1);
}

QTEST_APPLESS_MAIN(TestPlaneTransfer)
#include "tst_planetransfer.moc"
