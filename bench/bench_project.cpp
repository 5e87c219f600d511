#include "model/gbk.h"
#include "model/projectfile.h"
#include "model/workspace.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lumetra;

namespace {

// 16 programs of three text zones, each with a few lines of text.
void fillFullProject(Workspace &ws, const QString &folder)
{
    setProjectPath(ws, folder + QStringLiteral("/Project.zvp"));
    ws.WorkingSettings.ScreenWidth = 128;
    ws.WorkingSettings.ScreenHeight = 32;
    InitLedDispJiemu(ws);
    DisplayRecord &d = ws.display();
    d.ProgramCount = MaxPrograms;
    for (int n = 1; n <= MaxPrograms; ++n) {
        ProgramRecord &p = d.Programs[n];
        p.Template = 4;
        p.ZoneCount = 3;
        for (int z = 1; z <= 3; ++z) {
            ZoneRecord &zone = p.Zones[z];
            zone.InUse = 1;
            zone.Text =
                toGbk(QStringLiteral("节目%1 分区%2 欢迎光临\r\n今日特价 新鲜水果 Lumetra LED\r\n营业时间 8:00-22:00")
                          .arg(n)
                          .arg(z));
        }
    }
}

void BM_ProjectSave16(benchmark::State &state)
{
    QTemporaryDir dir;
    Workspace ws;
    fillFullProject(ws, dir.path());
    for (auto _ : state)
        SaveProject(ws, ws.ProjectPath);
}
BENCHMARK(BM_ProjectSave16)->Unit(benchmark::kMillisecond);

void BM_ProjectLoad16(benchmark::State &state)
{
    QTemporaryDir dir;
    Workspace ws;
    fillFullProject(ws, dir.path());
    SaveProject(ws, ws.ProjectPath);
    for (auto _ : state)
        LoadProject(ws, ws.ProjectPath);
    if (ws.display().ProgramCount != MaxPrograms)
        state.SkipWithError("project did not load");
}
BENCHMARK(BM_ProjectLoad16)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
