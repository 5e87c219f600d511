#include "model/error.h"
#include "model/inidocument.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void writesFollowProfileRules_data();
    void writesFollowProfileRules();
    void readsTrimmedValuesFirstKeyWins();
    void keepsWhatItDoesNotOwn();
    void valueCannotBreakOutOfItsLine();
    void missingFileIsEmptyUnreadableIsError();
};

void TestIniDocument::writesFollowProfileRules_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace in place") << QByteArray("[a]\r\nx=1\r\ny=2\r\n") << QByteArray("a") << QByteArray("x")
                                      << QByteArray("[a]\r\nx=V\r\ny=2\r\n");
    QTest::newRow("append at end of section, before blank lines")
        << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\nz=3\r\n") << QByteArray("a") << QByteArray("k")
        << QByteArray("[a]\r\nx=1\r\nk=V\r\n\r\n[b]\r\nz=3\r\n");
    QTest::newRow("append section at end of file") << QByteArray("[a]\r\nx=1\r\n") << QByteArray("b") << QByteArray("k")
                                                   << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=V\r\n");
    QTest::newRow("names match exactly") << QByteArray("[A]\r\nX=1\r\n") << QByteArray("A") << QByteArray("x")
                                         << QByteArray("[A]\r\nX=1\r\nx=V\r\n");
    QTest::newRow("LF input written as CR LF")
        << QByteArray("[a]\nx=1\n") << QByteArray("a") << QByteArray("x") << QByteArray("[a]\r\nx=V\r\n");
    QTest::newRow("empty document") << QByteArray() << QByteArray("a") << QByteArray("x")
                                    << QByteArray("[a]\r\nx=V\r\n");
}

void TestIniDocument::writesFollowProfileRules()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);

    IniDocument doc = IniDocument::parse(before);
    doc.setValue(section, key, "V");
    QCOMPARE(doc.serialize(), after);
    QCOMPARE(doc.value(section, key), std::optional<QByteArray>("V"));
}

void TestIniDocument::readsTrimmedValuesFirstKeyWins()
{
    const IniDocument doc = IniDocument::parse("[s]\r\n  k  =  v 1 \r\nk=second\r\n[s]\r\nk=other\r\n");
    QCOMPARE(doc.value("s", "k", "none"), QByteArray("v 1"));
    QCOMPARE(doc.value("s", "missing", "none"), QByteArray("none"));
    QCOMPARE(doc.value("t", "k", "none"), QByteArray("none"));
}

void TestIniDocument::keepsWhatItDoesNotOwn()
{
    const QByteArray text = "; comment before any section\r\n"
                            "[foreign]\r\n"
                            "odd line without equals\r\n"
                            "; x=commented\r\n"
                            "key = spaced\r\n"
                            "[\xbd\xda\xc4\xbf"
                            "1]\r\n" // 节目1
                            "unknown=7\r\n";
    IniDocument doc = IniDocument::parse(text);
    doc.setValue("\xbd\xda\xc4\xbf"
                 "1",
                 "new", "1");
    QByteArray expected = text;
    expected.append("new=1\r\n");
    QCOMPARE(doc.serialize(), expected);
    QVERIFY(!doc.value("foreign", "; x").has_value());
    QCOMPARE(doc.keys("foreign"), QList<QByteArray>{"key"});
}

void TestIniDocument::valueCannotBreakOutOfItsLine()
{
    IniDocument doc;
    doc.setValue("s", "text", "line1\r\n[evil]\r\nk=v");
    const IniDocument again = IniDocument::parse(doc.serialize());
    QCOMPARE(again.sections(), QList<QByteArray>{"s"});
    QCOMPARE(again.value("s", "text", {}), QByteArray("line1  [evil]  k=v"));
}

void TestIniDocument::missingFileIsEmptyUnreadableIsError()
{
    QTemporaryDir dir;
    QVERIFY(IniDocument::load(dir.filePath("none.ini")).sections().isEmpty());
    bool thrown = false;
    try {
        IniDocument::load(dir.path()); // a folder
    } catch (const Error &e) {
        thrown = true;
        QCOMPARE(e.subject(), dir.path());
    }
    QVERIFY(thrown);
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
