#pragma once

#include "model/workspace.h"

#include <QImage>

namespace lumetra {

class TemplatePreview;

// The sign pane after an edit of the current zone: its picture becomes the
// bitmap just saved; in templates 2 to 4 the other zones are painted black
// at their own size. A picture without rows shows black.
void showEditedZonePicture(TemplatePreview &pane, const WorkspaceState &state, const QImage &picture);

} // namespace lumetra
