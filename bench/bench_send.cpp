#include "link/usbexport.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/savefile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lumetra;

namespace {

// 16 programs of a 1472 × 256 dual-colour sign, three text zones each.
void fillSign(Workspace &ws, const QString &folder)
{
    setProjectPath(ws, folder + QStringLiteral("/Project.zvp"));
    DisplayRecord &d = ws.display();
    d.ScreenWidth = 1472;
    d.ScreenHeight = 256;
    d.ColorType = 1;
    d.ColorThreshold = 127;
    d.CardModel = toGbk(u"B类卡");
    d.ProgramCount = MaxPrograms;
    static_cast<DisplaySettings &>(ws.WorkingSettings) = d;
    const int rects[3][4] = {{0, 0, 1472, 128}, {0, 128, 736, 128}, {736, 128, 736, 128}};
    for (int n = 1; n <= MaxPrograms; ++n) {
        ProgramRecord &p = d.Programs[n];
        p.Template = 4;
        p.ZoneCount = 3;
        for (int z = 1; z <= 3; ++z) {
            ZoneRecord &zone = p.Zones[z];
            zone.InUse = 1;
            zone.ZoneType = TextZone;
            zone.X = rects[z - 1][0];
            zone.Y = rects[z - 1][1];
            zone.Width = rects[z - 1][2];
            zone.Height = rects[z - 1][3];
            zone.ContentHeight = zone.Height;
            zone.ForeColor = 1 + (n + z) % 3;
            zone.Text =
                toGbk(QStringLiteral("节目%1 分区%2 欢迎光临\r\n今日特价 新鲜水果 Lumetra LED\r\n营业时间 8:00-22:00")
                          .arg(n)
                          .arg(z));
            const QString file = textFilePath(ws, n, z);
            zone.ContentFile = toGbk(file);
            writeFileAtomically(file, textFileBytes(zone.Text));
        }
    }
}

void BM_UsbExport16(benchmark::State &state)
{
    QTemporaryDir project, disk;
    Workspace ws;
    fillSign(ws, project.path());
    ProgramPreparation preparation;
    UsbExport exporter(ws, preparation, AddressSelectors{});
    UsbExportOptions options;
    options.volume = disk.path();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString path = exporter.transdata_usb(options);
        bytes = QFileInfo(path).size();
    }
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_UsbExport16)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Fonts need the GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
