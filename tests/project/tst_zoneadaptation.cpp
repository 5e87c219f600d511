#include "project/zoneadaptation.h"

#include <QTest>

using namespace lumetra;

using Sizes = QList<int>; // width, height of slots 1, 2, 3

class TestZoneAdaptation : public QObject
{
    Q_OBJECT

private slots:
    void adapts_data();
    void adapts();
    void onlyUsedProgramsChange();
};

void TestZoneAdaptation::adapts_data()
{
    QTest::addColumn<int>("templ");
    QTest::addColumn<Sizes>("before");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Sizes>("after");

    QTest::newRow("template 1") << 1 << Sizes{128, 32, 0, 0, 0, 0} << 192 << 64 << Sizes{192, 64, 0, 0, 0, 0};
    QTest::newRow("template 2 taller") << 2 << Sizes{128, 16, 128, 16, 0, 0} << 128 << 48
                                       << Sizes{128, 16, 128, 32, 0, 0};
    QTest::newRow("template 2 lower than slot 1")
        << 2 << Sizes{128, 16, 128, 16, 0, 0} << 128 << 16 << Sizes{128, 8, 128, 16, 0, 0};
    QTest::newRow("template 3 wider") << 3 << Sizes{64, 32, 64, 32, 0, 0} << 192 << 32 << Sizes{64, 32, 128, 32, 0, 0};
    QTest::newRow("template 3 narrower than slot 1")
        << 3 << Sizes{64, 32, 64, 32, 0, 0} << 64 << 16 << Sizes{56, 16, 64, 16, 0, 0};
    QTest::newRow("template 4 both rules fit")
        << 4 << Sizes{128, 16, 32, 16, 96, 16} << 256 << 64 << Sizes{256, 16, 32, 48, 224, 48};
    QTest::newRow("template 4 neither fits")
        << 4 << Sizes{128, 16, 32, 16, 96, 16} << 32 << 16 << Sizes{32, 8, 24, 16, 96, 16};
}

void TestZoneAdaptation::adapts()
{
    QFETCH(int, templ);
    QFETCH(Sizes, before);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Sizes, after);

    DisplayRecord d;
    ProgramRecord &p = d.Programs[1];
    p.Template = templ;
    for (int s = 1; s <= 3; ++s) {
        p.Zones[s].Width = before[2 * (s - 1)];
        p.Zones[s].Height = before[2 * (s - 1) + 1];
        p.Zones[s].X = 7; // positions stay
    }
    adaptZonesToSize(d, 1, width, height);
    Sizes got;
    for (int s = 1; s <= 3; ++s)
        got << p.Zones[s].Width << p.Zones[s].Height;
    QCOMPARE(got, after);
    QCOMPARE(p.Zones[3].X, 7);
}

void TestZoneAdaptation::onlyUsedProgramsChange()
{
    DisplayRecord d;
    d.Programs[2].Template = 1;
    d.Programs[2].Zones[1].Width = 5;
    adaptZonesToSize(d, 1, 200, 40);
    QCOMPARE(d.Programs[1].Zones[1].Width, 200);
    QCOMPARE(d.Programs[2].Zones[1].Width, 5);
    adaptZonesToSize(d, 99, 10, 10); // counts beyond the slots are safe
    QCOMPARE(d.Programs[16].Zones[1].Width, 10);
}

QTEST_GUILESS_MAIN(TestZoneAdaptation)
#include "tst_zoneadaptation.moc"
