#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestRenderCommand : public QObject
{
    Q_OBJECT

private slots:
    void rendersEveryTextZone();
    void oneZone();
    void badArguments_data();
    void badArguments();

private:
    struct Run
    {
        int exitCode = -1;
        QStringList lines;
        QString err;
    };
    Run run(const QStringList &args);
    QString project() const { return m_home.path() + QStringLiteral("/Project/Project.zvp"); }

    QTemporaryDir m_home;
};

TestRenderCommand::Run TestRenderCommand::run(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-cli"),
                  QStringList{QStringLiteral("--home"), m_home.path()} + args);
    Run r;
    if (!process.waitForFinished(60000))
        return r;
    r.exitCode = process.exitCode();
    r.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

// The bundled project: every zone, the picture zone from its document.
void TestRenderCommand::rendersEveryTextZone()
{
    const Run r = run({QStringLiteral("render"), project()});
    QCOMPARE(r.exitCode, 0);
    const QStringList zones{"1 1 text", "1 2 clock", "2 1 text", "3 1 text", "3 2 clock", "3 3 picture"};
    QCOMPARE(r.lines.size(), zones.size());
    const QRegularExpression line(QStringLiteral(
        "^(\\d+) (\\d+) (text|clock|picture) (\\d+)x(\\d+) pages=(\\d+) content-height=(\\d+) file=(.+)$"));
    for (int i = 0; i < r.lines.size(); ++i) {
        const QRegularExpressionMatch m = line.match(r.lines[i]);
        QVERIFY2(m.hasMatch(), qPrintable(r.lines[i]));
        QCOMPARE(m.captured(1) + QLatin1Char(' ') + m.captured(2) + QLatin1Char(' ') + m.captured(3), zones[i]);
        const int program = m.captured(1).toInt();
        const int slot = m.captured(2).toInt();
        const int width = m.captured(4).toInt();
        const int height = m.captured(5).toInt();
        const int pages = m.captured(6).toInt();
        const int contentHeight = m.captured(7).toInt();
        QCOMPARE(contentHeight, pages * height);
        const QString file = m.captured(8);
        QCOMPARE(file, m_home.path() + QStringLiteral("/Project/ExtFile/0-%1-%2.bmp").arg(program - 1).arg(slot));
        const QImage bitmap(file);
        QCOMPARE(bitmap.size(), QSize(width, contentHeight));
    }
}

void TestRenderCommand::oneZone()
{
    const Run r = run({QStringLiteral("render"), project(), QStringLiteral("--program"), QStringLiteral("2"),
                       QStringLiteral("--zone"), QStringLiteral("1")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.lines.size(), 1);
    QVERIFY(r.lines[0].startsWith(QStringLiteral("2 1 text 128x32 pages=1 content-height=32 file=")));
}

void TestRenderCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("not a number") << QStringList{"--program", "x"} << 2;
    QTest::newRow("zero") << QStringList{"--zone", "0"} << 2;
    QTest::newRow("no such program") << QStringList{"--program", "9"} << 1;
    QTest::newRow("no such zone") << QStringList{"--program", "2", "--zone", "2"} << 1;
}

void TestRenderCommand::badArguments()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    const Run r = run(QStringList{QStringLiteral("render"), project()} + options);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY(r.lines.isEmpty());
    QVERIFY(!r.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestRenderCommand)
#include "tst_rendercommand.moc"
