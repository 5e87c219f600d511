#include "content/textlayout.h"
#include "model/gbk.h"

#include <QTest>

using namespace lumetra;

using Lines = QList<TextLayout::Line>;
Q_DECLARE_METATYPE(TextLayout::Line)

class TestTextLayout : public QObject
{
    Q_OBJECT

private slots:
    void manzu_data();
    void manzu();
    void wrap_data();
    void wrap();
    void squareMetreDoesNotShift();
    void pagedHeight_data();
    void pagedHeight();
    void lineTop_data();
    void lineTop();
    void couplet_data();
    void couplet();
    void strip_data();
    void strip();
};

void TestTextLayout::manzu_data()
{
    QTest::addColumn<int>("singleLine");
    QTest::addColumn<int>("playMode");
    QTest::addColumn<int>("stayTime");
    QTest::addColumn<int>("expected");
    for (int mode : {1, 2, 6, 7})
        QTest::addRow("mode %d", mode) << 1 << mode << 0 << 88;
    QTest::newRow("up") << 1 << 3 << 0 << 0;
    QTest::newRow("page turn") << 1 << 5 << 0 << 0;
    QTest::newRow("stay") << 1 << 1 << 1 << 0;
    QTest::newRow("single off") << 0 << 1 << 0 << 0;
    QTest::newRow("single 2") << 2 << 6 << 0 << 88;
}

void TestTextLayout::manzu()
{
    QFETCH(int, singleLine);
    QFETCH(int, playMode);
    QFETCH(int, stayTime);
    QFETCH(int, expected);
    QCOMPARE(TextLayout::manzu(singleLine, playMode, stayTime), expected);
}

void TestTextLayout::wrap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("cell");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("AB中 fits") << "AB中" << 24 << 12 << qint64(1) << QStringList{"AB中"};
    QTest::newRow("ABC中 breaks before 中") << "ABC中" << 24 << 12 << qint64(2) << QStringList{"ABC", "中"};
    QTest::newRow("letters") << "ABCDEFGHIJ" << 24 << 12 << qint64(3) << QStringList{"ABCD", "EFGH", "IJ"};
    QTest::newRow("chinese") << "一二三四五" << 24 << 12 << qint64(3) << QStringList{"一二", "三四", "五"};
    QTest::newRow("windows count bytes") << "ABC中DEF中" << 24 << 12 << qint64(3) << QStringList{"ABC", "中DE", "F中"};
    // Shifts piling up past the first ⌈L / B⌉ windows: the count formula
    // falls one line short, the lines go on until the last 中.
    QStringList halves;
    for (int i = 0; i < 8; ++i)
        halves << "A"
               << "中";
    QTest::newRow("shifts beyond the count") << halves.join(QString()) << 12 << 12 << qint64(15) << halves;
    QTest::newRow("blank") << " \r\n " << 24 << 12 << qint64(1) << QStringList{};
    QTest::newRow("empty") << "" << 24 << 12 << qint64(1) << QStringList{};
    QTest::newRow("zone narrower than a cell") << "AB" << 8 << 12 << qint64(2) << QStringList{"A", "B"};
    QTest::newRow("narrower than a cell, whole characters")
        << "中A国" << 8 << 12 << qint64(3) << QStringList{"中", "A", "国"};
    QTest::newRow("line breaks take their bytes") << "AB\r\n中" << 24 << 12 << qint64(2) << QStringList{"AB\r\n", "中"};
    QTest::newRow("single-line twelve letters")
        << "ABCDEFGHIJKL" << 32 << 16 << qint64(3) << QStringList{"ABCD", "EFGH", "IJKL"};
    // A trail byte below 0x80 counts as one-byte; the last line still keeps
    // its final byte.
    QTest::newRow("low trail byte at the end")
        << QString::fromUtf8("丂AB") << 24 << 12 << qint64(1) << QStringList{QString::fromUtf8("丂AB")};
}

void TestTextLayout::wrap()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, cell);
    QFETCH(qint64, count);
    QFETCH(QStringList, lines);

    const QByteArray bytes = toGbk(text);
    const int b = TextLayout::bytesPerLine(width, cell);
    QCOMPARE(TextLayout::lineCount(bytes, b), count);
    QStringList drawn;
    for (const TextLayout::Line &line : TextLayout::lines(bytes, b))
        drawn << fromGbk(QByteArrayView(bytes).sliced(line.start, line.length));
    QCOMPARE(drawn, lines);
}

void TestTextLayout::squareMetreDoesNotShift()
{
    const QByteArray sqm = toGbk(u"㎡");
    QCOMPARE(sqm, QByteArray("\xA9\x4F"));
    // "A㎡B中": the O of ㎡ is not a one-byte character, so the first window
    // holds two and 中 is not pushed to the next line by it.
    const QByteArray text = toGbk(u"A㎡B中");
    QCOMPARE(TextLayout::singleByteCount(text, 0, 4), 2);
    QCOMPARE(TextLayout::lineCount(text, 4), qint64(2));
    const Lines lines = TextLayout::lines(text, 4);
    QCOMPARE(lines, (Lines{{0, 4}, {4, 2}}));
    // As the very first byte of the text an O counts.
    QCOMPARE(TextLayout::singleByteCount(QByteArray("O"), 0, 4), 1);
    // Any other byte before O leaves it counted.
    QCOMPARE(TextLayout::singleByteCount(QByteArray("\xB0O"), 0, 2), 1);
}

void TestTextLayout::pagedHeight_data()
{
    QTest::addColumn<qint64>("lines");
    QTest::addColumn<int>("singleLine");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("height");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("packed, raised to pages") << qint64(3) << 0 << 12 << 32 << qint64(64);
    QTest::newRow("packed, exact") << qint64(2) << 0 << 16 << 32 << qint64(32);
    QTest::newRow("single line") << qint64(3) << 1 << 16 << 32 << qint64(96);
    QTest::newRow("one line is one page") << qint64(1) << 0 << 12 << 32 << qint64(32);
    QTest::newRow("cell above zone") << qint64(1) << 0 << 32 << 16 << qint64(32);
}

void TestTextLayout::pagedHeight()
{
    QFETCH(qint64, lines);
    QFETCH(int, singleLine);
    QFETCH(int, cell);
    QFETCH(int, height);
    QFETCH(qint64, expected);
    QCOMPARE(TextLayout::pagedHeight(lines, singleLine, cell, height), expected);
}

void TestTextLayout::lineTop_data()
{
    QTest::addColumn<qint64>("line");
    QTest::addColumn<int>("singleLine");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("height");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("cell 16") << qint64(3) << 0 << 16 << 32 << qint64(48);
    QTest::newRow("cell 32 one row higher") << qint64(0) << 0 << 32 << 32 << qint64(-1);
    QTest::newRow("cell 32 line 2") << qint64(2) << 0 << 32 << 64 << qint64(63);
    QTest::newRow("single line centred") << qint64(2) << 1 << 16 << 32 << qint64(72);
    QTest::newRow("single line cell 32 centred") << qint64(1) << 1 << 32 << 48 << qint64(56);
}

void TestTextLayout::lineTop()
{
    QFETCH(qint64, line);
    QFETCH(int, singleLine);
    QFETCH(int, cell);
    QFETCH(int, height);
    QFETCH(qint64, expected);
    QCOMPARE(TextLayout::lineTop(line, singleLine, cell, height), expected);
}

void TestTextLayout::couplet_data()
{
    QTest::addColumn<qint64>("chars");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("singleLine");
    QTest::addColumn<int>("perRow");
    QTest::addColumn<qint64>("rows");
    QTest::addColumn<qint64>("resultHeight");

    QTest::newRow("single line") << qint64(10) << 64 << 16 << 32 << 1 << 4 << qint64(3) << qint64(96);
    QTest::newRow("packed") << qint64(10) << 64 << 16 << 32 << 0 << 4 << qint64(4) << qint64(64);
    QTest::newRow("empty is one page") << qint64(0) << 64 << 16 << 32 << 0 << 4 << qint64(1) << qint64(32);
    QTest::newRow("narrower than a cell") << qint64(5) << 8 << 16 << 16 << 1 << 1 << qint64(5) << qint64(80);
    QTest::newRow("cut at 6144, single") << qint64(1000) << 32 << 16 << 32 << 1 << 2 << qint64(192) << qint64(6144);
    QTest::newRow("cut at 6144, packed") << qint64(2000) << 32 << 16 << 32 << 0 << 2 << qint64(192) << qint64(6144);
    QTest::newRow("just 6144") << qint64(384) << 32 << 16 << 32 << 1 << 2 << qint64(192) << qint64(6144);
}

void TestTextLayout::couplet()
{
    QFETCH(qint64, chars);
    QFETCH(int, width);
    QFETCH(int, cell);
    QFETCH(int, height);
    QFETCH(int, singleLine);
    QFETCH(int, perRow);
    QFETCH(qint64, rows);
    QFETCH(qint64, resultHeight);
    const TextLayout::Couplet c = TextLayout::couplet(chars, width, cell, height, singleLine);
    QCOMPARE(c.perRow, perRow);
    QCOMPARE(c.rows, rows);
    QCOMPARE(c.height, resultHeight);
}

void TestTextLayout::strip_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<qint64>("stripWidth");
    QTest::addColumn<qint64>("stackHeight");
    QTest::newRow("ten letters cell 16 in 64") << qint64(80) << 64 << 16 << qint64(128) << qint64(32);
    QTest::newRow("exact slices") << qint64(128) << 64 << 16 << qint64(128) << qint64(32);
    QTest::newRow("empty") << qint64(0) << 64 << 16 << qint64(0) << qint64(0);
    QTest::newRow("empty, one column") << qint64(0) << 1 << 16 << qint64(0) << qint64(16);
}

void TestTextLayout::strip()
{
    QFETCH(qint64, raw);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(qint64, stripWidth);
    QFETCH(qint64, stackHeight);
    const TextLayout::Strip s = TextLayout::strip(raw, width, height);
    QCOMPARE(s.width, stripWidth);
    QCOMPARE(s.stackHeight, stackHeight);
}

QTEST_APPLESS_MAIN(TestTextLayout)
#include "tst_textlayout.moc"
