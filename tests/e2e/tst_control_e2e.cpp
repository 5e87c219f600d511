#include "support/virtualsign.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The control commands of lumetra-cli against the virtual card: each sends
// its frame, the card logs what it took, and a missing card fails the command.
class TestControlEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // the home
    lumetra::test::VirtualSign m_sign;

    QString linkPath() const { return m_sign.link(); }

    int cli(const QStringList &args, QString *err = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-cli"), QStringList{"--home", m_dir.path()} + args);
        p.waitForFinished(30000);
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QList<QJsonObject> loggedFrames() const
    {
        QList<QJsonObject> frames;
        for (const QByteArray &line : m_sign.log().split('\n'))
            if (!line.isEmpty())
                frames << QJsonDocument::fromJson(line).object();
        return frames;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_sign.start());
        QVERIFY(QFileInfo::exists(linkPath()));
    }

    void commandsReachTheCard()
    {
        const QString port = linkPath();
        QCOMPARE(cli({"power", "off", "--port", port}), 0);
        QCOMPARE(cli({"pause", "--port", port}), 0);
        QCOMPARE(cli({"resume", "--port", port}), 0);
        QCOMPARE(cli({"border", "on", "--port", port}), 0);
        QCOMPARE(cli({"brightness", "--day", "07:30", "200", "--night", "20:00", "1", "--port", port}), 0);
        QCOMPARE(cli({"time", "--on", "06:00", "--off", "23:30", "--port", port}), 0);

        const QList<QJsonObject> frames = loggedFrames();
        QStringList kinds;
        for (const QJsonObject &f : frames)
            kinds << f["frame"].toString();
        QCOMPARE(kinds, (QStringList{"power", "pause", "pause", "border", "brightness", "timer"}));
        QCOMPARE(frames[0]["values"].toVariant().toList().first().toInt(), 0);
        QCOMPARE(frames[1]["values"].toVariant().toList().first().toInt(), 1);
        QCOMPARE(frames[2]["values"].toVariant().toList().first().toInt(), 0);
        const QVariantList light = frames[4]["values"].toVariant().toList();
        QCOMPARE(light.mid(4), (QVariantList{200, 1}));
        const QVariantList timer = frames[5]["values"].toVariant().toList();
        QCOMPARE(timer.mid(timer.size() - 4), (QVariantList{6, 0, 23, 30}));

        // The dialogs' values were stored in the home's default project.
        QFile project(m_dir.filePath("Project/Project.zvp"));
        QVERIFY(project.open(QIODevice::ReadOnly));
        QVERIFY(project.readAll().contains("=200\r\n"));
    }

    void missingCardFails()
    {
        // The home's project holds an A-class card: make it B so silence counts.
        QFile project(m_dir.filePath("Project/Project.zvp"));
        QVERIFY(project.open(QIODevice::ReadOnly));
        QByteArray text = project.readAll();
        project.close();
        text.replace(QByteArray("A\xc0\xe0\xbf\xa8"), QByteArray("B\xc0\xe0\xbf\xa8")); // A类卡 -> B类卡
        QVERIFY(project.open(QIODevice::WriteOnly | QIODevice::Truncate));
        project.write(text);
        project.close();

        QString err;
        QCOMPARE(cli({"power", "on", "--port", m_dir.filePath("nothing-here")}, &err), 1);
        QVERIFY2(err.contains(QStringLiteral("串口数据发送失败。")), qPrintable(err));
        QCOMPARE(cli({"power", "on"}, &err), 1); // the project's COM1 does not answer either
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("power without on/off") << QStringList{"power"};
        QTest::newRow("border maybe") << QStringList{"border", "maybe"};
        QTest::newRow("brightness level 0")
            << QStringList{"brightness", "--day", "07:00", "0", "--night", "20:00", "5"};
        QTest::newRow("brightness without night") << QStringList{"brightness", "--day", "07:00", "9"};
        QTest::newRow("time with --on only") << QStringList{"time", "--on", "06:00"};
        QTest::newRow("time not a time") << QStringList{"time", "--on", "6h", "--off", "23:00"};
    }

    void badUsage()
    {
        QFETCH(QStringList, args);
        QCOMPARE(cli(args), 2);
    }
};

QTEST_GUILESS_MAIN(TestControlEndToEnd)
#include "tst_control_e2e.moc"
