#include "faketransport.h"

#include "link/displaycontrol.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/workspace.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

class TestDisplayControl : public QObject
{
    Q_OBJECT

private slots:
    void commandsSendTheirFrames();
    void noAnswerFromBClassIsReported();
    void saveWritesDefaultProjectAndWorkingSettings();
    void clockPanelAndBrightnessEntries();
};

void TestDisplayControl::commandsSendTheirFrames()
{
    Workspace ws;
    ws.display().CardModel = toGbk(u"A类卡");
    FakeTransport port;
    ControllerLink link(ws, port);
    const QDateTime now(QDate(2009, 5, 9), QTime(23, 59, 59)); // a Saturday
    const PowerTimes times{7, 30, 22, 15};
    const BrightnessValues light{7, 0, 19, 0, 200, 1};

    QVERIFY(DisplayControl::SendPower(link, ws, true).Message.isEmpty()); // A class: never a message
    DisplayControl::SendPAUSE(link, ws, true);
    DisplayControl::SendTimer(link, ws, now, times);
    DisplayControl::SendLight(link, ws, light);
    DisplayControl::Sendlsbk(link, ws, true);

    const QByteArray &model = ws.display().CardModel;
    const QList<QByteArray> expected{
        powerFrame(link.selectors(), model, true), pauseFrame(link.selectors(), model, true),
        timerFrame(link.selectors(), model, now, times), brightnessFrame(link.selectors(), model, light),
        borderFrame(link.selectors(), model, true)};
    QCOMPARE(port.written, expected);
    QCOMPARE(ws.ReplyAddressSource, 2);
}

void TestDisplayControl::noAnswerFromBClassIsReported()
{
    Workspace ws;
    ws.display().CardModel = toGbk(u"B类卡");
    FakeTransport port;
    ControllerLink link(ws, port);
    const CommandOutcome silent = DisplayControl::SendPower(link, ws, false);
    QVERIFY(!silent.Answered);
    QCOMPARE(silent.Message, QStringLiteral("可能没有连接到控制卡或通讯线接触不好，请检查一下后重新操作。"));

    port.failOpen = true;
    QCOMPARE(DisplayControl::Sendlsbk(link, ws, false).Message, QStringLiteral("串口数据发送失败。"));
}

void TestDisplayControl::saveWritesDefaultProjectAndWorkingSettings()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Project.zvp");
    IniDocument before;
    before.setValue(toGbk(u"显示屏参数"), toGbk(u"显示屏宽度"), "192");
    before.save(file);

    Workspace ws;
    DisplayControl::saveTimer(ws, file, PowerTimes{6, 5, 23, 45});
    DisplayControl::saveBrightness(ws, file, BrightnessValues{8, 15, 20, 30, 200, 1});

    QCOMPARE(int(ws.display().PowerOffMinute), 45);
    QCOMPARE(int(ws.WorkingSettings.PowerOnHour), 6);
    QCOMPARE(int(ws.WorkingSettings.NightBrightness), 1);
    QCOMPARE(int(ws.display().DayBrightness), 200);

    const IniDocument after = IniDocument::load(file);
    const QByteArray section = toGbk(u"显示屏参数");
    QCOMPARE(
        after.keys(section),
        (QList<QByteArray>{toGbk(u"显示屏宽度"), toGbk(u"开机时间小时"), toGbk(u"开机时间分钟"), toGbk(u"关机时间小时"),
                           toGbk(u"关机时间分钟"), toGbk(u"白天亮度"), toGbk(u"晚上亮度"), toGbk(u"白天亮度时间小时"),
                           toGbk(u"白天亮度时间分钟"), toGbk(u"晚上亮度时间小时"), toGbk(u"晚上亮度时间分钟")}));
    QCOMPARE(after.value(section, toGbk(u"关机时间分钟"), {}), QByteArray("45"));
    QCOMPARE(after.value(section, toGbk(u"白天亮度"), {}), QByteArray("200"));
    QCOMPARE(after.value(section, toGbk(u"显示屏宽度"), {}), QByteArray("192"));
}

void TestDisplayControl::clockPanelAndBrightnessEntries()
{
    WorkspaceState state;
    QCOMPARE(DisplayControl::clockPanelText(state, QDateTime(QDate(2009, 5, 7), QTime(8, 6, 1))),
             QStringLiteral("2009年5月7日8点6分1秒星期四"));
    QCOMPARE(DisplayControl::clockPanelText(state, QDateTime(QDate(2026, 12, 13), QTime(0, 0, 0))),
             QStringLiteral("2026年12月13日0点0分0秒星期日"));
    const QStringList entries = DisplayControl::brightnessEntries();
    QCOMPARE(entries.size(), 200);
    QCOMPARE(entries.first(), QStringLiteral("1(最暗)"));
    QCOMPARE(entries.at(1), QStringLiteral("2"));
    QCOMPARE(entries.last(), QStringLiteral("200(最亮)"));
}

QTEST_GUILESS_MAIN(TestDisplayControl)
#include "tst_displaycontrol.moc"
