#pragma once

#include "model/frameplanes.h"
#include "model/records.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

namespace lumetra {

// Port name and rate of the one serial port object, as far as the model needs
// them (reset copies them into the display record).
struct SerialComponentSettings
{
    QByteArray PortName = "COM1";
    int32_t BaudRate = 4800;
};

inline constexpr int StatusPanelCount = 10;

// Everything of the editing state that can be copied: a load works on a copy
// and is taken over only when it succeeds.
struct WorkspaceState
{
    std::array<DisplayRecord, MaxDisplays> Displays;

    int32_t CurrentDisplay = 0;
    int32_t CurrentProgram = 0;
    int32_t CurrentZone = 1;
    int32_t CurrentTemplate = 1;
    int32_t WorkingProgramCount = 0;

    WorkingSettingsRecord WorkingSettings;
    SerialComponentSettings ComPort;

    // Guard flags: while a guard is set, the handlers it fences do nothing.
    int32_t UiReady = 0;
    int32_t LayoutLoading = 0;
    int32_t ClockLoading = 0;
    int32_t PlayModeLoading = 0;
    int32_t ModifiedFlag = 0;
    bool FirstShow = true;

    // The open project. Paths use "/", ProjectFolder ends in "/".
    QString ProjectFolder;
    QString ProjectFileName;
    QString ProjectPath;
    QString ProjectBaseName;

    std::array<QByteArray, 7> WeekdayNames;   // index 0 = Sunday
    std::array<QByteArray, 10> TwoDigitNames; // "00" … "09"

    // Texts for the main window's status panels, kept with the model so that
    // the core can set them without knowing the window.
    std::array<QString, StatusPanelCount> StatusPanels;

    // Serial reply state.
    int32_t ReplyCode = 0;
    QByteArray ReplyBuffer;
    int32_t ReplyCount = 0;
    int32_t ReplyAddressSource = 2;

    WorkspaceState();

    DisplayRecord &display() { return Displays.at(static_cast<std::size_t>(CurrentDisplay)); }
    const DisplayRecord &display() const { return Displays.at(static_cast<std::size_t>(CurrentDisplay)); }
    ProgramRecord &program(int n) { return display().Programs[n]; }
    const ProgramRecord &program(int n) const { return display().Programs[n]; }
    ProgramRecord &currentProgram() { return program(CurrentProgram); }
    ZoneRecord &currentZone() { return currentProgram().Zones[CurrentZone]; }
};

// The state plus the frame planes, which are allocated once and never copied.
class Workspace : public WorkspaceState
{
public:
    Workspace();
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;

    FramePlanes &planes() { return *m_planes; }
    const FramePlanes &planes() const { return *m_planes; }

    // Takes over a state prepared on a copy, keeping the planes.
    void adopt(WorkspaceState &&state) { static_cast<WorkspaceState &>(*this) = std::move(state); }

private:
    std::unique_ptr<FramePlanes> m_planes;
};

// Sets ProjectFolder, ProjectFileName, ProjectPath and ProjectBaseName from a
// full file name, as Open and Save As do.
void setProjectPath(WorkspaceState &state, const QString &fullPath);

// Resets the current display to its defaults. The overload on the state
// leaves the planes to the caller.
void InitLedDispJiemu(WorkspaceState &state);
void InitLedDispJiemu(Workspace &workspace);

// Schedule fields of a program back to their reset values.
void resetSchedule(ProgramRecord &program);

// Module type shown in status panel 2.
QString unitBoardTypeName(int unitBoardType);
QString colorTypeName(int colorType);
QString linkTypeName(int linkType);

// Mapped as the serial component maps its rates: the six it knows, else 9600.
int32_t mapBaudRate(int32_t rate);

} // namespace lumetra
