#include "project/treecaptions.h"

#include "project/templaterules.h"

namespace lumetra {

namespace {
const QString DisplayPrefix = QStringLiteral("显示屏-");
const QString ProgramPrefix = QStringLiteral("节目");
const QString ZonePrefix = QStringLiteral("分区");

int numberAfter(const QString &caption, const QString &prefix, qsizetype dropTail)
{
    if (!caption.startsWith(prefix) || caption.size() - dropTail <= prefix.size())
        return 0;
    bool ok = false;
    const int n = caption.mid(prefix.size(), caption.size() - prefix.size() - dropTail).toInt(&ok);
    return ok ? n : 0;
}
} // namespace

QString displayCaption(int display)
{
    return DisplayPrefix + QString::number(display + 1);
}

QString programCaption(int program)
{
    return ProgramPrefix + QString::number(program);
}

QString zoneCaption(int templateId, int zone)
{
    const bool main = zone == templateMainZone(templateId);
    return ZonePrefix + QString::number(zone) + (main ? QStringLiteral("*") : QStringLiteral(" "));
}

int displayIndexFromCaption(const QString &caption)
{
    return numberAfter(caption, DisplayPrefix, 0) - 1;
}

int programNumberFromCaption(const QString &caption)
{
    return numberAfter(caption, ProgramPrefix, 0);
}

int zoneNumberFromCaption(const QString &caption)
{
    return numberAfter(caption, ZonePrefix, 1);
}

bool isDisplayCaption(const QString &caption)
{
    return caption.startsWith(QStringLiteral("显示"));
}

bool isProgramCaption(const QString &caption)
{
    return caption.startsWith(ProgramPrefix);
}

} // namespace lumetra
