#include "project/zonelayout.h"

#include <QTest>

using namespace lumetra;

Q_DECLARE_METATYPE(lumetra::ZoneRect)
Q_DECLARE_METATYPE(lumetra::TemplateSplit)

namespace {
// Prints a failing rectangle readably.
QByteArray text(const ZoneRect &r)
{
    return QByteArray::number(r.X) + ',' + QByteArray::number(r.Y) + ' ' + QByteArray::number(r.Width) + 'x' +
           QByteArray::number(r.Height);
}
} // namespace

class TestZoneLayout : public QObject
{
    Q_OBJECT
private slots:
    void layoutEdits_data();
    void layoutEdits();
    void writeLayoutReportsChange();
    void boxLimits();
};

void TestZoneLayout::layoutEdits_data()
{
    // edit: a bar name (the value is where the pointer takes the free size)
    // or a box name (the value typed). reset: what the box is put back to, -1 none.
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<TemplateSplit>("start");
    QTest::addColumn<ZoneRect>("z1");
    QTest::addColumn<ZoneRect>("z2");
    QTest::addColumn<ZoneRect>("z3");
    QTest::addColumn<int>("reset");
    QTest::addColumn<bool>("asBarDrag");

    const TemplateSplit s{16, 32, 32};
    const ZoneRect none{};
    // Bars.
    QTest::newRow("T2 bar to the top, H 32")
        << "Splitter2" << 2 << 1 << -50 << 128 << 32 << s << ZoneRect{0, 0, 128, 16} << ZoneRect{0, 16, 128, 16} << none
        << -1 << true;
    QTest::newRow("T2 bar to the bottom, H 32")
        << "Splitter2" << 2 << 2 << 500 << 128 << 32 << s << ZoneRect{0, 0, 128, 24} << ZoneRect{0, 24, 128, 8} << none
        << -1 << true;
    QTest::newRow("T2 H 36: 28 snaps to 24, zone 2 keeps 12")
        << "Splitter2" << 2 << 1 << 28 << 128 << 36 << s << ZoneRect{0, 0, 128, 24} << ZoneRect{0, 24, 128, 12} << none
        << -1 << true;
    QTest::newRow("T3 bar to the left edge") << "Splitter1" << 3 << 2 << 3 << 160 << 32 << s << ZoneRect{0, 0, 16, 32}
                                             << ZoneRect{16, 0, 144, 32} << none << -1 << true;
    QTest::newRow("T3 bar stops 16 before the right edge")
        << "Splitter1" << 3 << 1 << 1000 << 160 << 32 << s << ZoneRect{0, 0, 144, 32} << ZoneRect{144, 0, 16, 32}
        << none << -1 << true;
    QTest::newRow("T3 bar snapped down") << "Splitter1" << 3 << 1 << 63 << 160 << 32 << s << ZoneRect{0, 0, 56, 32}
                                         << ZoneRect{56, 0, 104, 32} << none << -1 << true;
    QTest::newRow("T4 Splitter3 clamps w2 as well")
        << "Splitter3" << 4 << 3 << 21 << 128 << 64 << TemplateSplit{16, 32, 125} << ZoneRect{0, 0, 128, 16}
        << ZoneRect{0, 16, 120, 48} << ZoneRect{120, 16, 8, 48} << -1 << true;
    QTest::newRow("T4 Splitter4 clamps h1 as well")
        << "Splitter4" << 4 << 2 << 45 << 128 << 64 << TemplateSplit{60, 32, 32} << ZoneRect{0, 0, 128, 56}
        << ZoneRect{0, 56, 40, 8} << ZoneRect{40, 56, 88, 8} << -1 << true;

    // Start points.
    QTest::newRow("e_x zone 1 of T4 forced to 0") << "e_x" << 4 << 1 << 48 << 128 << 32 << s << ZoneRect{0, 0, 128, 16}
                                                  << ZoneRect{0, 16, 32, 16} << ZoneRect{32, 16, 96, 16} << 0 << false;
    QTest::newRow("e_x in T1 forced to 0")
        << "e_x" << 1 << 1 << 32 << 128 << 32 << s << ZoneRect{0, 0, 128, 32} << none << none << 0 << false;
    QTest::newRow("e_x in T2 zone 2 forced to 0") << "e_x" << 2 << 2 << 32 << 128 << 32 << s << ZoneRect{0, 0, 128, 16}
                                                  << ZoneRect{0, 16, 128, 16} << none << 0 << false;
    QTest::newRow("e_y in T3 zone 2 forced to 0") << "e_y" << 3 << 2 << 8 << 128 << 32 << s << ZoneRect{0, 0, 32, 32}
                                                  << ZoneRect{32, 0, 96, 32} << none << 0 << false;
    QTest::newRow("e_y T2 zone 2 moves the bar") << "e_y" << 2 << 2 << 40 << 128 << 64 << s << ZoneRect{0, 0, 128, 40}
                                                 << ZoneRect{0, 40, 128, 24} << none << -1 << true;
    QTest::newRow("e_x T3 zone 2 moves the bar") << "e_x" << 3 << 2 << 100 << 160 << 32 << s << ZoneRect{0, 0, 96, 32}
                                                 << ZoneRect{96, 0, 64, 32} << none << -1 << true;
    QTest::newRow("e_x T4 zone 3 sets w2, h1 clamped too")
        << "e_x" << 4 << 3 << 64 << 128 << 64 << TemplateSplit{60, 32, 32} << ZoneRect{0, 0, 128, 56}
        << ZoneRect{0, 56, 64, 8} << ZoneRect{64, 56, 64, 8} << -1 << true;
    QTest::newRow("e_y T4 zone 3 sets h1") << "e_y" << 4 << 3 << 32 << 128 << 64 << s << ZoneRect{0, 0, 128, 32}
                                           << ZoneRect{0, 32, 32, 32} << ZoneRect{32, 32, 96, 32} << -1 << true;
    QTest::newRow("e_y T4 zone 2 sets h1")
        << "e_y" << 4 << 2 << 0 << 128 << 64 << TemplateSplit{32, 32, 32} << ZoneRect{0, 0, 128, 16}
        << ZoneRect{0, 16, 32, 48} << ZoneRect{32, 16, 96, 48} << -1 << true;

    // Sizes.
    QTest::newRow("E_H in T1 reset to H")
        << "E_H" << 1 << 1 << 8 << 128 << 32 << s << ZoneRect{0, 0, 128, 32} << none << none << 32 << false;
    QTest::newRow("E_W in T1 reset to W")
        << "E_W" << 1 << 1 << 8 << 128 << 32 << s << ZoneRect{0, 0, 128, 32} << none << none << 128 << false;
    QTest::newRow("E_W in T2 reset to W") << "E_W" << 2 << 2 << 64 << 128 << 32 << s << ZoneRect{0, 0, 128, 16}
                                          << ZoneRect{0, 16, 128, 16} << none << 128 << false;
    QTest::newRow("E_H in T3 reset to H") << "E_H" << 3 << 1 << 8 << 128 << 32 << s << ZoneRect{0, 0, 32, 32}
                                          << ZoneRect{32, 0, 96, 32} << none << 32 << false;
    QTest::newRow("E_H T2 zone 1") << "E_H" << 2 << 1 << 40 << 128 << 64 << s << ZoneRect{0, 0, 128, 40}
                                   << ZoneRect{0, 40, 128, 24} << none << -1 << false;
    QTest::newRow("E_H T2 zone 2 is H - value") << "E_H" << 2 << 2 << 40 << 128 << 64 << s << ZoneRect{0, 0, 128, 24}
                                                << ZoneRect{0, 24, 128, 40} << none << -1 << false;
    QTest::newRow("E_H T2 zone 2 too tall") << "E_H" << 2 << 2 << 128 << 128 << 32 << s << ZoneRect{0, 0, 128, 16}
                                            << ZoneRect{0, 16, 128, 16} << none << -1 << false;
    QTest::newRow("E_W 100 T3 zone 2 on 160") << "E_W" << 3 << 2 << 100 << 160 << 32 << s << ZoneRect{0, 0, 56, 32}
                                              << ZoneRect{56, 0, 104, 32} << none << -1 << false;
    QTest::newRow("E_W T3 zone 1") << "E_W" << 3 << 1 << 80 << 160 << 32 << s << ZoneRect{0, 0, 80, 32}
                                   << ZoneRect{80, 0, 80, 32} << none << -1 << false;
    QTest::newRow("E_W T4 zone 1 changes nothing")
        << "E_W" << 4 << 1 << 64 << 128 << 32 << s << ZoneRect{0, 0, 128, 16} << ZoneRect{0, 16, 32, 16}
        << ZoneRect{32, 16, 96, 16} << -1 << false;
    QTest::newRow("E_W T4 zone 2") << "E_W" << 4 << 2 << 50 << 128 << 32 << s << ZoneRect{0, 0, 128, 16}
                                   << ZoneRect{0, 16, 48, 16} << ZoneRect{48, 16, 80, 16} << -1 << false;
    QTest::newRow("E_W T4 zone 2 keeps zone 3 8 wide")
        << "E_W" << 4 << 2 << 1000 << 128 << 32 << s << ZoneRect{0, 0, 128, 16} << ZoneRect{0, 16, 120, 16}
        << ZoneRect{120, 16, 8, 16} << -1 << false;
    QTest::newRow("E_W T4 zone 3 W - 4 leaves zone 2 8 wide")
        << "E_W" << 4 << 3 << 124 << 128 << 32 << s << ZoneRect{0, 0, 128, 16} << ZoneRect{0, 16, 8, 16}
        << ZoneRect{8, 16, 120, 16} << -1 << false;
    QTest::newRow("E_W T4 zone 3 at least 16") << "E_W" << 4 << 3 << 8 << 128 << 32 << s << ZoneRect{0, 0, 128, 16}
                                               << ZoneRect{0, 16, 112, 16} << ZoneRect{112, 16, 16, 16} << -1 << false;
    QTest::newRow("E_W T4 zone 3 on 100: snap leaves it wider")
        << "E_W" << 4 << 3 << 8 << 100 << 32 << s << ZoneRect{0, 0, 100, 16} << ZoneRect{0, 16, 80, 16}
        << ZoneRect{80, 16, 20, 16} << -1 << false;
    QTest::newRow("E_H T4 zone 3 is H - value") << "E_H" << 4 << 3 << 24 << 128 << 64 << s << ZoneRect{0, 0, 128, 40}
                                                << ZoneRect{0, 40, 32, 24} << ZoneRect{32, 40, 96, 24} << -1 << false;
    // A sign smaller than two zones never gets a negative size.
    QTest::newRow("E_H T2 on a 4-high sign") << "E_H" << 2 << 1 << 8 << 128 << 4 << s << ZoneRect{0, 0, 128, 0}
                                             << ZoneRect{0, 0, 128, 4} << none << -1 << false;
}

void TestZoneLayout::layoutEdits()
{
    QFETCH(QString, edit);
    QFETCH(int, templateId);
    QFETCH(int, zone);
    QFETCH(int, value);
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(TemplateSplit, start);
    QFETCH(ZoneRect, z1);
    QFETCH(ZoneRect, z2);
    QFETCH(ZoneRect, z3);
    QFETCH(int, reset);
    QFETCH(bool, asBarDrag);

    TemplateSplit split = start;
    int gotReset = -1;
    bool gotBarDrag = true;
    if (edit.startsWith(QLatin1String("Splitter"))) {
        if (edit == QLatin1String("Splitter1"))
            split.w1 = barDragLimit(value, W, true);
        else if (edit == QLatin1String("Splitter4"))
            split.w2 = barDragLimit(value, W, true);
        else
            split.h1 = barDragLimit(value, H, false);
        split = clampSplit(templateId, split, W, H);
    } else {
        const LayoutBox box = edit == QLatin1String("e_x")   ? LayoutBox::StartX
                              : edit == QLatin1String("e_y") ? LayoutBox::StartY
                              : edit == QLatin1String("E_H") ? LayoutBox::Height
                                                             : LayoutBox::Width;
        const BoxEdit result = boxEdited(box, templateId, zone, value, start, W, H);
        gotReset = result.reset.value_or(-1);
        gotBarDrag = result.asBarDrag;
        split = result.split;
    }
    const auto rects = layoutRects(templateId, W, H, split);
    QCOMPARE(text(rects[0]), text(z1));
    QCOMPARE(text(rects[1]), text(z2));
    QCOMPARE(text(rects[2]), text(z3));
    QCOMPARE(gotReset, reset);
    QCOMPARE(gotBarDrag, asBarDrag);

    // What the boxes then show: the zone, from 0, 0 for zone 1; a reset value is what the layout implies.
    const ZoneRect shown = boxesForZone(rects, zone);
    if (zone == 1)
        QCOMPARE(text(shown), text(ZoneRect{0, 0, z1.Width, z1.Height}));
    if (reset >= 0) {
        const int implied = edit == QLatin1String("e_x")   ? shown.X
                            : edit == QLatin1String("e_y") ? shown.Y
                            : edit == QLatin1String("E_H") ? shown.Height
                                                           : shown.Width;
        QCOMPARE(implied, reset);
    }
    // Template 4 always: zone 1 spans the sign, zones 2 and 3 start on h1 and w2.
    if (templateId == 4) {
        QCOMPARE(rects[0].Width, W);
        QCOMPARE(rects[1].Y, rects[0].Height);
        QCOMPARE(rects[2].X, rects[1].Width);
        QCOMPARE(rects[2].Y, rects[0].Height);
    }
}

void TestZoneLayout::writeLayoutReportsChange()
{
    ProgramRecord program;
    program.Template = 3;
    program.ZoneCount = 2;
    QVERIFY(writeLayout(program, 3, 160, 32, TemplateSplit{16, 56, 32}));
    QCOMPARE(text(ZoneRect{program.Zones[2].X, program.Zones[2].Y, program.Zones[2].Width, program.Zones[2].Height}),
             text(ZoneRect{56, 0, 104, 32}));
    QVERIFY(!writeLayout(program, 3, 160, 32, TemplateSplit{16, 56, 32}));
    // The unused slot is left alone.
    program.Zones[3].Width = 7;
    QVERIFY(!writeLayout(program, 3, 160, 32, TemplateSplit{40, 56, 99}));
    QCOMPARE(program.Zones[3].Width, 7);
}

void TestZoneLayout::boxLimits()
{
    QCOMPARE(layoutBoxLimits(LayoutBox::StartX).step, 16);
    QCOMPARE(layoutBoxLimits(LayoutBox::StartX).maximum, 1024);
    QCOMPARE(layoutBoxLimits(LayoutBox::StartY).maximum, 128);
    QCOMPARE(layoutBoxLimits(LayoutBox::Height).minimum, 8);
    QCOMPARE(layoutBoxLimits(LayoutBox::Height).step, 8);
    QCOMPARE(layoutBoxLimits(LayoutBox::Width).minimum, 8);
    QCOMPARE(layoutBoxLimits(LayoutBox::Width).step, 16);
}

QTEST_APPLESS_MAIN(TestZoneLayout)
#include "tst_zonelayout.moc"
