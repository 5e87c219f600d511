#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/workspace.h"
#include "project/hardwaresettings.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

namespace {

QByteArray g(const char16_t *text)
{
    return toGbk(QStringView(text));
}

// A 128 x 32 display with one template-2 program, slot 1 16 high.
void twoZoneProgram(WorkspaceState &ws, const QString &folder)
{
    setProjectPath(ws, folder + QStringLiteral("/Shop.zvp"));
    DisplayRecord &d = ws.display();
    d.ScreenWidth = 128;
    d.ScreenHeight = 32;
    d.ProgramCount = 1;
    ws.WorkingProgramCount = 1;
    ProgramRecord &p = d.Programs[1];
    p.Template = 2;
    p.ZoneCount = 2;
    p.Zones[1] = ZoneRecord{};
    p.Zones[1].Width = 128;
    p.Zones[1].Height = 16;
    p.Zones[2].Y = 16;
    p.Zones[2].Width = 128;
    p.Zones[2].Height = 16;
}

} // namespace

class TestHardwareSettings : public QObject
{
    Q_OBJECT

private slots:
    void saveFitsZonesAndWritesDefaultProject();
    void cardClassSetsBaudRate_data();
    void cardClassSetsBaudRate();
    void gateAndUser();
    void openingChoice();
};

void TestHardwareSettings::saveFitsZonesAndWritesDefaultProject()
{
    QTemporaryDir dir;
    WorkspaceState ws;
    twoZoneProgram(ws, dir.path());
    const QString file = dir.filePath("Project.zvp");

    HardwareChoice c = HardwareChoice::fromWorkingSettings(ws.WorkingSettings);
    c.ScreenWidth = 128;
    c.ScreenHeight = 48;
    c.ColorType = 1;
    c.CardClassIndex = 2;
    c.CardAddressIndex = 4;
    c.UnitBoardType = 2;
    HardwareSettings::saveParameters(ws, file, c);

    QCOMPARE(ws.display().Programs[1].Zones[2].Height, 32);
    QCOMPARE(ws.display().Programs[1].Zones[1].Height, 16);
    QCOMPARE(ws.WorkingSettings.ScreenHeight, 48);
    QCOMPARE(ws.display().CardModel, g(u"C类卡"));
    QCOMPARE(ws.display().CardAddress, 5);
    QCOMPARE(ws.StatusPanels[0], QStringLiteral("显示屏大小:48*128"));
    QCOMPARE(ws.StatusPanels[1], QStringLiteral("双色"));
    QCOMPARE(ws.StatusPanels[2], QStringLiteral("P10单元板"));

    const IniDocument ini = IniDocument::load(file);
    const QByteArray P = g(u"显示屏参数");
    QCOMPARE(ini.value(P, g(u"显示屏高度"), {}), QByteArray("48"));
    QCOMPARE(ini.value(P, g(u"控制卡型号"), {}), g(u"C类卡"));
    QCOMPARE(ini.value(g(u"节目1"), g(u"左分区高度"), {}), QByteArray("32"));
    QCOMPARE(ini.value(g(u"节目1"), g(u"右分区宽度"), {}), QByteArray::number(ws.display().Programs[1].Zones[3].Width));
    QCOMPARE(ini.keys(P).first(), g(u"显示屏"));
    QCOMPARE(ini.keys(P).last(), g(u"晚上亮度时间分钟"));
    QVERIFY(ini.hasSection(g(u"显示屏串口")));

    // Lower than slot 1: slot 1 gives up 8, slot 2 stays.
    c.ScreenHeight = 16;
    twoZoneProgram(ws, dir.path());
    HardwareSettings::saveParameters(ws, file, c);
    QCOMPARE(ws.display().Programs[1].Zones[1].Height, 8);
    QCOMPARE(ws.display().Programs[1].Zones[2].Height, 16);
}

void TestHardwareSettings::cardClassSetsBaudRate_data()
{
    QTest::addColumn<int>("classIndex");
    QTest::addColumn<int>("baud");
    QTest::newRow("A") << 0 << 4800;
    QTest::newRow("B") << 1 << 19200;
    QTest::newRow("C") << 2 << 19200;
}

void TestHardwareSettings::cardClassSetsBaudRate()
{
    QFETCH(int, classIndex);
    QFETCH(int, baud);
    QTemporaryDir dir;
    WorkspaceState ws;
    ws.display().SerialPort = "COM2";
    const QString file = dir.filePath("Project.zvp");
    HardwareSettings::cardClassChanged(ws, file, classIndex);
    QCOMPARE(ws.display().BaudRate, baud);
    QCOMPARE(ws.ComPort.BaudRate, baud);
    QCOMPARE(ws.StatusPanels[5], QString::number(baud));
    QCOMPARE(ws.StatusPanels[4], QStringLiteral("COM2"));
    QCOMPARE(IniDocument::load(file).value(g(u"显示屏串口"), g(u"波特率"), {}), QByteArray::number(baud));
    QCOMPARE(HardwareSettings::cardClassIndex(ws.display().CardModel), classIndex);
}

void TestHardwareSettings::gateAndUser()
{
    QTemporaryDir dir;
    WorkspaceState ws;
    setProjectPath(ws, dir.filePath("Shop.zvp"));
    ws.display().Password = "947";
    ws.WorkingSettings.UserName = "947";
    ws.WorkingSettings.Password = "947";
    QVERIFY(HardwareSettings::gateAccepts(ws, "947"));
    QVERIFY(!HardwareSettings::gateAccepts(ws, "948"));
    QVERIFY(!HardwareSettings::gateAccepts(ws, ""));

    QVERIFY(!HardwareSettings::saveUser(ws, "947", "wrong", QStringLiteral("店长"), "1234"));
    QCOMPARE(ws.WorkingSettings.Password, QByteArray("947"));
    QVERIFY(HardwareSettings::saveUser(ws, "947", "947", QStringLiteral("店长"), "1234"));
    QVERIFY(HardwareSettings::gateAccepts(ws, "1234"));
    QCOMPARE(ws.StatusPanels[9], QStringLiteral("注册用户:店长"));
    const IniDocument ini = IniDocument::load(ws.ProjectPath);
    QCOMPARE(ini.value(g(u"用户信息"), g(u"用户名"), {}), g(u"店长"));
    QCOMPARE(ini.value(g(u"用户信息"), g(u"密码"), {}), QByteArray("1234"));

    HardwareSettings::cancelPassword(ws);
    QVERIFY(HardwareSettings::gateAccepts(ws, ""));
    QCOMPARE(ws.display().UserName, QByteArray("947"));
    HardwareSettings::restoreFactoryPassword(ws);
    QVERIFY(HardwareSettings::gateAccepts(ws, "947"));
    QCOMPARE(ws.StatusPanels[9], QStringLiteral("注册用户:947"));
}

void TestHardwareSettings::openingChoice()
{
    WorkingSettingsRecord w;
    w.CardModel = g(u"B类卡");
    w.CardAddress = 129;
    w.DataLogic = 0;
    w.OeLogic = 1;
    w.UsbCarriesSettings = 1;
    const HardwareChoice c = HardwareChoice::fromWorkingSettings(w);
    QCOMPARE(c.CardClassIndex, 1);
    QCOMPARE(c.CardAddressIndex, 128);
    QVERIFY(!c.DataLogic);
    QVERIFY(c.OeLogic);
    QVERIFY(c.UsbCarriesSettings);
    QCOMPARE(HardwareSettings::cardClassIndex("other"), 2);
    QVERIFY(HardwareSettings::logicLevelsFor(0) && HardwareSettings::logicLevelsFor(3));
    QVERIFY(!HardwareSettings::logicLevelsFor(1) && !HardwareSettings::logicLevelsFor(2));
}

QTEST_GUILESS_MAIN(TestHardwareSettings)
#include "tst_hardwaresettings.moc"
