#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace lumetra {

class ControllerPort;
class UserPrompts;
class Workspace;

// What the control dialogs share with the window: the display, the port the
// commands go through, the fixed default project file and the message boxes.
struct ControlContext
{
    Workspace *workspace = nullptr;
    ControllerPort *port = nullptr;
    QString defaultProject;
    std::function<UserPrompts &()> prompts;
};

} // namespace lumetra
