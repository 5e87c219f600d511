#pragma once

#include "model/workspace.h"

#include <QWidget>

#include <array>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QSpinBox;
class QTimeEdit;

namespace Ui {
class SchedulePanel;
}

namespace lumetra {

// Panel3: the current program's play mode and timed schedule. Every handler
// writes the program record at once; while the window fills the panel
// (UiReady 0) only the play-mode handler runs, fenced by PlayModeLoading.
class SchedulePanel : public QWidget
{
    Q_OBJECT
public:
    SchedulePanel(Workspace &workspace, QWidget *parent = nullptr);
    ~SchedulePanel() override;

    // The panel's part of Loadtoscreen for a shown program.
    void fill(ProgramRecord &program);
    // GroupBox10, RadioGroup2 and SpinEdit1 together.
    void setScheduleVisible(bool visible);
    void setScheduleTitle(const QString &title);

    void RadioGroup2Click();
    void CheckBox2Click();

private:
    void connectControls();
    void userEdit(void (SchedulePanel::*handler)());
    void dateChanged();
    void weekdayChanged();
    void timeChanged();
    void volumeChanged();
    void setScheduleEnabled(bool enabled);
    int playModeItem() const;

    Workspace &m_workspace;
    std::unique_ptr<Ui::SchedulePanel> m_ui;
    QGroupBox *m_playMode = nullptr; // RadioGroup2
    QButtonGroup *m_playModeItems = nullptr;
    QSpinBox *m_seconds = nullptr;    // SpinEdit1
    QGroupBox *m_schedule = nullptr;  // GroupBox10
    QCheckBox *m_timedPlay = nullptr; // CheckBox2
    QDateEdit *m_startDate = nullptr;
    QDateEdit *m_stopDate = nullptr;
    std::array<QCheckBox *, 7> m_weekdays{}; // Monday first
    std::array<QTimeEdit *, 5> m_startTimes{};
    std::array<QTimeEdit *, 5> m_stopTimes{};
    std::array<QComboBox *, 5> m_volumes{};
};

} // namespace lumetra
