#include "sign/signparameters.h"

#include "link/frames.h"
#include "model/error.h"
#include "model/gbk.h"
#include "model/inidocument.h"

#include <QFile>

namespace lumetra::sign {

QByteArray SignParameters::load(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() == ScreenParameterBlockLength)
        return bytes;

    const IniDocument ini = IniDocument::parse(bytes);
    const QByteArray display = toGbk(u"显示屏参数");
    if (!ini.hasSection(display)) {
        error = QStringLiteral("%1 is neither a 31-byte parameter block nor a project file").arg(path);
        return {};
    }
    auto number = [&](const QByteArray &section, const char16_t *key, int fallback) {
        bool ok = false;
        const int v = ini.value(section, toGbk(key), QByteArray()).trimmed().toInt(&ok);
        return ok ? v : fallback;
    };
    auto byte = [&](const char16_t *key, int fallback) { return uint8_t(number(display, key, fallback)); };
    DisplayRecord d;
    d.ScreenWidth = number(display, u"显示屏宽度", 128);
    d.ScreenHeight = number(display, u"显示屏高度", 32);
    d.ColorType = number(display, u"显示屏颜色类型", 1);
    d.GrayLevel = number(display, u"显示屏灰度", 0);
    d.CardAddress = number(display, u"控制卡地址", 1);
    d.RefreshRate = number(display, u"刷新频率", 100);
    d.UnitBoardType = number(display, u"单元板接口类型", 0);
    d.DataLogic = number(display, u"数据逻辑", 0);
    d.OeLogic = number(display, u"OE逻辑", 0);
    d.BaudRate = number(toGbk(u"显示屏串口"), u"波特率", 19200);
    d.PowerOnHour = byte(u"开机时间小时", 7);
    d.PowerOnMinute = byte(u"开机时间分钟", 0);
    d.PowerOffHour = byte(u"关机时间小时", 7);
    d.PowerOffMinute = byte(u"关机时间分钟", 0);
    d.DayBrightness = byte(u"白天亮度", 10);
    d.NightBrightness = byte(u"晚上亮度", 10);
    d.DayBrightnessHour = byte(u"白天亮度时间小时", 7);
    d.DayBrightnessMinute = byte(u"白天亮度时间分钟", 0);
    d.NightBrightnessHour = byte(u"晚上亮度时间小时", 20);
    d.NightBrightnessMinute = byte(u"晚上亮度时间分钟", 0);
    return screenParameterBlock(d, d, ParameterBlockVariant::Serial);
}

} // namespace lumetra::sign
