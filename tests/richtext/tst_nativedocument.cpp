#include "content/document/nativedocument.h"
#include "documentpainter.h"
#include "model/error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

using namespace lumetra;

namespace {

QImage testPicture()
{
    QImage image(12, 8, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(0, 0, 6, 8, QColor(0, 255, 0));
    painter.fillRect(6, 2, 6, 4, QColor(255, 255, 0));
    return image;
}

// A document holding everything the editor can put in one.
void buildFullDocument(QTextDocument &document)
{
    prepareDocument(document);
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setBackground(QColor(0, 0, 64));
    root.setLeftMargin(3);
    root.setRightMargin(5);
    root.setTopMargin(7);
    root.setBottomMargin(2);
    document.rootFrame()->setFrameFormat(root);
    document.addResource(QTextDocument::ImageResource, QUrl("pict:1"), testPicture());

    QTextCursor cursor(&document);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QTextCharFormat song = red;
    song.setFontFamilies({"AR PL UMing CN"});
    song.setFontPointSize(16);
    cursor.insertText(QString::fromUtf8("宋体十六点"), song);
    QTextCharFormat hei;
    hei.setFontFamilies({"WenQuanYi Zen Hei"});
    hei.setFontPointSize(9);
    hei.setForeground(QColor(0, 255, 0));
    hei.setBackground(QColor(0, 0, 255));
    cursor.insertText(QString::fromUtf8(" 黑体 green"), hei);

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.insertBlock(centred);
    QTextCharFormat styles = red;
    styles.setFontWeight(QFont::Bold);
    cursor.insertText("Bold ", styles);
    styles.setFontWeight(QFont::Normal);
    styles.setFontItalic(true);
    cursor.insertText("italic ", styles);
    styles.setFontItalic(false);
    styles.setFontUnderline(true);
    cursor.insertText("under ", styles);
    styles.setFontUnderline(false);
    styles.setFontStrikeOut(true);
    cursor.insertText("strike ", styles);
    styles.setFontStrikeOut(false);
    styles.setFontOverline(true);
    cursor.insertText("over", styles);
    cursor.insertText(QString(QChar::LineSeparator) + "line\tbreak", red);

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
    cursor.insertText(QString::fromUtf8("右对齐缩进 right"), red);
    QTextBlockFormat tabbed;
    tabbed.setTabPositions({QTextOption::Tab(30, QTextOption::LeftTab), QTextOption::Tab(120, QTextOption::RightTab)});
    cursor.insertBlock(tabbed);
    cursor.insertText("a\tb\tc", red);

    cursor.insertBlock(QTextBlockFormat());
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    cursor.createList(bullets);
    cursor.insertText("first item", red);
    cursor.insertBlock();
    cursor.insertText("second item", red);

    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText("picture: ", red);
    QTextImageFormat picture;
    picture.setName("pict:1");
    picture.setWidth(24);
    picture.setHeight(16);
    cursor.insertImage(picture);

    cursor.insertBlock(QTextBlockFormat());
    QTextTableFormat tableFormat;
    tableFormat.setBorder(2);
    tableFormat.setBorderBrush(QColor(255, 0, 0));
    tableFormat.setCellPadding(2);
    tableFormat.setCellSpacing(0);
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 40),
                                           QTextLength(QTextLength::FixedLength, 60),
                                           QTextLength(QTextLength::PercentageLength, 30)});
    QTextTable *table = cursor.insertTable(3, 3, tableFormat);
    table->mergeCells(1, 0, 1, 2);
    QTextTableCellFormat shaded;
    shaded.setBackground(QColor(0, 128, 0));
    shaded.setTopBorder(3);
    shaded.setTopBorderBrush(QColor(255, 255, 0));
    shaded.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    table->cellAt(0, 1).setFormat(shaded);
    table->cellAt(0, 0).firstCursorPosition().insertText("A1", red);
    table->cellAt(1, 0).firstCursorPosition().insertText(QString::fromUtf8("合并"), red);
    QTextCursor inCell = table->cellAt(2, 2).firstCursorPosition();
    inCell.insertText("nest", red);
    inCell.insertBlock();
    QTextTable *nested = inCell.insertTable(1, 2, tableFormat);
    nested->cellAt(0, 1).firstCursorPosition().insertText("n2", red);

    cursor.setPosition(table->lastPosition() + 1);
    cursor.insertText("after the table", red);
}

// Small hand-made files: formats 0 root frame, 1 block, 2 character,
// 3 table, 4 table cell.
QByteArray minimal(const QByteArray &body, const QByteArray &extra)
{
    return "LUMETRA-DOC 1\n{\"formats\":[{\"t\":5,\"p\":{}},{\"t\":1,\"p\":{}},{\"t\":2,\"p\":{}},"
           "{\"t\":5,\"p\":{\"12032\":[\"i\",2]}},{\"t\":2,\"p\":{\"12032\":[\"i\",3]}}],"
           "\"root\":0,\"lists\":[],\"body\":[" +
           body + "]" + extra + "}";
}

QByteArray table(int rows, int columns, const QByteArray &cells)
{
    return "{\"table\":{\"rows\":" + QByteArray::number(rows) + ",\"cols\":" + QByteArray::number(columns) +
           ",\"f\":3,\"cells\":[" + cells + "]}}";
}

QByteArray cell(int row, int column, int rowSpan, int columnSpan, const QByteArray &content)
{
    return "{\"r\":" + QByteArray::number(row) + ",\"c\":" + QByteArray::number(column) +
           ",\"rs\":" + QByteArray::number(rowSpan) + ",\"cs\":" + QByteArray::number(columnSpan) +
           ",\"f\":4,\"content\":" + content + "}";
}

} // namespace

class TestNativeDocument : public QObject
{
    Q_OBJECT

private slots:
    void roundTripPaintsTheSamePixels();
    void roundTripKeepsStructure();
    void emptyDocument();
    void backgroundPictureSurvives();
    void fileStartsWithMagicLine();
    void saveAndLoadFile();
    void smallHandMadeFiles();
    void badFiles_data();
    void badFiles();
    void missingPictureDataDrawsNothingFromDisk();
};

void TestNativeDocument::roundTripPaintsTheSamePixels()
{
    QTextDocument original;
    buildFullDocument(original);
    const QImage before = paintDocument(original, 200);
    QVERIFY(litPixels(before) > 1000);

    QTextDocument copy;
    NativeDocument::deserialize(copy, NativeDocument::serialize(original));
    const QImage after = paintDocument(copy, 200);
    QCOMPARE(after.size(), before.size());
    QVERIFY(after == before);

    // And the same once more, through a second generation.
    QTextDocument third;
    NativeDocument::deserialize(third, NativeDocument::serialize(copy));
    QVERIFY(paintDocument(third, 200) == before);
}

void TestNativeDocument::roundTripKeepsStructure()
{
    QTextDocument original;
    buildFullDocument(original);
    QTextDocument copy;
    copy.setPlainText("something to replace");
    NativeDocument::deserialize(copy, NativeDocument::serialize(original));

    QCOMPARE(copy.toPlainText(), original.toPlainText());
    QCOMPARE(copy.blockCount(), original.blockCount());
    QCOMPARE(copy.rootFrame()->frameFormat().background().color(), QColor(0, 0, 64));
    QCOMPARE(copy.rootFrame()->frameFormat().topMargin(), 7.0);
    QCOMPARE(copy.defaultFont().styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    QVERIFY(!copy.isModified());

    QList<QTextTable *> tables;
    int lists = 0;
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
        if (block.textList())
            ++lists;
        QTextCursor at(block);
        if (QTextTable *table = at.currentTable(); table && !tables.contains(table))
            tables.append(table);
    }
    QCOMPARE(lists, 2);
    const QTextBlock tabbed = copy.findBlock(copy.toPlainText().indexOf("a\tb"));
    QCOMPARE(tabbed.blockFormat().tabPositions().size(), 2);
    QCOMPARE(tabbed.blockFormat().tabPositions().at(1).type, QTextOption::RightTab);
    QCOMPARE(tables.size(), 2);
    QTextTable *outer = tables.first();
    QCOMPARE(outer->rows(), 3);
    QCOMPARE(outer->cellAt(1, 0).columnSpan(), 2);
    QCOMPARE(outer->cellAt(0, 1).format().background().color(), QColor(0, 128, 0));
    QCOMPARE(outer->cellAt(0, 1).format().toTableCellFormat().topBorder(), 3.0);
    QCOMPARE(outer->format().columnWidthConstraints().at(2), QTextLength(QTextLength::PercentageLength, 30));

    const QVariant picture = copy.resource(QTextDocument::ImageResource, QUrl("pict:1"));
    QCOMPARE(qvariant_cast<QImage>(picture).convertToFormat(QImage::Format_ARGB32), testPicture());
}

void TestNativeDocument::emptyDocument()
{
    QTextDocument empty;
    prepareDocument(empty);
    QTextDocument copy;
    copy.setPlainText("old");
    NativeDocument::deserialize(copy, NativeDocument::serialize(empty));
    QCOMPARE(copy.toPlainText(), QString());
    QCOMPARE(copy.blockCount(), 1);
    QVERIFY(paintDocument(copy, 64) == paintDocument(empty, 64));
}

void TestNativeDocument::backgroundPictureSurvives()
{
    QTextDocument document;
    prepareDocument(document);
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setBackground(QBrush(testPicture()));
    document.rootFrame()->setFrameFormat(root);
    QTextCursor(&document).insertText("x");
    QTextDocument copy;
    NativeDocument::deserialize(copy, NativeDocument::serialize(document));
    const QBrush brush = copy.rootFrame()->frameFormat().background();
    QCOMPARE(brush.style(), Qt::TexturePattern);
    QCOMPARE(brush.textureImage().convertToFormat(QImage::Format_ARGB32), testPicture());
    QVERIFY(paintDocument(copy, 64) == paintDocument(document, 64));
}

void TestNativeDocument::fileStartsWithMagicLine()
{
    QTextDocument document;
    document.setPlainText("x");
    const QByteArray bytes = NativeDocument::serialize(document);
    QVERIFY(bytes.startsWith("LUMETRA-DOC 1\n"));
}

void TestNativeDocument::saveAndLoadFile()
{
    QTemporaryDir dir;
    QTextDocument original;
    buildFullDocument(original);
    const QString path = dir.filePath(QString::fromUtf8("文档.zvc"));
    NativeDocument::save(original, path);
    QTextDocument copy;
    NativeDocument::load(copy, path);
    QVERIFY(paintDocument(copy, 150) == paintDocument(original, 150));

    try {
        NativeDocument::load(copy, dir.filePath("missing.zvf"));
        QFAIL("a missing file must throw");
    } catch (const Error &error) {
        QCOMPARE(error.text(), QString::fromUtf8("文件读错误。"));
        QVERIFY(error.subject().endsWith("missing.zvf"));
    }
    QVERIFY_THROWS_EXCEPTION(Error, NativeDocument::save(original, dir.filePath("no/such/folder/x.zvf")));
}

void TestNativeDocument::smallHandMadeFiles()
{
    // The same shapes as the bad files below, valid: so those fail for their
    // own fault only.
    QTextDocument document;
    NativeDocument::deserialize(document, minimal("{\"p\":[1,2,-1,[[\"hi\",2]]]}", ""));
    QCOMPARE(document.toPlainText(), QString("hi"));
    NativeDocument::deserialize(document, minimal(table(2, 2, cell(0, 0, 2, 1, "[{\"p\":[1,2,-1,[[\"c\",2]]]}]")), ""));
    QTextTable *t = QTextCursor(document.begin().next()).currentTable();
    QVERIFY(t);
    QCOMPARE(t->cellAt(1, 0).rowSpan(), 2);
    QCOMPARE(t->cellAt(0, 0).firstCursorPosition().block().text(), QString("c"));
    QByteArray deep = "[]";
    for (int i = 0; i < 30; ++i)
        deep = "[" + table(1, 1, cell(0, 0, 1, 1, deep)) + "]";
    NativeDocument::deserialize(document, minimal(deep.mid(1, deep.size() - 2), ""));
}

void TestNativeDocument::badFiles_data()
{
    QTextDocument document;
    buildFullDocument(document);
    const QByteArray good = NativeDocument::serialize(document);
    const QByteArray body = good.mid(good.indexOf('\n') + 1);

    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no magic") << body;
    QTest::newRow("RTF instead") << QByteArray("{\\rtf1\\ansi hello}");
    QTest::newRow("newer version") << QByteArray("LUMETRA-DOC 2\n") + body;
    QTest::newRow("version zero") << QByteArray("LUMETRA-DOC 0\n") + body;
    QTest::newRow("truncated") << good.left(good.size() / 2);
    QTest::newRow("not an object") << QByteArray("LUMETRA-DOC 1\n[1,2,3]");
    QTest::newRow("no body") << minimal("", "").replace("\"body\":[]", "\"x\":[]");
    QTest::newRow("format index out of range") << minimal("{\"p\":[1,9,-1,[]]}", "");
    QTest::newRow("block format of the wrong kind") << minimal("{\"p\":[2,2,-1,[]]}", "");
    QTest::newRow("list that does not exist") << minimal("{\"p\":[1,2,0,[]]}", "");
    QTest::newRow("run without format") << minimal("{\"p\":[1,2,-1,[[\"x\"]]]}", "");
    QTest::newRow("huge table") << minimal(table(100000, 1000, ""), "");
    QTest::newRow("span past the table") << minimal(table(2, 2, cell(1, 1, 2, 1, "[]")), "");
    QTest::newRow("cell outside the table") << minimal(table(2, 2, cell(2, 0, 1, 1, "[]")), "");
    QByteArray deep = "[]";
    for (int i = 0; i < 40; ++i)
        deep = "[" + table(1, 1, cell(0, 0, 1, 1, deep)) + "]";
    QTest::newRow("tables nested too deep") << minimal(deep.mid(1, deep.size() - 2), "");
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 131 + 7) & 0xff);
    QTest::newRow("binary garbage") << QByteArray("LUMETRA-DOC 1\n") + garbage;
}

void TestNativeDocument::badFiles()
{
    QFETCH(QByteArray, bytes);
    QTextDocument document;
    document.setPlainText("kept");
    try {
        NativeDocument::deserialize(document, bytes);
        QFAIL("bad file accepted");
    } catch (const Error &error) {
        QCOMPARE(error.text(), QString::fromUtf8("文件读错误。"));
    }
    QCOMPARE(document.toPlainText(), QString("kept"));
}

void TestNativeDocument::missingPictureDataDrawsNothingFromDisk()
{
    // A picture whose data is missing must not be looked up as a file.
    QTemporaryDir dir;
    const QString onDisk = dir.filePath("outside.png");
    QImage big(40, 40, QImage::Format_RGB32);
    big.fill(Qt::white);
    QVERIFY(big.save(onDisk));

    QTextDocument original;
    prepareDocument(original);
    QTextImageFormat picture;
    picture.setName(QUrl::fromLocalFile(onDisk).toString());
    QTextCursor(&original).insertImage(picture);
    QByteArray bytes = NativeDocument::serialize(original);
    const qsizetype eol = bytes.indexOf('\n');
    QJsonObject top = QJsonDocument::fromJson(bytes.mid(eol + 1)).object();
    QCOMPARE(top.value("images").toArray().size(), 1);
    top.insert("images", QJsonArray());
    bytes = bytes.left(eol + 1) + QJsonDocument(top).toJson();

    QTextDocument copy;
    NativeDocument::deserialize(copy, bytes);
    const QVariant resource = copy.resource(QTextDocument::ImageResource, QUrl(picture.name()));
    QVERIFY(qvariant_cast<QImage>(resource).isNull());
}

QTEST_MAIN(TestNativeDocument)
#include "tst_nativedocument.moc"
