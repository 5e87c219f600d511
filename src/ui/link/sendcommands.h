#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QDialog;
class QWidget;

namespace lumetra {

class ControllerPort;
class ProgramNavigator;
class SignPreview;
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
        QString home; // the application home, where the preview's sign lives
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
    SignPreview *preview() const { return m_preview; }
    QDate &UsbClockDate() { return m_usbClockDate; }
    QTime &UsbClockTime() { return m_usbClockTime; }

    // Tests answer the export dialog here instead of a modal loop.
    void setModalRunner(std::function<int(QDialog &)> runner) { m_runModal = std::move(runner); }

    // Puts a port into the port list and uses it (the editor's --port).
    void selectPort(const QString &name);

    void TBXItem7Click();
    void transdata();
    // "模拟显示": the project to the virtual sign, whose window shows the play.
    void previewClick();
    void TBXItem13Click();
    void DISBUTTON();
    void ENBUTTON();

private:
    void selectFirstProgram();
    void showSelectedProgram();
    void sendThrough(ControllerPort &port);
    void transdata(ControllerPort &port);

    Parts m_parts;
    std::unique_ptr<ControllerPort> m_port;
    TFDown *m_progress = nullptr;
    TF_seltime *m_timeDialog = nullptr;
    SignPreview *m_preview = nullptr;
    std::unique_ptr<ControllerPort> m_previewPort;
    QDate m_usbClockDate;
    QTime m_usbClockTime;
    std::function<int(QDialog &)> m_runModal;
};

} // namespace lumetra
