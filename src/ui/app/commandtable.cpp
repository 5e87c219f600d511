#include "ui/app/commandtable.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace lumetra {

namespace {
QAction *item(QWidget *owner, const char *name, const QString &caption, const QString &hint = QString(),
              const QKeySequence &shortcut = QKeySequence())
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QIcon standard(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}
} // namespace

CommandTable::CommandTable(QMainWindow *window) : m_window(window)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    QMenu *file = bar->addMenu(QStringLiteral("文件"));
    file->setObjectName(QStringLiteral("FileMenu"));
    menuNew = item(window, "MenuNew", QStringLiteral("新建"), {}, QKeySequence(Qt::CTRL | Qt::Key_N));
    menuOpen = item(window, "MenuOpen", QStringLiteral("打开"), {}, QKeySequence(Qt::CTRL | Qt::Key_O));
    menuSave = item(window, "MenuSave", QStringLiteral("保存"), {}, QKeySequence(Qt::CTRL | Qt::Key_S));
    menuSaveAs = item(window, "MenuSaveAs", QStringLiteral("另存为"));
    menuExit = item(window, "MenuExit", QStringLiteral("退出"));
    file->addActions({menuNew, menuOpen, menuSave, menuSaveAs});
    file->addSeparator();
    file->addAction(menuExit);

    QMenu *programs = bar->addMenu(QStringLiteral("节目"));
    programs->setObjectName(QStringLiteral("ProgramMenu"));
    menuAddProgram = item(window, "MenuAddProgram", QStringLiteral("添加节目"), {}, QKeySequence(Qt::CTRL | Qt::Key_X));
    menuDeleteProgram = item(window, "MenuDeleteProgram", QStringLiteral("删除节目"));
    menuDeleteProgram->setEnabled(false);
    programs->addActions({menuAddProgram, menuDeleteProgram});

    QMenu *settings = bar->addMenu(QStringLiteral("设置"));
    settings->setObjectName(QStringLiteral("SettingsMenu"));
    menuHardware = item(window, "MenuHardware", QStringLiteral("硬件配置"));
    menuBrightness = item(window, "MenuBrightness", QStringLiteral("亮度设置"));
    menuTimer = item(window, "MenuTimer", QStringLiteral("定时开关机设置"));
    settings->addActions({menuHardware, menuBrightness, menuTimer});

    QMenu *send = bar->addMenu(QStringLiteral("发送"));
    send->setObjectName(QStringLiteral("SendMenu"));
    menuSend = item(window, "MenuSend", QStringLiteral("发送节目"));
    menuClock = item(window, "MenuClock", QStringLiteral("校准时间"));
    menuPowerOn = item(window, "MenuPowerOn", QStringLiteral("强制开机"));
    menuPowerOff = item(window, "MenuPowerOff", QStringLiteral("强制关机"));
    menuPause = item(window, "MenuPause", QStringLiteral("暂停显示"));
    menuResume = item(window, "MenuResume", QStringLiteral("继续显示"));
    send->addActions({menuSend, menuClock});
    send->addSeparator();
    send->addActions({menuPowerOn, menuPowerOff, menuPause, menuResume});

    helpMenu = bar->addMenu(QStringLiteral("帮助"));
    helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    menuHelp = item(window, "MenuHelp", QStringLiteral("帮助"));
    menuAbout = item(window, "MenuAbout", QStringLiteral("简介"));
    helpMenu->addActions({menuHelp, menuAbout});
    helpMenu->menuAction()->setVisible(false);

    toolBar = window->addToolBar(QStringLiteral("工具栏"));
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar->setIconSize(QSize(20, 20));
    toolBar->setMovable(false);
    toolNew = item(window, "ToolNew", QStringLiteral("新建"), QStringLiteral("新建一个显示工程"));
    toolOpen = item(window, "ToolOpen", QStringLiteral("打开"), QStringLiteral("打开一个显示工程"));
    toolSave = item(window, "ToolSave", QStringLiteral("保存"), QStringLiteral("保存一个显示工程"));
    toolSaveAs = item(window, "ToolSaveAs", QStringLiteral("另存为"), QStringLiteral("另存为一个显示工程"));
    toolAdd = item(window, "ToolAdd", QStringLiteral("添加"), QStringLiteral("添加一个节目"));
    toolDelete = item(window, "ToolDelete", QStringLiteral("删除"), QStringLiteral("删除当前选择的节目"));
    toolHardware = item(window, "ToolHardware", QStringLiteral("硬件配置"), QStringLiteral("显示屏硬件设置"));
    toolBorder = item(window, "ToolBorder", QStringLiteral("流水边框"));
    toolBrightness = item(window, "ToolBrightness", QStringLiteral("调亮度"), QStringLiteral("显示屏亮度设置"));
    toolTimer = item(window, "ToolTimer", QStringLiteral("定时关机"), QStringLiteral("显示屏定时开关机时间设置"));
    toolSend = item(window, "ToolSend", QStringLiteral("发送"), QStringLiteral("发送工程内的节目信息"));
    toolUsb = item(window, "ToolUsb", QStringLiteral("保存到U盘"), QStringLiteral("通过U盘把数据导入显示屏"));
    toolClock = item(window, "ToolClock", QStringLiteral("校时"), QStringLiteral("校准显示屏时间"));
    toolPowerOn = item(window, "ToolPowerOn", QStringLiteral("开机"), QStringLiteral("强制开启显示屏"));
    toolPowerOff = item(window, "ToolPowerOff", QStringLiteral("关机"), QStringLiteral("强制关闭显示屏"));
    toolPause = item(window, "ToolPause", QStringLiteral("暂停显示"), QStringLiteral("暂停显示屏信息显示"));
    toolResume = item(window, "ToolResume", QStringLiteral("继续显示"), QStringLiteral("继续暂停显示屏信息显示"));
    toolFind = item(window, "ToolFind", QStringLiteral("查找显示屏"));
    toolExit = item(window, "ToolExit", QStringLiteral("退出"), QStringLiteral("退出软件系统"));

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
    toolUsb->setIcon(standard(QStyle::SP_DriveHDIcon));
    toolClock->setIcon(standard(QStyle::SP_MediaSeekForward));
    toolPowerOn->setIcon(standard(QStyle::SP_MediaPlay));
    toolPowerOff->setIcon(standard(QStyle::SP_MediaStop));
    toolPause->setIcon(standard(QStyle::SP_MediaPause));
    toolResume->setIcon(standard(QStyle::SP_MediaPlay));
    toolFind->setIcon(standard(QStyle::SP_FileDialogContentsView));
    toolExit->setIcon(standard(QStyle::SP_DialogCloseButton));

    toolBar->addActions({toolNew, toolOpen, toolSave, toolSaveAs, toolAdd, toolDelete});
    toolBar->addSeparator();
    toolBar->addActions({toolHardware, toolBorder, toolBrightness, toolTimer});
    toolBar->addSeparator();
    toolBar->addActions({toolSend, toolUsb, toolClock, toolPowerOn, toolPowerOff, toolPause, toolResume, toolFind});
    toolBar->addSeparator();
    toolBar->addAction(toolExit);
    for (QAction *hidden : {toolNew, toolOpen, toolSaveAs, toolPowerOn, toolPowerOff, toolPause, toolResume})
        hidden->setVisible(false);
    toolDelete->setEnabled(false);
}

QList<QAction *> CommandTable::controllerActions() const
{
    return {toolHardware, toolBrightness, toolTimer,   toolUsb,      toolBorder,  toolFind,     toolPowerOn,
            toolResume,   toolClock,      toolSend,    toolPowerOff, toolPause,   menuHardware, menuBrightness,
            menuTimer,    menuSend,       menuPowerOn, menuClock,    menuPowerOff};
}

} // namespace lumetra
