#include "content/textfaces.h"
#include "content/textzone.h"
#include "model/frameplanes.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

class TestTextZone : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void guardIgnoresChanges();
    void changeStoresRendersAndSaves();
    void slotBeyondZoneCountStoresOnly();
    void emptyContinuousWritesEmptyBitmap();
    void coupletGuardWritesRecord();
    void choiceFromRecord_data();
    void choiceFromRecord();
    void typedTextIsStoredAsGbk();
    void swatch_data();
    void swatch();
    void doctobmpFillsPlanes();

private:
    ZoneRecord &zone() { return m_ws->currentZone(); }
    TextPanelChoice choice() const { return {QStringLiteral("宋体"), QStringLiteral("单字16个LED灯大小"), false}; }

    QTemporaryDir m_dir;
    std::unique_ptr<Workspace> m_ws;
    TextRenderer m_renderer;
};

void TestTextZone::init()
{
    m_ws = std::make_unique<Workspace>();
    setProjectPath(*m_ws, m_dir.path() + QStringLiteral("/Shop.zvp"));
    m_ws->WorkingSettings.ScreenWidth = 64;
    m_ws->WorkingSettings.ScreenHeight = 16;
    m_ws->WorkingSettings.ColorThreshold = 127;
    InitLedDispJiemu(*m_ws);
    m_ws->display().ProgramCount = 2;
    m_ws->CurrentProgram = 2;
    m_ws->CurrentZone = 1;
    m_ws->UiReady = 200;
    ZoneRecord &z = zone();
    z.Width = 64;
    z.Height = 16;
    QFile::remove(m_dir.path() + QStringLiteral("/ExtFile/0-1-1.bmp"));
}

void TestTextZone::guardIgnoresChanges()
{
    m_ws->UiReady = 0;
    QVERIFY(!TextZone::memo1Change(m_renderer, *m_ws, toGbk(u"中文"), choice()));
    QVERIFY(zone().Text.isEmpty());
    QCOMPARE(m_ws->ModifiedFlag, 0);
}

void TestTextZone::changeStoresRendersAndSaves()
{
    const auto shown = TextZone::memo1Change(m_renderer, *m_ws, toGbk(u"欢迎光临本店"), choice());
    QVERIFY(shown && shown->rendered);
    QCOMPARE(m_ws->ModifiedFlag, 100);
    QCOMPARE(fromGbk(zone().Text), QStringLiteral("欢迎光临本店"));
    QCOMPARE(fromGbk(zone().ContentFile), m_dir.path() + QStringLiteral("/0-1-1.txt"));
    // Six characters of 16 in 64 columns: two lines, two pages.
    QCOMPARE(zone().ContentHeight, 32);
    QCOMPARE(shown->render.pageCount, 2);
    QCOMPARE(shown->bitmapPath, m_dir.path() + QStringLiteral("/ExtFile/0-1-1.bmp"));
    QImage saved(shown->bitmapPath);
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), shown->render.pages);
}

void TestTextZone::slotBeyondZoneCountStoresOnly()
{
    m_ws->CurrentZone = 2;
    m_ws->currentProgram().ZoneCount = 1;
    const auto shown = TextZone::memo1Change(m_renderer, *m_ws, toGbk(u"中文"), choice());
    QVERIFY(shown && !shown->rendered);
    QCOMPARE(fromGbk(zone().Text), QStringLiteral("中文"));
    QVERIFY(!QFileInfo::exists(m_dir.path() + QStringLiteral("/ExtFile/0-1-2.bmp")));
}

void TestTextZone::emptyContinuousWritesEmptyBitmap()
{
    zone().SingleLine = 1;
    zone().PlayMode = 6;
    zone().StayTime = 0;
    const auto shown = TextZone::memo1Change(m_renderer, *m_ws, QByteArray(), choice());
    QVERIFY(shown && shown->rendered);
    QCOMPARE(zone().ContentHeight, 0);
    QFile file(shown->bitmapPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 54);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
}

void TestTextZone::coupletGuardWritesRecord()
{
    zone().Height = 0;
    zone().Text = toGbk(u"中国");
    TextPanelChoice c = choice();
    c.couplet = true;
    TextZone::Button1Click(m_renderer, *m_ws, m_ws->CurrentProgram, m_ws->CurrentZone, c);
    QCOMPARE(zone().Height, 8);
    QVERIFY(zone().ContentHeight >= 8);
}

void TestTextZone::choiceFromRecord_data()
{
    QTest::addColumn<int>("fontIndex");
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<int>("yearFormat");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("couplet");
    QTest::newRow("defaults") << 0 << 1 << 0 << "宋体"
                              << "单字16个LED灯大小" << false;
    QTest::newRow("黑体, 128, couplet") << 1 << 10 << 1 << "黑体"
                                        << "单字128个LED灯大小" << true;
    QTest::newRow("from another machine") << 9999 << 99 << 0 << "宋体"
                                          << "" << false;
}

void TestTextZone::choiceFromRecord()
{
    QFETCH(int, fontIndex);
    QFETCH(int, sizeIndex);
    QFETCH(int, yearFormat);
    QFETCH(QString, face);
    QFETCH(QString, size);
    QFETCH(bool, couplet);
    zone().FontIndex = fontIndex;
    zone().FontSizeIndex = sizeIndex;
    zone().YearFormat = yearFormat;
    const TextPanelChoice c = TextZone::choiceFromRecord(zone());
    QCOMPARE(c.face, face);
    QCOMPARE(c.sizeText, size);
    QCOMPARE(c.couplet, couplet);
}

void TestTextZone::typedTextIsStoredAsGbk()
{
    const QByteArray stored = TextZone::storedText(QStringLiteral("价格😀"));
    QCOMPARE(fromGbk(stored), QStringLiteral("价格?"));
}

void TestTextZone::swatch_data()
{
    QTest::addColumn<int>("foreColor");
    QTest::addColumn<int>("swatch");
    QTest::newRow("red") << 1 << 1;
    QTest::newRow("green") << 2 << 2;
    QTest::newRow("yellow") << 3 << 3;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("black") << 4 << 1;
}

void TestTextZone::swatch()
{
    QFETCH(int, foreColor);
    QFETCH(int, swatch);
    QCOMPARE(TextZone::swatchFor(foreColor), swatch);
}

void TestTextZone::doctobmpFillsPlanes()
{
    m_ws->CurrentProgram = 1;
    m_ws->CurrentZone = 1;
    ZoneRecord &z = m_ws->program(1).Zones[1];
    z.X = 0;
    z.Y = 0;
    z.Width = 64;
    z.Height = 16;
    z.FontSizeIndex = 1; // 16
    z.ForeColor = 3;
    z.Text = toGbk(u"欢迎光临本店");
    const TransferResult r = TextZone::doctobmp(m_renderer, *m_ws, 0, 1);
    QCOMPARE(r.rows, 32);
    QCOMPARE(z.ContentHeight, 32);

    QImage saved(m_dir.path() + QStringLiteral("/ExtFile/0-0-1.bmp"));
    saved = saved.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), QSize(64, 32));
    // Yellow lights both colours, exactly where the bitmap has ink; page 2
    // on screen 2.
    int lit = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool ink = (saved.pixel(x, y) & 0xFFFFFF) != 0;
            QCOMPARE(m_ws->planes().red(y, x) != 0, ink);
            QCOMPARE(m_ws->planes().green(y, x) != 0, ink);
            lit += ink && y >= 16;
        }
    QVERIFY(lit > 0);
}

QTEST_MAIN(TestTextZone)
#include "tst_textzone.moc"
