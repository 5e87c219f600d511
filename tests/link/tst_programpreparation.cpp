#include "link/programpreparation.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/savefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

namespace {

bool anyLit(const FramePlanes &planes, int rows, int columns)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (planes.red(r, c) || planes.green(r, c))
                return true;
    return false;
}

// One program, one 64 × 16 zone of the given kind, on a 64 × 16 sign.
struct Rig
{
    QTemporaryDir dir;
    Workspace ws;
    ProgramPreparation preparation;

    explicit Rig(int kind)
    {
        setProjectPath(ws, dir.filePath(QStringLiteral("Project.zvp")));
        DisplayRecord &d = ws.display();
        d.ScreenWidth = 64;
        d.ScreenHeight = 16;
        d.ColorType = 1;
        d.ColorThreshold = 127;
        d.ProgramCount = 1;
        static_cast<DisplaySettings &>(ws.WorkingSettings) = d;
        ProgramRecord &p = d.Programs[1];
        p.ZoneCount = 1;
        ZoneRecord &z = p.Zones[1];
        z.InUse = 1;
        z.ZoneType = kind;
        z.Width = 64;
        z.Height = 16;
        z.ContentHeight = 16;
        z.Text = "HELLO";
    }
    ZoneRecord &zone() { return ws.display().Programs[1].Zones[1]; }
    void giveFile(const QString &name, bool create)
    {
        zone().ContentFile = toGbk(QStringLiteral("C:\\old\\") + name);
        if (create)
            writeFileAtomically(ws.ProjectFolder + name, "HELLO\r\n");
    }
};

} // namespace

class TestProgramPreparation : public QObject
{
    Q_OBJECT

private slots:
    void textZoneNeedsItsFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("file there") << true;
        QTest::newRow("file missing") << false;
    }
    void textZoneNeedsItsFile()
    {
        QFETCH(bool, exists);
        Rig rig(TextZone);
        rig.giveFile(QStringLiteral("Project0-0-1.txt"), exists);
        rig.ws.planes().redRow(0)[0] = 1; // stale, from an earlier program
        const PreparedProgram prepared = rig.preparation.prepare(rig.ws, 0);
        QCOMPARE(prepared.rows, 16);
        QCOMPARE(anyLit(rig.ws.planes(), 16, 64), exists);
        QCOMPARE(rig.zone().Text, QByteArray("HELLO"));
    }

    void clockZoneIsRenderedAsATemplate()
    {
        Rig rig(ClockZone);
        rig.zone().ContentFile = "0-0-1.bmp"; // a clock names its bitmap, which need not exist
        rig.zone().ClockText = "AB";
        rig.preparation.prepare(rig.ws, 0);
        QVERIFY(QFile::exists(zoneBitmapPath(rig.ws, 1, 1)));
        QCOMPARE(rig.ws.CurrentProgram, 1);
        QCOMPARE(rig.ws.CurrentZone, 1);
    }

    void pictureZoneGoesThroughTheHook_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("hooked");
        QTest::newRow("hooked, file there") << true << true;
        QTest::newRow("hooked, file missing") << false << true;
        QTest::newRow("renderer taken away") << true << false;
    }
    void pictureZoneGoesThroughTheHook()
    {
        QFETCH(bool, exists);
        QFETCH(bool, hooked);
        Rig rig(PictureZone);
        rig.giveFile(QStringLiteral("Program1.zvf"), exists);
        QStringList calls;
        if (!hooked)
            rig.preparation.setPictureRenderer({});
        if (hooked)
            rig.preparation.setPictureRenderer([&calls](Workspace &ws, int k, int slot, const QString &path) {
                calls << QStringLiteral("%1 %2 %3").arg(k).arg(slot).arg(path);
                ws.planes().greenRow(3)[5] = 1;
                return TransferResult{};
            });
        const PreparedProgram prepared = rig.preparation.prepare(rig.ws, 0);
        const bool rendered = hooked && exists;
        QCOMPARE(calls.size(), rendered ? 1 : 0);
        if (rendered)
            QCOMPARE(calls.first(), QStringLiteral("0 1 ") + rig.ws.ProjectFolder + QStringLiteral("Program1.zvf"));
        QCOMPARE(anyLit(rig.ws.planes(), 16, 64), rendered);
        QCOMPARE(prepared.skippedPictureZones, !hooked && exists ? 1 : 0);
    }
};

QTEST_MAIN(TestProgramPreparation)
#include "tst_programpreparation.moc"
