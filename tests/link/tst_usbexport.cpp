#include "link/frames.h"
#include "link/usbexport.h"
#include "model/error.h"
#include "model/gbk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumetra;

namespace {

struct Rig
{
    Workspace ws;
    ProgramPreparation preparation;
    AddressSelectors selectors;

    // programs of one zone of one screen without a file.
    Rig(int width, int height, int colorType, int programs)
    {
        DisplayRecord &d = ws.display();
        d.CardModel = toGbk(u"B类卡");
        d.ScreenWidth = width;
        d.ScreenHeight = height;
        d.ColorType = colorType;
        d.ProgramCount = programs;
        static_cast<DisplaySettings &>(ws.WorkingSettings) = d;
        for (int p = 1; p <= programs; ++p) {
            ProgramRecord &program = d.Programs[p];
            program.ZoneCount = 1;
            ZoneRecord &z = program.Zones[1];
            z.InUse = 1;
            z.Width = width;
            z.Height = height;
            z.ContentHeight = height;
        }
    }

    QByteArray compose(const UsbExportOptions &options = {})
    {
        UsbExport exporter(ws, preparation, selectors);
        return exporter.compose(options);
    }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestUsbExport : public QObject
{
    Q_OBJECT

private slots:
    void header_data()
    {
        QTest::addColumn<bool>("border");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<int>("settings");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("border only") << true << false << 0 << QByteArray("01023130");
        QTest::newRow("clock only") << false << true << 0 << QByteArray("01023530");
        QTest::newRow("both") << true << true << 1 << QByteArray("01023631");
        QTest::newRow("neither") << false << false << 0 << QByteArray("01023030");
    }
    void header()
    {
        QFETCH(bool, border);
        QFETCH(bool, clock);
        QFETCH(int, settings);
        QFETCH(QByteArray, expected);
        Rig rig(64, 16, 0, 2);
        rig.ws.display().UsbCarriesSettings = settings;
        QCOMPARE(UsbExport::header(rig.ws.display(), rig.selectors, border, clock), expected);
    }

    void singleColourProgramLayout()
    {
        Rig rig(64, 16, 0, 1);
        const QByteArray file = rig.compose();
        QCOMPARE(file.size(), 8 + 504 + 1060 + 530);
        // Without the settings the index follows the header directly.
        QCOMPARE(QByteArray::fromHex(file.mid(8, 504)), programIndexFrame(rig.ws.display(), 0, rig.selectors));
        const QByteArray data = QByteArray::fromHex(file.mid(8 + 504, 1060));
        QCOMPARE(data, programDataFrame({}, 1, 2, QByteArray(512, '\0')));
        QCOMPARE(file.mid(8 + 504, 1060), file.mid(8 + 504, 1060).toUpper());
        QVERIFY(!file.contains('\n') && !file.contains('\r'));
        QCOMPARE(file.right(530), UsbExport::transferLoadRecord(1, 3));
    }

    void transferLoadRecordIsRaw()
    {
        const QByteArray r = UsbExport::transferLoadRecord(2, 4);
        QCOMPARE(r.size(), 530);
        QCOMPARE(r.left(8), QByteArray(8, char(0xFC)));
        QCOMPARE(int(r[8]), 2);
        QCOMPARE(int(r[9]), 4);
        QCOMPARE(r.mid(10, 255), QByteArray(255, char(0xFC)));
        QCOMPARE(r.mid(265), QByteArray(265, char(0x97)));
    }

    void settingsFrameFollowsTheHeader()
    {
        Rig rig(64, 16, 0, 1);
        DisplayRecord &d = rig.ws.display();
        d.UsbCarriesSettings = 1;
        d.PowerOnHour = 6;
        rig.ws.WorkingSettings.PowerOnHour = 9; // the disk takes the record's
        const QByteArray file = rig.compose();
        const QByteArray frame = QByteArray::fromHex(file.mid(8, 94));
        QCOMPARE(frame, screenSetFrame(screenParameterBlock(d, d, ParameterBlockVariant::Usb)));
        QCOMPARE(int(uint8_t(frame[8 + 17])), 6);
        QCOMPARE(frame.mid(8 + 28, 3), QByteArray("\x30\xFF\xFF"));
        QVERIFY(file.mid(8 + 94).startsWith("534E44444154FE"));
    }

    void clockInEveryIndex()
    {
        Rig rig(64, 16, 1, 2);
        UsbExportOptions options;
        options.clock = true;
        options.clockDate = QDate(2009, 5, 7);
        options.clockTime = QTime(16, 0, 0);
        const QByteArray file = rig.compose(options);
        const qsizetype programLength = 504 + 1060 + 530;
        for (int k = 0; k < 2; ++k) {
            const QByteArray index = file.mid(8 + k * programLength, 504);
            QCOMPARE(index.mid(2 * 244, 14), QByteArray("09050704100000"));
            QCOMPARE(index.mid(2 * 251, 2), QByteArray("01"));
        }
    }

    void writesTheFileAndCreatesTheFolder()
    {
        QTemporaryDir disk;
        Rig rig(64, 16, 0, 1);
        UsbExport exporter(rig.ws, rig.preparation, rig.selectors);
        UsbExportOptions options;
        options.volume = disk.path();
        const QString path = exporter.transdata_usb(options);
        QCOMPARE(path, disk.filePath(QStringLiteral("qelto/qelto.zv")));
        QCOMPARE(readAll(path), rig.compose());
        QCOMPARE(QDir(disk.filePath(QStringLiteral("qelto"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("qelto.zv")});
    }

    void volumeUnderAPlainFileFails()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain"));
        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        Rig rig(64, 16, 0, 1);
        UsbExport exporter(rig.ws, rig.preparation, rig.selectors);
        UsbExportOptions options;
        options.volume = plain;
        QVERIFY_THROWS_EXCEPTION(Error, exporter.transdata_usb(options));
        QVERIFY(!QFileInfo::exists(plain + QStringLiteral("/qelto/qelto.zv")));
    }

    void fullDiskLeavesNoHalfFile()
    {
        QTemporaryDir disk;
        const QString path = disk.filePath(QStringLiteral("qelto/qelto.zv"));
        Rig rig(64, 16, 0, 4);
        // A file-size limit in a child stands in for a full stick.
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit{1024, 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
            int code = 3;
            try {
                UsbExport exporter(rig.ws, rig.preparation, rig.selectors);
                UsbExportOptions options;
                options.volume = disk.path();
                exporter.transdata_usb(options);
                code = 1;
            } catch (const Error &) {
                code = 0;
            }
            _exit(code);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(!QFileInfo::exists(path));
        // No temporary file is left for the card to find either.
        QVERIFY(QDir(disk.filePath(QStringLiteral("qelto"))).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUsbExport)
#include "tst_usbexport.moc"
