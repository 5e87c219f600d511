#pragma once

#include "ui/link/controlcontext.h"

#include <QObject>

#include <functional>

class QComboBox;
class QDialog;

namespace lumetra {

class SendCommands;
class StatusPanels;
class TF_LSBK;
class TFMANA;

// The window's control commands: power, pause, the clock and timer, the
// brightness, the moving border and the search for the display.
class ControlCommands : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        QWidget *window = nullptr;
        Workspace *workspace = nullptr;
        SendCommands *send = nullptr; // the port and the items DISBUTTON turns off
        QComboBox *ports = nullptr;   // Combo1
        StatusPanels *panels = nullptr;
        QString defaultProject;
        std::function<UserPrompts &()> prompts;
    };

    explicit ControlCommands(const Parts &parts);

    // Tests drive the modal dialogs here instead of a modal loop.
    void setModalRunner(std::function<int(QDialog &)> runner) { m_runModal = std::move(runner); }
    TF_LSBK *borderDialog() const { return m_border; }
    TFMANA *gate() const { return m_gate; }

    void powerOn() { power(true); }
    void powerOff() { power(false); }
    void pauseDisplay() { pause(true); }
    void resumeDisplay() { pause(false); }
    void openTimer();
    void openBrightness();
    void openBorder();
    void TBXItem17Click();
    // The administrator gate, then the hardware configuration behind it;
    // true when the gate let the operator through.
    bool TBXItem16Click();

private:
    void power(bool on);
    void pause(bool pause);
    void prepareLink();
    void runDialog(QDialog &dialog);
    ControlContext context() const;

    Parts m_parts;
    TF_LSBK *m_border = nullptr;
    TFMANA *m_gate = nullptr;
    std::function<int(QDialog &)> m_runModal;
};

} // namespace lumetra
