#include "model/gbk.h"
#include "model/inidocument.h"

#include "support/clirun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;

namespace {

using Run = lumetra::test::CliRun;

Run cli(const QStringList &args)
{
    return lumetra::test::runCli(args);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void infoOnBundledProject();
    void infoJson();
    void resaveAs();
    void otherProjectTakesHomeSettings();
    void failuresAndUsage_data();
    void failuresAndUsage();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    QString project() const { return m_home->filePath("Project/Project.zvp"); }
    QStringList withHome(QStringList args) const { return QStringList{"--home", m_home->path()} + args; }
};

void TestCli::init()
{
    m_home = std::make_unique<QTemporaryDir>();
}

void TestCli::infoOnBundledProject()
{
    // A fresh home is seeded with the bundled default project.
    const Run r = cli(withHome({"info", project()}));
    QCOMPARE(r.code, 0);
    QVERIFY(QFile::exists(m_home->filePath("Project/ExtFile/SP1.BMP")));
    QVERIFY(QFile::exists(m_home->filePath("Project/ExtFile/title.txt")));
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.first().startsWith("display name=显示屏-1 size=128x32 color=1(双色)"));
    QVERIFY(lines.filter(QRegularExpression("^program ")).size() >= 3);
    QVERIFY(r.out.contains(" kind=text "));
    QVERIFY(r.out.contains(" kind=clock "));
    QVERIFY(r.out.contains(" kind=picture "));
    QVERIFY(r.out.contains("zone 1 1 kind=text rect=0,0,128x16 file=" + m_home->filePath("Project/Project0-0-1.txt")));
}

void TestCli::infoJson()
{
    const Run r = cli(withHome({"info", project(), "--json"}));
    QCOMPARE(r.code, 0);
    const QJsonObject d = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(d["ScreenWidth"].toInt(), 128);
    QCOMPARE(d["CardModel"].toString(), QStringLiteral("A类卡"));
    const QJsonArray programs = d["Programs"].toArray();
    QCOMPARE(programs.size(), d["ProgramCount"].toInt());
    const QJsonObject first = programs.at(0).toObject();
    QCOMPARE(first["ProgramName"].toString(), QStringLiteral("节目1"));
    const QJsonArray zones = first["Zones"].toArray();
    QCOMPARE(zones.size(), first["ZoneCount"].toInt());
    QVERIFY(zones.at(0).toObject()["Text"].toString().startsWith(QStringLiteral("欢迎光临")));
    QCOMPARE(first["StopTimes"].toArray().at(4).toString(), QStringLiteral("23:59:59"));
}

void TestCli::resaveAs()
{
    QVERIFY(cli(withHome({"info", project()})).code == 0); // seed the home
    QDir().mkpath(m_home->filePath("copy"));
    const QString target = m_home->filePath("copy/Shop.zvp");
    const Run r = cli(withHome({"resave", project(), "--as", target}));
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.trimmed(), "saved " + target);
    QVERIFY(QFile::exists(m_home->filePath("copy/Shop0-0-1.txt")));
    const IniDocument doc = IniDocument::load(target);
    QCOMPARE(doc.value(toGbk(u"节目1"), toGbk(u"上分区文件"), {}), toGbk(m_home->filePath("copy/Shop0-0-1.txt")));

    // The copy shows the same programs as the original.
    const Run a = cli(withHome({"info", project()}));
    const Run b = cli(withHome({"info", target}));
    QCOMPARE(b.code, 0);
    QCOMPARE(b.out.count("\nprogram "), a.out.count("\nprogram "));
}

void TestCli::otherProjectTakesHomeSettings()
{
    QVERIFY(cli(withHome({"info", project()})).code == 0);
    const QString other = m_home->filePath("Other.zvp");
    IniDocument doc;
    doc.setValue(toGbk(u"显示屏参数"), toGbk(u"显示屏宽度"), "999");
    doc.setValue(toGbk(u"显示屏参数"), toGbk(u"当前节目数"), "0");
    doc.save(other);
    const Run r = cli(withHome({"info", other}));
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.startsWith("display name=显示屏-1 size=128x32"), qPrintable(r.out));
    QVERIFY(r.out.contains("programs=0"));
}

void TestCli::failuresAndUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList{} << 2 << "usage:";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "unknown command";
    QTest::newRow("info without project") << QStringList{"info"} << 2 << "PROJECT";
    QTest::newRow("unknown option") << QStringList{"info", "x.zvp", "--fast"} << 2 << "--fast";
    QTest::newRow("--as without value") << QStringList{"resave", "x.zvp", "--as"} << 2 << "--as";
    QTest::newRow("missing project") << QStringList{"info", "/nonexistent/p.zvp"} << 1 << "/nonexistent/p.zvp";
}

void TestCli::failuresAndUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run r = cli(withHome(args));
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
