#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QTime>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QString;
class QDialog;
class QWidget;

namespace lumetra {

class ControllerPort;
class ProgramNavigator;
class TF_seltime;
class TFDown;
class UserPrompts;
class Workspace;

// The window's send ("发送", "发送节目") and USB export ("保存到U盘")
// commands, with the controller items they disable while they run.
class SendCommands : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        QWidget *window = nullptr;
        Workspace *workspace = nullptr;
        ProgramNavigator *navigator = nullptr;
        QComboBox *ports = nullptr; // Combo1
        QList<QAction *> controllerActions;
        std::function<UserPrompts &()> prompts;
    };

    explicit SendCommands(const Parts &parts);
    ~SendCommands() override;

    ControllerPort &port() { return *m_port; }
    TFDown *progressWindow() const { return m_progress; }
    TF_seltime *timeDialog() const { return m_timeDialog; }
    QDate &UsbClockDate() { return m_usbClockDate; }
    QTime &UsbClockTime() { return m_usbClockTime; }

    // Tests answer the export dialog here instead of a modal loop.
    void setModalRunner(std::function<int(QDialog &)> runner) { m_runModal = std::move(runner); }

    // Puts a port into the port list and uses it (the editor's --port).
    void selectPort(const QString &name);

    void TBXItem7Click();
    void transdata();
    void TBXItem13Click();
    void DISBUTTON();
    void ENBUTTON();

private:
    void selectFirstProgram();
    void showSelectedProgram();

    Parts m_parts;
    std::unique_ptr<ControllerPort> m_port;
    TFDown *m_progress = nullptr;
    TF_seltime *m_timeDialog = nullptr;
    QDate m_usbClockDate;
    QTime m_usbClockTime;
    std::function<int(QDialog &)> m_runModal;
};

} // namespace lumetra
