#include "support/clirun.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = lumetra::test::CliRun;

Run cli(const QStringList &args)
{
    return lumetra::test::runCli(args);
}

} // namespace

// export-usb and planes on the bundled project (send is end to end).
class TestTransferCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString project() const { return m_home.filePath("Project/Project.zvp"); }
    QStringList withHome(const QStringList &args) const { return QStringList{"--home", m_home.path()} + args; }

private slots:
    void exportWithBorderAndClock()
    {
        QTemporaryDir disk;
        const Run r =
            cli(withHome({"export-usb", project(), "--to", disk.path(), "--border", "--clock", "2009-05-07 16:00:00"}));
        QCOMPARE(r.code, 0);
        const QString path = disk.filePath("qelto/qelto.zv");
        QCOMPARE(r.out.trimmed(), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // Address 1, three programs, border and clock, no settings.
        QVERIFY(bytes.startsWith("01033630"));
        QCOMPARE(bytes.mid(8 + 2 * 244, 14), QByteArray("09050704100000"));
    }

    void exportThatCannotBeWritten()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath("plain");
        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const Run r = cli(withHome({"export-usb", project(), "--to", plain}));
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QStringLiteral("数据没有导入成功。")));
        QVERIFY(!QFileInfo::exists(plain + "/qelto/qelto.zv"));
    }

    void planesPicture()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath("p1.png");
        const Run r = cli(withHome({"planes", project(), "--program", "1", "--out", out}));
        QCOMPARE(r.code, 0);
        const QImage image(out);
        QCOMPARE(image.size(), QSize(128, 32));
        // The welcome text of the top zone is lit, in red.
        bool red = false;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 128; ++x)
                red = red || image.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(red);
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("planes without program") << QStringList{"planes", "P", "--out", "x.png"};
        QTest::newRow("planes program 0") << QStringList{"planes", "P", "--program", "0", "--out", "x.png"};
        QTest::newRow("planes without out") << QStringList{"planes", "P", "--program", "1"};
        QTest::newRow("export without to") << QStringList{"export-usb", "P"};
        QTest::newRow("export bad clock") << QStringList{"export-usb", "P", "--to", "d", "--clock", "2009-13-07"};
        QTest::newRow("send unknown option") << QStringList{"send", "P", "--speed", "9"};
    }
    void badUsage()
    {
        QFETCH(QStringList, args);
        const Run r = cli(withHome(args));
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("usage:"));
    }

    void programThatDoesNotExist()
    {
        QTemporaryDir dir;
        const Run r = cli(withHome({"planes", project(), "--program", "9", "--out", dir.filePath("x.png")}));
        QCOMPARE(r.code, 1);
        QVERIFY(!QFileInfo::exists(dir.filePath("x.png")));
    }
};

QTEST_GUILESS_MAIN(TestTransferCommands)
#include "tst_transfercommands.moc"
