#include "model/contentfiles.h"
#include "model/error.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/projectfile.h"
#include "model/workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumetra;

namespace {

QByteArray g(const char16_t *text)
{
    return toGbk(QStringView(text));
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A project that sets every field to something other than its default.
void fillEverything(Workspace &ws)
{
    DisplayRecord &d = ws.display();
    d.DisplayName = g(u"测试屏");
    d.ScreenWidth = 256;
    d.ScreenHeight = 64;
    d.ColorType = 2;
    d.GrayLevel = 3;
    d.CardModel = g(u"C类卡");
    d.CardAddress = 129;
    d.PowerOnHour = 6;
    d.PowerOnMinute = 30;
    d.PowerOffHour = 23;
    d.PowerOffMinute = 45;
    d.DayBrightness = 250;
    d.NightBrightness = 20;
    d.DayBrightnessHour = 8;
    d.DayBrightnessMinute = 15;
    d.NightBrightnessHour = 18;
    d.NightBrightnessMinute = 5;
    d.UsbCarriesSettings = 1;
    d.ColorThreshold = 200;
    d.RefreshRate = 60;
    d.DataLogic = 0;
    d.OeLogic = 0;
    d.SerialPort = "COM4";
    d.BaudRate = 115200;
    d.StorageSize = 1024;
    d.StorageUsed = 512;
    d.PowerOnText = g(u"欢迎 Welcome");
    d.UserName = g(u"管理员");
    d.Password = "secret";
    d.LinkType = 3;
    d.ProgramCount = 3;
    d.MaxProgramCount = 16;
    d.UnitBoardType = 3;
    for (int n = 1; n <= 3; ++n) {
        ProgramRecord &p = d.Programs[n];
        p.ProgramId = uint8_t(200 + n);
        p.ProgramName = g(u"节目") + QByteArray::number(n);
        p.ZoneCount = n;
        p.Template = n + 1;
        p.PlayDuration = 600;
        p.TimedPlay = 1;
        p.StartDate = "2026-01-0" + QByteArray::number(n);
        p.StopDate = "2026-12-31";
        p.Weekdays = {1, 0, 1, 0, 1, 0, n % 2};
        p.StartTimes = {"01:00:00", "02:00:00", "03:00:00", "04:00:00", "05:00:00"};
        p.StopTimes = {"01:30:00", "02:30:00", "03:30:00", "04:30:00", "05:30:00"};
        p.Volumes = {1, 2, 3, 4, 10};
        p.VoiceGender = 1;
        for (int s = 1; s <= 4; ++s) {
            ZoneRecord &z = p.Zones[s];
            const int v = n * 10 + s;
            z.InUse = s <= n ? 1 : 0;
            z.ZoneType = (s + n) % 3;
            z.X = v;
            z.Y = v + 1;
            z.Height = v + 2;
            z.Width = v + 3;
            z.ContentHeight = v + 4;
            z.SingleLine = 1;
            z.ContentFile = z.ZoneType == PictureZone ? QByteArray("doc") + QByteArray::number(v) + ".zvf" : "";
            z.PlayMode = 14;
            z.Speed = 40;
            z.StayTime = 255;
            z.ClearBeforePlay = 0;
            z.Text = z.ZoneType == TextZone ? g(u"第一行\r\nline two\r\n") + QByteArray::number(v) : QByteArray();
            z.ClockText = g(u"北京时间");
            z.FontIndex = 1;
            z.FontSizeIndex = 2;
            z.BackColor = 3;
            z.ForeColor = 2;
            z.ClockStyle = 2;
            z.InfoX = 1;
            z.InfoY = 2;
            z.InfoSpacing = 3;
            z.YearX = v + 100;
            z.YearY = v + 101;
            z.MonthX = v + 102;
            z.MonthY = v + 103;
            z.DayX = v + 104;
            z.DayY = v + 105;
            z.HourX = 300;
            z.HourY = v + 107;
            z.MinuteX = v + 108;
            z.MinuteY = v + 109;
            z.SecondX = v + 110;
            z.SecondY = v + 111;
            z.WeekX = v + 112;
            z.WeekY = v + 113;
            z.WeekRowY = 8;
            z.TimeRowY = 24;
            z.ClockOptions = 254;
            z.YearFormat = 1;
            z.MultiLine = 1;
        }
    }
}

void compareUsedPrograms(const DisplayRecord &a, const DisplayRecord &b)
{
    QCOMPARE(static_cast<const DisplaySettings &>(a), static_cast<const DisplaySettings &>(b));
    QCOMPARE(a.DisplayName, b.DisplayName);
    QCOMPARE(a.ProgramCount, b.ProgramCount);
    QCOMPARE(a.SerialPort, b.SerialPort);
    QCOMPARE(a.BaudRate, b.BaudRate);
    QCOMPARE(a.StorageSize, b.StorageSize);
    QCOMPARE(a.StorageUsed, b.StorageUsed);
    for (int n = 1; n <= a.ProgramCount; ++n)
        for (int s = 1; s <= 4; ++s)
            QCOMPARE(a.Programs[n].Zones[s], b.Programs[n].Zones[s]);
    for (int n = 1; n <= a.ProgramCount; ++n)
        QVERIFY(a.Programs[n] == b.Programs[n]);
}

int indexOfKey(const QList<QByteArray> &keys, const QByteArray &key)
{
    const qsizetype i = keys.indexOf(key);
    return int(i);
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryField();
    void sectionKeyOrder();
    void windowsProjectLoadsAndSavesBack();
    void missingFileGivesEmptyDisplay_data();
    void missingFileGivesEmptyDisplay();
    void perSlotDefaults();
    void programCountEdges_data();
    void programCountEdges();
    void otherProjectKeepsDisplaySettings();
    void removedProgramSectionsStay();
    void badNumberLeavesProjectOpen_data();
    void badNumberLeavesProjectOpen();
    void saveUnderPlainFileFails();
    void saveOnFullDiskLeavesOldFiles();
    void textDoesNotGrow();
    void saveAsWritesTextFilesBesideNewFile();
    void newThenSaveOverwritesOpenProject();
};

void TestProjectFile::roundTripKeepsEveryField()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Project.zvp"));
    fillEverything(ws);
    SaveProject(ws, ws.ProjectPath);
    QCOMPARE(ws.UiReady, 200);
    const QByteArray first = readAll(ws.ProjectPath);

    Workspace loaded;
    setProjectPath(loaded, ws.ProjectPath);
    LoadProject(loaded, loaded.ProjectPath);
    compareUsedPrograms(loaded.display(), ws.display());

    // Saving what was loaded writes the same bytes again.
    SaveProject(loaded, loaded.ProjectPath);
    QCOMPARE(readAll(loaded.ProjectPath), first);
    QVERIFY(first.endsWith("\r\n"));
    QVERIFY(!QByteArray(first).replace("\r\n", "").contains('\n'));
}

void TestProjectFile::sectionKeyOrder()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Project.zvp"));
    fillEverything(ws);
    // A foreign section and key must survive and keep their places.
    writeAll(ws.ProjectPath, "[" + g(u"节目1") + "]\r\nforeign=1\r\n[other]\r\nk=v\r\n");
    SaveProject(ws, ws.ProjectPath);

    const IniDocument doc = IniDocument::load(ws.ProjectPath);
    const QList<QByteArray> sections = doc.sections();
    QCOMPARE(sections.first(), g(u"节目1"));
    QCOMPARE(sections.at(1), QByteArray("other"));
    QCOMPARE(sections.mid(2, 7),
             (QList<QByteArray>{g(u"显示屏参数"), g(u"显示屏串口"), g(u"显示屏信息存储"), g(u"已占用信息存储"),
                                g(u"上电显示"), g(u"用户信息"), g(u"通讯方式")}));
    QCOMPARE(doc.value("other", "k", {}), QByteArray("v"));

    const QList<QByteArray> display = doc.keys(g(u"显示屏参数"));
    QCOMPARE(display.first(), g(u"显示屏"));
    QCOMPARE(display.mid(display.size() - 3),
             (QList<QByteArray>{g(u"当前节目数"), g(u"最大节目数"), g(u"单元板接口类型")}));

    const QList<QByteArray> keys = doc.keys(g(u"节目1"));
    QCOMPARE(keys.first(), QByteArray("foreign"));
    QCOMPARE(keys.mid(1, 6), (QList<QByteArray>{g(u"节目ID"), g(u"节目名"), g(u"分区数量"), g(u"节目分区模板"),
                                                g(u"上分区标志"), g(u"上分区类型")}));
    // Slot 1 zone block, clock blocks 1 and 2, positions 1..4, clock blocks 3
    // and 4, zone blocks 2..4, schedule.
    const QList<QByteArray> anchors = {
        g(u"上分区停留时间"), g(u"时钟固定文本1"),  g(u"多行1"),          g(u"时钟固定文本2"), g(u"多行2"),
        g(u"时钟年X坐标1"),   g(u"时钟星期Y坐标4"), g(u"时钟固定文本3"),  g(u"多行4"),         g(u"左分区标志"),
        g(u"左分区停留时间"), g(u"右分区标志"),     g(u"下分区停留时间"), g(u"定时播放"),      g(u"播放模式"),
        g(u"播放时间1"),      g(u"停放时间5"),      g(u"播放音量5"),      g(u"播放性别"),      g(u"起播时间"),
        g(u"停播时间"),       g(u"星期一"),
    };
    int previous = -1;
    for (const QByteArray &anchor : anchors) {
        const int at = indexOfKey(keys, anchor);
        QVERIFY2(at > previous, qPrintable(fromGbk(anchor)));
        previous = at;
    }
    QCOMPARE(keys.last(), g(u"星期日"));
    QCOMPARE(keys.size(), 1 + 4 + 4 * 13 + 4 * 14 + 4 * 14 + 27);
}

void TestProjectFile::windowsProjectLoadsAndSavesBack()
{
    QTemporaryDir dir;
    for (const char *name : {"Project.zvp", "Project0-0-1.txt"})
        QVERIFY(QFile::copy(QStringLiteral(LUMETRA_TEST_DATA "/windows/") + name, dir.filePath(name)));

    Workspace ws;
    openProject(ws, dir.filePath("Project.zvp"));
    const DisplayRecord &d = ws.display();
    QCOMPARE(d.DisplayName, g(u"门店屏"));
    QCOMPARE(d.ScreenWidth, 192);
    QCOMPARE(ws.WorkingSettings.ScreenWidth, 192);
    QCOMPARE(ws.WorkingSettings.UserName, g(u"店长"));
    QCOMPARE(d.CardModel, g(u"B类卡"));
    QCOMPARE(ws.ComPort.PortName, QByteArray("COM2"));
    QCOMPARE(ws.StatusPanels[0], QStringLiteral("显示屏大小:48*192"));
    QCOMPARE(ws.StatusPanels[1], QStringLiteral("双色"));
    QCOMPARE(ws.StatusPanels[2], QStringLiteral("P10单元板"));
    QCOMPARE(ws.StatusPanels[5], QStringLiteral("9600"));
    QCOMPARE(ws.StatusPanels[9], QStringLiteral("注册用户:店长"));
    QCOMPARE(d.ProgramCount, 1);
    QCOMPARE(ws.WorkingProgramCount, 1);

    const ProgramRecord &p = d.Programs[1];
    QCOMPARE(p.Template, 3);
    QCOMPARE(p.PlayDuration, 600);
    QCOMPARE(p.Weekdays[6], 0);
    QCOMPARE(p.Zones[1].Text, g(u"欢迎\r\n光临"));
    QCOMPARE(ws.CurrentZone, 1);
    QCOMPARE(p.Zones[1].ContentHeight, 96);
    QCOMPARE(p.Zones[2].ClockText, g(u"北京时间"));
    QCOMPARE(p.Zones[2].ClockOptions, 254);

    SaveProject(ws, ws.ProjectPath);
    const QString textFile = dir.filePath("Project0-0-1.txt");
    QCOMPARE(readAll(textFile), g(u"欢迎\r\n光临\r\n"));
    const IniDocument doc = IniDocument::load(ws.ProjectPath);
    QCOMPARE(doc.value(g(u"节目1"), g(u"上分区文件"), {}), toGbk(textFile));
    // The clock zone's stored path is kept as it was; foreign keys survive.
    QCOMPARE(doc.value(g(u"节目1"), g(u"左分区文件"), {}), QByteArray("C:\\LED\\Project\\ExtFile\\0-0-2.bmp"));
    QCOMPARE(doc.value(g(u"节目1"), g(u"备注"), {}), g(u"门店自用"));
    QCOMPARE(doc.value(g(u"其他软件"), g(u"设置"), {}), g(u"保留"));
}

void TestProjectFile::missingFileGivesEmptyDisplay_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray("<none>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("foreign only") << QByteArray("[x]\r\ny=1\r\n");
}

void TestProjectFile::missingFileGivesEmptyDisplay()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("project.ZVP"); // the name is matched in any case
    if (content != "<none>")
        writeAll(path, content);
    Workspace ws;
    setProjectPath(ws, path);
    LoadProject(ws, path);
    const DisplayRecord &d = ws.display();
    QCOMPARE(d.ScreenWidth, 128);
    QCOMPARE(d.ScreenHeight, 32);
    QCOMPARE(d.ProgramCount, 0);
    QCOMPARE(d.CardModel, g(u"A类卡"));
    QCOMPARE(d.PowerOnText, g(u"QELTO LED显示屏"));
    QCOMPARE(int(d.DayBrightness), 150);
    QCOMPARE(int(d.NightBrightnessHour), 19);
    QCOMPARE(d.BaudRate, 4800);
    QCOMPARE(d.ColorThreshold, 127);
    QCOMPARE(ws.WorkingSettings.ScreenWidth, 128);
}

void TestProjectFile::perSlotDefaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Project.zvp");
    writeAll(path, "[" + g(u"显示屏参数") + "]\r\n" + g(u"显示屏宽度") + "=200\r\n" + g(u"当前节目数") + "=1\r\n");
    Workspace ws;
    setProjectPath(ws, path);
    LoadProject(ws, path);
    const ProgramRecord &p = ws.display().Programs[1];
    QCOMPARE(p.ProgramName, g(u"节目1"));
    QCOMPARE(int(p.ProgramId), 0);
    QCOMPARE(p.ZoneCount, 1);
    const int xs[] = {0, 0, 64, 0}, ys[] = {0, 16, 16, 32}, ws_[] = {200, 64, 64, 200};
    for (int s = 1; s <= 4; ++s) {
        const ZoneRecord &z = p.Zones[s];
        QCOMPARE(z.X, xs[s - 1]);
        QCOMPARE(z.Y, ys[s - 1]);
        QCOMPARE(z.Width, ws_[s - 1]);
        QCOMPARE(z.Height, 16);
        QCOMPARE(z.ContentHeight, 16);
        QCOMPARE(z.ContentFile, toGbk(dir.path() + "/Test.zvf"));
        QCOMPARE(z.YearFormat, 1);
        QCOMPARE(z.MultiLine, 1);
        QCOMPARE(z.BackColor, 4);
    }
    QCOMPARE(p.StartTimes[3], QByteArray("17:30:00"));
    QCOMPARE(p.StartDate, QByteArray("2009-05-05"));
}

void TestProjectFile::programCountEdges_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("loaded");
    QTest::newRow("0") << QByteArray("0") << 0;
    QTest::newRow("16") << QByteArray("16") << 16;
    QTest::newRow("17 is more than there are slots") << QByteArray("17") << 16;
    QTest::newRow("negative") << QByteArray("-3") << 0;
    QTest::newRow("plus sign") << QByteArray("+2") << 2;
}

void TestProjectFile::programCountEdges()
{
    QFETCH(QByteArray, count);
    QFETCH(int, loaded);
    QTemporaryDir dir;
    const QString path = dir.filePath("Other.zvp");
    writeAll(path, "[" + g(u"显示屏参数") + "]\r\n" + g(u"当前节目数") + "=" + count + "\r\n");
    Workspace ws;
    setProjectPath(ws, path);
    LoadProject(ws, path);
    QCOMPARE(ws.display().ProgramCount, loaded);
    QCOMPARE(ws.WorkingProgramCount, loaded);
}

void TestProjectFile::otherProjectKeepsDisplaySettings()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Shop.zvp"));
    fillEverything(ws);
    SaveProject(ws, ws.ProjectPath); // writes 256 x 64 and C类卡 into Shop.zvp

    Workspace other;
    other.WorkingSettings.ScreenWidth = 96;
    other.WorkingSettings.ScreenHeight = 16;
    other.WorkingSettings.CardModel = g(u"A类卡");
    openProject(other, ws.ProjectPath);
    QCOMPARE(other.display().ScreenWidth, 96);
    QCOMPARE(other.display().ScreenHeight, 16);
    QCOMPARE(other.display().CardModel, g(u"A类卡"));
    QCOMPARE(other.display().ProgramCount, 3);
    QCOMPARE(other.display().Programs[2].Zones[1].X, 21);
}

void TestProjectFile::removedProgramSectionsStay()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Project.zvp"));
    fillEverything(ws);
    SaveProject(ws, ws.ProjectPath);
    ws.display().ProgramCount = 1;
    SaveProject(ws, ws.ProjectPath);

    const IniDocument doc = IniDocument::load(ws.ProjectPath);
    QVERIFY(doc.hasSection(g(u"节目3")));
    Workspace loaded;
    setProjectPath(loaded, ws.ProjectPath);
    LoadProject(loaded, loaded.ProjectPath);
    QCOMPARE(loaded.display().ProgramCount, 1);
    // Slot 3 holds reset values, not the stale section.
    QCOMPARE(loaded.display().Programs[3].PlayDuration, 0);
}

void TestProjectFile::badNumberLeavesProjectOpen_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("display width") << g(u"显示屏参数") << g(u"显示屏宽度") << QByteArray("12O");
    QTest::newRow("zone height") << g(u"节目1") << g(u"左分区高度") << QByteArray("abc");
    QTest::newRow("empty value") << g(u"节目1") << g(u"星期日") << QByteArray("");
    QTest::newRow("too big") << g(u"节目1") << g(u"播放模式") << QByteArray("99999999999");
    QTest::newRow("hex") << g(u"节目1") << g(u"字体1") << QByteArray("0x10");
}

void TestProjectFile::badNumberLeavesProjectOpen()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);

    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Good.zvp"));
    fillEverything(ws);
    ws.planes().redRow(5)[5] = 1;
    const WorkspaceState before = ws;

    const QString bad = dir.filePath("Project.zvp");
    IniDocument doc;
    doc.setValue(g(u"显示屏参数"), g(u"当前节目数"), "1");
    doc.setValue(section, key, value);
    doc.save(bad);

    QString message;
    try {
        openProject(ws, bad);
    } catch (const Error &e) {
        message = e.text();
    }
    QVERIFY(message.contains(bad));
    QVERIFY(message.contains(fromGbk(section)));
    QVERIFY(message.contains(fromGbk(key)));
    QVERIFY(message.contains(QLatin1Char('"') + fromGbk(value) + QLatin1Char('"')));
    QCOMPARE(ws.ProjectPath, before.ProjectPath);
    compareUsedPrograms(ws.display(), before.display());
    QCOMPARE(ws.WorkingSettings, before.WorkingSettings);
    QCOMPARE(int(ws.planes().red(5, 5)), 1);
}

void TestProjectFile::saveUnderPlainFileFails()
{
    QTemporaryDir dir;
    writeAll(dir.filePath("plain"), "x");
    Workspace ws;
    setProjectPath(ws, dir.filePath("Project.zvp"));
    fillEverything(ws);
    SaveProject(ws, ws.ProjectPath);
    const QByteArray old = readAll(ws.ProjectPath);
    const WorkspaceState before = ws;

    const QString target = dir.filePath("plain/New.zvp");
    QString subject;
    try {
        saveProjectAs(ws, target);
    } catch (const Error &e) {
        subject = e.subject();
        QVERIFY(e.text().contains(subject));
    }
    QVERIFY(subject.startsWith(dir.filePath("plain/")));
    QCOMPARE(ws.ProjectPath, before.ProjectPath);
    QCOMPARE(ws.display().Programs[1].Zones[1].ContentFile, before.display().Programs[1].Zones[1].ContentFile);
    QCOMPARE(readAll(before.ProjectPath), old);
}

void TestProjectFile::saveOnFullDiskLeavesOldFiles()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Project.zvp"));
    fillEverything(ws);
    SaveProject(ws, ws.ProjectPath);
    const QByteArray oldProject = readAll(ws.ProjectPath);
    const QString textFile = textFilePath(ws, 1, 2); // slot 2 of program 1 is a text zone
    const QByteArray oldText = readAll(textFile);
    QVERIFY(!oldText.isEmpty());

    // Grow the text so the next text file exceeds a 64-byte file-size limit,
    // and save in a child process that has the limit.
    ws.display().Programs[1].Zones[2].Text = QByteArray(4096, 'x');
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        int code = 3;
        try {
            SaveProject(ws, ws.ProjectPath);
            code = 1;
        } catch (const Error &e) {
            code = e.subject() == textFile ? 0 : 2;
        }
        _exit(code);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);

    QCOMPARE(readAll(ws.ProjectPath), oldProject);
    QCOMPARE(readAll(textFile), oldText);
    // No temporary files are left behind.
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QVERIFY2(name.endsWith(".zvp") || name.endsWith(".txt"), qPrintable(name));
}

void TestProjectFile::textDoesNotGrow()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Project.zvp"));
    ws.display().ProgramCount = 1;
    const QByteArray text = g(u"第一行\r\n\r\n第三行\r\n");
    ws.display().Programs[1].Zones[1].Text = text;
    for (int round = 0; round < 3; ++round) {
        SaveProject(ws, ws.ProjectPath);
        LoadProject(ws, ws.ProjectPath);
        QCOMPARE(ws.display().Programs[1].Zones[1].Text, text);
    }
    QCOMPARE(readAll(dir.filePath("Project0-0-1.txt")), text + "\r\n");
}

void TestProjectFile::saveAsWritesTextFilesBesideNewFile()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("a"));
    QDir().mkpath(dir.filePath("b"));
    Workspace ws;
    setProjectPath(ws, dir.filePath("a/Project.zvp"));
    ws.display().ProgramCount = 3;
    ws.display().Programs[3].Zones[1].Text = "hello";
    SaveProject(ws, ws.ProjectPath);
    QVERIFY(QFile::exists(dir.filePath("a/Project0-2-1.txt")));
    QCOMPARE(IniDocument::load(ws.ProjectPath).value(g(u"节目3"), g(u"上分区文件"), {}),
             toGbk(dir.filePath("a/Project0-2-1.txt")));

    saveProjectAs(ws, dir.filePath("b/Copy.zvp"));
    QCOMPARE(ws.ProjectFolder, dir.filePath("b") + "/");
    QCOMPARE(ws.ProjectBaseName, QStringLiteral("Copy"));
    QCOMPARE(readAll(dir.filePath("b/Copy0-2-1.txt")), QByteArray("hello\r\n"));
    QCOMPARE(ws.display().Programs[3].Zones[1].ContentFile, toGbk(dir.filePath("b/Copy0-2-1.txt")));
}

void TestProjectFile::newThenSaveOverwritesOpenProject()
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.filePath("Shop.zvp"));
    fillEverything(ws);
    SaveProject(ws, ws.ProjectPath);

    newProject(ws);
    QCOMPARE(ws.display().ProgramCount, 0);
    QCOMPARE(ws.ProjectPath, dir.filePath("Shop.zvp"));
    saveProject(ws);
    const IniDocument doc = IniDocument::load(dir.filePath("Shop.zvp"));
    QCOMPARE(doc.value(g(u"显示屏参数"), g(u"当前节目数"), {}), QByteArray("0"));
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
