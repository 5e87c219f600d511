#include "content/glyphcells.h"
#include "content/ledfontsizes.h"
#include "content/textfaces.h"
#include "content/textrenderer.h"
#include "model/error.h"
#include "model/gbk.h"

#include <QPainter>
#include <QTest>

using namespace lumetra;

namespace {

const QString song = QStringLiteral("宋体");

QString sizeText(int cell)
{
    return QStringLiteral("单字%1个LED灯大小").arg(cell);
}

TextRenderInput input(const QString &text, int width, int height, int cell)
{
    TextRenderInput in;
    in.text = toGbk(text);
    in.face = song;
    in.sizeText = sizeText(cell);
    in.Width = width;
    in.Height = height;
    in.PlayMode = 3;
    in.StayTime = 4;
    return in;
}

bool inked(const QImage &image, int x, int y)
{
    return (reinterpret_cast<const QRgb *>(image.constScanLine(y))[x] & 0xFFFFFF) != 0;
}

// Rows holding ink within the columns [x0, x1).
QList<int> inkRows(const QImage &image, int x0 = 0, int x1 = -1)
{
    if (x1 < 0)
        x1 = image.width();
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (inked(image, x, y)) {
                rows << y;
                break;
            }
    return rows;
}

bool sameRows(const QImage &a, int rowA, const QImage &b, int rowB, int width)
{
    return std::memcmp(a.constScanLine(rowA), b.constScanLine(rowB), std::size_t(width) * 4) == 0;
}

// The glyphs as one cell-high reference line, drawn at the top.
QImage referenceLine(const QString &text, int width, int cell, int pointSize)
{
    QImage image(width, cell, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    GlyphCells cells(song, pointSize, cell);
    cells.drawUpright(image, toGbk(text), 0, 0, qRgb(255, 0, 0));
    return image;
}

} // namespace

class TestTextRenderer : public QObject
{
    Q_OBJECT

private slots:
    void linesLandOnTheirRows_data();
    void linesLandOnTheirRows();
    void inkStaysInItsCells();
    void glyphsWhole_data();
    void glyphsWhole();
    void colours_data();
    void colours();
    void singleLineTwelveLetters();
    void blankTextIsOneBlackPage_data();
    void blankTextIsOneBlackPage();
    void continuousSlices();
    void continuousEmpty();
    void zoneWithoutHeight_data();
    void zoneWithoutHeight();
    void coupletTurnsGlyphs();
    void coupletOneByteCentred();
    void coupletGuardsHeight();
    void coupletCut();
    void unofferedAndUnknownSizes();
    void tooLargeFailsCleanly();
};

void TestTextRenderer::linesLandOnTheirRows_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("firstTop");
    QTest::newRow("cell 16 from row 0") << 16 << 12 << 0;
    QTest::newRow("cell 32 one row higher") << 32 << 24 << -1;
    QTest::newRow("cell 24") << 24 << 18 << 0;
}

// Two characters per line; line i must be the reference line moved to row
// i·N (i·N − 1 for cell 32), and nothing else drawn.
void TestTextRenderer::linesLandOnTheirRows()
{
    QFETCH(int, cell);
    QFETCH(int, pointSize);
    QFETCH(int, firstTop);
    const QStringList lines{"中国", "爵蠢", "AHgy"};
    TextRenderInput in = input(lines.join(QString()), 2 * cell, 4 * cell, cell);
    const TextRenderResult r = TextRenderer().render(in);
    QCOMPARE(r.pages.size(), QSize(2 * cell, 4 * cell));
    QCOMPARE(r.ContentHeight, 4 * cell);

    for (int i = 0; i < lines.size(); ++i) {
        const QImage ref = referenceLine(lines[i], 2 * cell, cell, pointSize);
        QVERIFY(!inkRows(ref).isEmpty());
        for (int t = 0; t < cell; ++t) {
            const int row = firstTop + i * cell + t;
            if (row < 0)
                continue;
            QVERIFY2(sameRows(r.pages, row, ref, t, 2 * cell),
                     qPrintable(QStringLiteral("line %1 row %2").arg(i).arg(t)));
        }
    }
    for (int row = firstTop + int(lines.size()) * cell; row < r.pages.height(); ++row)
        QVERIFY(!inkRows(r.pages.copy(0, row, r.pages.width(), 1)).size());
}

void TestTextRenderer::inkStaysInItsCells()
{
    // 中, a blank full cell, 中; then A, a blank half cell, A.
    const TextRenderResult r = TextRenderer().render(input(QStringLiteral("中  中A A"), 80, 16, 16));
    QVERIFY(!inkRows(r.pages, 0, 16).isEmpty());
    QVERIFY(inkRows(r.pages, 16, 32).isEmpty());
    QVERIFY(!inkRows(r.pages, 32, 48).isEmpty());
    QVERIFY(!inkRows(r.pages, 48, 56).isEmpty());
    QVERIFY(inkRows(r.pages, 56, 64).isEmpty());
    QVERIFY(!inkRows(r.pages, 64, 72).isEmpty());
    QVERIFY(inkRows(r.pages, 72, 80).isEmpty());
}

void TestTextRenderer::glyphsWhole_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("size");
    for (const QString &face : {song, QStringLiteral("黑体")})
        for (int cell : {12, 16, 24, 32, 40, 48, 56, 64, 72, 80, 96, 128})
            QTest::addRow("%s %d", qPrintable(face), cell) << face << sizeText(cell);
}

namespace {

// Width and height of the ink, 0 × 0 for none.
QSize inkExtent(const QImage &image)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inked(image, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    return right < 0 ? QSize() : QSize(right - left + 1, bottom - top + 1);
}

} // namespace

// Every Chinese glyph keeps all of its ink in its cell: nothing clipped at
// the top, bottom or sides, also where the face's ink overhangs its advance.
void TestTextRenderer::glyphsWhole()
{
    QFETCH(QString, face);
    QFETCH(QString, size);
    const LedFontSize led = LedFontSizes::lookup(size);
    const QFont font = TextFaces::ledFont(face, led.pointSize);
    TextRenderer renderer;
    for (const QString &ch : {QStringLiteral("中"), QStringLiteral("爵"), QStringLiteral("龘"), QStringLiteral("国"),
                              QStringLiteral("稗"), QStringLiteral("跋"), QStringLiteral("案"), QStringLiteral("怖")}) {
        QImage free(led.cell * 3, led.cell * 3, QImage::Format_RGB32);
        free.fill(0xFF000000u);
        {
            QPainter p(&free);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QPointF(led.cell, 2 * led.cell), ch);
        }
        TextRenderInput in = input(ch, led.cell, led.cell, led.cell);
        in.face = face;
        in.sizeText = size;
        in.SingleLine = 1;
        const TextRenderResult r = renderer.render(in);
        const QSize whole = inkExtent(free);
        QVERIFY(!whole.isEmpty());
        QCOMPARE(inkExtent(r.pages), whole);
    }
}

void TestTextRenderer::colours_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("red") << 1 << qRgb(255, 0, 0);
    QTest::newRow("green") << 2 << qRgb(0, 128, 0);
    QTest::newRow("yellow") << 3 << qRgb(255, 255, 0);
    QTest::newRow("0 renders red") << 0 << qRgb(255, 0, 0);
    QTest::newRow("black code renders red") << 4 << qRgb(255, 0, 0);
}

// Only the text colour and black: no anti-aliased shades anywhere.
void TestTextRenderer::colours()
{
    QFETCH(int, code);
    QFETCH(QRgb, colour);
    TextRenderInput in = input(QStringLiteral("欢迎光临 Sale 50%"), 96, 32, 16);
    in.ForeColor = code;
    const TextRenderResult r = TextRenderer().render(in);
    int lit = 0;
    for (int y = 0; y < r.pages.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(r.pages.constScanLine(y));
        for (int x = 0; x < r.pages.width(); ++x) {
            QVERIFY(line[x] == colour || line[x] == qRgb(0, 0, 0));
            lit += line[x] == colour;
        }
    }
    QVERIFY(lit > 50);
}

void TestTextRenderer::singleLineTwelveLetters()
{
    TextRenderInput in = input(QStringLiteral("ABCDEFGHIJKL"), 32, 32, 16);
    in.SingleLine = 1;
    const TextRenderResult r = TextRenderer().render(in);
    QVERIFY(!r.continuous);
    QCOMPARE(r.pageCount, 3);
    QCOMPARE(r.pages.size(), QSize(32, 96));
    const QStringList lines{"ABCD", "EFGH", "IJKL"};
    for (int page = 0; page < 3; ++page) {
        const QImage ref = referenceLine(lines[page], 32, 16, 12);
        for (int t = 0; t < 16; ++t)
            QVERIFY(sameRows(r.pages, page * 32 + 8 + t, ref, t, 32));
        const QList<int> rows = inkRows(r.pages.copy(0, page * 32, 32, 32));
        QVERIFY(rows.first() >= 8 && rows.last() < 24);
    }
}

void TestTextRenderer::blankTextIsOneBlackPage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("couplet");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks and line breaks") << "  \r\n \t" << false;
    QTest::newRow("empty couplet") << "" << true;
}

void TestTextRenderer::blankTextIsOneBlackPage()
{
    QFETCH(QString, text);
    QFETCH(bool, couplet);
    TextRenderInput in = input(text, 64, 16, 12);
    in.couplet = couplet;
    const TextRenderResult r = TextRenderer().render(in);
    QCOMPARE(r.pages.size(), QSize(64, 16));
    QCOMPARE(r.pageCount, 1);
    QVERIFY(inkRows(r.pages).isEmpty());
}

void TestTextRenderer::continuousSlices()
{
    TextRenderInput in = input(QStringLiteral("ABCDEFGHIJ"), 64, 16, 16);
    in.SingleLine = 1;
    in.PlayMode = 6;
    in.StayTime = 0;
    const TextRenderResult r = TextRenderer().render(in);
    QVERIFY(r.continuous);
    QCOMPARE(r.strip.size(), QSize(128, 16));
    QCOMPARE(r.ViewBaseWidth, 128);
    QCOMPARE(r.ViewBaseHeight, 16);
    QCOMPARE(r.pages.size(), QSize(64, 32));
    QCOMPARE(r.ContentHeight, 32);
    QCOMPARE(r.pageCount, 2);
    QCOMPARE(r.pages.copy(0, 16, 64, 16), r.strip.copy(64, 0, 64, 16));
    QCOMPARE(r.pages.copy(0, 0, 64, 16), r.strip.copy(0, 0, 64, 16));
    // A cell as high as the zone keeps its top row in the strip.
    const QImage ref = referenceLine(QStringLiteral("ABCDEFGH"), 64, 16, 12);
    for (int t = 0; t < 16; ++t)
        QVERIFY(sameRows(r.pages, t, ref, t, 64));

    // Else one row above centre: (32 − 16) div 2 − 1 = 7.
    in.Height = 32;
    const TextRenderResult tall = TextRenderer().render(in);
    QCOMPARE(tall.pages.size(), QSize(64, 64));
    for (int t = 0; t < 16; ++t)
        QVERIFY(sameRows(tall.pages, 7 + t, ref, t, 64));
    QVERIFY(inkRows(tall.pages.copy(0, 0, 64, 7)).isEmpty());
}

void TestTextRenderer::continuousEmpty()
{
    TextRenderInput in = input(QString(), 64, 16, 16);
    in.SingleLine = 1;
    in.PlayMode = 1;
    in.StayTime = 0;
    const TextRenderResult r = TextRenderer().render(in);
    QVERIFY(r.continuous);
    QVERIFY(r.strip.isNull());
    QVERIFY(r.pages.isNull());
    QCOMPARE(r.Width, 64);
    QCOMPARE(r.ContentHeight, 0);
    QCOMPARE(r.pageCount, 0);
    QCOMPARE(r.ViewBaseWidth, 0);
}

void TestTextRenderer::zoneWithoutHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("continuous");
    QTest::newRow("0 paged") << 0 << false;
    QTest::newRow("-5 paged") << -5 << false;
    QTest::newRow("0 continuous") << 0 << true;
}

void TestTextRenderer::zoneWithoutHeight()
{
    QFETCH(int, height);
    QFETCH(bool, continuous);
    TextRenderInput in = input(QStringLiteral("中文ABC"), 64, height, 16);
    if (continuous) {
        in.SingleLine = 1;
        in.PlayMode = 1;
        in.StayTime = 0;
    }
    const TextRenderResult r = TextRenderer().render(in);
    QCOMPARE(r.pages.size(), QSize(64, 1));
    QCOMPARE(r.ContentHeight, 1);
    QCOMPARE(r.pageCount, 1);
    QVERIFY(inkRows(r.pages).isEmpty());
}

void TestTextRenderer::coupletTurnsGlyphs()
{
    TextRenderInput in = input(QStringLiteral("中"), 16, 16, 16);
    in.couplet = true;
    in.SingleLine = 1;
    const TextRenderResult r = TextRenderer().render(in);
    QCOMPARE(r.pages.size(), QSize(16, 16));
    // A quarter turn clockwise gives the upright glyph back.
    const QImage upright = referenceLine(QStringLiteral("中"), 16, 16, 12);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            QCOMPARE(inked(r.pages, x, y), inked(upright, 15 - y, x));
}

void TestTextRenderer::coupletOneByteCentred()
{
    // Packed rows: bottom line (r + 1)·N, a one-byte glyph N/2 high ending
    // N/4 above it.
    TextRenderInput in = input(QStringLiteral("H"), 16, 16, 16);
    in.couplet = true;
    const TextRenderResult r = TextRenderer().render(in);
    const QList<int> rows = inkRows(r.pages);
    QVERIFY(!rows.isEmpty());
    QVERIFY(rows.first() >= 4);
    QVERIFY(rows.last() < 12);
    const QImage upright = referenceLine(QStringLiteral("H"), 8, 16, 12);
    for (int y = 4; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            QCOMPARE(inked(r.pages, x, y), inked(upright, 11 - y, x));
}

void TestTextRenderer::coupletGuardsHeight()
{
    TextRenderInput in = input(QStringLiteral("中国"), 32, 0, 16);
    in.couplet = true;
    const TextRenderResult r = TextRenderer().render(in);
    QCOMPARE(r.Height, 8);
    QCOMPARE(r.pages.width(), 32);
    QCOMPARE(r.ContentHeight % 8, 0);
    QCOMPARE(r.pageCount, r.ContentHeight / 8);
}

void TestTextRenderer::coupletCut()
{
    TextRenderInput in = input(QString(600, QChar(u'中')), 32, 32, 16);
    in.couplet = true;
    in.SingleLine = 1;
    const TextRenderResult r = TextRenderer().render(in);
    QCOMPARE(r.pages.size(), QSize(32, 6144));
    QCOMPARE(r.pageCount, 192);
    // The last page still holds its row of characters.
    QVERIFY(!inkRows(r.pages.copy(0, 6144 - 32, 32, 32)).isEmpty());
}

void TestTextRenderer::unofferedAndUnknownSizes()
{
    TextRenderer renderer;
    TextRenderInput in = input(QStringLiteral("中"), 64, 64, 56);
    const TextRenderResult r56 = renderer.render(in);
    QCOMPARE(r56.cell, 56);
    QCOMPARE(r56.pointSize, 42);
    const QList<int> rows = inkRows(r56.pages);
    QVERIFY(rows.last() - rows.first() > 40);

    in.sizeText = QStringLiteral("很大");
    const TextRenderResult unknown = renderer.render(in);
    QCOMPARE(unknown.cell, 12);
    QCOMPARE(unknown.pointSize, 12);
    QVERIFY(inkRows(unknown.pages).last() < 12);
}

void TestTextRenderer::tooLargeFailsCleanly()
{
    // A text far beyond any sign, in a one-column zone of the largest cell.
    TextRenderInput in = input(QString(), 1, 128, 128);
    in.text = QByteArray(2'000'000, 'A');
    QVERIFY_THROWS_EXCEPTION(Error, TextRenderer().render(in));
}

QTEST_MAIN(TestTextRenderer)
#include "tst_textrenderer.moc"
