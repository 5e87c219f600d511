#include "signfixture.h"

#include "sign/effects.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;
using namespace lumetra::sign;
using namespace lumetra::sign::test;

class TestSignReplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void framesOfTheMove_data();
    void framesOfTheMove();
    void boardDots();
    void badUsage_data();
    void badUsage();

private:
    int run(const QStringList &args, QByteArray *out = nullptr);

    QTemporaryDir m_dir;
    QString m_card;
    QString m_frames;
};

int TestSignReplay::run(const QStringList &args, QByteArray *out)
{
    QProcess p;
    p.start(QStringLiteral(LUMETRA_BIN_DIR "/lumetra-sign"), args);
    if (!p.waitForFinished(30000))
        return -1;
    if (out)
        *out = p.readAllStandardOutput();
    return p.exitCode();
}

void TestSignReplay::initTestCase()
{
    // A card that received one program: a zone entering from the right at
    // speed 1, saved in its folder as a run of the card leaves it.
    m_card = m_dir.filePath(QStringLiteral("card"));
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, MoveLeft, 1, 2);
    f.card({}, m_card);
    QVERIFY(QFile::exists(m_card + QStringLiteral("/card.json")));
    m_frames = m_dir.filePath(QStringLiteral("frames"));
    QByteArray out;
    QCOMPARE(
        run({"--replay", m_card, "--at", "2026-03-04 12:00:00", "--seconds", "0.7", "--fps", "100", "--out", m_frames},
            &out),
        0);
    QCOMPARE(out, QByteArray("frames 70 out " + m_frames.toLocal8Bit() + "\n"));
}

void TestSignReplay::framesOfTheMove_data()
{
    QTest::addColumn<int>("frame");
    for (int k : {0, 1, 10, 63, 64, 69})
        QTest::addRow("frame %d", k) << k;
}

void TestSignReplay::framesOfTheMove()
{
    QFETCH(int, frame);
    // 100 frames a second at 10 ms a step: frame k shows step k.
    const QImage image(QDir(m_frames).filePath(QStringLiteral("frame-%1.png").arg(frame, 5, 10, QLatin1Char('0'))));
    QCOMPARE(image.size(), QSize(64, 16));
    const int shown = std::min(frame, 64);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x) {
            const int want = x < 64 - shown ? 0 : ledOf(SignFixture::pattern(x - (64 - shown), y, 0));
            if (ledAt(image, x, y) != want)
                QFAIL(qPrintable(QStringLiteral("LED %1,%2").arg(x).arg(y)));
        }
}

void TestSignReplay::boardDots()
{
    const QString out = m_dir.filePath(QStringLiteral("dots"));
    QCOMPARE(run({"--replay", m_card, "--seconds", "1", "--fps", "1", "--pitch", "6", "--out", out}), 0);
    // The first frame: the zone still dark; dots of unlit LEDs on the board.
    const QImage image(QDir(out).filePath(QStringLiteral("frame-00000.png")));
    QCOMPARE(image.size(), QSize(64 * 6, 16 * 6));
    const QRgb centre = image.pixel(3, 3), corner = image.pixel(0, 0);
    QVERIFY(qRed(centre) > qRed(corner));
    QCOMPARE(qRed(centre), qBlue(centre));
}

void TestSignReplay::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit");
    QTest::newRow("no output") << QStringList{"--replay", "x"} << 2;
    QTest::newRow("bad time") << QStringList{"--replay", "x", "--at", "2026-13-01 00:00:00", "--out", "y"} << 2;
    QTest::newRow("no frames a second") << QStringList{"--replay", "x", "--fps", "0", "--out", "y"} << 2;
    QTest::newRow("pitch too large") << QStringList{"--replay", "x", "--pitch", "13", "--out", "y"} << 2;
    QTest::newRow("nothing saved there") << QStringList{"--replay", "/nonexistent", "--out", "y"} << 1;
}

void TestSignReplay::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(int, exit);
    QCOMPARE(run(args), exit);
}

QTEST_MAIN(TestSignReplay)
#include "tst_signreplay.moc"
