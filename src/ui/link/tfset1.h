#pragma once

#include "link/parameterreply.h"
#include "project/hardwaresettings.h"
#include "ui/link/controlcontext.h"

#include <QDialog>

#include <functional>
#include <memory>

class QButtonGroup;
class QComboBox;

namespace Ui {
class TF_SET1;
}

namespace lumetra {

class StatusPanels;

// "硬件配置": the display's hardware parameters, the administrator's user
// and password and the serial port; it also sends the parameters to the card,
// reads them back and runs the two link tests.
class TF_SET1 : public QDialog
{
    Q_OBJECT
public:
    TF_SET1(const ControlContext &context, QComboBox *ports, StatusPanels *panels, QWidget *parent = nullptr);
    ~TF_SET1() override;

    // Tests answer the port set-up dialog here instead of a modal loop.
    void setModalRunner(std::function<int(QDialog &)> runner) { m_runModal = std::move(runner); }

    // 200 after any change of a parameter control, 0 after opening and saving.
    int modifiedFlag() const { return m_modified; }

    // The parameters tab as the controls show it.
    HardwareChoice shownChoice() const;

    void RadioGroup1Click(int index);
    void RadioGroup3Click(int index);
    bool BitBtn4Click();
    void BitBtn2Click();
    void BitBtn5Click();
    void Button4Click();
    void Button2Click();
    void Button1Click();
    void BitBtn12Click();
    void BitBtn10Click();
    void BitBtn9Click();
    void BitBtn61Click();

private:
    void fillFromWorkingSettings();
    void showParameters(const ParameterValues &values);
    void prepareLink(int replyAddressSource);
    void storeLinkSettings();
    void markModified() { m_modified = 200; }
    void refreshStatus();

    ControlContext m_context;
    QComboBox *m_ports;
    StatusPanels *m_panels;
    std::unique_ptr<Ui::TF_SET1> m_ui;
    QButtonGroup *m_moduleTypes = nullptr;
    QButtonGroup *m_cardClasses = nullptr;
    QButtonGroup *m_linkTypes = nullptr;
    std::function<int(QDialog &)> m_runModal;
    int m_modified = 0;
};

} // namespace lumetra
