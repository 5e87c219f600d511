#pragma once

#include "model/workspace.h"

#include <QString>

namespace lumetra {

// The face list offers "宋体" first, so a new zone's face index is 0.
inline constexpr int SongtiFaceIndex = 0;

// Any change of the project the operator would lose at exit.
void markModified(WorkspaceState &state);

bool programLimitReached(const WorkspaceState &state);

// "对不起" + DisplayName + "最多只能16节目。"
QString programLimitMessage(const WorkspaceState &state);

// Appends a program of the template to the current display and makes it
// current: counts, name and id, zone geometry from the template, every zone
// a text zone with its text-file name, schedule defaults, planes cleared.
// CurrentZone ends on the last zone. The caller checks the limit first.
void addProgram(Workspace &workspace, int templateId, int faceIndex = SongtiFaceIndex);

// Removes program n (1..ProgramCount): the programs after it move up one
// slot, keeping each slot's id and name; CurrentProgram becomes the new last.
void deleteProgram(WorkspaceState &state, int n);

} // namespace lumetra
