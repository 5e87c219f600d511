#include "content/textfaces.h"
#include "link/addressselectors.h"
#include "link/frames.h"
#include "link/programstream.h"
#include "model/frameplanes.h"
#include "sign/effects.h"
#include "sign/signcard.h"
#include "sign/signplayer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace lumetra;
using namespace lumetra::sign;

namespace {

// A 1472 × 256 dual-colour sign: a 128-row zone moving in, two side zones
// rolling and uncovering, and a clock zone; every LED of the screen lit or
// not by a pattern.
CardContent bigSign()
{
    DisplayRecord d;
    d.ScreenWidth = 1472;
    d.ScreenHeight = 256;
    d.ColorType = 1;
    d.CardAddress = 1;
    d.BaudRate = 19200;
    d.ProgramCount = 1;
    d.DayBrightness = d.NightBrightness = 150;
    ProgramRecord &p = d.Programs[1];
    p.ZoneCount = 4;
    const int rects[4][4] = {{0, 0, 1472, 128}, {0, 128, 736, 96}, {736, 128, 736, 96}, {0, 224, 1472, 32}};
    const int effects[4] = {MoveLeft, RollDown, BlindRight, PageTurn};
    for (int s = 1; s <= 4; ++s) {
        ZoneRecord &z = p.Zones[s];
        z.InUse = 1;
        z.ZoneType = s == 4 ? ClockZone : TextZone;
        z.X = rects[s - 1][0];
        z.Y = rects[s - 1][1];
        z.Width = rects[s - 1][2];
        z.Height = rects[s - 1][3];
        z.ContentHeight = 2 * z.Height;
        z.PlayMode = effects[s - 1];
        z.Speed = 1;
        z.StayTime = 0;
        z.ClockOptions = 14;
        z.HourX = 600;
        z.MinuteX = 640;
        z.SecondX = 680;
        z.FontSizeIndex = 2;
    }
    auto planes = std::make_unique<FramePlanes>();
    for (int r = 0; r < 2 * 256; ++r)
        for (int c = 0; c < 1472; ++c) {
            planes->redRow(r)[c] = (r * 3 + c) % 7 < 3;
            planes->greenRow(r)[c] = (r + c * 5) % 11 < 4;
        }
    const AddressSelectors sel;
    const ProgramStream stream(*planes, StreamGeometry::fromSettings(d), p);
    SignCard card(SignCard::ClassB, 1, QString());
    card.receive(screenSetFrame(screenParameterBlock(d, d, ParameterBlockVariant::Serial)));
    card.receive(programIndexFrame(d, 0, sel));
    for (int i = 0; i < stream.blockCount(); ++i)
        card.receive(programDataFrame(sel, 1, ProgramStream::blockNumber(i), stream.block(i)));
    card.receive(transferLoadFrame(sel, 1, stream.finalBlockValue()));
    card.receive(borderFrame(sel, QByteArray(), true));
    return card.content();
}

// One frame of the play, about sixty a second: zones part way through their
// entries, the clock drawn once a second, brightness and the border applied.
void BM_SignFrame(benchmark::State &state)
{
    const CardContent content = bigSign();
    SignPlayer player(content, QDateTime(QDate(2026, 3, 4), QTime(12, 0)));
    qint64 ms = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(player.frame(ms).constBits());
        ms += 16;
    }
}
BENCHMARK(BM_SignFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Fonts need the GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TextFaces::installSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
