#pragma once

#include "link/controllerlink.h"
#include "link/frames.h"
#include "model/workspace.h"

#include <QDateTime>
#include <QString>

namespace lumetra {

// The control commands of the main window and their dialogs: each sends one
// frame through the link and reports as the command table says. The "保存"
// of the timer and brightness dialogs store the values in the display, the
// fixed default project file and WorkingSettings.
class DisplayControl
{
public:
    static CommandOutcome SendPower(ControllerLink &link, WorkspaceState &state, bool on);
    static CommandOutcome SendPAUSE(ControllerLink &link, WorkspaceState &state, bool pause);
    // The frame carries now as the card's new clock and the power times.
    static CommandOutcome SendTimer(ControllerLink &link, WorkspaceState &state, const QDateTime &now,
                                    const PowerTimes &times);
    static CommandOutcome SendLight(ControllerLink &link, WorkspaceState &state, const BrightnessValues &values);
    static CommandOutcome Sendlsbk(ControllerLink &link, WorkspaceState &state, bool on);

    static void saveTimer(WorkspaceState &state, const QString &defaultProject, const PowerTimes &times);
    static void saveBrightness(WorkspaceState &state, const QString &defaultProject, const BrightnessValues &values);

    // What the timer dialog's clock panel shows: 2009年5月7日8点6分1秒星期四.
    static QString clockPanelText(const WorkspaceState &state, const QDateTime &now);

    // "1(最暗)", "2", …, "199", "200(最亮)": entry i is level i + 1.
    static QStringList brightnessEntries();
};

} // namespace lumetra
