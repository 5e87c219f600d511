#include "support/clirun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <zlib.h>

using namespace lumetra::test;

namespace {

bool copyProject(const QString &to)
{
    const QString from = QStringLiteral(LUMETRA_SOURCE_DIR "/resources/Project");
    QDir().mkpath(to + "/ExtFile");
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files))
        if (!QFile::copy(entry.filePath(), to + '/' + entry.fileName()))
            return false;
    for (const QFileInfo &entry : QDir(from + "/ExtFile").entryInfoList(QDir::Files))
        if (!QFile::copy(entry.filePath(), to + "/ExtFile/" + entry.fileName()))
            return false;
    return true;
}

bool replaceInFile(const QString &path, const QByteArray &from, const QByteArray &to)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = f.readAll();
    f.close();
    if (!bytes.contains(from))
        return false;
    bytes.replace(from, to);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A red picture of the given size as PNG, built row by row so the test
// never holds it decoded.
QByteArray solidPng(quint32 width, quint32 height)
{
    auto chunk = [](const char *type, const QByteArray &data) {
        QByteArray c;
        const quint32 n = quint32(data.size());
        c.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
        const QByteArray body = QByteArray(type, 4) + data;
        c += body;
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size())));
        c.append(char(crc >> 24)).append(char(crc >> 16)).append(char(crc >> 8)).append(char(crc));
        return c;
    };
    QByteArray header;
    for (quint32 v : {width, height})
        header.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
    header.append("\x08\x02\x00\x00\x00", 5);

    QByteArray row(1 + 3 * int(width), '\0');
    for (quint32 x = 0; x < width; ++x)
        row[1 + 3 * int(x)] = char(0xFF);
    z_stream z{};
    deflateInit(&z, 9);
    QByteArray packed;
    char out[1 << 16];
    for (quint32 y = 0; y < height; ++y) {
        z.next_in = reinterpret_cast<Bytef *>(row.data());
        z.avail_in = uInt(row.size());
        const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef *>(out);
            z.avail_out = sizeof out;
            deflate(&z, flush);
            packed.append(out, int(sizeof out - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", packed) +
           chunk("IEND", QByteArray());
}

long peakChildKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

} // namespace

// Inputs far outside what the editor writes: each one gives a clear error
// or a sound cut-off, quickly, with memory bounded, and never a crash.
class TestBadInputs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString project() const { return m_dir.filePath(QStringLiteral("p/Project.zvp")); }
    CliRun cli(const QStringList &args) { return runCli(QStringList{"--home", m_dir.filePath("home")} + args); }

    void checkMemory()
    {
#if !defined(__SANITIZE_ADDRESS__)
        // Every run so far stayed well below what the inputs would take
        // if they were held whole several times over.
        QVERIFY2(peakChildKilobytes() < 1024 * 1024, qPrintable(QString::number(peakChildKilobytes())));
#endif
    }

private slots:
    void init()
    {
        QDir(m_dir.filePath("p")).removeRecursively();
        QVERIFY(copyProject(m_dir.filePath("p")));
    }

    void projectFileOfGarbage()
    {
        QFile f(project());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QRandomGenerator random(5);
        QByteArray bytes(200000, '\0');
        for (char &b : bytes)
            b = char(random.bounded(256));
        f.write(bytes);
        f.close();
        // Missing keys take their defaults: an empty display, no crash.
        const CliRun run = cli({"info", project()});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("programs=0"), qPrintable(run.out));
        checkMemory();
    }

    void projectFileOf50MB()
    {
        QFile f(project());
        QVERIFY(f.open(QIODevice::Append));
        const QByteArray line = "junk" + QByteArray(90, 'x') + "=value\r\n";
        const QByteArray block = line.repeated(1 << 14);
        for (qint64 written = 0; written < 50ll << 20; written += block.size())
            QCOMPARE(f.write(block), block.size());
        f.close();
        const CliRun run = cli({"info", project()});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.contains("programs=3"), qPrintable(run.out));
        checkMemory();
    }

    void textZoneFileOf20MB()
    {
        QFile f(m_dir.filePath("p/Project0-0-1.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray chunk = QByteArray("\xd6\xd0\xce\xc4 LED ").repeated(1 << 16);
        for (qint64 written = 0; written < 20ll << 20; written += chunk.size())
            f.write(chunk);
        f.close();

        const CliRun render = cli({"render", project(), "--program", "1", "--zone", "1"});
        QCOMPARE(render.code, 1);
        QVERIFY2(render.err.contains("分区图像太大"), qPrintable(render.err));

        // The export stops with the cause and leaves no file behind.
        const QString disk = m_dir.filePath("disk");
        const CliRun usb = cli({"export-usb", project(), "--to", disk});
        QCOMPARE(usb.code, 1);
        QVERIFY2(usb.err.contains("分区图像太大") && usb.err.contains("数据没有导入成功。"), qPrintable(usb.err));
        QVERIFY(!QFile::exists(disk + "/qelto/qelto.zv"));
        checkMemory();
    }

    void pictureOf20000Squared()
    {
        const QByteArray png = solidPng(20000, 20000);
        QFile rtf(m_dir.filePath("p/huge.rtf"));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1\\ansi\\ansicpg936 before {\\pict\\pngblip\\picw20000\\pich20000 ");
        rtf.write(png.toHex());
        rtf.write("} after}");
        rtf.close();
        QVERIFY(replaceInFile(project(), "Program3.zvf", "huge.rtf"));

        // Too large to decode: the import says so, the picture is a frame of
        // its size, the pages stop at the rich-text row limit.
        const CliRun render = cli({"render", project(), "--program", "3", "--zone", "3"});
        QCOMPARE(render.code, 0);
        QVERIFY2(render.err.contains("文件读错误。"), qPrintable(render.err));
        const QString planes = m_dir.filePath("planes.png");
        QCOMPARE(cli({"planes", project(), "--program", "3", "--out", planes}).code, 0);
        QCOMPARE(QImage(planes).height(), 4096);
        checkMemory();
    }
};

QTEST_GUILESS_MAIN(TestBadInputs)
#include "tst_badinputs_e2e.moc"
