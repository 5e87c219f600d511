#include "link/displaysearch.h"

#include "link/frames.h"
#include "link/linkmessages.h"
#include "link/portsettings.h"
#include "model/error.h"
#include "model/gbk.h"

namespace lumetra {

QString DisplaySearch::aClassRefusal()
{
    return QStringLiteral("A类卡不支持这个功能，只有B类卡和C类卡支持。");
}

bool DisplaySearch::refuses(const WorkspaceState &state)
{
    return state.display().CardModel == toGbk(u"A类卡");
}

QString DisplaySearch::run(ControllerLink &link, WorkspaceState &state, const QStringList &ports,
                           const QString &defaultProject, const Report &report)
{
    if (ports.isEmpty()) {
        report(0, noSerialPortMessage());
        return QString();
    }
    state.ReplyBuffer.clear();
    state.ReplyCount = 0;
    state.ReplyAddressSource = 2;
    int progress = 0;
    report(progress, QString());
    const QString notFound = QStringLiteral("没有找到显示屏,请检查硬件和通讯线。");
    const int step = 100 / int(ports.size());
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const QString &port = ports.at(i);
        const bool last = i + 1 == ports.size();
        progress += step;
        state.ReplyCode = 0;
        state.display().SerialPort = toGbk(port);
        PortSettings::ApplayCom(state, defaultProject);
        report(progress, QStringLiteral("探测") + port + QStringLiteral("......"));
        try {
            link.transact(probeFrame(), CommandEntry::of(CommandKind::Probe).timeoutMs());
        } catch (const Error &) {
            // A port another program holds, or one that is gone: try the next.
            state.ReplyCode = 0;
        }
        if (state.ReplyCode != 0) {
            report(100, QStringLiteral("已经找到显示屏在") + port);
            return port;
        }
        if (last)
            report(100, notFound);
    }
    return QString();
}

} // namespace lumetra
