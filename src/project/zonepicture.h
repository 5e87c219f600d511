#pragma once

#include "model/workspace.h"

#include <QImage>

namespace lumetra {

// The zone's saved bitmap from ExtFile/, as the previews show it. A missing
// or unreadable bitmap gives a black picture of the zone's size, so that
// showing a program never stops at a file that was not rendered yet.
QImage zonePicture(const WorkspaceState &state, int program, int slot);

} // namespace lumetra
