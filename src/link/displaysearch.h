#pragma once

#include "link/controllerlink.h"
#include "model/workspace.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace lumetra {

// Finding the display: every listed port is probed in turn at the display's
// baud rate until a card answers. Each port tried becomes the display's port
// (stored in the default project), so the search leaves the found port, or
// the last one when nothing answered.
class DisplaySearch
{
public:
    // Progress 0 … 100 and the label text, after every step.
    using Report = std::function<void(int progress, const QString &label)>;

    // "A类卡不支持这个功能，只有B类卡和C类卡支持。"
    static QString aClassRefusal();
    static bool refuses(const WorkspaceState &state);

    // The found port, or empty.
    static QString run(ControllerLink &link, WorkspaceState &state, const QStringList &ports,
                       const QString &defaultProject, const Report &report);
};

} // namespace lumetra
