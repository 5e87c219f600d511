#include "content/rtf/rtfreader.h"
#include "content/rtf/rtfwriter.h"
#include "documentpainter.h"
#include "model/error.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

using namespace lumetra;

namespace {

const QString Song = QStringLiteral("AR PL UMing CN");
const QString Hei = QStringLiteral("WenQuanYi Zen Hei");

QImage testPicture()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    for (int x = 0; x < 6; ++x)
        image.setPixel(x, 1, qRgb(255, 0, 0));
    return image;
}

QTextCharFormat face(const QString &family, double points, const QColor &color)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    f.setForeground(color);
    return f;
}

// Text, faces, sizes, colours, styles, paragraphs and a picture.
void buildTextDocument(QTextDocument &document)
{
    prepareDocument(document);
    document.addResource(QTextDocument::ImageResource, QUrl("pict:a"), testPicture());
    QTextCursor cursor(&document);
    QTextCharFormat red = face(Song, 12, QColor(255, 0, 0));
    cursor.insertText(QString::fromUtf8("中文 Chinese 乗{}\\"), red);
    QTextCharFormat green = face(Hei, 9, QColor(0, 255, 0));
    green.setBackground(QColor(0, 0, 255));
    cursor.insertText(QString::fromUtf8(" 黑体"), green);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.insertBlock(centred);
    QTextCharFormat b = red;
    b.setFontWeight(QFont::Bold);
    cursor.insertText("bold ", b);
    QTextCharFormat i = red;
    i.setFontItalic(true);
    cursor.insertText("italic ", i);
    QTextCharFormat u = red;
    u.setFontUnderline(true);
    cursor.insertText("under ", u);
    QTextCharFormat s = red;
    s.setFontStrikeOut(true);
    s.setFontPointSize(16);
    cursor.insertText("strike", s);
    cursor.insertText(QString(QChar::LineSeparator) + "a\tb", red);
    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignRight);
    indented.setLeftMargin(10);
    indented.setRightMargin(4);
    indented.setTextIndent(6);
    indented.setTopMargin(3);
    indented.setBottomMargin(5);
    indented.setLineHeight(20, QTextBlockFormat::FixedHeight);
    indented.setBackground(QColor(0, 0, 128));
    cursor.insertBlock(indented);
    cursor.insertText(QString::fromUtf8("右 right "), red);
    QTextImageFormat picture;
    picture.setName("pict:a");
    picture.setWidth(12);
    picture.setHeight(8);
    cursor.insertImage(picture);
    QTextBlockFormat tabbed;
    tabbed.setTabPositions({QTextOption::Tab(30, QTextOption::LeftTab), QTextOption::Tab(100, QTextOption::RightTab)});
    cursor.insertBlock(tabbed);
    cursor.insertText(QString::fromUtf8("€\té\t😀"), red);
}

QTextTable *firstTable(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (QTextTable *table = QTextCursor(block).currentTable())
            return table;
    }
    return nullptr;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    return cell.firstCursorPosition().block().text();
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void header();
    void nonAsciiAsUnicodeWithGbkFallback_data();
    void nonAsciiAsUnicodeWithGbkFallback();
    void onlyChangesOfFormatting();
    void allCapitalsSurvive();
    void exportImportPaintsTheSame();
    void exportImportKeepsFormats();
    void exportIsStableAfterImport();
    void tables();
    void listsStayLists();
    void documentBackground();
    void saveToFile();
    void libreOfficeOpensIt();
};

void TestRtfWriter::header()
{
    QTextDocument document;
    buildTextDocument(document);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936\\uc1\\deff0{\\fonttbl{\\f0"));
    QVERIFY(rtf.contains("\\fcharset134 AR PL UMing CN;"));
    QVERIFY(rtf.contains("\\fcharset134 WenQuanYi Zen Hei;"));
    QVERIFY(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;"));
    QVERIFY(rtf.endsWith("}\n"));

    QTextDocument latin;
    QTextCharFormat arial;
    arial.setFontFamilies({"Arial"});
    QTextCharFormat song;
    song.setFontFamilies({QString::fromUtf8("宋体")});
    QTextCursor cursor(&latin);
    cursor.insertText("x", arial);
    cursor.insertText("y", song);
    const QByteArray two = RtfWriter::write(latin);
    QVERIFY(two.contains("\\fcharset0 Arial;"));
    // The Chinese face's name in GBK, as \'hh.
    QVERIFY(two.contains("\\fcharset134 \\'cb\\'ce\\'cc\\'e5;"));
}

void TestRtfWriter::nonAsciiAsUnicodeWithGbkFallback_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("chinese") << QString::fromUtf8("中") << QByteArray("\\uc2\\u20013\\'d6\\'d0");
    // GBK second bytes include "\", "{" and "}": never written raw.
    QTest::newRow("trail byte 0x5C") << QString::fromUtf8("乗") << QByteArray("\\uc2\\u20055\\'81\\'5c");
    QTest::newRow("trail byte 0x7B") << QString::fromUtf8("亄") << QByteArray("\\uc2\\u20100\\'81\\'7b");
    QTest::newRow("negative parameter") << QString::fromUtf8("鬼") << QByteArray("\\uc2\\u-25796\\'b9\\'ed");
    QTest::newRow("euro has one GBK byte")
        << QString::fromUtf8("€") << QByteArray("\\fs18 \\u8364\\'80"); // \\uc1 is in force
    QTest::newRow("outside the BMP") << QString::fromUtf8("😀") << QByteArray("\\uc0\\u-10179 \\uc1\\u-8704\\'3f");
    QTest::newRow("escapes") << QString("a\\b{c}") << QByteArray("a\\\\b\\{c\\}");
    QTest::newRow("tab and line") << QString("a\tb") + QChar::LineSeparator + "c" << QByteArray("a\\tab b\\line c");
}

void TestRtfWriter::nonAsciiAsUnicodeWithGbkFallback()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextDocument document;
    document.setPlainText(text);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains(expected), rtf.constData());
    for (const char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
    QTextDocument back;
    QVERIFY(RtfReader().read(back, rtf));
    QCOMPARE(back.toRawText(), text);
}

void TestRtfWriter::onlyChangesOfFormatting()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText("a", bold);
    QTextCharFormat boldRed = bold;
    boldRed.setForeground(QColor(255, 0, 0));
    cursor.insertText("b", boldRed);
    cursor.insertText("c", QTextCharFormat());
    const QByteArray rtf = RtfWriter::write(document);
    const QByteArray body = rtf.mid(rtf.indexOf("\\pard"));
    QCOMPARE(body.count("\\b "), 1);
    QCOMPARE(body.count("\\cf1"), 1);
    QVERIFY(body.contains("\\b\\cf1 a") == false);
    QVERIFY(body.contains("\\b a\\cf1 b\\b0\\cf0 c"));
}

void TestRtfWriter::allCapitalsSurvive()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat caps;
    caps.setFontCapitalization(QFont::AllUppercase);
    cursor.insertText("shout", caps);
    cursor.insertText("quiet", QTextCharFormat());
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.contains("\\caps shout\\caps0 quiet"));

    QTextDocument back;
    QVERIFY(RtfReader().read(back, rtf));
    QTextCursor probe(&back);
    probe.setPosition(2);
    QCOMPARE(probe.charFormat().fontCapitalization(), QFont::AllUppercase);
    probe.setPosition(8);
    QCOMPARE(probe.charFormat().fontCapitalization(), QFont::MixedCase);
    QCOMPARE(back.toPlainText(), QStringLiteral("shoutquiet")); // the letters stay as typed
}

void TestRtfWriter::exportImportPaintsTheSame()
{
    QTextDocument original;
    buildTextDocument(original);
    QTextDocument back;
    prepareDocument(back);
    RtfReader reader;
    QVERIFY2(reader.read(back, RtfWriter::write(original)), qPrintable(reader.errorString()));
    const QImage expected = paintDocument(original, 160);
    QVERIFY(litPixels(expected) > 500);
    const QImage actual = paintDocument(back, 160);
    QCOMPARE(actual.size(), expected.size());
    QVERIFY(actual == expected);
}

void TestRtfWriter::exportImportKeepsFormats()
{
    QTextDocument original;
    buildTextDocument(original);
    QTextDocument back;
    QVERIFY(RtfReader().read(back, RtfWriter::write(original)));
    QCOMPARE(back.toRawText(), original.toRawText());
    QCOMPARE(back.blockCount(), original.blockCount());
    for (QTextBlock a = original.begin(), b = back.begin(); a.isValid(); a = a.next(), b = b.next()) {
        QCOMPARE(b.blockFormat().alignment(), a.blockFormat().alignment());
        QCOMPARE(b.blockFormat().leftMargin(), a.blockFormat().leftMargin());
        QCOMPARE(b.blockFormat().textIndent(), a.blockFormat().textIndent());
        QCOMPARE(b.blockFormat().bottomMargin(), a.blockFormat().bottomMargin());
        QCOMPARE(b.blockFormat().lineHeightType(), a.blockFormat().lineHeightType());
        QCOMPARE(b.blockFormat().lineHeight(), a.blockFormat().lineHeight());
        QCOMPARE(b.blockFormat().tabPositions(), a.blockFormat().tabPositions());
        QCOMPARE(b.blockFormat().background().color(), a.blockFormat().background().color());
        auto fa = a.begin();
        auto fb = b.begin();
        for (; !fa.atEnd() && !fb.atEnd(); ++fa, ++fb) {
            const QTextCharFormat x = fa.fragment().charFormat();
            const QTextCharFormat y = fb.fragment().charFormat();
            QCOMPARE(fb.fragment().text(), fa.fragment().text());
            QCOMPARE(y.isImageFormat(), x.isImageFormat());
            if (x.isImageFormat()) {
                QCOMPARE(y.toImageFormat().width(), 12.0);
                QCOMPARE(y.toImageFormat().height(), 8.0);
                const QImage png =
                    qvariant_cast<QImage>(back.resource(QTextDocument::ImageResource, QUrl(y.toImageFormat().name())));
                QCOMPARE(png.convertToFormat(QImage::Format_RGB32), testPicture());
                continue;
            }
            QCOMPARE(y.fontFamilies(), x.fontFamilies());
            QCOMPARE(y.fontPointSize(), x.fontPointSize());
            QCOMPARE(y.fontWeight(), x.fontWeight());
            QCOMPARE(y.fontItalic(), x.fontItalic());
            QCOMPARE(y.fontUnderline(), x.fontUnderline());
            QCOMPARE(y.fontStrikeOut(), x.fontStrikeOut());
            QCOMPARE(y.foreground().color(), x.foreground().color());
            QCOMPARE(y.background().color(), x.background().color());
        }
        QVERIFY(fa.atEnd() && fb.atEnd());
    }
}

void TestRtfWriter::exportIsStableAfterImport()
{
    QTextDocument original;
    buildTextDocument(original);
    QTextCursor cursor(&original);
    cursor.movePosition(QTextCursor::End);
    QTextTableFormat format;
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 40), QTextLength(QTextLength::FixedLength, 30)});
    QTextTable *table = cursor.insertTable(2, 2, format);
    table->cellAt(0, 0).firstCursorPosition().insertText("x");
    const QByteArray first = RtfWriter::write(original);
    QTextDocument back;
    back.setDefaultFont(original.defaultFont());
    QVERIFY(RtfReader().read(back, first));
    QCOMPARE(RtfWriter::write(back), first);
}

void TestRtfWriter::tables()
{
    QTextDocument original;
    QTextCursor cursor(&original);
    cursor.insertText("before");
    cursor.insertBlock();
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderBrush(QColor(255, 0, 0));
    format.setCellPadding(2);
    format.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 40),
                                      QTextLength(QTextLength::FixedLength, 50),
                                      QTextLength(QTextLength::FixedLength, 60)});
    QTextTable *table = cursor.insertTable(3, 3, format);
    table->mergeCells(0, 0, 2, 1);
    table->mergeCells(2, 1, 1, 2);
    QTextTableCellFormat shaded;
    shaded.setBackground(QColor(0, 0, 255));
    table->cellAt(0, 1).setFormat(shaded);
    table->cellAt(0, 0).firstCursorPosition().insertText("A");
    table->cellAt(0, 1).firstCursorPosition().insertText(QString::fromUtf8("中"));
    QTextCursor inCell = table->cellAt(1, 2).firstCursorPosition();
    inCell.insertText("p1");
    inCell.insertBlock();
    inCell.insertText("p2");
    table->cellAt(2, 1).firstCursorPosition().insertText("wide");
    QTextCursor nestAt = table->cellAt(1, 1).firstCursorPosition();
    nestAt.insertText("n");
    nestAt.insertBlock();
    QTextTable *nested = nestAt.insertTable(1, 2, format);
    nested->cellAt(0, 1).firstCursorPosition().insertText("deep");
    cursor.setPosition(table->lastPosition() + 1);
    cursor.insertText("after");

    const QByteArray rtf = RtfWriter::write(original);
    QVERIFY(rtf.contains("\\clcbpat"));
    QVERIFY(rtf.contains("\\clvmgf"));
    QVERIFY(rtf.contains("\\clvmrg"));
    QVERIFY(rtf.contains("\\cellx600\n")); // 40 px
    QVERIFY(rtf.contains("\\clbrdrt\\brdrs\\brdrw15\\brdrcf"));
    QVERIFY(rtf.contains("\\itap2"));
    QVERIFY(rtf.contains("\\nestcell"));
    QVERIFY(rtf.contains("{\\*\\nesttableprops\\trowd"));
    // Every cell paragraph carries \intbl.
    for (const QByteArray &line : rtf.split('\n')) {
        if (line.endsWith("\\cell") || line.endsWith("\\nestcell"))
            QVERIFY2(line.contains("\\intbl"), line.constData());
    }

    QTextDocument back;
    QVERIFY(RtfReader().read(back, rtf));
    QCOMPARE(back.toPlainText(), original.toPlainText());
    QTextTable *read = firstTable(back);
    QVERIFY(read);
    QCOMPARE(read->rows(), 3);
    QCOMPARE(read->columns(), 3);
    QCOMPARE(read->cellAt(0, 0).rowSpan(), 2);
    QCOMPARE(read->cellAt(2, 1).columnSpan(), 2);
    QCOMPARE(cellText(read, 2, 1), QString("wide"));
    QCOMPARE(read->cellAt(0, 1).format().background().color(), QColor(0, 0, 255));
    QCOMPARE(read->cellAt(0, 0).format().toTableCellFormat().topBorder(), 1.0);
    QCOMPARE(read->cellAt(0, 0).format().toTableCellFormat().topBorderBrush().color(), QColor(255, 0, 0));
    QCOMPARE(read->format().columnWidthConstraints().at(1).rawValue(), 50.0);
    int tables = 0;
    for (QTextFrame *child : read->cellAt(1, 1).firstCursorPosition().currentFrame()->childFrames())
        tables += qobject_cast<QTextTable *>(child) != nullptr;
    QCOMPARE(tables, 1);
    QCOMPARE(back.lastBlock().text(), QString("after"));
}

void TestRtfWriter::listsStayLists()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    bullets.setIndent(1);
    cursor.createList(bullets);
    cursor.insertText("one");
    cursor.insertBlock();
    cursor.insertText("two");
    cursor.insertBlock(QTextBlockFormat());
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    numbers.setIndent(2);
    cursor.createList(numbers);
    cursor.insertText("first");
    cursor.insertBlock();
    cursor.insertText("second");
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText("plain");

    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.contains("{\\*\\listtable{\\list"));
    QVERIFY(rtf.contains("{\\listtext 2.\\tab}"));
    QTextDocument back;
    QVERIFY(RtfReader().read(back, rtf));
    // Qt draws the markers: \listtext is not read as text.
    QCOMPARE(back.toPlainText(), QString("one\ntwo\nfirst\nsecond\nplain"));
    QTextBlock block = back.begin();
    QVERIFY(block.textList());
    QCOMPARE(block.textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(block.textList(), block.next().textList());
    block = block.next().next();
    QVERIFY(block.textList());
    QCOMPARE(block.textList()->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(block.textList()->format().indent(), 2);
    QCOMPARE(block.textList()->count(), 2);
    QVERIFY(!back.lastBlock().textList());
    QCOMPARE(RtfWriter::write(back), rtf);
}

void TestRtfWriter::documentBackground()
{
    QTextDocument document;
    document.setPlainText("x");
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setBackground(QColor(10, 20, 30));
    document.rootFrame()->setFrameFormat(root);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY(rtf.contains("{\\sn fillColor}{\\sv 1971210}"));
    QTextDocument back;
    QVERIFY(RtfReader().read(back, rtf));
    QCOMPARE(back.rootFrame()->frameFormat().background().color(), QColor(10, 20, 30));
    QCOMPARE(back.toPlainText(), QString("x"));

    QTextDocument plain;
    QVERIFY(!RtfWriter::write(plain).contains("background"));
    QTextDocument none;
    QVERIFY(RtfReader().read(none, RtfWriter::write(plain)));
    QVERIFY(!none.rootFrame()->frameFormat().hasProperty(QTextFormat::BackgroundBrush));
}

void TestRtfWriter::saveToFile()
{
    QTemporaryDir dir;
    QTextDocument document;
    buildTextDocument(document);
    const QString path = dir.filePath("out.rtf");
    RtfWriter::save(document, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), RtfWriter::write(document));
    QVERIFY_THROWS_EXCEPTION(Error, RtfWriter::save(document, dir.filePath("missing/out.rtf")));
}

void TestRtfWriter::libreOfficeOpensIt()
{
    QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        soffice = QStandardPaths::findExecutable("libreoffice");
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
    QTemporaryDir dir;
    QTextDocument document;
    buildTextDocument(document);
    RtfWriter::save(document, dir.filePath("check.rtf"));
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(soffice, {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--convert-to",
                            "txt:Text (encoded):UTF8", "--outdir", dir.path(), dir.filePath("check.rtf")});
    QVERIFY(process.waitForFinished(120000));
    QFile text(dir.filePath("check.txt"));
    QVERIFY2(text.open(QIODevice::ReadOnly), process.readAllStandardError().constData());
    const QString converted = QString::fromUtf8(text.readAll());
    QVERIFY2(converted.contains(QString::fromUtf8("中文 Chinese 乗{}\\")), qPrintable(converted));
    QVERIFY(converted.contains(QString::fromUtf8("黑体")));
    QVERIFY(converted.contains(QString::fromUtf8("右 right")));
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
