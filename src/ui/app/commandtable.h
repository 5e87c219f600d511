#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace lumetra {

// The menu bar and the toolbar of the main window, with the captions, hints,
// shortcuts and states of every command. Commands whose dialogs come later
// (hardware, brightness, timer, send, USB, search) exist and are not wired.
class CommandTable
{
public:
    explicit CommandTable(QMainWindow *window);

    // Menu "文件", "节目", "设置", "发送", "帮助".
    QAction *menuNew, *menuOpen, *menuSave, *menuSaveAs, *menuExit;
    QAction *menuAddProgram, *menuDeleteProgram;
    QAction *menuHardware, *menuBrightness, *menuTimer;
    QAction *menuSend, *menuClock, *menuPowerOn, *menuPowerOff, *menuPause, *menuResume;
    QAction *menuHelp, *menuAbout;
    QMenu *helpMenu;

    // Toolbar.
    QAction *toolNew, *toolOpen, *toolSave, *toolSaveAs, *toolAdd, *toolDelete;
    QAction *toolHardware, *toolBorder, *toolBrightness, *toolTimer, *toolSend, *toolUsb, *toolClock;
    QAction *toolPowerOn, *toolPowerOff, *toolPause, *toolResume, *toolFind, *toolExit;
    QToolBar *toolBar;

    // The commands disabled while a controller command runs.
    QList<QAction *> controllerActions() const;

private:
    QMainWindow *m_window;
};

} // namespace lumetra
