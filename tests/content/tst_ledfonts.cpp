#include "content/ledfontsizes.h"
#include "content/textfaces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using namespace lumetra;

class TestLedFonts : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void offeredList();
    void textAt_data();
    void textAt();
    void faceList();
    void chineseFacesResolve_data();
    void chineseFacesResolve();
    void ledPixels();
};

void TestLedFonts::lookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("recognised");
    const int table[12][2] = {{12, 9},  {16, 12}, {24, 18}, {32, 24}, {40, 30}, {48, 36},
                              {56, 42}, {64, 48}, {72, 54}, {80, 60}, {96, 72}, {128, 84}};
    for (const auto &row : table)
        QTest::addRow("cell %d", row[0]) << QStringLiteral("单字%1个LED灯大小").arg(row[0]) << row[1] << row[0] << true;
    QTest::newRow("unknown size") << "单字20个LED灯大小" << 12 << 12 << false;
    QTest::newRow("empty") << "" << 12 << 12 << false;
    QTest::newRow("trailing blank") << "单字16个LED灯大小 " << 12 << 12 << false;
}

void TestLedFonts::lookup()
{
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    QFETCH(int, cell);
    QFETCH(bool, recognised);
    const LedFontSize size = LedFontSizes::lookup(text);
    QCOMPARE(size.pointSize, pointSize);
    QCOMPARE(size.cell, cell);
    QCOMPARE(size.recognised, recognised);
}

void TestLedFonts::offeredList()
{
    const QStringList expected{"单字12个LED灯大小", "单字16个LED灯大小", "单字24个LED灯大小", "单字32个LED灯大小",
                               "单字40个LED灯大小", "单字48个LED灯大小", "单字64个LED灯大小", "单字72个LED灯大小",
                               "单字80个LED灯大小", "单字96个LED灯大小", "单字128个LED灯大小"};
    QCOMPARE(LedFontSizes::offered(), expected);
    QCOMPARE(LedFontSizes::initialText(), QStringLiteral("单字12个LED灯大小"));
    QCOMPARE(LedFontSizes::pixelSize(9), 12);
    QCOMPARE(LedFontSizes::pixelSize(84), 112);
}

void TestLedFonts::textAt_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << "单字12个LED灯大小";
    QTest::newRow("default index") << 1 << "单字16个LED灯大小";
    QTest::newRow("after the gap of 56") << 6 << "单字64个LED灯大小";
    QTest::newRow("last") << 10 << "单字128个LED灯大小";
    QTest::newRow("past the list") << 11 << "";
    QTest::newRow("typed text, no item") << -1 << "";
}

void TestLedFonts::textAt()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(LedFontSizes::textAt(index), text);
}

void TestLedFonts::faceList()
{
    const QStringList faces = TextFaces::faceNames();
    QVERIFY(faces.size() >= 2);
    QCOMPARE(faces.at(0), QStringLiteral("宋体"));
    QCOMPARE(faces.at(1), QStringLiteral("黑体"));
    QCOMPARE(faces.mid(2), QFontDatabase::families());
    QCOMPARE(TextFaces::faceAt(1), QStringLiteral("黑体"));
    QCOMPARE(TextFaces::faceAt(int(faces.size())), QStringLiteral("宋体"));
    QCOMPARE(TextFaces::faceAt(-1), QStringLiteral("宋体"));
}

void TestLedFonts::chineseFacesResolve_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::newRow("宋体") << "宋体"
                          << "AR PL UMing CN";
    QTest::newRow("黑体") << "黑体"
                          << "WenQuanYi Zen Hei Mono";
}

void TestLedFonts::chineseFacesResolve()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QCOMPARE(QFontInfo(TextFaces::ledFont(face, 9)).family(), family);
    // Also for fonts made elsewhere from the bare name.
    TextFaces::installSubstitutions();
    QCOMPARE(QFontInfo(QFont(face)).family(), family);
}

void TestLedFonts::ledPixels()
{
    const QFont font = TextFaces::ledFont(QStringLiteral("宋体"), 84);
    QCOMPARE(font.pixelSize(), 112);
    QVERIFY(font.styleStrategy() & QFont::NoAntialias);
}

QTEST_MAIN(TestLedFonts)
#include "tst_ledfonts.moc"
