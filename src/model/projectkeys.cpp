#include "model/projectkeys.h"

#include "model/gbk.h"

namespace lumetra {

static QByteArray g(const char16_t *text)
{
    return toGbk(QStringView(text));
}

static ProjectKeys build()
{
    ProjectKeys k;
    k.DisplayParams = g(u"显示屏参数");
    k.SerialSection = g(u"显示屏串口");
    k.StorageSection = g(u"显示屏信息存储");
    k.UsedSection = g(u"已占用信息存储");
    k.PowerOnSection = g(u"上电显示");
    k.UserSection = g(u"用户信息");
    k.LinkSection = g(u"通讯方式");
    k.ProgramPrefix = g(u"节目");
    k.TitleSection = g(u"标题");

    k.ProgramId = g(u"节目ID");
    k.ProgramName = g(u"节目名");
    k.ZoneCount = g(u"分区数量");
    k.Template = g(u"节目分区模板");

    const char16_t *slotWords[5] = {u"", u"上", u"左", u"右", u"下"};
    for (int n = 1; n <= 4; ++n) {
        const QByteArray p = g(slotWords[n]) + g(u"分区");
        ProjectKeys::ZoneKeys &z = k.zone[static_cast<std::size_t>(n)];
        z.InUse = p + g(u"标志");
        z.ZoneType = p + g(u"类型");
        z.X = p + g(u"起点X");
        z.Y = p + g(u"起点Y");
        z.Height = p + g(u"高度");
        z.ContentHeight = p + g(u"信息高度");
        z.SingleLine = p + g(u"纯文本");
        z.Width = p + g(u"宽度");
        z.ContentFile = p + g(u"文件");
        z.PlayMode = p + g(u"播放方式");
        z.ClearBeforePlay = p + g(u"播放前清场");
        z.Speed = p + g(u"播放速度");
        z.StayTime = p + g(u"停留时间");

        const QByteArray s = QByteArray::number(n);
        ProjectKeys::ClockKeys &c = k.clock[static_cast<std::size_t>(n)];
        c.ClockText = g(u"时钟固定文本") + s;
        c.FontIndex = g(u"字体") + s;
        c.FontSizeIndex = g(u"字体大小") + s;
        c.BackColor = g(u"背景颜色") + s;
        c.ForeColor = g(u"颜色") + s;
        c.ClockStyle = g(u"时钟风格") + s;
        c.InfoX = g(u"信息位置x") + s;
        c.InfoY = g(u"信息位置y") + s;
        c.InfoSpacing = g(u"信息间距") + s;
        c.WeekRowY = g(u"星期位置") + s;
        c.TimeRowY = g(u"时分位置") + s;
        c.ClockOptions = g(u"年星时选项") + s;
        c.YearFormat = g(u"年格式") + s;
        c.MultiLine = g(u"多行") + s;
        const char16_t *elements[7] = {u"年", u"月", u"日", u"时", u"分", u"秒", u"星期"};
        for (int e = 0; e < 7; ++e) {
            c.positions[static_cast<std::size_t>(2 * e)] = g(u"时钟") + g(elements[e]) + "X" + g(u"坐标") + s;
            c.positions[static_cast<std::size_t>(2 * e + 1)] = g(u"时钟") + g(elements[e]) + "Y" + g(u"坐标") + s;
        }
    }

    k.TimedPlay = g(u"定时播放");
    k.PlayDuration = g(u"播放模式");
    k.VoiceGender = g(u"播放性别");
    k.StartDate = g(u"起播时间");
    k.StopDate = g(u"停播时间");
    for (int i = 0; i < 5; ++i) {
        const QByteArray s = QByteArray::number(i + 1);
        k.StartTimes[static_cast<std::size_t>(i)] = g(u"播放时间") + s;
        k.StopTimes[static_cast<std::size_t>(i)] = g(u"停放时间") + s;
        k.Volumes[static_cast<std::size_t>(i)] = g(u"播放音量") + s;
    }
    const char16_t *days[7] = {u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};
    for (int i = 0; i < 7; ++i)
        k.Weekdays[static_cast<std::size_t>(i)] = g(days[i]);
    return k;
}

const ProjectKeys &ProjectKeys::get()
{
    static const ProjectKeys keys = build();
    return keys;
}

} // namespace lumetra
