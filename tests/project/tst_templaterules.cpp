#include "project/templaterules.h"
#include "project/treecaptions.h"

#include <QTest>

using namespace lumetra;

Q_DECLARE_METATYPE(lumetra::ZoneRect)

class TestTemplateRules : public QObject
{
    Q_OBJECT
private slots:
    void defaultGeometry_data();
    void defaultGeometry();
    void showpanelTakesPanelSizesBack_data();
    void showpanelTakesPanelSizesBack();
    void showpanelZeroWritesNothing();
    void panelSizes();
    void zoneCaptions_data();
    void zoneCaptions();
    void captionNumbers_data();
    void captionNumbers();
};

void TestTemplateRules::defaultGeometry_data()
{
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("zones");
    QTest::addColumn<ZoneRect>("z1");
    QTest::addColumn<ZoneRect>("z2");
    QTest::addColumn<ZoneRect>("z3");
    QTest::newRow("1") << 1 << 1 << ZoneRect{0, 0, 128, 32} << ZoneRect{} << ZoneRect{};
    QTest::newRow("2") << 2 << 2 << ZoneRect{0, 0, 128, 16} << ZoneRect{0, 16, 128, 16} << ZoneRect{};
    QTest::newRow("3") << 3 << 2 << ZoneRect{0, 0, 32, 32} << ZoneRect{32, 0, 96, 32} << ZoneRect{};
    QTest::newRow("4") << 4 << 3 << ZoneRect{0, 0, 128, 16} << ZoneRect{0, 16, 32, 16} << ZoneRect{32, 16, 96, 16};
}

void TestTemplateRules::defaultGeometry()
{
    QFETCH(int, templateId);
    QFETCH(int, zones);
    QFETCH(ZoneRect, z1);
    QFETCH(ZoneRect, z2);
    QFETCH(ZoneRect, z3);
    QCOMPARE(templateZoneCount(templateId), zones);
    QCOMPARE(templateMainZone(templateId), zones);
    const auto rects = defaultTemplateGeometry(templateId, 128, 32);
    QCOMPARE(rects[0], z1);
    QCOMPARE(rects[1], z2);
    QCOMPARE(rects[2], z3);
}

void TestTemplateRules::showpanelTakesPanelSizesBack_data()
{
    QTest::addColumn<int>("templateId");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("1 on 128x32") << 1 << 128 << 32;
    QTest::newRow("2 on 128x32") << 2 << 128 << 32;
    QTest::newRow("3 on 160x48") << 3 << 160 << 48;
    QTest::newRow("4 on 128x32") << 4 << 128 << 32;
    QTest::newRow("4 on 256x64") << 4 << 256 << 64;
}

// The panels laid out from a program's zones give the same zones back.
void TestTemplateRules::showpanelTakesPanelSizesBack()
{
    QFETCH(int, templateId);
    QFETCH(int, width);
    QFETCH(int, height);
    ProgramRecord program;
    const auto rects = defaultTemplateGeometry(templateId, width, height);
    for (int z = 1; z <= 3; ++z) {
        const ZoneRect &r = rects[static_cast<std::size_t>(z - 1)];
        program.Zones[z].X = r.X;
        program.Zones[z].Y = r.Y;
        program.Zones[z].Width = r.Width;
        program.Zones[z].Height = r.Height;
    }
    const ProgramRecord before = program;
    const auto sizes = zonePanelSizes(templateId, width, height, splitFromProgram(program));
    ProgramRecord after;
    showpanelGeometry(after, templateId, width, height, sizes);
    for (int z = 1; z <= templateZoneCount(templateId); ++z) {
        QCOMPARE(after.Zones[z].X, before.Zones[z].X);
        QCOMPARE(after.Zones[z].Y, before.Zones[z].Y);
        QCOMPARE(after.Zones[z].Width, before.Zones[z].Width);
        QCOMPARE(after.Zones[z].Height, before.Zones[z].Height);
    }
}

void TestTemplateRules::showpanelZeroWritesNothing()
{
    ProgramRecord program;
    program.Zones[1].Width = 77;
    showpanelGeometry(program, 0, 128, 32, {QSize(1, 1), QSize(1, 1), QSize(1, 1)});
    QCOMPARE(program.Zones[1].Width, 77);
}

void TestTemplateRules::panelSizes()
{
    QCOMPARE(templatePanelSize(1, 128, 32), QSize(140, 44));
    QCOMPARE(templatePanelSize(2, 128, 32), QSize(140, 49));
    QCOMPARE(templatePanelSize(3, 128, 32), QSize(145, 44));
    QCOMPARE(templatePanelSize(4, 128, 32), QSize(145, 49));
}

void TestTemplateRules::zoneCaptions_data()
{
    QTest::addColumn<int>("templateId");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("1") << 1 << QStringList{QStringLiteral("分区1*")};
    QTest::newRow("2") << 2 << QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2*")};
    QTest::newRow("3") << 3 << QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2*")};
    QTest::newRow("4") << 4
                       << QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2 "), QStringLiteral("分区3*")};
}

void TestTemplateRules::zoneCaptions()
{
    QFETCH(int, templateId);
    QFETCH(QStringList, captions);
    QStringList got;
    for (int z = 1; z <= templateZoneCount(templateId); ++z)
        got << zoneCaption(templateId, z);
    QCOMPARE(got, captions);
}

void TestTemplateRules::captionNumbers_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("zone");
    QTest::newRow("root") << QStringLiteral("显示屏-1") << 0 << 0 << 0;
    QTest::newRow("program 1") << QStringLiteral("节目1") << -1 << 1 << 0;
    QTest::newRow("program 12, two digits") << QStringLiteral("节目12") << -1 << 12 << 0;
    QTest::newRow("main zone") << QStringLiteral("分区3*") << -1 << 0 << 3;
    QTest::newRow("other zone") << QStringLiteral("分区1 ") << -1 << 0 << 1;
    QTest::newRow("no number") << QStringLiteral("节目") << -1 << 0 << 0;
}

void TestTemplateRules::captionNumbers()
{
    QFETCH(QString, caption);
    QFETCH(int, display);
    QFETCH(int, program);
    QFETCH(int, zone);
    QCOMPARE(displayIndexFromCaption(caption), display);
    QCOMPARE(programNumberFromCaption(caption), program);
    QCOMPARE(zoneNumberFromCaption(caption), zone);
}

QTEST_GUILESS_MAIN(TestTemplateRules)
#include "tst_templaterules.moc"
