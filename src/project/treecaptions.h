#pragma once

#include <QString>

namespace lumetra {

// The program tree's captions carry the selection: "显示屏-1", "节目12",
// "分区3*" (the main zone) or "分区1 ".
QString displayCaption(int display);
QString programCaption(int program);
QString zoneCaption(int templateId, int zone);

// Numbers read back from captions; 0 when the caption has none. The display
// index counts from 0 ("显示屏-1" gives 0).
int displayIndexFromCaption(const QString &caption);
int programNumberFromCaption(const QString &caption);
int zoneNumberFromCaption(const QString &caption);

bool isDisplayCaption(const QString &caption);
bool isProgramCaption(const QString &caption);

} // namespace lumetra
