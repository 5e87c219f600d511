#include "model/gbk.h"
#include "model/workspace.h"

#include <QTest>

using namespace lumetra;

class TestWorkspace : public QObject
{
    Q_OBJECT

private slots:
    void resetGivesNamedEmptyPrograms();
    void resetKeepsBackColorAndClockPositions();
    void resetCopiesWorkingSettingsAndLeavesThem();
    void resetClearsPlanes();
    void unitBoardTypeNames_data();
    void unitBoardTypeNames();
    void baudRateMapping_data();
    void baudRateMapping();
};

void TestWorkspace::resetGivesNamedEmptyPrograms()
{
    Workspace ws;
    ws.display().ProgramCount = 5;
    ws.display().Programs[3].ZoneCount = 3;
    ws.display().Programs[3].Zones[2].ZoneType = ClockZone;
    ws.display().Programs[3].Zones[2].Text = "abc";
    InitLedDispJiemu(ws);

    QCOMPARE(ws.display().ProgramCount, 0);
    QCOMPARE(ws.WorkingProgramCount, 0);
    for (int n = 1; n <= MaxPrograms; ++n) {
        const ProgramRecord &p = ws.display().Programs[n];
        QCOMPARE(p.ProgramName, toGbk(QStringLiteral("节目%1").arg(n)));
        QCOMPARE(int(p.ProgramId), n - 1);
        QCOMPARE(p.ZoneCount, 1);
        QCOMPARE(p.StopTimes[4], QByteArray("23:59:59"));
        QCOMPARE(p.Weekdays[6], 1);
    }
    const ZoneRecord &z = ws.display().Programs[3].Zones[2];
    QCOMPARE(z.ZoneType, int(TextZone));
    QVERIFY(z.Text.isEmpty());
    QCOMPARE(z.YearFormat, 0);
    QCOMPARE(z.TimeRowY, 16);
    QCOMPARE(z.ClockOptions, 14);
}

void TestWorkspace::resetKeepsBackColorAndClockPositions()
{
    Workspace ws;
    ZoneRecord &z = ws.display().Programs[7].Zones[4];
    z.BackColor = ColorGreen;
    z.HourX = 300;
    z.WeekY = 9;
    z.InfoX = 5;
    InitLedDispJiemu(ws);
    QCOMPARE(z.BackColor, int(ColorGreen));
    QCOMPARE(z.HourX, 300);
    QCOMPARE(z.WeekY, 9);
    QCOMPARE(z.InfoX, 0);
}

void TestWorkspace::resetCopiesWorkingSettingsAndLeavesThem()
{
    Workspace ws;
    ws.WorkingSettings.ScreenWidth = 192;
    ws.WorkingSettings.ScreenHeight = 48;
    ws.WorkingSettings.CardModel = "B";
    ws.WorkingSettings.NightBrightnessHour = 21;
    ws.ProjectFolder = QStringLiteral("/p/");
    ws.ProjectFileName = QStringLiteral("Shop.zvp");
    const WorkingSettingsRecord before = ws.WorkingSettings;
    InitLedDispJiemu(ws);

    QCOMPARE(ws.WorkingSettings, before);
    const DisplayRecord &d = ws.display();
    QCOMPARE(d.ScreenWidth, 192);
    QCOMPARE(d.CardModel, QByteArray("B"));
    QCOMPARE(int(d.NightBrightnessHour), 21);
    QCOMPARE(d.DisplayName, toGbk(u"显示屏-1"));
    QCOMPARE(d.StorageSize, 409600);
    QCOMPARE(d.Programs[16].Zones[4].Width, 192);
    QCOMPARE(d.Programs[16].Zones[4].Height, 48);
    QCOMPARE(ws.ProjectPath, QStringLiteral("/p/Shop.zvp"));
    QCOMPARE(ws.ProjectBaseName, QStringLiteral("Shop"));
}

void TestWorkspace::resetClearsPlanes()
{
    Workspace ws;
    ws.planes().redRow(6144)[1472] = 1;
    ws.planes().greenRow(0)[0] = 1;
    InitLedDispJiemu(ws);
    QCOMPARE(int(ws.planes().red(6144, 1472)), 0);
    QCOMPARE(int(ws.planes().green(0, 0)), 0);
}

void TestWorkspace::unitBoardTypeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << QStringLiteral("户内屏");
    QTest::newRow("1") << 1 << QStringLiteral("P16单元板");
    QTest::newRow("2") << 2 << QStringLiteral("P10单元板");
    QTest::newRow("3") << 3 << QStringLiteral("P10单元板");
}

void TestWorkspace::unitBoardTypeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    Workspace ws;
    ws.WorkingSettings.UnitBoardType = type;
    InitLedDispJiemu(ws);
    QCOMPARE(ws.StatusPanels[2], name);
}

void TestWorkspace::baudRateMapping_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("stored");
    for (int rate : {4800, 9600, 19200, 38400, 57600, 115200})
        QTest::newRow(qPrintable(QString::number(rate))) << rate << rate;
    QTest::newRow("14400") << 14400 << 9600;
    QTest::newRow("1200") << 1200 << 9600;
}

void TestWorkspace::baudRateMapping()
{
    QFETCH(int, rate);
    QFETCH(int, stored);
    Workspace ws;
    ws.ComPort.BaudRate = rate;
    ws.ComPort.PortName = "COM3";
    InitLedDispJiemu(ws);
    QCOMPARE(ws.display().BaudRate, stored);
    QCOMPARE(ws.display().SerialPort, QByteArray("COM3"));
}

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
