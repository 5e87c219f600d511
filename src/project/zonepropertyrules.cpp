#include "project/zonepropertyrules.h"

#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/programcommands.h"

#include <algorithm>

namespace lumetra {

QStringList playModeNames()
{
    return {QStringLiteral("立即显示向左移动"),
            QStringLiteral("立即显示向右移动"),
            QStringLiteral("立即显示向上移动"),
            QStringLiteral("立即显示向下移动"),
            QStringLiteral("翻页"),
            QStringLiteral("从右向左移动"),
            QStringLiteral("从左向右移动"),
            QStringLiteral("从下向上移动"),
            QStringLiteral("从上向下移动"),
            QStringLiteral("从上到下卷入"),
            QStringLiteral("从下到上卷入"),
            QStringLiteral("左卷帘"),
            QStringLiteral("右卷帘"),
            QStringLiteral("随机")};
}

QStringList speedNames()
{
    QStringList names;
    names << QStringLiteral("1(最快档)");
    for (int i = 2; i < 40; ++i)
        names << QString::number(i);
    names << QStringLiteral("40(最慢档)");
    return names;
}

int effectiveEffectItem(int item, bool fixed)
{
    return fixed ? PageTurnEffect : item;
}

bool stayTextMeansFixed(const QString &text)
{
    return text == QLatin1String("255");
}

std::optional<int> stayTimeFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    // The controller holds the stay time in one byte.
    return std::min(value, FixedStayTime);
}

void setZoneKind(WorkspaceState &state, int kind, const QByteArray &editorText)
{
    ZoneRecord &zone = state.currentZone();
    zone.ZoneType = kind;
    zone.ContentFile.clear();
    if (kind == TextZone) {
        zone.Text = editorText;
        zone.ContentFile = toGbk(textFilePath(state, state.CurrentProgram, state.CurrentZone));
    }
    markModified(state);
}

void setZoneKindFromMenu(WorkspaceState &state, int kind, int faceIndex)
{
    ZoneRecord &zone = state.currentZone();
    zone.ZoneType = kind;
    zone.ContentFile.clear();
    if (kind == TextZone) {
        zone.FontIndex = faceIndex;
        zone.YearFormat = 0;
    }
    markModified(state);
}

} // namespace lumetra
