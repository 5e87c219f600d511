#include "model/projectfile.h"

#include "model/contentfiles.h"
#include "model/error.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/projectkeys.h"
#include "model/savefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <variant>

namespace lumetra {

namespace {

using DisplayField = std::variant<int32_t DisplayRecord::*, uint8_t DisplayRecord::*, QByteArray DisplayRecord::*>;

struct DisplayKey
{
    QByteArray section;
    QByteArray key;
    DisplayField field;
    QByteArray fallback;
    bool always; // read from every project file, not only Project.zvp
};

// The display sections in the order they are written.
const std::vector<DisplayKey> &displayKeys()
{
    static const std::vector<DisplayKey> table = [] {
        const ProjectKeys &k = ProjectKeys::get();
        auto g = [](const char16_t *s) { return toGbk(QStringView(s)); };
        const QByteArray &P = k.DisplayParams;
        return std::vector<DisplayKey>{
            {P, g(u"显示屏"), &DisplayRecord::DisplayName, g(u"显示屏-1"), false},
            {P, g(u"显示屏宽度"), &DisplayRecord::ScreenWidth, "128", false},
            {P, g(u"显示屏高度"), &DisplayRecord::ScreenHeight, "32", false},
            {P, g(u"显示屏颜色类型"), &DisplayRecord::ColorType, "0", false},
            {P, g(u"显示屏灰度"), &DisplayRecord::GrayLevel, "0", false},
            {P, g(u"控制卡型号"), &DisplayRecord::CardModel, g(u"A类卡"), false},
            {P, g(u"控制卡地址"), &DisplayRecord::CardAddress, "1", false},
            {P, g(u"开机时间小时"), &DisplayRecord::PowerOnHour, "7", false},
            {P, g(u"开机时间分钟"), &DisplayRecord::PowerOnMinute, "0", false},
            {P, g(u"关机时间小时"), &DisplayRecord::PowerOffHour, "7", false},
            {P, g(u"关机时间分钟"), &DisplayRecord::PowerOffMinute, "0", false},
            {P, g(u"白天亮度"), &DisplayRecord::DayBrightness, "150", false},
            {P, g(u"晚上亮度"), &DisplayRecord::NightBrightness, "150", false},
            {P, g(u"白天亮度时间小时"), &DisplayRecord::DayBrightnessHour, "7", false},
            {P, g(u"白天亮度时间分钟"), &DisplayRecord::DayBrightnessMinute, "0", false},
            {P, g(u"晚上亮度时间小时"), &DisplayRecord::NightBrightnessHour, "19", false},
            {P, g(u"晚上亮度时间分钟"), &DisplayRecord::NightBrightnessMinute, "0", false},
            {P, g(u"u盘"), &DisplayRecord::UsbCarriesSettings, "0", false},
            {P, g(u"颜色阀值"), &DisplayRecord::ColorThreshold, "127", false},
            {P, g(u"刷新频率"), &DisplayRecord::RefreshRate, "100", false},
            {P, g(u"数据逻辑"), &DisplayRecord::DataLogic, "1", false},
            {P, g(u"OE逻辑"), &DisplayRecord::OeLogic, "1", false},
            {k.SerialSection, g(u"串口"), &DisplayRecord::SerialPort, "COM1", false},
            {k.SerialSection, g(u"波特率"), &DisplayRecord::BaudRate, "4800", false},
            {k.StorageSection, g(u"存储信息大小"), &DisplayRecord::StorageSize, "409600", false},
            {k.UsedSection, g(u"已占用存储大小"), &DisplayRecord::StorageUsed, "0", false},
            {k.PowerOnSection, g(u"上电LOGON"), &DisplayRecord::PowerOnText, g(u"QELTO LED显示屏"), false},
            {k.UserSection, g(u"用户名"), &DisplayRecord::UserName, "947", false},
            {k.UserSection, g(u"密码"), &DisplayRecord::Password, "947", false},
            {k.LinkSection, g(u"通讯类型"), &DisplayRecord::LinkType, "0", false},
            {P, g(u"当前节目数"), &DisplayRecord::ProgramCount, "0", true},
            {P, g(u"最大节目数"), &DisplayRecord::MaxProgramCount, "16", true},
            {P, g(u"单元板接口类型"), &DisplayRecord::UnitBoardType, "0", false},
        };
    }();
    return table;
}

// Walks the keys of one program section in the order they are written, so
// that reading and writing share one description of the section.
template <typename V>
void walkProgram(V &v, const QByteArray &section, ProgramRecord &p, int programNo, int32_t screenWidth,
                 const QByteArray &defaultFile)
{
    const ProjectKeys &k = ProjectKeys::get();
    const QByteArray width = QByteArray::number(screenWidth);
    const QByteArray xDefaults[5] = {"", "0", "0", "64", "0"};
    const QByteArray yDefaults[5] = {"", "0", "16", "16", "32"};
    const QByteArray widthDefaults[5] = {"", width, "64", "64", width};

    auto zoneBlock = [&](int n) {
        const ProjectKeys::ZoneKeys &zk = k.zone[static_cast<std::size_t>(n)];
        ZoneRecord &z = p.Zones[n];
        v.field(section, zk.InUse, z.InUse, "0");
        v.field(section, zk.ZoneType, z.ZoneType, "0");
        v.field(section, zk.X, z.X, xDefaults[n]);
        v.field(section, zk.Y, z.Y, yDefaults[n]);
        v.field(section, zk.Height, z.Height, "16");
        v.field(section, zk.ContentHeight, z.ContentHeight, "16");
        v.field(section, zk.SingleLine, z.SingleLine, "0");
        v.field(section, zk.Width, z.Width, widthDefaults[n]);
        v.contentFile(section, zk.ContentFile, z, programNo, n, defaultFile);
        v.field(section, zk.PlayMode, z.PlayMode, "1");
        v.field(section, zk.ClearBeforePlay, z.ClearBeforePlay, "1");
        v.field(section, zk.Speed, z.Speed, "3");
        v.field(section, zk.StayTime, z.StayTime, "4");
    };
    auto clockBlock = [&](int n) {
        const ProjectKeys::ClockKeys &ck = k.clock[static_cast<std::size_t>(n)];
        ZoneRecord &z = p.Zones[n];
        v.field(section, ck.ClockText, z.ClockText, QByteArray());
        v.field(section, ck.FontIndex, z.FontIndex, "0");
        v.field(section, ck.FontSizeIndex, z.FontSizeIndex, "1");
        v.field(section, ck.BackColor, z.BackColor, "4");
        v.field(section, ck.ForeColor, z.ForeColor, "1");
        v.field(section, ck.ClockStyle, z.ClockStyle, "0");
        v.field(section, ck.InfoX, z.InfoX, "0");
        v.field(section, ck.InfoY, z.InfoY, "0");
        v.field(section, ck.InfoSpacing, z.InfoSpacing, "0");
        v.field(section, ck.WeekRowY, z.WeekRowY, "0");
        v.field(section, ck.TimeRowY, z.TimeRowY, "16");
        v.field(section, ck.ClockOptions, z.ClockOptions, "14");
        v.field(section, ck.YearFormat, z.YearFormat, "1");
        v.field(section, ck.MultiLine, z.MultiLine, "1");
    };
    auto positions = [&](int n) {
        const auto &keys = k.clock[static_cast<std::size_t>(n)].positions;
        ZoneRecord &z = p.Zones[n];
        int32_t *fields[14] = {&z.YearX, &z.YearY,   &z.MonthX,  &z.MonthY,  &z.DayX,    &z.DayY,  &z.HourX,
                               &z.HourY, &z.MinuteX, &z.MinuteY, &z.SecondX, &z.SecondY, &z.WeekX, &z.WeekY};
        for (std::size_t i = 0; i < 14; ++i)
            v.field(section, keys[i], *fields[i], "0");
    };

    const QByteArray programId = QByteArray::number(programNo - 1);
    const QByteArray programName = k.ProgramPrefix + QByteArray::number(programNo);
    v.field(section, k.ProgramId, p.ProgramId, programId);
    v.field(section, k.ProgramName, p.ProgramName, programName);
    v.field(section, k.ZoneCount, p.ZoneCount, "1");
    v.field(section, k.Template, p.Template, "1");

    zoneBlock(1);
    clockBlock(1);
    clockBlock(2);
    for (int n = 1; n <= 4; ++n)
        positions(n);
    clockBlock(3);
    clockBlock(4);
    zoneBlock(2);
    zoneBlock(3);
    zoneBlock(4);

    static const QByteArray startTimes[5] = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
    static const QByteArray stopTimes[5] = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
    v.field(section, k.TimedPlay, p.TimedPlay, "0");
    v.field(section, k.PlayDuration, p.PlayDuration, "0");
    for (std::size_t i = 0; i < 5; ++i)
        v.field(section, k.StartTimes[i], p.StartTimes[i], startTimes[i]);
    for (std::size_t i = 0; i < 5; ++i)
        v.field(section, k.StopTimes[i], p.StopTimes[i], stopTimes[i]);
    for (std::size_t i = 0; i < 5; ++i)
        v.field(section, k.Volumes[i], p.Volumes[i], "0");
    v.field(section, k.VoiceGender, p.VoiceGender, "0");
    v.field(section, k.StartDate, p.StartDate, "2009-05-05");
    v.field(section, k.StopDate, p.StopDate, "2009-05-05");
    for (std::size_t i = 0; i < 7; ++i)
        v.field(section, k.Weekdays[i], p.Weekdays[i], "1");
}

// Only optional sign and decimal digits, within 32 bits.
std::optional<int32_t> parseDecimal(QByteArrayView text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int32_t(value);
}

class Reader
{
public:
    Reader(const IniDocument &doc, const QString &file, WorkspaceState &state)
        : m_doc(doc), m_file(file), m_state(state)
    {
    }

    QByteArray raw(const QByteArray &section, const QByteArray &key, const QByteArray &fallback) const
    {
        return m_doc.value(section, key, fallback);
    }

    void field(const QByteArray &section, const QByteArray &key, QByteArray &out, const QByteArray &fallback)
    {
        out = raw(section, key, fallback);
    }

    void field(const QByteArray &section, const QByteArray &key, int32_t &out, const QByteArray &fallback)
    {
        out = number(section, key, fallback);
    }

    // Byte fields take the low eight bits of the number.
    void field(const QByteArray &section, const QByteArray &key, uint8_t &out, const QByteArray &fallback)
    {
        out = static_cast<uint8_t>(static_cast<uint32_t>(number(section, key, fallback)) & 0xFFu);
    }

    void contentFile(const QByteArray &section, const QByteArray &key, ZoneRecord &zone, int, int slot,
                     const QByteArray &fallback)
    {
        zone.ContentFile = raw(section, key, fallback);
        if (zone.ZoneType != TextZone)
            return;
        const QString path = contentFilePath(m_state, zone.ContentFile);
        const QFileInfo info(path);
        if (path.isEmpty() || !info.isFile()) {
            zone.Text.clear();
            return;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("无法读取文件 \"%1\"：%2").arg(path, file.errorString()), path);
        m_state.CurrentZone = slot;
        zone.Text = textFromFileBytes(file.readAll());
    }

private:
    int32_t number(const QByteArray &section, const QByteArray &key, const QByteArray &fallback) const
    {
        const QByteArray text = raw(section, key, fallback);
        if (const auto value = parseDecimal(text))
            return *value;
        throw Error(QStringLiteral("项目文件 \"%1\" 中 [%2] 的 %3 的值 \"%4\" 不是有效的整数。")
                        .arg(m_file, fromGbk(section), fromGbk(key), fromGbk(text)),
                    m_file);
    }

    const IniDocument &m_doc;
    QString m_file;
    WorkspaceState &m_state;
};

class Writer
{
public:
    Writer(IniDocument &doc, WorkspaceState &state, FileBatch &files) : m_doc(doc), m_state(state), m_files(files) {}

    void field(const QByteArray &section, const QByteArray &key, const QByteArray &value, const QByteArray &)
    {
        m_doc.setValue(section, key, value);
    }
    void field(const QByteArray &section, const QByteArray &key, int32_t value, const QByteArray &)
    {
        m_doc.setValue(section, key, QByteArray::number(value));
    }
    void field(const QByteArray &section, const QByteArray &key, uint8_t value, const QByteArray &)
    {
        m_doc.setValue(section, key, QByteArray::number(unsigned(value)));
    }

    // A text zone's 文件 key is written with the stored name, then the text
    // file is written and the key written again with its name.
    void contentFile(const QByteArray &section, const QByteArray &key, ZoneRecord &zone, int programNo, int slot,
                     const QByteArray &)
    {
        m_doc.setValue(section, key, zone.ContentFile);
        if (zone.ZoneType != TextZone)
            return;
        const QString path = textFilePath(m_state, programNo, slot);
        zone.ContentFile = toGbk(path);
        m_files.add(path, textFileBytes(zone.Text));
        m_doc.setValue(section, key, zone.ContentFile);
    }

private:
    IniDocument &m_doc;
    WorkspaceState &m_state;
    FileBatch &m_files;
};

void readDisplay(Reader &reader, WorkspaceState &state, bool settingsToo)
{
    DisplayRecord &d = state.display();
    QByteArray baudText;
    for (const DisplayKey &entry : displayKeys()) {
        if (!entry.always && !settingsToo)
            continue;
        std::visit([&](auto member) { reader.field(entry.section, entry.key, d.*member, entry.fallback); },
                   entry.field);
        if (std::holds_alternative<int32_t DisplayRecord::*>(entry.field) &&
            std::get<int32_t DisplayRecord::*>(entry.field) == &DisplayRecord::BaudRate)
            baudText = reader.raw(entry.section, entry.key, entry.fallback);
    }
    // Counts outside 0..16 would address programs that do not exist.
    d.ProgramCount = std::clamp(d.ProgramCount, 0, MaxPrograms);
    state.WorkingProgramCount = d.ProgramCount;
    if (!settingsToo)
        return;

    WorkingSettingsRecord &ws = state.WorkingSettings;
    ws.ScreenWidth = d.ScreenWidth;
    ws.ScreenHeight = d.ScreenHeight;
    ws.PowerOnText = d.PowerOnText;
    ws.UserName = d.UserName;
    ws.Password = d.Password;
    ws.UnitBoardType = d.UnitBoardType;
    state.ComPort.PortName = d.SerialPort;
    state.StatusPanels[0] = QStringLiteral("显示屏大小:%1*%2").arg(d.ScreenHeight).arg(d.ScreenWidth);
    state.StatusPanels[1] = colorTypeName(d.ColorType);
    state.StatusPanels[2] = unitBoardTypeName(d.UnitBoardType);
    state.StatusPanels[5] = fromGbk(baudText);
    state.StatusPanels[9] = QStringLiteral("注册用户:") + fromGbk(d.UserName);
}

void loadInto(WorkspaceState &state, const QString &path)
{
    InitLedDispJiemu(state);
    const IniDocument doc = IniDocument::load(path);
    Reader reader(doc, path, state);
    readDisplay(reader, state, isDefaultProjectName(path));

    DisplayRecord &d = state.display();
    const QByteArray defaultFile = toGbk(state.ProjectFolder + QStringLiteral("Test.zvf"));
    for (int n = 1; n <= d.ProgramCount; ++n) {
        ProgramRecord &p = d.Programs[n];
        walkProgram(reader, ProjectKeys::get().programSection(n), p, n, d.ScreenWidth, defaultFile);
        // Out-of-range counts would make later code address missing slots.
        p.ZoneCount = std::clamp(p.ZoneCount, 1, MaxZonesUsed);
        p.Template = std::clamp(p.Template, 1, 4);
    }
}

void saveFrom(WorkspaceState &state, const QString &path)
{
    IniDocument doc = IniDocument::load(path);
    // The text files and the project file are replaced together: a failure
    // anywhere leaves all of them as they were.
    FileBatch files;
    Writer writer(doc, state, files);
    DisplayRecord &d = state.display();
    for (const DisplayKey &entry : displayKeys())
        std::visit([&](auto member) { writer.field(entry.section, entry.key, d.*member, entry.fallback); },
                   entry.field);
    const int count = std::clamp(d.ProgramCount, 0, MaxPrograms);
    for (int n = 1; n <= count; ++n)
        walkProgram(writer, ProjectKeys::get().programSection(n), d.Programs[n], n, d.ScreenWidth, QByteArray());
    files.add(path, doc.serialize());
    files.commit();
}

// Sets UiReady to 0 for the duration of a save and to 200 afterwards.
struct UiReadyFence
{
    explicit UiReadyFence(WorkspaceState &s) : state(s) { state.UiReady = 0; }
    ~UiReadyFence() { state.UiReady = 200; }
    WorkspaceState &state;
};

} // namespace

bool isDefaultProjectName(const QString &path)
{
    return QFileInfo(path).fileName().compare(QLatin1String("PROJECT.ZVP"), Qt::CaseInsensitive) == 0;
}

void LoadProject(WorkspaceState &state, const QString &path)
{
    WorkspaceState staged = state;
    loadInto(staged, path);
    state = std::move(staged);
}

void LoadProject(Workspace &workspace, const QString &path)
{
    WorkspaceState staged = workspace;
    loadInto(staged, path);
    workspace.adopt(std::move(staged));
    workspace.planes().clear();
}

void SaveProject(Workspace &workspace, const QString &path)
{
    WorkspaceState before = workspace;
    try {
        UiReadyFence fence(workspace);
        saveFrom(workspace, path);
    } catch (...) {
        workspace.adopt(std::move(before));
        throw;
    }
}

void newProject(Workspace &workspace)
{
    workspace.WorkingProgramCount = 0;
    InitLedDispJiemu(workspace);
}

void openProject(Workspace &workspace, const QString &path)
{
    WorkspaceState staged = workspace;
    setProjectPath(staged, path);
    loadInto(staged, path);
    workspace.adopt(std::move(staged));
    workspace.planes().clear();
}

void saveProject(Workspace &workspace)
{
    SaveProject(workspace, workspace.ProjectPath);
}

void saveProjectAs(Workspace &workspace, const QString &path)
{
    WorkspaceState before = workspace;
    try {
        setProjectPath(workspace, path);
        SaveProject(workspace, workspace.ProjectPath);
    } catch (...) {
        workspace.adopt(std::move(before));
        throw;
    }
}

} // namespace lumetra
