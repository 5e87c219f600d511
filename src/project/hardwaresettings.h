#pragma once

#include "model/workspace.h"

#include <QString>

namespace lumetra {

// What the parameters tab of the hardware configuration holds.
struct HardwareChoice
{
    int UnitBoardType = 0;
    int RefreshRate = 100;
    bool DataLogic = true;
    bool OeLogic = true;
    int ScreenWidth = 128;
    int ScreenHeight = 16;
    int ColorType = 0;
    int GrayLevel = 0;
    int ColorThreshold = 127;
    int CardClassIndex = 0; // 0 A, 1 B, 2 C
    int CardAddressIndex = 0;
    bool UsbCarriesSettings = false;

    // The dialog's controls as it opens, from WorkingSettings.
    static HardwareChoice fromWorkingSettings(const WorkingSettingsRecord &settings);
};

// The stores of the hardware configuration and its administrator gate. The
// gate is an operator lock: the password is kept in the project file.
class HardwareSettings
{
public:
    static QByteArray cardModelName(int classIndex); // "A类卡", "B类卡", "C类卡"
    static int cardClassIndex(const QByteArray &cardModel);

    // "该注意显示屏的大小改变,…": shown after every save of the parameters.
    static QString sizeChangedMessage();

    // "保存设置" on the parameters tab: WorkingSettings and the display take
    // the choice, the status panels follow, every program's zones are fitted
    // to the new size, and the hardware keys, the port settings, the user,
    // the power and brightness keys and the zone sizes of every program are
    // written to the fixed default project file.
    static void saveParameters(WorkspaceState &state, const QString &defaultProject, const HardwareChoice &choice);

    // The card-class choice: the class, its baud rate (A 4800, B and C 19200)
    // and the port settings written to the default project file.
    static void cardClassChanged(WorkspaceState &state, const QString &defaultProject, int classIndex);

    // The module type decides both logic levels: types 0 and 3 on, 1 and 2 off.
    static bool logicLevelsFor(int unitBoardType);

    // The gate: exactly the stored password (an empty one takes an empty entry).
    static bool gateAccepts(const WorkspaceState &state, const QString &entry);

    // The user tab. saveUser is false (nothing changed) when the old user or
    // password does not match; it writes 用户名 and 密码 to the open project.
    static bool saveUser(WorkspaceState &state, const QString &oldUser, const QString &oldPassword,
                         const QString &newUser, const QString &newPassword);
    static void restoreFactoryPassword(WorkspaceState &state);
    static void cancelPassword(WorkspaceState &state);
};

} // namespace lumetra
