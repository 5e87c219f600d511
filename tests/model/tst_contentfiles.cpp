#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

class TestContentFiles : public QObject
{
    Q_OBJECT

private slots:
    void bareNames_data();
    void bareNames();
    void namingRule();
    void extFileFolderIsCreated();
    void textFileBytes_data();
    void textFileBytes();
    void gbkOnTheWayIn();
};

void TestContentFiles::bareNames_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("bare");
    QTest::newRow("windows path") << QByteArray("C:\\LED\\Project\\Project0-0-1.txt") << "Project0-0-1.txt";
    QTest::newRow("unix path") << QByteArray("/home/a/Project/x.zvf") << "x.zvf";
    QTest::newRow("bare") << QByteArray("ZVUntitled.zvf") << "ZVUntitled.zvf";
    QTest::newRow("escape attempt") << QByteArray("..\\..\\etc/passwd") << "passwd";
    QTest::newRow("dot dot") << QByteArray("C:\\..") << QString();
    QTest::newRow("folder only") << QByteArray("C:\\LED\\") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("NUL inside") << QByteArray("a\0b.txt", 7) << QString();
    // 0x81 0x5C is one GBK character whose second byte looks like "\".
    QTest::newRow("GBK trail byte 0x5C") << QByteArray("C:\\\x81\x5C.txt") << QString::fromUtf8("乗.txt");
    QTest::newRow("chinese") << toGbk(u"D:\\节目\\文字.txt") << QString::fromUtf8("文字.txt");
}

void TestContentFiles::bareNames()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, bare);
    QCOMPARE(bareFileName(stored), bare);

    WorkspaceState state;
    state.ProjectFolder = QStringLiteral("/proj/");
    QCOMPARE(contentFilePath(state, stored), bare.isEmpty() ? QString() : QStringLiteral("/proj/") + bare);
}

void TestContentFiles::namingRule()
{
    WorkspaceState state;
    setProjectPath(state, QStringLiteral("/data/shop/Project.zvp"));
    QCOMPARE(state.ProjectFolder, QStringLiteral("/data/shop/"));
    QCOMPARE(state.ProjectBaseName, QStringLiteral("Project"));
    QCOMPARE(textFilePath(state, 3, 1), QStringLiteral("/data/shop/Project0-2-1.txt"));
    QCOMPARE(zoneBitmapPath(state, 1, 1), QStringLiteral("/data/shop/ExtFile/0-0-1.bmp"));
    QCOMPARE(zoneBitmapPath(state, 16, 3), QStringLiteral("/data/shop/ExtFile/0-15-3.bmp"));
}

void TestContentFiles::extFileFolderIsCreated()
{
    QTemporaryDir dir;
    WorkspaceState state;
    setProjectPath(state, dir.filePath("New.zvp"));
    QVERIFY(!QDir(dir.filePath("ExtFile")).exists());
    ensureExtFileFolder(state);
    QVERIFY(QDir(dir.filePath("ExtFile")).exists());
    ensureExtFileFolder(state); // already there: no error
}

void TestContentFiles::textFileBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("one line") << QByteArray("a") << QByteArray("a\r\n");
    QTest::newRow("two lines") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("ends in empty line") << QByteArray("a\r\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("only line breaks") << QByteArray("\r\n\r\n") << QByteArray("\r\n\r\n\r\n");
}

void TestContentFiles::textFileBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, file);
    QCOMPARE(lumetra::textFileBytes(text), file);
    // Reading gives the text back, and again after another round.
    QCOMPARE(textFromFileBytes(file), text);
    QCOMPARE(textFromFileBytes(lumetra::textFileBytes(textFromFileBytes(file))), text);
}

void TestContentFiles::gbkOnTheWayIn()
{
    QCOMPARE(toGbk(u"显示"), QByteArray("\xcf\xd4\xca\xbe"));
    QCOMPARE(toGbk(u"a😀b"), QByteArray("a?b"));
    QCOMPARE(toGbk(u"㎡"), QByteArray("\xa9\x4f"));
    QCOMPARE(fromGbk("\xbd\xda\xc4\xbf"), QStringLiteral("节目"));
    QCOMPARE(gbkCharCount("A\xd6\xd0"
                          "B"),
             qsizetype(3));
    QCOMPARE(gbkHalfCells("A\xd6\xd0"
                          "B"),
             qsizetype(4));
    QCOMPARE(gbkCharLength("A\xd6", 1), 1); // a lead byte at the end stands alone
}

QTEST_GUILESS_MAIN(TestContentFiles)
#include "tst_contentfiles.moc"
