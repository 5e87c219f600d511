#include "project/hardwaresettings.h"

#include "model/gbk.h"
#include "model/inidocument.h"
#include "model/projectkeys.h"
#include "project/zoneadaptation.h"

#include <algorithm>

namespace lumetra {

namespace {

QByteArray g(const char16_t *text)
{
    return toGbk(QStringView(text));
}

QString statusUser(const QByteArray &user)
{
    return QStringLiteral("注册用户:") + fromGbk(user);
}

void writePortKeys(IniDocument &ini, const DisplayRecord &d)
{
    const ProjectKeys &k = ProjectKeys::get();
    ini.setValue(k.SerialSection, g(u"串口"), d.SerialPort);
    ini.setValue(k.SerialSection, g(u"波特率"), QByteArray::number(d.BaudRate));
}

} // namespace

HardwareChoice HardwareChoice::fromWorkingSettings(const WorkingSettingsRecord &s)
{
    HardwareChoice c;
    c.UnitBoardType = s.UnitBoardType;
    c.RefreshRate = s.RefreshRate;
    c.ScreenHeight = s.ScreenHeight;
    c.ColorThreshold = s.ColorThreshold;
    c.ScreenWidth = s.ScreenWidth;
    c.ColorType = s.ColorType;
    c.GrayLevel = s.GrayLevel;
    c.CardAddressIndex = s.CardAddress - 1;
    c.UsbCarriesSettings = s.UsbCarriesSettings > 0;
    c.CardClassIndex = HardwareSettings::cardClassIndex(s.CardModel);
    c.DataLogic = s.DataLogic > 0;
    c.OeLogic = s.OeLogic > 0;
    return c;
}

QByteArray HardwareSettings::cardModelName(int classIndex)
{
    switch (classIndex) {
    case 2:
        return g(u"C类卡");
    case 1:
        return g(u"B类卡");
    default:
        return g(u"A类卡");
    }
}

int HardwareSettings::cardClassIndex(const QByteArray &cardModel)
{
    if (cardModel == g(u"A类卡"))
        return 0;
    if (cardModel == g(u"B类卡"))
        return 1;
    return 2;
}

QString HardwareSettings::sizeChangedMessage()
{
    return QStringLiteral("该注意显示屏的大小改变,系统对各节目做自适应调整,请\r\n"
                          "查看一下当前节目表中的所有节目的分区大小和信息是否还符合你的要求。");
}

bool HardwareSettings::logicLevelsFor(int unitBoardType)
{
    return unitBoardType == 0 || unitBoardType == 3;
}

void HardwareSettings::saveParameters(WorkspaceState &state, const QString &defaultProject, const HardwareChoice &c)
{
    WorkingSettingsRecord &w = state.WorkingSettings;
    w.ColorThreshold = c.ColorThreshold;
    w.ScreenWidth = c.ScreenWidth;
    w.ScreenHeight = c.ScreenHeight;
    w.ColorType = c.ColorType;
    w.GrayLevel = c.GrayLevel;
    w.CardAddress = c.CardAddressIndex + 1;
    w.UsbCarriesSettings = c.UsbCarriesSettings ? 1 : 0;
    w.CardModel = cardModelName(c.CardClassIndex);
    w.UnitBoardType = c.UnitBoardType;
    w.RefreshRate = c.RefreshRate;
    w.DataLogic = c.DataLogic ? 1 : 0;
    w.OeLogic = c.OeLogic ? 1 : 0;

    DisplayRecord &d = state.display();
    state.ProjectPath = state.ProjectFolder + state.ProjectFileName;
    d.DisplayName = g(u"显示屏-1");
    d.ScreenWidth = w.ScreenWidth;
    d.CardAddress = w.CardAddress;
    d.UsbCarriesSettings = w.UsbCarriesSettings;
    d.CardModel = w.CardModel;
    d.ScreenHeight = w.ScreenHeight;
    d.ColorType = w.ColorType;
    d.ColorThreshold = w.ColorThreshold;
    d.GrayLevel = w.GrayLevel;
    d.RefreshRate = w.RefreshRate;
    d.DataLogic = w.DataLogic;
    d.OeLogic = w.OeLogic;
    d.UnitBoardType = w.UnitBoardType;

    state.StatusPanels[0] = QStringLiteral("显示屏大小:%1*%2").arg(d.ScreenHeight).arg(d.ScreenWidth);
    state.StatusPanels[1] = colorTypeName(d.ColorType);
    // The same names as everywhere else: type 2 is a P10 interface.
    state.StatusPanels[2] = unitBoardTypeName(d.UnitBoardType);

    adaptZonesToSize(d, state.WorkingProgramCount, d.ScreenWidth, d.ScreenHeight);

    const ProjectKeys &k = ProjectKeys::get();
    const QByteArray &P = k.DisplayParams;
    IniDocument ini = IniDocument::load(defaultProject);
    ini.setValue(P, g(u"显示屏"), d.DisplayName);
    ini.setValue(P, g(u"显示屏宽度"), QByteArray::number(d.ScreenWidth));
    ini.setValue(P, g(u"显示屏高度"), QByteArray::number(d.ScreenHeight));
    ini.setValue(P, g(u"显示屏颜色类型"), QByteArray::number(d.ColorType));
    ini.setValue(P, g(u"显示屏灰度"), QByteArray::number(d.GrayLevel));
    ini.setValue(P, g(u"控制卡型号"), d.CardModel);
    ini.setValue(P, g(u"控制卡地址"), QByteArray::number(d.CardAddress));
    ini.setValue(P, g(u"u盘"), QByteArray::number(d.UsbCarriesSettings));
    ini.setValue(P, g(u"颜色阀值"), QByteArray::number(d.ColorThreshold));
    ini.setValue(P, g(u"刷新频率"), QByteArray::number(d.RefreshRate));
    ini.setValue(P, g(u"数据逻辑"), QByteArray::number(d.DataLogic));
    ini.setValue(P, g(u"OE逻辑"), QByteArray::number(d.OeLogic));
    writePortKeys(ini, d);
    ini.setValue(k.UserSection, g(u"用户名"), d.UserName);
    ini.setValue(k.UserSection, g(u"密码"), d.Password);
    ini.setValue(k.LinkSection, g(u"通讯类型"), QByteArray::number(d.LinkType));
    ini.setValue(P, g(u"单元板接口类型"), QByteArray::number(d.UnitBoardType));
    const std::pair<const char16_t *, uint8_t> bytes[] = {
        {u"开机时间小时", d.PowerOnHour},
        {u"开机时间分钟", d.PowerOnMinute},
        {u"关机时间小时", d.PowerOffHour},
        {u"关机时间分钟", d.PowerOffMinute},
        {u"白天亮度", d.DayBrightness},
        {u"晚上亮度", d.NightBrightness},
        {u"白天亮度时间小时", d.DayBrightnessHour},
        {u"白天亮度时间分钟", d.DayBrightnessMinute},
        {u"晚上亮度时间小时", d.NightBrightnessHour},
        {u"晚上亮度时间分钟", d.NightBrightnessMinute},
    };
    for (const auto &[key, value] : bytes)
        ini.setValue(P, g(key), QByteArray::number(unsigned(value)));
    const int count = std::clamp(d.ProgramCount, 0, MaxPrograms);
    for (int n = 1; n <= count; ++n) {
        const QByteArray section = k.programSection(n);
        for (int s = 1; s <= MaxZonesUsed; ++s) {
            const ZoneRecord &z = d.Programs[n].Zones[s];
            ini.setValue(section, k.zone[std::size_t(s)].Height, QByteArray::number(z.Height));
            ini.setValue(section, k.zone[std::size_t(s)].Width, QByteArray::number(z.Width));
        }
    }
    ini.save(defaultProject);
}

void HardwareSettings::cardClassChanged(WorkspaceState &state, const QString &defaultProject, int classIndex)
{
    DisplayRecord &d = state.display();
    d.CardModel = cardModelName(classIndex);
    d.BaudRate = classIndex == 0 ? 4800 : 19200;
    state.ComPort.BaudRate = d.BaudRate;
    state.StatusPanels[5] = QString::number(d.BaudRate);
    d.LinkType = state.WorkingSettings.LinkType;

    IniDocument ini = IniDocument::load(defaultProject);
    ini.setValue(ProjectKeys::get().LinkSection, g(u"通讯类型"), QByteArray::number(d.LinkType));
    writePortKeys(ini, d);
    ini.save(defaultProject);
    state.StatusPanels[4] = fromGbk(d.SerialPort);
}

bool HardwareSettings::gateAccepts(const WorkspaceState &state, const QString &entry)
{
    return toGbk(entry) == state.display().Password;
}

bool HardwareSettings::saveUser(WorkspaceState &state, const QString &oldUser, const QString &oldPassword,
                                const QString &newUser, const QString &newPassword)
{
    WorkingSettingsRecord &w = state.WorkingSettings;
    if (toGbk(oldUser) != w.UserName || toGbk(oldPassword) != w.Password)
        return false;
    w.UserName = toGbk(newUser);
    w.Password = toGbk(newPassword);
    state.display().UserName = w.UserName;
    state.display().Password = w.Password;
    const ProjectKeys &k = ProjectKeys::get();
    IniDocument ini = IniDocument::load(state.ProjectPath);
    ini.setValue(k.UserSection, g(u"用户名"), w.UserName);
    ini.setValue(k.UserSection, g(u"密码"), w.Password);
    ini.save(state.ProjectPath);
    state.StatusPanels[9] = statusUser(w.UserName);
    return true;
}

void HardwareSettings::restoreFactoryPassword(WorkspaceState &state)
{
    const QByteArray factory = "947";
    state.WorkingSettings.UserName = factory;
    state.WorkingSettings.Password = factory;
    state.display().UserName = factory;
    state.display().Password = factory;
    state.StatusPanels[9] = statusUser(factory);
}

void HardwareSettings::cancelPassword(WorkspaceState &state)
{
    const QByteArray factory = "947";
    state.WorkingSettings.UserName = factory;
    state.WorkingSettings.Password.clear();
    state.display().UserName = factory;
    state.display().Password.clear();
    state.StatusPanels[9] = statusUser(factory);
}

} // namespace lumetra
