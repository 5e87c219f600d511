#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/programcommands.h"

#include <QTest>

using namespace lumetra;

class TestProgramCommands : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void addTemplate4On128x32();
    void addIntoSlotOfDeletedProgram();
    void addKeepsUnusedSlotText();
    void limitMessage();
    void deleteMovesUp();
    void deleteOnlyProgram();
    void modifiedFlagKeeps200();

private:
    std::unique_ptr<Workspace> m_ws;
};

void TestProgramCommands::init()
{
    m_ws = std::make_unique<Workspace>();
    setProjectPath(*m_ws, QStringLiteral("/tmp/proj/Project.zvp"));
    m_ws->WorkingSettings.ScreenWidth = 128;
    m_ws->WorkingSettings.ScreenHeight = 32;
    InitLedDispJiemu(*m_ws);
}

void TestProgramCommands::addTemplate4On128x32()
{
    m_ws->planes().redRow(3)[5] = 1;
    addProgram(*m_ws, 4);
    const ProgramRecord &p = m_ws->program(1);
    QCOMPARE(m_ws->display().ProgramCount, 1);
    QCOMPARE(m_ws->WorkingProgramCount, 1);
    QCOMPARE(m_ws->CurrentProgram, 1);
    QCOMPARE(m_ws->CurrentZone, 3);
    QCOMPARE(p.ZoneCount, 3);
    QCOMPARE(p.Template, 4);
    QCOMPARE(int(p.ProgramId), 1);
    QCOMPARE(p.ProgramName, toGbk(u"节目1"));
    const int rects[3][4] = {{0, 0, 128, 16}, {0, 16, 32, 16}, {32, 16, 96, 16}};
    for (int z = 1; z <= 3; ++z) {
        const ZoneRecord &zone = p.Zones[z];
        QCOMPARE(zone.X, rects[z - 1][0]);
        QCOMPARE(zone.Y, rects[z - 1][1]);
        QCOMPARE(zone.Width, rects[z - 1][2]);
        QCOMPARE(zone.Height, rects[z - 1][3]);
        QCOMPARE(zone.InUse, 1);
        QCOMPARE(zone.ZoneType, int(TextZone));
        QCOMPARE(fromGbk(zone.ContentFile), textFilePath(*m_ws, 1, z));
        QCOMPARE(zone.BackColor, int(ColorBlack));
        QCOMPARE(zone.StayTime, 4);
    }
    QCOMPARE(p.Zones[4].InUse, 0);
    QVERIFY(p.Zones[4].ContentFile.isEmpty());
    QCOMPARE(p.StartDate, QByteArray("2009-05-05"));
    QCOMPARE(m_ws->planes().red(3, 5), uint8_t(0));
    QCOMPARE(m_ws->ModifiedFlag, 100);
}

// A slot freed by a delete still holds the old program; adding over it
// gives fresh text zones.
void TestProgramCommands::addIntoSlotOfDeletedProgram()
{
    addProgram(*m_ws, 1);
    addProgram(*m_ws, 4);
    m_ws->program(2).Zones[2].ZoneType = ClockZone;
    m_ws->program(2).Zones[3].ZoneType = PictureZone;
    deleteProgram(*m_ws, 2);
    QCOMPARE(m_ws->display().ProgramCount, 1);
    addProgram(*m_ws, 4);
    for (int z = 1; z <= 3; ++z)
        QCOMPARE(m_ws->program(2).Zones[z].ZoneType, int(TextZone));
}

void TestProgramCommands::addKeepsUnusedSlotText()
{
    m_ws->program(1).Zones[2].Text = "old";
    m_ws->program(1).Zones[1].Text = "gone";
    addProgram(*m_ws, 1);
    QCOMPARE(m_ws->program(1).Zones[2].Text, QByteArray("old"));
    QVERIFY(m_ws->program(1).Zones[1].Text.isEmpty());
}

void TestProgramCommands::limitMessage()
{
    for (int i = 0; i < 15; ++i)
        addProgram(*m_ws, 1);
    QVERIFY(!programLimitReached(*m_ws));
    addProgram(*m_ws, 1);
    QVERIFY(programLimitReached(*m_ws));
    QCOMPARE(programLimitMessage(*m_ws), QStringLiteral("对不起显示屏-1最多只能16节目。"));
}

void TestProgramCommands::deleteMovesUp()
{
    addProgram(*m_ws, 1);
    addProgram(*m_ws, 2);
    addProgram(*m_ws, 4);
    m_ws->program(3).Zones[1].Text = "third";
    m_ws->program(3).PlayDuration = 30;
    m_ws->program(3).Zones[4].ClockText = "clock4";
    deleteProgram(*m_ws, 2);
    QCOMPARE(m_ws->display().ProgramCount, 2);
    QCOMPARE(m_ws->WorkingProgramCount, 2);
    QCOMPARE(m_ws->CurrentProgram, 2);
    const ProgramRecord &p = m_ws->program(2);
    QCOMPARE(p.Template, 4);
    QCOMPARE(p.ZoneCount, 3);
    QCOMPARE(p.Zones[1].Text, QByteArray("third"));
    QCOMPARE(p.Zones[3].Width, 96);
    QCOMPARE(p.PlayDuration, 30);
    QCOMPARE(p.Zones[4].ClockText, QByteArray("clock4"));
    // Id and name belong to the slot.
    QCOMPARE(p.ProgramName, toGbk(u"节目2"));
    QCOMPARE(int(p.ProgramId), 2);
    QCOMPARE(m_ws->program(1).Template, 1);
}

void TestProgramCommands::deleteOnlyProgram()
{
    addProgram(*m_ws, 1);
    deleteProgram(*m_ws, 1);
    QCOMPARE(m_ws->display().ProgramCount, 0);
    QCOMPARE(m_ws->CurrentProgram, 0);
    deleteProgram(*m_ws, 1); // nothing left to delete
    QCOMPARE(m_ws->display().ProgramCount, 0);
}

void TestProgramCommands::modifiedFlagKeeps200()
{
    m_ws->ModifiedFlag = 200;
    addProgram(*m_ws, 1);
    QCOMPARE(m_ws->ModifiedFlag, 200);
}

QTEST_GUILESS_MAIN(TestProgramCommands)
#include "tst_programcommands.moc"
