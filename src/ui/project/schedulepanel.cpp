#include "ui/project/schedulepanel.h"

#include "ui_schedulepanel.h"

#include "project/programcommands.h"
#include "project/schedulerules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>

namespace lumetra {

namespace {
// Blocks the signals of every control while the model is shown in them.
template <typename... W> auto blockAll(W *...widgets)
{
    return std::array<QSignalBlocker, sizeof...(W)>{QSignalBlocker(widgets)...};
}
} // namespace

SchedulePanel::SchedulePanel(Workspace &workspace, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_ui(std::make_unique<Ui::SchedulePanel>())
{
    m_ui->setupUi(this);
    m_playMode = m_ui->RadioGroup2;
    m_playModeItems = new QButtonGroup(m_playMode);
    m_playModeItems->addButton(m_ui->RadioGroup2Item0, 0);
    m_playModeItems->addButton(m_ui->RadioGroup2Item1, 1);
    m_seconds = m_ui->SpinEdit1;
    m_schedule = m_ui->GroupBox10;
    m_timedPlay = m_ui->CheckBox2;
    m_startDate = m_ui->disp_startdate;
    m_stopDate = m_ui->disp_enddate;
    m_weekdays = {m_ui->CheckBox5, m_ui->CheckBox1, m_ui->CheckBox3, m_ui->CheckBox4,
                  m_ui->CheckBox6, m_ui->CheckBox7, m_ui->CheckBox8};
    m_startTimes = {m_ui->sj1ks, m_ui->sj2ks, m_ui->sj3ks, m_ui->sj4ks, m_ui->sj5ks};
    m_stopTimes = {m_ui->sj1js, m_ui->sj2js, m_ui->sj3js, m_ui->sj4js, m_ui->sj5js};
    m_volumes = {m_ui->sound1, m_ui->sound2, m_ui->sound3, m_ui->sound4, m_ui->sound5};
    setScheduleEnabled(false);
    connectControls();
}

SchedulePanel::~SchedulePanel() = default;

void SchedulePanel::connectControls()
{
    connect(m_playModeItems, &QButtonGroup::idClicked, this, [this] { userEdit(&SchedulePanel::RadioGroup2Click); });
    connect(m_seconds, &QSpinBox::valueChanged, this, [this] { userEdit(&SchedulePanel::RadioGroup2Click); });
    connect(m_timedPlay, &QCheckBox::toggled, this, [this] { userEdit(&SchedulePanel::CheckBox2Click); });
    for (QDateEdit *edit : {m_startDate, m_stopDate})
        connect(edit, &QDateEdit::dateChanged, this, [this] { userEdit(&SchedulePanel::dateChanged); });
    for (QCheckBox *box : m_weekdays)
        connect(box, &QCheckBox::toggled, this, [this] { userEdit(&SchedulePanel::weekdayChanged); });
    for (std::size_t i = 0; i < 5; ++i) {
        connect(m_startTimes[i], &QTimeEdit::timeChanged, this, [this] { userEdit(&SchedulePanel::timeChanged); });
        connect(m_stopTimes[i], &QTimeEdit::timeChanged, this, [this] { userEdit(&SchedulePanel::timeChanged); });
        connect(m_volumes[i], &QComboBox::currentIndexChanged, this,
                [this] { userEdit(&SchedulePanel::volumeChanged); });
    }
}

void SchedulePanel::userEdit(void (SchedulePanel::*handler)())
{
    if (m_workspace.UiReady <= 0 || m_workspace.CurrentProgram < 1)
        return;
    (this->*handler)();
    markModified(m_workspace);
}

int SchedulePanel::playModeItem() const
{
    return m_playModeItems->checkedId() == 1 ? 1 : 0;
}

void SchedulePanel::RadioGroup2Click()
{
    ProgramRecord &program = m_workspace.currentProgram();
    if (playModeItem() == 0) {
        m_seconds->setEnabled(false);
        program.PlayDuration = 0;
    } else {
        m_seconds->setEnabled(true);
        m_seconds->setReadOnly(false);
        if (m_workspace.PlayModeLoading == 1) {
            const QSignalBlocker block(m_seconds);
            m_seconds->setValue(clampPlaySeconds(program.PlayDuration));
        }
        applyPlayMode(program, 1, m_seconds->value());
    }
    m_workspace.PlayModeLoading = 0;
}

void SchedulePanel::setScheduleEnabled(bool enabled)
{
    m_startDate->setEnabled(enabled);
    m_stopDate->setEnabled(enabled);
    for (QWidget *w : m_weekdays)
        w->setEnabled(enabled);
    for (std::size_t i = 0; i < 5; ++i) {
        m_startTimes[i]->setEnabled(enabled);
        m_stopTimes[i]->setEnabled(enabled);
        m_volumes[i]->setEnabled(enabled);
    }
}

void SchedulePanel::CheckBox2Click()
{
    const bool ticked = m_timedPlay->isChecked();
    setScheduleEnabled(ticked);
    ProgramRecord &program = m_workspace.currentProgram();
    applyTimedPlay(program, ticked);
    if (!ticked) {
        const auto blocked = blockAll(m_startDate, m_stopDate);
        m_startDate->setDate(dateFromText(program.StartDate));
        m_stopDate->setDate(dateFromText(program.StopDate));
    }
}

void SchedulePanel::dateChanged()
{
    ProgramRecord &program = m_workspace.currentProgram();
    program.StartDate = dateText(m_startDate->date());
    program.StopDate = dateText(m_stopDate->date());
}

void SchedulePanel::weekdayChanged()
{
    ProgramRecord &program = m_workspace.currentProgram();
    for (std::size_t i = 0; i < 7; ++i)
        program.Weekdays[i] = m_weekdays[i]->isChecked() ? 1 : 0;
}

void SchedulePanel::timeChanged()
{
    ProgramRecord &program = m_workspace.currentProgram();
    auto *edit = qobject_cast<QTimeEdit *>(sender());
    for (std::size_t i = 0; i < 5; ++i) {
        if (!edit || edit == m_startTimes[i])
            program.StartTimes[i] = timeText(m_startTimes[i]->time());
        if (!edit || edit == m_stopTimes[i])
            program.StopTimes[i] = timeText(m_stopTimes[i]->time());
    }
}

void SchedulePanel::volumeChanged()
{
    ProgramRecord &program = m_workspace.currentProgram();
    auto *list = qobject_cast<QComboBox *>(sender());
    for (std::size_t i = 0; i < 5; ++i)
        if (!list || list == m_volumes[i])
            program.Volumes[i] = std::max(0, m_volumes[i]->currentIndex());
}

void SchedulePanel::fill(ProgramRecord &program)
{
    // A change of the box acts as a click on it, which also sets the
    // enabled state of the schedule controls.
    const bool ticked = program.TimedPlay >= 1;
    if (m_timedPlay->isChecked() != ticked) {
        const QSignalBlocker block(m_timedPlay);
        m_timedPlay->setChecked(ticked);
        CheckBox2Click();
    }

    m_workspace.PlayModeLoading = 1;
    {
        const auto blocked = blockAll(m_playModeItems, m_seconds);
        m_playModeItems->button(program.PlayDuration < 1 ? 0 : 1)->setChecked(true);
    }
    // Choosing the item runs the click, which takes the stored seconds into
    // the box within its limits and stores them back.
    RadioGroup2Click();

    const QTime fallbackTime(0, 0, 0);
    for (std::size_t i = 0; i < 5; ++i) {
        const auto blocked = blockAll(m_startTimes[i], m_stopTimes[i], m_volumes[i]);
        const QTime start = timeFromText(program.StartTimes[i]);
        const QTime stop = timeFromText(program.StopTimes[i]);
        m_startTimes[i]->setTime(start.isValid() ? start : fallbackTime);
        m_stopTimes[i]->setTime(stop.isValid() ? stop : fallbackTime);
        m_volumes[i]->setCurrentIndex(volumeItem(program.Volumes[i]));
    }
    {
        const auto blocked = blockAll(m_startDate, m_stopDate);
        const QDate fallbackDate = dateFromText(defaultScheduleDate());
        const QDate start = dateFromText(program.StartDate);
        const QDate stop = dateFromText(program.StopDate);
        m_startDate->setDate(start.isValid() ? start : fallbackDate);
        m_stopDate->setDate(stop.isValid() ? stop : fallbackDate);
    }
    for (std::size_t i = 0; i < 7; ++i) {
        const QSignalBlocker block(m_weekdays[i]);
        m_weekdays[i]->setChecked(program.Weekdays[i] >= 1);
    }
}

void SchedulePanel::setScheduleVisible(bool visible)
{
    m_schedule->setVisible(visible);
    m_playMode->setVisible(visible);
    m_seconds->setVisible(visible);
}

void SchedulePanel::setScheduleTitle(const QString &title)
{
    m_schedule->setTitle(title);
}

} // namespace lumetra
