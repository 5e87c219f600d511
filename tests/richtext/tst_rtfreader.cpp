#include "content/rtf/rtfreader.h"
#include "documentpainter.h"
#include "model/gbk.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

using namespace lumetra;

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(LUMETRA_TEST_DATA "/rtf/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

struct Fragment
{
    QString text;
    QTextCharFormat format;
};

// Every fragment of the document, tables included, in order.
QList<Fragment> fragments(const QTextDocument &document)
{
    QList<Fragment> out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            out.append({it.fragment().text(), it.fragment().charFormat()});
    }
    return out;
}

Fragment fragmentWith(const QTextDocument &document, const QString &text)
{
    for (const Fragment &f : fragments(document)) {
        if (f.text.contains(text))
            return f;
    }
    return {};
}

QList<QTextTable *> tables(QTextDocument &document)
{
    QList<QTextTable *> out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextTable *table = QTextCursor(block).currentTable();
        if (table && !out.contains(table))
            out.append(table);
    }
    return out;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selection().toPlainText();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void characterFormats();
    void hiddenTextDropped();
    void paragraphFormats();
    void tabStopsAndShading();
    void lineSpacing_data();
    void lineSpacing();
    void codePages_data();
    void codePages();
    void chineseFixture();
    void chinesePaintsLikeTheSameTextTypedIn();
    void styleSheetFormatsApply();
    void wordLists();
    void wordTable();
    void rowsWithoutIntbl();
    void nestedTables();
    void embeddedPng();
    void pngInBin();
    void importAddsToTheDocument();
    void malformed_data();
    void malformed();
};

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("words") << QByteArray("{\\rtf1\\ansi Hello world}") << "Hello world";
    QTest::newRow("delimiting space eaten") << QByteArray("{\\rtf1 \\b bold\\b0  x}") << "bold x";
    QTest::newRow("line breaks in the file mean nothing") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
    QTest::newRow("backslash before a line break is a paragraph") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb";
    QTest::newRow("par line tab") << QByteArray("{\\rtf1 a\\par b\\line c\\tab d}")
                                  << QString("a\nb") + QChar::LineSeparator + "c\td";
    QTest::newRow("escaped symbols") << QByteArray("{\\rtf1 \\\\ \\{x\\} \\~y}")
                                     << QString("\\ {x} ") + QChar(0xA0) + "y";
    QTest::newRow("symbols in the font table stay there")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 A\\~B;}}{\\colortbl;\\_\\red9;}x}") << "x";
    QTest::newRow("special characters")
        << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
        << QString::fromUtf8("—–•‘’“”");
    QTest::newRow("unknown starred destination skipped") << QByteArray("{\\rtf1 a{\\*\\unknownthing b{c}}d}") << "ad";
    QTest::newRow("unknown plain word ignored") << QByteArray("{\\rtf1 a\\foobar12 b}") << "ab";
    QTest::newRow("info skipped") << QByteArray("{\\rtf1{\\info{\\title T}{\\author A}}x}") << "x";
    QTest::newRow("field result kept") << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}")
                                       << "link";
    QTest::newRow("header and footnote skipped") << QByteArray("{\\rtf1{\\header H}{\\footnote F}x}") << "x";
    QTest::newRow("object shows its result")
        << QByteArray("{\\rtf1{\\object\\objemb{\\*\\objdata 0102}{\\result R}}}") << "R";
    QTest::newRow("unicode") << QByteArray("{\\rtf1\\uc1\\u20013?\\u25991?}") << QString::fromUtf8("中文");
    QTest::newRow("unicode negative") << QByteArray("{\\rtf1\\uc1\\u-25796?}") << QString::fromUtf8("鬼");
    QTest::newRow("unicode unsigned") << QByteArray("{\\rtf1\\uc1\\u39740?}") << QString::fromUtf8("鬼");
    QTest::newRow("unicode out of range") << QByteArray("{\\rtf1\\uc1\\u99999?}") << QString(QChar(0xFFFD));
    QTest::newRow("unicode surrogate pair") << QByteArray("{\\rtf1\\uc1\\u-10179?\\u-8704?}") << QString::fromUtf8("😀");
    QTest::newRow("lone surrogate") << QByteArray("{\\rtf1\\uc1\\u-10179?x}") << QString(QChar(0xFFFD)) + "x";
    QTest::newRow("uc2 skips both fallback bytes")
        << QByteArray("{\\rtf1\\uc2\\u20013\\'d6\\'d0x}") << QString::fromUtf8("中x");
    QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0\\u20013 ab}") << QString::fromUtf8("中ab");
    QTest::newRow("fallback counts text bytes") << QByteArray("{\\rtf1\\uc1\\u20013 ab}") << QString::fromUtf8("中b");
    QTest::newRow("brace ends the fallback") << QByteArray("{\\rtf1{\\uc3\\u20013}ab}") << QString::fromUtf8("中ab");
    QTest::newRow("uc is group state") << QByteArray("{\\rtf1{\\uc2 x}\\u20013?y}") << QString::fromUtf8("x中y");
    QTest::newRow("bytes after the final brace") << QByteArray("{\\rtf1 a}b}c{\\par") << "a";
    QTest::newRow("empty document") << QByteArray("{\\rtf1}") << QString();
    QTest::newRow("final paragraph without par") << QByteArray("{\\rtf1 a\\par b}") << "a\nb";
    QTest::newRow("list text read as text")
        << QByteArray("{\\rtf1{\\listtext\\'95\\tab}item\\par}") << QString::fromUtf8("•\titem");
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    RtfReader reader;
    QVERIFY2(reader.read(document, rtf), qPrintable(reader.errorString()));
    // Raw text keeps line separators and no-break spaces.
    QCOMPARE(document.toRawText().replace(QChar::ParagraphSeparator, u'\n'), text);
}

void TestRtfReader::characterFormats()
{
    QTextDocument document;
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                           "\\fs20 {\\b B}{\\i I}{\\ul U}{\\ul\\ulnone N}{\\strike S}{\\fs40 L}{\\f1 C}{\\cf1 R}"
                           "{\\cb2 K}{\\highlight1 H}{\\b\\b0 O}{\\super P}{\\sub Q}{\\b\\plain Z}}";
    QVERIFY(RtfReader().read(document, rtf));
    QCOMPARE(document.toPlainText(), QString("BIUNSLCRKHOPQZ"));
    auto fmt = [&](const char *text) { return fragmentWith(document, text).format; };
    QCOMPARE(fmt("B").fontWeight(), int(QFont::Bold));
    QVERIFY(fmt("I").fontItalic());
    QCOMPARE(fmt("U").underlineStyle(), QTextCharFormat::SingleUnderline);
    QCOMPARE(fmt("N").underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(fmt("S").fontStrikeOut());
    QCOMPARE(fmt("L").fontPointSize(), 20.0);
    QCOMPARE(fmt("B").fontPointSize(), 10.0);
    QCOMPARE(fmt("C").fontFamilies().toStringList(), QStringList{"Courier New"});
    QCOMPARE(fmt("B").fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(fmt("R").foreground().color(), QColor(255, 0, 0));
    QVERIFY(!fmt("B").hasProperty(QTextFormat::ForegroundBrush)); // \cf0: the component's own colour
    QCOMPARE(fmt("K").background().color(), QColor(0, 0, 255));
    QCOMPARE(fmt("H").background().color(), QColor(255, 0, 0));
    QCOMPARE(fmt("O").fontWeight(), int(QFont::Normal));
    QCOMPARE(fmt("P").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(fmt("Q").verticalAlignment(), QTextCharFormat::AlignSubScript);
    // \plain: back to the default font at 12 points.
    QCOMPARE(fmt("Z").fontPointSize(), 12.0);
    QCOMPARE(fmt("Z").fontWeight(), int(QFont::Normal));
}

void TestRtfReader::hiddenTextDropped()
{
    QTextDocument document;
    QVERIFY(RtfReader().read(document, "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}"));
    QCOMPARE(document.toPlainText(), QString("abd"));
}

void TestRtfReader::paragraphFormats()
{
    QTextDocument document;
    const QByteArray rtf = "{\\rtf1 \\pard\\qc C\\par\\qr R\\par\\qj J\\par"
                           "\\pard\\li300\\ri150\\fi-150\\sb60\\sa90 I\\par\\pard L\\par}";
    QVERIFY(RtfReader().read(document, rtf));
    QTextBlock block = document.begin();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
    block = block.next();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignRight);
    block = block.next();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignJustify);
    block = block.next();
    QCOMPARE(block.text(), QString("I"));
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignLeft); // \pard reset it
    QCOMPARE(block.blockFormat().leftMargin(), 20.0);
    QCOMPARE(block.blockFormat().rightMargin(), 10.0);
    QCOMPARE(block.blockFormat().textIndent(), -10.0);
    QCOMPARE(block.blockFormat().topMargin(), 4.0);
    QCOMPARE(block.blockFormat().bottomMargin(), 6.0);
    block = block.next();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignLeft); // \pard reset
    QCOMPARE(block.blockFormat().leftMargin(), 0.0);

    // The last paragraph, closed by the final brace instead of \par.
    QTextDocument last;
    QVERIFY(RtfReader().read(last, "{\\rtf1\\pard\\qc\\li150 centred}"));
    QCOMPARE(last.begin().blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(last.begin().blockFormat().leftMargin(), 10.0);
}

void TestRtfReader::tabStopsAndShading()
{
    QTextDocument document;
    QVERIFY(RtfReader().read(document, "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}"
                                       "\\pard\\tx720\\tqr\\tx2880\\tqc\\tx3000\\cbpat1 a\\tab b\\par\\pard c\\par}"));
    const QList<QTextOption::Tab> tabs = document.begin().blockFormat().tabPositions();
    QCOMPARE(tabs.size(), 3);
    QCOMPARE(tabs[0].position, 48.0);
    QCOMPARE(tabs[0].type, QTextOption::LeftTab);
    QCOMPARE(tabs[1].position, 192.0);
    QCOMPARE(tabs[1].type, QTextOption::RightTab);
    QCOMPARE(tabs[2].type, QTextOption::CenterTab);
    QCOMPARE(document.begin().blockFormat().background().color(), QColor(0, 0, 255));
    QVERIFY(document.lastBlock().blockFormat().tabPositions().isEmpty());
    QCOMPARE(document.lastBlock().blockFormat().background().style(), Qt::NoBrush);
}

void TestRtfReader::lineSpacing_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("height");
    QTest::newRow("at least") << QByteArray("\\sl300") << int(QTextBlockFormat::MinimumHeight) << 20.0;
    QTest::newRow("exactly") << QByteArray("\\sl-300") << int(QTextBlockFormat::FixedHeight) << 20.0;
    QTest::newRow("one and a half lines")
        << QByteArray("\\sl360\\slmult1") << int(QTextBlockFormat::ProportionalHeight) << 150.0;
    QTest::newRow("single line is the default")
        << QByteArray("\\sl240\\slmult1") << int(QTextBlockFormat::SingleHeight) << 0.0;
    QTest::newRow("automatic") << QByteArray("\\sl0") << int(QTextBlockFormat::SingleHeight) << 0.0;
}

void TestRtfReader::lineSpacing()
{
    QFETCH(QByteArray, words);
    QFETCH(int, type);
    QFETCH(double, height);
    QTextDocument document;
    QVERIFY(RtfReader().read(document, "{\\rtf1\\pard" + words + " x\\par}"));
    const QTextBlockFormat format = document.begin().blockFormat();
    QCOMPARE(format.lineHeightType(), type);
    QCOMPARE(format.lineHeight(), height);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    const QByteArray gbk = toGbk(u"中文");
    QTest::newRow("ansicpg936 hex") << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'ce\\'c4}")
                                    << QString::fromUtf8("中文");
    QTest::newRow("ansicpg936 raw bytes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 ") + gbk + "}" << QString::fromUtf8("中文");
    QTest::newRow("hex and raw mixed in one character")
        << QByteArray("{\\rtf1\\ansicpg936 \\'d6\xd0}") << QString::fromUtf8("中");
    QTest::newRow("GBK trail byte 0x5C as hex")
        << QByteArray("{\\rtf1\\ansicpg936 \\'81\\'5c}") << QString::fromUtf8("乗");
    QTest::newRow("fcharset134 in a cp1252 file")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset134 S;}}\\f0 \\'d6\\'d0}") << QString::fromUtf8("中");
    QTest::newRow("fcharset0 in a cp936 file")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 caf\\'e9}")
        << QString::fromUtf8("café");
    QTest::newRow("font without charset takes ansicpg")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0 X;}}\\f0 \\'d6\\'d0}") << QString::fromUtf8("中");
    QTest::newRow("Big5") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset136 M;}}\\f0 \\'a4\\'a4\\'a4\\'e5}")
                          << QString::fromUtf8("中文");
    QTest::newRow("Shift-JIS") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 \\'93\\'fa\\'96\\'7b}")
                               << QString::fromUtf8("日本");
    QTest::newRow("cp1252 by default") << QByteArray("{\\rtf1 \\'80\\'e9}") << QString::fromUtf8("€é");
    QTest::newRow("cpg overrides the charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0\\cpg1251 C;}}\\f0 \\'c4}") << QString::fromUtf8("Д");
    QTest::newRow("runs of two fonts decode apart")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset134 S;}{\\f1\\fcharset0 A;}}\\f0 \\'d6\\'d0\\f1 \\'e9}")
        << QString::fromUtf8("中é");
    QTest::newRow("unknown code page reads as cp1252")
        << QByteArray("{\\rtf1\\ansicpg4242 \\'e9}") << QString::fromUtf8("é");
}

void TestRtfReader::codePages()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    QVERIFY(RtfReader().read(document, rtf));
    QCOMPARE(document.toPlainText(), text);
}

void TestRtfReader::chineseFixture()
{
    QTextDocument document;
    RtfReader reader;
    QVERIFY2(reader.read(document, fixture("chinese936.rtf")), qPrintable(reader.errorString()));
    QCOMPARE(document.toPlainText(), QString::fromUtf8("中文测试café\n乗{}"));
    const Fragment chinese = fragmentWith(document, QString::fromUtf8("中文"));
    // The face's name is spelt in its own charset; \*\falt is not part of it.
    QCOMPARE(chinese.format.fontFamilies().toStringList(), QStringList{QString::fromUtf8("宋体")});
    QCOMPARE(chinese.format.foreground().color(), QColor(255, 0, 0));
    QCOMPARE(chinese.text, QString::fromUtf8("中文测试"));
    const Fragment latin = fragmentWith(document, "caf");
    QCOMPARE(latin.format.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(latin.format.foreground().color(), QColor(0, 255, 0));
    QCOMPARE(fragmentWith(document, QString::fromUtf8("乗")).format.fontFamilies().toStringList(),
             QStringList{QString::fromUtf8("黑体")});
}

void TestRtfReader::chinesePaintsLikeTheSameTextTypedIn()
{
    const QString face = QStringLiteral("AR PL UMing CN");
    QTextDocument imported;
    prepareDocument(imported);
    QVERIFY(RtfReader().read(imported,
                             "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 AR PL UMing CN;}}"
                             "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs24\\cf1 \\'d6\\'d0\\'ce\\'c4 LED}"));
    QTextDocument typed;
    prepareDocument(typed);
    QTextCharFormat format;
    format.setFontFamilies({face});
    format.setFontPointSize(12);
    format.setForeground(QColor(255, 0, 0));
    QTextCursor(&typed).insertText(QString::fromUtf8("中文 LED"), format);
    const QImage expected = paintDocument(typed, 96);
    QVERIFY(litPixels(expected) > 50);
    QVERIFY(paintDocument(imported, 96) == expected);
}

void TestRtfReader::styleSheetFormatsApply()
{
    QTextDocument document;
    QVERIFY(RtfReader().read(document, "{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1\\qc\\b\\fs40 Heading 1;}"
                                       "{\\*\\cs10 \\additive\\i Emphasis;}}"
                                       "\\pard\\s1 Title\\par\\pard\\plain\\s0 {\\cs10 em}\\par}"));
    QCOMPARE(document.toPlainText(), QString("Title\nem"));
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(fragmentWith(document, "Title").format.fontWeight(), int(QFont::Bold));
    QCOMPARE(fragmentWith(document, "Title").format.fontPointSize(), 20.0);
    QVERIFY(fragmentWith(document, "em").format.fontItalic());
}

void TestRtfReader::wordLists()
{
    QTextDocument document;
    const QByteArray rtf =
        "{\\rtf1{\\fonttbl{\\f3\\fcharset2 Symbol;}}"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23\\levelnfcn23{\\leveltext\\'01\\u-3913 ?;}"
        "{\\levelnumbers;}\\f3\\fi-360\\li720}{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01.;}{\\levelnumbers\\'01;}}"
        "{\\listname ;}\\listid7}}{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}}\n"
        "{\\listtext\\pard\\plain \\f3 \\'b7\\tab}\\pard\\plain \\fi-360\\li720\\ls1\\ilvl0 one\\par\n"
        "{\\listtext\\pard\\plain \\f3 \\'b7\\tab}\\pard\\plain \\fi-360\\li1440\\ls1\\ilvl1 sub\\par\n"
        "{\\listtext\\pard\\plain \\f3 \\'b7\\tab}\\pard\\plain \\fi-360\\li720\\ls1\\ilvl0 two\\par\n"
        "\\pard {\\listtext orphan }text\\par\n"
        "{\\listtext x}\\pard\\ls9 unknown list\\par}";
    QVERIFY(RtfReader().read(document, rtf));
    QCOMPARE(document.toPlainText(), QString("one\nsub\ntwo\norphan text\nxunknown list"));
    QTextBlock one = document.begin();
    QTextBlock sub = one.next();
    QTextBlock two = sub.next();
    QVERIFY(one.textList());
    QCOMPARE(one.textList(), two.textList());
    QCOMPARE(one.textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(one.textList()->format().indent(), 1);
    QCOMPARE(one.blockFormat().leftMargin(), 0.0); // the list indents it
    QVERIFY(sub.textList() && sub.textList() != one.textList());
    QCOMPARE(sub.textList()->format().style(), QTextListFormat::ListLowerAlpha);
    QCOMPARE(sub.textList()->format().indent(), 2);
    QVERIFY(!two.next().textList());
    QVERIFY(!document.lastBlock().textList());
}

void TestRtfReader::wordTable()
{
    QTextDocument document;
    RtfReader reader;
    QVERIFY2(reader.read(document, fixture("wordtable.rtf")), qPrintable(reader.errorString()));
    const QList<QTextTable *> found = tables(document);
    QCOMPARE(found.size(), 1);
    QTextTable *table = found.first();
    QCOMPARE(table->rows(), 3);
    // Edges at -108, 1500, 2200 and 3000 twips: three grid columns.
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 0, 0), QString("A1"));
    QCOMPARE(cellText(table, 0, 1), QString("B1"));
    QCOMPARE(table->cellAt(0, 1).columnSpan(), 2);
    QCOMPARE(cellText(table, 1, 0), QString("A2"));
    QCOMPARE(table->cellAt(1, 0).rowSpan(), 2); // \clvmgf then \clvmrg
    QCOMPARE(cellText(table, 1, 1), QString("B2\nsecond"));
    QCOMPARE(cellText(table, 1, 2), QString("C2"));
    QCOMPARE(cellText(table, 2, 1), QString("C3"));
    QCOMPARE(table->cellAt(2, 1).columnSpan(), 2); // \clmgf then \clmrg

    const QTextTableCellFormat a1 = table->cellAt(0, 0).format().toTableCellFormat();
    QCOMPARE(a1.background().color(), QColor(0, 0, 255));
    QCOMPARE(a1.topBorder(), 2.0); // \brdrw30 is 2 pixels
    QCOMPARE(a1.topBorderBrush().color(), QColor(255, 0, 0));
    QCOMPARE(a1.bottomBorder(), 1.0);
    QCOMPARE(a1.leftBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
    QCOMPARE(table->cellAt(1, 0).format().verticalAlignment(), QTextCharFormat::AlignMiddle);
    // Automatic borders take the default text colour: black lines light no LED.
    QCOMPARE(table->cellAt(0, 1).format().toTableCellFormat().topBorderBrush().color(), QColor(255, 0, 0));
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 3);
    QCOMPARE(widths[0].rawValue(), 1608 / 15.0);
    QCOMPARE(widths[1].rawValue(), 700 / 15.0);

    QCOMPARE(document.begin().text(), QString("Before"));
    QCOMPARE(document.lastBlock().text(), QString("After"));
    QVERIFY(!QTextCursor(document.lastBlock()).currentTable());
    QVERIFY(fragmentWith(document, "C3").format.fontWeight() == QFont::Bold);

    // Painted: the blue shading of A1 shows.
    prepareDocument(document);
    const QImage image = paintDocument(document, 300);
    bool blue = false;
    for (int y = 0; y < image.height() && !blue; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width() && !blue; ++x)
            blue = (line[x] & 0xffffff) == 0x0000ff;
    }
    QVERIFY(blue);
}

void TestRtfReader::rowsWithoutIntbl()
{
    QTextDocument document;
    QVERIFY(RtfReader().read(document,
                             "{\\rtf1 \\trowd\\cellx1000\\cellx2000 A\\cell B\\par B2\\cell\\row\\pard after\\par}"));
    const QList<QTextTable *> found = tables(document);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->rows(), 1);
    QCOMPARE(found.first()->columns(), 2);
    QCOMPARE(cellText(found.first(), 0, 0), QString("A"));
    QCOMPARE(cellText(found.first(), 0, 1), QString("B\nB2"));
    QCOMPARE(document.lastBlock().text(), QString("after"));
}

void TestRtfReader::nestedTables()
{
    QTextDocument document;
    RtfReader reader;
    QVERIFY2(reader.read(document, fixture("nested.rtf")), qPrintable(reader.errorString()));
    const QList<QTextTable *> found = tables(document);
    QCOMPARE(found.size(), 2);
    QTextTable *outer = found[0];
    QTextTable *inner = found[1];
    QCOMPARE(outer->rows(), 1);
    QCOMPARE(outer->columns(), 2);
    QCOMPARE(inner->rows(), 1);
    QCOMPARE(inner->columns(), 2);
    QCOMPARE(cellText(inner, 0, 0), QString("inner 1"));
    QCOMPARE(cellText(inner, 0, 1), QString("inner 2"));
    QCOMPARE(cellText(outer, 0, 1), QString("outer B"));
    // The inner table sits in the outer table's first cell, after "outer A".
    QCOMPARE(inner->parentFrame(), static_cast<QTextFrame *>(outer));
    const QTextTableCell first = outer->cellAt(0, 0);
    QCOMPARE(first.firstCursorPosition().block().text(), QString("outer A"));
    QVERIFY(inner->firstPosition() > first.firstPosition() && inner->lastPosition() < first.lastPosition());
    // \nonesttables is for readers without nested tables: skipped.
    QVERIFY(!document.toPlainText().contains("nonest"));
    QCOMPARE(document.lastBlock().text(), QString("after"));
}

void TestRtfReader::embeddedPng()
{
    QTextDocument document;
    prepareDocument(document);
    RtfReader reader;
    QVERIFY2(reader.read(document, fixture("picture.rtf")), qPrintable(reader.errorString()));
    QList<QTextImageFormat> pictures;
    for (const Fragment &f : fragments(document)) {
        if (f.format.isImageFormat())
            pictures.append(f.format.toImageFormat());
    }
    // \nonshppict's copy is skipped; the metafile is an empty frame.
    QCOMPARE(pictures.size(), 2);
    QCOMPARE(document.toPlainText().remove(QChar::ObjectReplacementCharacter), QString("Picture:end\n"));
    // Goal 60 × 30 twips, scaled 200 % × 100 %.
    QCOMPARE(pictures[0].width(), 8.0);
    QCOMPARE(pictures[0].height(), 2.0);
    const QImage png = qvariant_cast<QImage>(document.resource(QTextDocument::ImageResource, QUrl(pictures[0].name())));
    QImage expected(QStringLiteral(LUMETRA_TEST_DATA "/rtf/picture-4x2.png"));
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(pictures[1].width(), 96.0);
    QCOMPARE(pictures[1].height(), 48.0);

    // Painted: the picture's pixels doubled in width, at its place.
    QTextDocument one;
    prepareDocument(one);
    QVERIFY(RtfReader().read(one, fixture("picture.rtf").replace("Picture:", "").replace("end", "")));
    const QImage image = paintDocument(one, 64);
    const int baseline = [&] {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(0, y) == qRgb(255, 0, 0))
                return y;
        }
        return -1;
    }();
    QVERIFY(baseline >= 0);
    const QRgb row0[] = {qRgb(255, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0),     qRgb(0, 255, 0),
                         qRgb(0, 0, 255), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(255, 255, 255)};
    for (int x = 0; x < 8; ++x)
        QCOMPARE(image.pixel(x, baseline), row0[x]);
    QCOMPARE(image.pixel(2, baseline + 1), qRgb(0, 0, 0)); // second row: yellow, black, ...
    QCOMPARE(image.pixel(0, baseline + 1), qRgb(255, 255, 0));
}

void TestRtfReader::pngInBin()
{
    QByteArray png = fixture("picture-4x2.png");
    QByteArray rtf =
        "{\\rtf1{\\pict\\pngblip\\picscalex300\\picscaley300\\bin" + QByteArray::number(png.size()) + " " + png + "}x}";
    QTextDocument document;
    RtfReader reader;
    QVERIFY2(reader.read(document, rtf), qPrintable(reader.errorString()));
    const Fragment picture = fragments(document).first();
    QVERIFY(picture.format.isImageFormat());
    // No goal size: the picture's own 4 × 2 pixels, scaled.
    QCOMPARE(picture.format.toImageFormat().width(), 12.0);
    QCOMPARE(picture.format.toImageFormat().height(), 6.0);
    QCOMPARE(document.toPlainText(), QString(QChar::ObjectReplacementCharacter) + "x");
}

void TestRtfReader::importAddsToTheDocument()
{
    QTextDocument document;
    document.setPlainText("before");
    QVERIFY(RtfReader().read(document, "{\\rtf1 added\\par more}"));
    QCOMPARE(document.toPlainText(), QString("before\nadded\nmore"));
}

void TestRtfReader::malformed_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("kept"); // the text read before the fault
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("not RTF") << QByteArray("hello world") << QString();
    QTest::newRow("header only, truncated") << QByteArray("{\\rtf") << QString();
    QTest::newRow("truncated text") << QByteArray("{\\rtf1 abc") << "abc";
    QTest::newRow("unbalanced groups") << QByteArray("{\\rtf1 a{\\b bold{\\i x}")
                                       << "abold"
                                          "x";
    QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 abc\\") << "abc";
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 ab\\'4") << "ab";
    QTest::newRow("huge bin length") << QByteArray("{\\rtf1 a{\\pict\\pngblip\\bin999999999 xyz}b}") << "a";
    QTest::newRow("bin beyond int") << QByteArray("{\\rtf1 a\\bin99999999999999999999 x}") << "a";
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 xyz}") << "a";
    QTest::newRow("picture that does not decode")
        << QByteArray("{\\rtf1 a{\\pict\\pngblip\\picwgoal300\\pichgoal300 89504e470d0a1a0a00000000}b}")
        << QString("a") + QChar::ObjectReplacementCharacter + "b";
    QTest::newRow("jpeg that does not decode")
        << QByteArray("{\\rtf1 {\\pict\\jpegblip ffd8ffe000}}") << QString(QChar::ObjectReplacementCharacter);
    QByteArray deep = "{\\rtf1 x";
    deep += QByteArray(100000, '{') + "y" + QByteArray(100000, '}') + "}";
    QTest::newRow("deep nesting") << deep << "x";
    QByteArray garbage = "{\\rtf1 ";
    quint32 seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        char c = char(seed >> 16);
        garbage += c == '}' ? '{' : c; // never closes, so it is truncated
    }
    QTest::newRow("binary garbage") << garbage << QString("*");
    QByteArray rows = "{\\rtf1 ";
    for (int i = 0; i < 25000; ++i)
        rows += "\\trowd\\cellx100\\intbl\\cell\\row";
    rows += "}";
    QTest::newRow("too many table cells") << rows << QString("*");
}

void TestRtfReader::malformed()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, kept);
    QTextDocument document;
    RtfReader reader;
    QVERIFY(!reader.read(document, rtf));
    QVERIFY(!reader.errorString().isEmpty());
    if (kept != "*") {
        QString text = document.toPlainText();
        text.remove(u'\n');
        QCOMPARE(text, kept);
    }
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
