#include "layout/clocklayout.h"
#include "model/gbk.h"

#include <QTest>

using namespace lumetra;

namespace {

const QByteArray &saturday()
{
    static const QByteArray s = toGbk(u"星期六");
    return s;
}

QByteArray g(const char16_t *text)
{
    return toGbk(QStringView(text));
}

constexpr int32_t AllElements = 128 + 64 + 32 + 16 + 8 + 4 + 2;

} // namespace

class TestClockLayout : public QObject
{
    Q_OBJECT

private slots:
    void oneLineWorkedExample();
    void severalLinesWorkedExample();
    void strings_data();
    void strings();
    void hiddenElementsKeepPositions();
    void sampleInsideFixedTextWins();
    void cellSizes();
};

void TestClockLayout::oneLineWorkedExample()
{
    ZoneRecord z;
    z.ClockOptions = AllElements;
    z.ClockStyle = 0;
    z.YearFormat = 1;
    z.MultiLine = 0;
    z.FontSizeIndex = 0;
    const ClockLayout layout = layoutClock(z, saturday());

    QCOMPARE(layout.lines.size(), std::size_t(1));
    QCOMPARE(layout.lines[0].preview, QByteArray("09-05-07") + saturday() + " 08:06:01");
    QCOMPARE(layout.lines[0].preview.size(), qsizetype(23));
    QCOMPARE(layout.lines[0].blank, QByteArray("  -  -  ") + g(u"星期") + "     :  :  ");
    const int xs[] = {z.YearX, z.MonthX, z.DayX, z.WeekX, z.HourX, z.MinuteX, z.SecondX};
    const int expected[] = {0, 18, 36, 72, 90, 108, 126};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(xs[i], expected[i]);
    for (int y : {z.YearY, z.MonthY, z.DayY, z.WeekY, z.HourY, z.MinuteY, z.SecondY, z.WeekRowY, z.TimeRowY})
        QCOMPARE(y, 0);
    QCOMPARE(layout.textWidth, 23 * 12 / 2);
    QCOMPARE(layout.blockHeight, 12);
}

void TestClockLayout::severalLinesWorkedExample()
{
    ZoneRecord z;
    z.ClockOptions = AllElements;
    z.ClockStyle = 0;
    z.YearFormat = 0;
    z.MultiLine = 1;
    z.FontSizeIndex = 1;
    z.ClockText = g(u"时间");
    z.InfoSpacing = 2;
    const ClockLayout layout = layoutClock(z, saturday());

    QCOMPARE(layout.textWidth, 80);
    QCOMPARE(layout.lines.size(), std::size_t(4));
    const int at[4][2] = {{24, 2}, {0, 18}, {16, 36}, {8, 54}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(layout.lines[std::size_t(i)].x, at[i][0]);
        QCOMPARE(layout.lines[std::size_t(i)].y, at[i][1]);
    }
    QCOMPARE(layout.lines[3].preview, QByteArray("08:06:01"));
    QCOMPARE(z.YearX, 0);
    QCOMPARE(z.MonthX, 40);
    QCOMPARE(z.DayX, 64);
    QCOMPARE(z.DayY, 18);
    QCOMPARE(z.WeekRowY, 36);
    QCOMPARE(z.WeekX, 48);
    QCOMPARE(z.WeekY, 36);
    QCOMPARE(z.TimeRowY, 54);
    QCOMPARE(z.HourX, 8);
    QCOMPARE(z.MinuteX, 32);
    QCOMPARE(z.SecondX, 56);
    QCOMPARE(z.SecondY, 54);
    QCOMPARE(layout.blockHeight, 54 - 2 + 16);
}

void TestClockLayout::strings_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("multiLine");
    QTest::addColumn<int>("yearFormat");
    QTest::addColumn<QByteArray>("D");
    QTest::addColumn<QByteArray>("Dt");
    QTest::addColumn<QByteArray>("T");
    QTest::addColumn<QByteArray>("Tt");

    QTest::newRow("nothing shown") << 0 << 0 << 0 << 0 << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("style 1 month only") << 1 << 64 << 0 << 0 << QByteArray("05") << QByteArray("  ") << QByteArray()
                                        << QByteArray();
    QTest::newRow("style 1 month and year")
        << 1 << (64 + 128) << 0 << 0 << QByteArray("05/2009") << QByteArray("  /    ") << QByteArray() << QByteArray();
    QTest::newRow("style 0 month and hour, one line")
        << 0 << (64 + 8) << 0 << 0 << QByteArray("05") << QByteArray("  ") << QByteArray(" 08") << QByteArray("   ");
    QTest::newRow("style 0 hour alone, one line")
        << 0 << 8 << 0 << 0 << QByteArray() << QByteArray() << QByteArray("08") << QByteArray("  ");
    QTest::newRow("style 1 hour alone keeps its blank")
        << 1 << 8 << 0 << 0 << QByteArray() << QByteArray() << QByteArray(" 08") << QByteArray("   ");
    QTest::newRow("style 1 several lines") << 1 << (8 + 4 + 2) << 1 << 0 << QByteArray() << QByteArray()
                                           << QByteArray("08:06:01") << QByteArray("  :  :  ");
    QTest::newRow("style 0 full date") << 0 << (128 + 64 + 32) << 0 << 0 << QByteArray("2009-05-07")
                                       << QByteArray("    -  -  ") << QByteArray() << QByteArray();
    QTest::newRow("style 0 minute and second")
        << 0 << (4 + 2) << 0 << 0 << QByteArray() << QByteArray() << QByteArray("06:01") << QByteArray("  :  ");
    QTest::newRow("style 2 two-digit year")
        << 2 << (128 + 64 + 8 + 2) << 0 << 1 << (QByteArray("09") + g(u"年") + "05" + g(u"月"))
        << (QByteArray("  ") + g(u"年") + "  " + g(u"月")) << (QByteArray("08") + g(u"点") + "01" + g(u"秒"))
        << (QByteArray("  ") + g(u"点") + "  " + g(u"秒"));
    QTest::newRow("bit 1 and values above 255 ignored")
        << 0 << (256 + 1 + 32) << 0 << 0 << QByteArray("07") << QByteArray("  ") << QByteArray() << QByteArray();
}

void TestClockLayout::strings()
{
    QFETCH(int, style);
    QFETCH(int, options);
    QFETCH(int, multiLine);
    QFETCH(int, yearFormat);
    ZoneRecord z;
    z.ClockStyle = style;
    z.ClockOptions = options;
    z.MultiLine = multiLine;
    z.YearFormat = yearFormat;
    const ClockStrings c = buildClockStrings(z, saturday());
    QTEST(c.D, "D");
    QTEST(c.Dt, "Dt");
    QTEST(c.T, "T");
    QTEST(c.Tt, "Tt");
    QCOMPARE(c.D.size(), c.Dt.size());
    QCOMPARE(c.T.size(), c.Tt.size());
}

void TestClockLayout::hiddenElementsKeepPositions()
{
    ZoneRecord z;
    z.ClockOptions = 8; // hour only
    z.MultiLine = 1;
    z.ClockText = "   "; // blanks only: no fixed-text line, no width
    z.YearX = 77;
    z.WeekRowY = 5;
    z.InfoY = 3;
    const ClockLayout layout = layoutClock(z, saturday());
    QCOMPARE(z.YearX, 77);
    QCOMPARE(z.WeekRowY, 5);
    QCOMPARE(layout.lines.size(), std::size_t(1));
    QCOMPARE(layout.lines[0].y, 3);
    QCOMPARE(layout.textWidth, 2 * 8); // "08" alone; the blank text would have made it 24

    // Nothing shown on several lines: only the fixed text is drawn.
    ZoneRecord none;
    none.ClockOptions = 0;
    none.MultiLine = 1;
    none.ClockText = g(u"欢迎");
    none.HourX = 9;
    const ClockLayout only = layoutClock(none, saturday());
    QCOMPARE(only.lines.size(), std::size_t(1));
    QCOMPARE(only.lines[0].preview, g(u"欢迎"));
    QCOMPARE(none.HourX, 9);
}

void TestClockLayout::sampleInsideFixedTextWins()
{
    ZoneRecord z;
    z.ClockOptions = 64; // month
    z.ClockText = "No05:";
    z.FontSizeIndex = 1;
    z.InfoX = 10;
    layoutClock(z, saturday());
    QCOMPARE(z.MonthX, 10 + 2 * 8); // the "05" of the fixed text
}

void TestClockLayout::cellSizes()
{
    const int cells[] = {12, 16, 32, 32, 32};
    const int points[] = {9, 12, 24, 12, 12};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(clockCellSize(i == 4 ? -1 : i), cells[i]);
        QCOMPARE(clockFacePointSize(i == 4 ? -1 : i), points[i]);
    }
    QCOMPARE(clockFaceName(0), g(u"宋体"));
    QCOMPARE(clockFaceName(5), g(u"黑体"));
}

QTEST_GUILESS_MAIN(TestClockLayout)
#include "tst_clocklayout.moc"
