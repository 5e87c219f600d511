#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/programcommands.h"
#include "project/zonepicture.h"
#include "project/zonepropertyrules.h"
#include "project/zonerenderers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

class TestZonePropertyRules : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void lists();
    void stayText_data();
    void stayText();
    void fixedForcesPageTurn();
    void radioKindText();
    void radioKindClock();
    void menuKindText();
    void missingBitmapIsBlack();
    void savedBitmapIsShown();
    void renderersByKind();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Workspace> m_ws;
};

void TestZonePropertyRules::init()
{
    m_ws = std::make_unique<Workspace>();
    setProjectPath(*m_ws, m_dir.path() + QStringLiteral("/Project.zvp"));
    m_ws->WorkingSettings.ScreenWidth = 128;
    m_ws->WorkingSettings.ScreenHeight = 32;
    InitLedDispJiemu(*m_ws);
    addProgram(*m_ws, 2);
    m_ws->ModifiedFlag = 0;
    m_ws->CurrentZone = 2;
}

void TestZonePropertyRules::lists()
{
    const QStringList effects = playModeNames();
    QCOMPARE(effects.size(), 14);
    QCOMPARE(effects.at(PageTurnEffect), QStringLiteral("翻页"));
    QCOMPARE(effects.last(), QStringLiteral("随机"));
    const QStringList speeds = speedNames();
    QCOMPARE(speeds.size(), 40);
    QCOMPARE(speeds.first(), QStringLiteral("1(最快档)"));
    QCOMPARE(speeds.at(2), QStringLiteral("3"));
    QCOMPARE(speeds.last(), QStringLiteral("40(最慢档)"));
}

void TestZonePropertyRules::stayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("stay"); // -1: StayTime unchanged
    QTest::newRow("255") << QStringLiteral("255") << true << 255;
    QTest::newRow("25") << QStringLiteral("25") << false << 25;
    QTest::newRow("0") << QStringLiteral("0") << false << 0;
    QTest::newRow("empty") << QString() << false << -1;
    QTest::newRow("blanks") << QStringLiteral("  ") << false << -1;
    QTest::newRow("too large for a byte") << QStringLiteral("999") << false << 255;
}

void TestZonePropertyRules::stayText()
{
    QFETCH(QString, text);
    QFETCH(bool, fixed);
    QFETCH(int, stay);
    QCOMPARE(stayTextMeansFixed(text), fixed);
    const auto value = stayTimeFromText(text);
    QCOMPARE(value.has_value(), stay >= 0);
    if (value)
        QCOMPARE(*value, stay);
}

void TestZonePropertyRules::fixedForcesPageTurn()
{
    QCOMPARE(effectiveEffectItem(0, true), PageTurnEffect);
    QCOMPARE(effectiveEffectItem(13, true), PageTurnEffect);
    QCOMPARE(effectiveEffectItem(13, false), 13);
}

void TestZonePropertyRules::radioKindText()
{
    m_ws->currentZone().ZoneType = ClockZone;
    setZoneKind(*m_ws, TextZone, "typed");
    const ZoneRecord &zone = m_ws->currentZone();
    QCOMPARE(zone.ZoneType, int(TextZone));
    QCOMPARE(zone.Text, QByteArray("typed"));
    QCOMPARE(fromGbk(zone.ContentFile), m_dir.path() + QStringLiteral("/Project0-0-2.txt"));
    QCOMPARE(m_ws->ModifiedFlag, 100);
}

void TestZonePropertyRules::radioKindClock()
{
    m_ws->currentZone().Text = "kept";
    setZoneKind(*m_ws, ClockZone, "ignored");
    QCOMPARE(m_ws->currentZone().ZoneType, int(ClockZone));
    QVERIFY(m_ws->currentZone().ContentFile.isEmpty());
    QCOMPARE(m_ws->currentZone().Text, QByteArray("kept"));
}

void TestZonePropertyRules::menuKindText()
{
    ZoneRecord &zone = m_ws->currentZone();
    zone.ZoneType = PictureZone;
    zone.FontIndex = 7;
    zone.YearFormat = 1;
    setZoneKindFromMenu(*m_ws, TextZone, SongtiFaceIndex);
    QCOMPARE(zone.ZoneType, int(TextZone));
    QCOMPARE(zone.FontIndex, SongtiFaceIndex);
    QCOMPARE(zone.YearFormat, 0);
    // The name comes with the next save.
    QVERIFY(zone.ContentFile.isEmpty());
}

void TestZonePropertyRules::missingBitmapIsBlack()
{
    const QImage image = zonePicture(*m_ws, 1, 2);
    QCOMPARE(image.size(), QSize(128, 16));
    QCOMPARE(image.pixel(5, 5), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(127, 15), qRgb(0, 0, 0));
}

void TestZonePropertyRules::savedBitmapIsShown()
{
    ensureExtFileFolder(*m_ws);
    QImage red(128, 16, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    QVERIFY(red.save(zoneBitmapPath(*m_ws, 1, 2), "BMP"));
    const QImage image = zonePicture(*m_ws, 1, 2);
    QCOMPARE(image.pixel(3, 3), qRgb(255, 0, 0));
}

void TestZonePropertyRules::renderersByKind()
{
    ZoneRenderers renderers;
    QVERIFY(!renderers.render(*m_ws, 1, 1));
    int calls = 0;
    renderers.setRenderer(ClockZone, [&calls](Workspace &, int program, int slot) {
        QCOMPARE(program, 1);
        QCOMPARE(slot, 2);
        ++calls;
    });
    QVERIFY(!renderers.render(*m_ws, 1, 2)); // still a text zone
    m_ws->program(1).Zones[2].ZoneType = ClockZone;
    QVERIFY(renderers.render(*m_ws, 1, 2));
    QCOMPARE(calls, 1);
}

QTEST_GUILESS_MAIN(TestZonePropertyRules)
#include "tst_zonepropertyrules.moc"
