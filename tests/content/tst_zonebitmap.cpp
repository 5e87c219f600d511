#include "content/zonebitmap.h"
#include "model/error.h"
#include "model/workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace lumetra;

class TestZoneBitmap : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void emptyBitmapIsValid();
    void writeForZoneCreatesExtFile();
    void writeFailureNamesTheFile();
    void pageMarks();
};

void TestZoneBitmap::roundTrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("row padding") << 5 << 3;
    QTest::newRow("aligned") << 8 << 2;
    QTest::newRow("one pixel") << 1 << 1;
}

void TestZoneBitmap::roundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40, y * 60, (x + y) * 20));
    const QByteArray bytes = ZoneBitmap::encode(image);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
    QImage back;
    QVERIFY(back.loadFromData(bytes, "BMP"));
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
}

void TestZoneBitmap::emptyBitmapIsValid()
{
    const QByteArray bytes = ZoneBitmap::encode(QImage(), 64);
    QCOMPARE(bytes.size(), 54);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 2), quint32(54));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 10), quint32(54));
    QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 18), 64);
    QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 22), 0);
}

void TestZoneBitmap::writeForZoneCreatesExtFile()
{
    QTemporaryDir dir;
    WorkspaceState state;
    setProjectPath(state, dir.path() + QStringLiteral("/Shop.zvp"));
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    const QString path = ZoneBitmap::writeForZone(state, 3, 2, image);
    QCOMPARE(path, dir.path() + QStringLiteral("/ExtFile/0-2-2.bmp"));
    QImage back(path);
    QCOMPARE(back.size(), QSize(16, 8));
    QCOMPARE(back.pixel(3, 3), qRgb(255, 0, 0));
}

void TestZoneBitmap::writeFailureNamesTheFile()
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + QStringLiteral("/ExtFile"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    WorkspaceState state;
    setProjectPath(state, dir.path() + QStringLiteral("/Project.zvp"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(0);
    try {
        ZoneBitmap::writeForZone(state, 1, 1, image);
        QFAIL("no error");
    } catch (const Error &e) {
        QVERIFY(e.subject().contains(QStringLiteral("ExtFile")));
    }
}

void TestZoneBitmap::pageMarks()
{
    QImage pages(8, 24, QImage::Format_RGB32);
    pages.fill(qRgb(0, 0, 0));
    ZoneBitmap::drawPageMarks(pages, 8, 3);
    for (int y = 0; y < 24; ++y)
        QCOMPARE(pages.pixel(5, y), (y % 8 == 7) ? qRgb(0, 0, 255) : qRgb(0, 0, 0));

    QImage strip(24, 4, QImage::Format_RGB32);
    strip.fill(qRgb(0, 0, 0));
    ZoneBitmap::drawSliceMarks(strip, 8, 3);
    for (int x = 0; x < 24; ++x)
        QCOMPARE(strip.pixel(x, 2), (x % 8 == 7) ? qRgb(0, 0, 255) : qRgb(0, 0, 0));
}

QTEST_MAIN(TestZoneBitmap)
#include "tst_zonebitmap.moc"
