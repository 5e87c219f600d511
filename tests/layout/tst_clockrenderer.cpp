#include "layout/clockrenderer.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

namespace {

constexpr int32_t AllElements = 128 + 64 + 32 + 16 + 8 + 4 + 2;

bool litIn(const QImage &image, int x, int y, int w, int h, QRgb paper)
{
    for (int row = std::max(0, y); row < std::min(image.height(), y + h); ++row) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(row));
        for (int col = std::max(0, x); col < std::min(image.width(), x + w); ++col)
            if ((line[col] & 0xFFFFFF) != (paper & 0xFFFFFF))
                return true;
    }
    return false;
}

// The one-line worked example on a 160 × 16 zone of program 1, slot 1.
void workedExample(Workspace &ws, const QString &folder)
{
    setProjectPath(ws, folder + QStringLiteral("/Project.zvp"));
    ws.WorkingSettings.ScreenWidth = 160;
    ws.WorkingSettings.ScreenHeight = 16;
    ws.WorkingSettings.ColorThreshold = 127;
    ws.display().ProgramCount = 1;
    ws.CurrentProgram = 1;
    ws.CurrentZone = 1;
    ZoneRecord &z = ws.currentZone();
    z.ZoneType = ClockZone;
    z.Width = 160;
    z.Height = 16;
    z.ClockOptions = AllElements;
    z.ClockStyle = 0;
    z.YearFormat = 1;
    z.MultiLine = 0;
    z.FontSizeIndex = 0;
    z.ForeColor = ColorRed;
    z.BackColor = ColorBlack;
}

} // namespace

class TestClockRenderer : public QObject
{
    Q_OBJECT

private slots:
    void templateLeavesDigitPlacesDark();
    void renderSavesTransfersAndStoresPath();
    void backgroundAndFallbackColours();
};

void TestClockRenderer::templateLeavesDigitPlacesDark()
{
    QTemporaryDir dir;
    Workspace ws;
    workedExample(ws, dir.path());
    ClockRenderer renderer;

    const ClockRender preview = renderer.ClocktoImage(ws, ClockMode::Preview);
    const ClockRender blank = renderer.ClocktoImage(ws, ClockMode::Template);
    const ZoneRecord &z = ws.currentZone();
    const int N = 12;
    struct Box
    {
        const char *name;
        int x, y;
    };
    const Box boxes[] = {{"year", z.YearX, z.YearY},      {"month", z.MonthX, z.MonthY},
                         {"day", z.DayX, z.DayY},         {"week", z.WeekX, z.WeekY},
                         {"hour", z.HourX, z.HourY},      {"minute", z.MinuteX, z.MinuteY},
                         {"second", z.SecondX, z.SecondY}};
    for (const Box &b : boxes) {
        QVERIFY2(litIn(preview.bitmap, b.x, b.y, N, N, qRgb(0, 0, 0)), b.name);
        QVERIFY2(!litIn(blank.bitmap, b.x, b.y, N, N, qRgb(0, 0, 0)), b.name);
    }
    // Separators and the word 星期 are drawn in both.
    QVERIFY(litIn(blank.bitmap, 12, 0, 6, N, qRgb(0, 0, 0)));  // "-"
    QVERIFY(litIn(blank.bitmap, 48, 0, 24, N, qRgb(0, 0, 0))); // 星期
    QCOMPARE(z.HourX, 90);
    QCOMPARE(z.SecondX, 126);
}

void TestClockRenderer::renderSavesTransfersAndStoresPath()
{
    QTemporaryDir dir;
    Workspace ws;
    workedExample(ws, dir.path());
    ZoneRecord &z = ws.currentZone();
    z.Y = 0;
    z.X = 0;
    ClockRenderer renderer;
    const ClockRender r = renderer.ClocktoImage(ws, ClockMode::Preview);

    QCOMPARE(r.bitmap.size(), QSize(160, 16));
    QCOMPARE(r.bitmapPath, zoneBitmapPath(ws, 1, 1));
    QVERIFY(QFile::exists(r.bitmapPath)); // ExtFile/ was created for it
    QCOMPARE(z.ContentFile, toGbk(r.bitmapPath));
    QCOMPARE(z.ContentHeight, 16);
    QVERIFY(!r.transfer.stopped);

    // The lit pixels of the bitmap are lit in the red plane, nothing green.
    int lit = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 160; ++x) {
            const bool red = qRed(r.bitmap.pixel(x, y)) > 127;
            QCOMPARE(ws.planes().red(y, x) != 0, red);
            QCOMPARE(int(ws.planes().green(y, x)), 0);
            lit += red;
        }
    QVERIFY(lit > 50);
}

void TestClockRenderer::backgroundAndFallbackColours()
{
    QCOMPARE(ClockRenderer::textColour(2), qRgb(0, 128, 0));
    QCOMPARE(ClockRenderer::textColour(3), qRgb(255, 255, 0));
    QCOMPARE(ClockRenderer::textColour(7), qRgb(255, 0, 0));
    QCOMPARE(ClockRenderer::backgroundColour(1), qRgb(255, 0, 0));
    QCOMPARE(ClockRenderer::backgroundColour(0), qRgb(0, 0, 0));

    QTemporaryDir dir;
    Workspace ws;
    workedExample(ws, dir.path());
    ZoneRecord &z = ws.currentZone();
    z.BackColor = ColorGreen;
    z.ForeColor = ColorYellow;
    z.FontIndex = 3; // left over from a text zone: draws with 黑体
    ClockRenderer renderer;
    const ClockRender r = renderer.ClocktoImage(ws, ClockMode::Template);
    // The digit places show the background, not black boxes.
    QCOMPARE(r.bitmap.pixel(z.HourX + 3, 5), qRgb(0, 128, 0));
    QCOMPARE(r.bitmap.pixel(159, 15), qRgb(0, 128, 0));
    QVERIFY(litIn(r.bitmap, 48, 0, 24, 12, qRgb(0, 128, 0)));
}

QTEST_MAIN(TestClockRenderer)
#include "tst_clockrenderer.moc"
