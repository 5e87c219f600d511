#include "ui/app/commandtable.h"

#include "ui_tmainform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QToolBar>

namespace lumetra {

static QIcon standard(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

CommandTable::CommandTable(Ui::TMAINForm &form)
{
    menuNew = form.MenuNew;
    menuOpen = form.MenuOpen;
    menuSave = form.MenuSave;
    menuSaveAs = form.MenuSaveAs;
    menuExit = form.MenuExit;
    menuAddProgram = form.MenuAddProgram;
    menuDeleteProgram = form.MenuDeleteProgram;
    menuHardware = form.MenuHardware;
    menuBrightness = form.MenuBrightness;
    menuTimer = form.MenuTimer;
    menuSend = form.MenuSend;
    menuPreview = form.MenuPreview;
    menuClock = form.MenuClock;
    menuPowerOn = form.MenuPowerOn;
    menuPowerOff = form.MenuPowerOff;
    menuPause = form.MenuPause;
    menuResume = form.MenuResume;
    menuHelp = form.MenuHelp;
    menuAbout = form.MenuAbout;
    helpMenu = form.HelpMenu;
    // The help menu exists but is not shown.
    helpMenu->menuAction()->setVisible(false);

    toolBar = form.ToolBar;
    toolNew = form.ToolNew;
    toolOpen = form.ToolOpen;
    toolSave = form.ToolSave;
    toolSaveAs = form.ToolSaveAs;
    toolAdd = form.ToolAdd;
    toolDelete = form.ToolDelete;
    toolHardware = form.ToolHardware;
    toolBorder = form.ToolBorder;
    toolBrightness = form.ToolBrightness;
    toolTimer = form.ToolTimer;
    toolSend = form.ToolSend;
    toolPreview = form.ToolPreview;
    toolUsb = form.ToolUsb;
    toolClock = form.ToolClock;
    toolPowerOn = form.ToolPowerOn;
    toolPowerOff = form.ToolPowerOff;
    toolPause = form.ToolPause;
    toolResume = form.ToolResume;
    toolFind = form.ToolFind;
    toolExit = form.ToolExit;

    toolNew->setIcon(standard(QStyle::SP_FileIcon));
    toolOpen->setIcon(standard(QStyle::SP_DirOpenIcon));
    toolSave->setIcon(standard(QStyle::SP_DialogSaveButton));
    toolSaveAs->setIcon(standard(QStyle::SP_DialogSaveButton));
    toolAdd->setIcon(standard(QStyle::SP_FileDialogNewFolder));
    toolDelete->setIcon(standard(QStyle::SP_TrashIcon));
    toolHardware->setIcon(standard(QStyle::SP_ComputerIcon));
    toolBorder->setIcon(standard(QStyle::SP_BrowserReload));
    toolBrightness->setIcon(standard(QStyle::SP_DialogYesButton));
    toolTimer->setIcon(standard(QStyle::SP_BrowserStop));
    toolSend->setIcon(standard(QStyle::SP_ArrowRight));
    toolPreview->setIcon(standard(QStyle::SP_DesktopIcon));
    toolUsb->setIcon(standard(QStyle::SP_DriveHDIcon));
    toolClock->setIcon(standard(QStyle::SP_MediaSeekForward));
    toolPowerOn->setIcon(standard(QStyle::SP_MediaPlay));
    toolPowerOff->setIcon(standard(QStyle::SP_MediaStop));
    toolPause->setIcon(standard(QStyle::SP_MediaPause));
    toolResume->setIcon(standard(QStyle::SP_MediaPlay));
    toolFind->setIcon(standard(QStyle::SP_FileDialogContentsView));
    toolExit->setIcon(standard(QStyle::SP_DialogCloseButton));
}

QList<QAction *> CommandTable::controllerActions() const
{
    return {toolHardware, toolBrightness, toolTimer,   toolUsb,      toolBorder,  toolFind,     toolPowerOn,
            toolResume,   toolClock,      toolSend,    toolPowerOff, toolPause,   menuHardware, menuBrightness,
            menuTimer,    menuSend,       menuPowerOn, menuClock,    menuPowerOff, toolPreview, menuPreview};
}

} // namespace lumetra
