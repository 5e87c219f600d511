#pragma once

#include "model/workspace.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

inline constexpr int PageTurnEffect = 4; // item index of "翻页"
inline constexpr int FixedStayTime = 255;
inline constexpr int UnfixedStayTime = 10;

// Items of "播放方式" (PlayMode - 1) and "动画速度" (Speed - 1).
QStringList playModeNames();
QStringList speedNames();

// With "固定不动" on every effect becomes "翻页".
int effectiveEffectItem(int item, bool fixed);

// The stay box: digits only, "255" means fixed. Empty or blank text leaves
// StayTime as it is.
bool stayTextMeansFixed(const QString &text);
std::optional<int> stayTimeFromText(const QString &text);

// The zone-kind radio group: the current zone becomes a zone of the kind; a
// text zone takes the editor's text and its text-file name at once.
void setZoneKind(WorkspaceState &state, int kind, const QByteArray &editorText);

// The tree's pop-up commands: as above, but a text zone gets the face and
// couplet switch reset, and its file name only when the project is saved.
void setZoneKindFromMenu(WorkspaceState &state, int kind, int faceIndex);

} // namespace lumetra
