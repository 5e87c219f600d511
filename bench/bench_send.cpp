#include "link/controllerlink.h"
#include "link/frames.h"
#include "link/programsender.h"
#include "link/serialtransport.h"
#include "link/usbexport.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/savefile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

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

// A class-B card on a pseudo-terminal that takes in each frame at the line's
// pace (ten bits a byte) and acknowledges it the moment its last byte is in.
class PacedCard
{
public:
    explicit PacedCard(int baud) : m_bytesPerSecond(baud / 10.0)
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_slavePath = ptsname(m_master);
        // Holding the far end open keeps the master readable between the
        // sender's transactions; raw, so nothing is echoed.
        m_slave = open(m_slavePath.constData(), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(m_slave, &t);
        cfmakeraw(&t);
        tcsetattr(m_slave, TCSANOW, &t);
        m_thread = std::thread([this] { run(); });
    }
    ~PacedCard()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_slave >= 0)
            close(m_slave);
        if (m_master >= 0)
            close(m_master);
    }
    QByteArray path() const { return m_slavePath; }
    // The frame lengths, in order, that make up one send.
    void expect(QList<int> lengths) { m_lengths = std::move(lengths); }

private:
    void run()
    {
        using Clock = std::chrono::steady_clock;
        int frame = 0, have = 0;
        Clock::time_point lineFree = Clock::now();
        char buffer[4096];
        while (!m_stop) {
            pollfd p{m_master, POLLIN, 0};
            if (poll(&p, 1, 5) <= 0)
                continue;
            const ssize_t n = read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            if (have == 0)
                lineFree = std::max(lineFree, Clock::now());
            have += int(n);
            while (!m_lengths.isEmpty() && have >= m_lengths[frame % m_lengths.size()]) {
                const int length = m_lengths[frame % m_lengths.size()];
                lineFree += std::chrono::microseconds(qint64(length * 1e6 / m_bytesPerSecond));
                std::this_thread::sleep_until(lineFree);
                const char ack[3] = {'\x60', '\x01', '\x00'};
                if (write(m_master, ack, 3) != 3)
                    return;
                have -= length;
                ++frame;
            }
        }
    }

    double m_bytesPerSecond;
    int m_master = -1;
    int m_slave = -1;
    QByteArray m_slavePath;
    QList<int> m_lengths;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

// Three programs of a 128 × 32 dual-colour sign to a card reading at 19200
// baud: the time beyond the bytes' own time on the wire.
void BM_SerialSendOverhead(benchmark::State &state)
{
    constexpr int Baud = 19200;
    Workspace ws;
    DisplayRecord &d = ws.display();
    d.ScreenWidth = 128;
    d.ScreenHeight = 32;
    d.ColorType = 1;
    d.ColorThreshold = 127;
    d.CardModel = toGbk(u"B类卡");
    d.ProgramCount = 3;
    static_cast<DisplaySettings &>(ws.WorkingSettings) = d;
    for (int n = 1; n <= 3; ++n) {
        ProgramRecord &p = d.Programs[n];
        p.ZoneCount = 1;
        p.Zones[1].InUse = 1;
        p.Zones[1].Width = 128;
        p.Zones[1].Height = 32;
        p.Zones[1].ContentHeight = 32;
    }
    PacedCard card(Baud);
    if (card.path().isEmpty()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const QList<int> program{ProgramIndexLength, ProgramDataLength, ProgramDataLength, TransferLoadLength};
    card.expect(program + program + program);
    qint64 wireBytes = 0;
    for (int length : program)
        wireBytes += 3 * length;
    const double wireSeconds = double(wireBytes) * 10.0 / Baud;

    ws.ComPort.PortName = card.path();
    ws.ComPort.BaudRate = Baud;
    SerialTransport transport;
    ControllerLink link(ws, transport);
    ProgramPreparation preparation;
    ProgramSender sender(ws, link, preparation);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        sender.transdata();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        total += took.count();
        state.SetIterationTime(took.count());
    }
    state.counters["wire_s"] = wireSeconds;
    state.counters["overhead_pct"] = (total / double(state.iterations()) - wireSeconds) / wireSeconds * 100.0;
}
BENCHMARK(BM_SerialSendOverhead)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

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
