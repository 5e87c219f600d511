#include "content/planetransfer.h"
#include "content/textrenderer.h"
#include "content/textzone.h"
#include "content/zonebitmap.h"
#include "model/frameplanes.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace lumetra;

namespace {

const QString paragraph = QStringLiteral(
    "欢迎光临本店，今日特价：新鲜水果每斤五元，蔬菜八折优惠。营业时间早上八点至晚上十点，节假日照常营业。"
    "本店地址：人民路一百二十八号，联系电话请咨询服务台。会员积分可兑换礼品，详情见店内公告。Lumetra LED 2026");

QByteArray textOfBytes(qsizetype bytes)
{
    QByteArray text;
    const QByteArray piece = toGbk(paragraph);
    while (text.size() < bytes)
        text += piece;
    // Cut on a character boundary.
    qsizetype end = 0;
    while (end < text.size()) {
        const int len = gbkCharLength(text, end);
        if (end + len > bytes)
            break;
        end += len;
    }
    return text.left(end);
}

// A keystroke in the text panel: render, save the bitmap, and refresh the
// layout preview from the saved file with the page marks on screen.
void BM_TextKeystroke128x32(benchmark::State &state)
{
    QTemporaryDir dir;
    Workspace ws;
    setProjectPath(ws, dir.path() + QStringLiteral("/Project.zvp"));
    ws.WorkingSettings.ScreenWidth = 128;
    ws.WorkingSettings.ScreenHeight = 32;
    InitLedDispJiemu(ws);
    ws.display().ProgramCount = 1;
    ws.CurrentProgram = 1;
    ws.CurrentZone = 1;
    ws.UiReady = 200;
    const TextPanelChoice choice{QStringLiteral("宋体"), QStringLiteral("单字12个LED灯大小"), false};
    const QString chars = QString(paragraph).remove(QLatin1Char(' '));
    const QByteArray text = toGbk(QStringView(chars).left(99));
    const QByteArray typed[2] = {text + toGbk(u"店"), text + toGbk(u"门")};

    TextRenderer renderer;
    int n = 0;
    for (auto _ : state) {
        const auto shown = TextZone::memo1Change(renderer, ws, typed[n++ & 1], choice);
        QImage view = shown->render.pages;
        ZoneBitmap::drawPageMarks(view, 32, shown->render.pageCount);
        QImage preview(shown->bitmapPath);
        benchmark::DoNotOptimize(preview.constBits());
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_TextKeystroke128x32)->Unit(benchmark::kMillisecond);

// A fresh renderer every time, so every glyph is drawn from the face anew.
void BM_TextFullZone(benchmark::State &state)
{
    TextRenderInput in;
    in.face = QStringLiteral("宋体");
    in.sizeText = QStringLiteral("单字12个LED灯大小");
    in.Width = 1472;
    in.Height = 6144;
    // 512 lines of 244 bytes fill the zone.
    in.text = textOfBytes(512 * 244);
    for (auto _ : state) {
        TextRenderer renderer;
        const TextRenderResult r = renderer.render(in);
        if (r.pages.height() != 6144)
            state.SkipWithError("the text does not fill the zone");
        benchmark::DoNotOptimize(r.pages.constBits());
    }
}
BENCHMARK(BM_TextFullZone)->Unit(benchmark::kMillisecond);

void BM_PlaneTransfer(benchmark::State &state)
{
    TextRenderInput in;
    in.face = QStringLiteral("宋体");
    in.sizeText = QStringLiteral("单字12个LED灯大小");
    in.ForeColor = 3;
    in.Width = 1472;
    in.Height = 6144;
    in.text = textOfBytes(512 * 244);
    const QImage bitmap = TextRenderer().render(in).pages;

    auto planes = std::make_unique<FramePlanes>();
    WorkingSettingsRecord screen;
    screen.ScreenWidth = 1472;
    screen.ScreenHeight = 32;
    screen.ColorThreshold = 127;
    ZoneRecord zone;
    zone.Width = 1472;
    zone.Height = 32;
    for (auto _ : state) {
        const TransferResult r = PlaneTransfer::transdata(bitmap, zone, screen, *planes);
        if (r.rows != 6144)
            state.SkipWithError("rows were cut");
        benchmark::DoNotOptimize(planes->redRow(0));
    }
    state.SetItemsProcessed(state.iterations() * qint64(bitmap.width()) * bitmap.height());
}
BENCHMARK(BM_PlaneTransfer)->Unit(benchmark::kMillisecond);

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
