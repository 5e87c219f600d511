#pragma once

#include <QList>

class QAction;
class QMenu;
class QToolBar;

namespace Ui {
class TMAINForm;
}

namespace lumetra {

// The commands of the main window's menu bar and toolbar; their captions,
// hints, shortcuts and states are in the form. Commands whose dialogs come
// later (hardware, brightness, timer, send, USB, search) exist and are not wired.
class CommandTable
{
public:
    explicit CommandTable(Ui::TMAINForm &form);

    // Menu "文件", "节目", "设置", "发送", "帮助".
    QAction *menuNew, *menuOpen, *menuSave, *menuSaveAs, *menuExit;
    QAction *menuAddProgram, *menuDeleteProgram;
    QAction *menuHardware, *menuBrightness, *menuTimer;
    QAction *menuSend, *menuPreview, *menuClock, *menuPowerOn, *menuPowerOff, *menuPause, *menuResume;
    QAction *menuHelp, *menuAbout;
    QMenu *helpMenu;

    // Toolbar.
    QAction *toolNew, *toolOpen, *toolSave, *toolSaveAs, *toolAdd, *toolDelete;
    QAction *toolHardware, *toolBorder, *toolBrightness, *toolTimer, *toolSend, *toolPreview, *toolUsb, *toolClock;
    QAction *toolPowerOn, *toolPowerOff, *toolPause, *toolResume, *toolFind, *toolExit;
    QToolBar *toolBar;

    // The commands disabled while a controller command runs.
    QList<QAction *> controllerActions() const;
};

} // namespace lumetra
