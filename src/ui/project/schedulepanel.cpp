#include "ui/project/schedulepanel.h"

#include "project/programcommands.h"
#include "project/schedulerules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
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

SchedulePanel::SchedulePanel(Workspace &workspace, QWidget *parent) : QWidget(parent), m_workspace(workspace)
{
    setObjectName(QStringLiteral("Panel3"));
    build();
}

void SchedulePanel::build()
{
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    m_playMode = new QGroupBox(QStringLiteral("播放模式"), this);
    m_playMode->setObjectName(QStringLiteral("RadioGroup2"));
    auto *modeLayout = new QGridLayout(m_playMode);
    m_playModeItems = new QButtonGroup(m_playMode);
    auto *inTurn = new QRadioButton(QStringLiteral("顺序播放"), m_playMode);
    auto *fixedTime = new QRadioButton(QStringLiteral("定长播放"), m_playMode);
    m_playModeItems->addButton(inTurn, 0);
    m_playModeItems->addButton(fixedTime, 1);
    inTurn->setChecked(true);
    m_seconds = new QSpinBox(m_playMode);
    m_seconds->setObjectName(QStringLiteral("SpinEdit1"));
    m_seconds->setRange(MinPlaySeconds, MaxPlaySeconds);
    m_seconds->setSingleStep(PlaySecondsStep);
    m_seconds->setValue(200);
    m_seconds->setEnabled(false);
    modeLayout->addWidget(inTurn, 0, 0, 1, 3);
    modeLayout->addWidget(fixedTime, 1, 0);
    modeLayout->addWidget(m_seconds, 1, 1);
    modeLayout->addWidget(new QLabel(QStringLiteral("秒"), m_playMode), 1, 2);
    modeLayout->setRowStretch(2, 1);
    outer->addWidget(m_playMode, 0, Qt::AlignTop);

    m_schedule = new QGroupBox(QStringLiteral("节目属性信息"), this);
    m_schedule->setObjectName(QStringLiteral("GroupBox10"));
    auto *scheduleLayout = new QHBoxLayout(m_schedule);
    auto *left = new QVBoxLayout;
    m_timedPlay = new QCheckBox(QStringLiteral("定时播放"), m_schedule);
    m_timedPlay->setObjectName(QStringLiteral("CheckBox2"));
    left->addWidget(m_timedPlay);

    auto *dates = new QGroupBox(QStringLiteral("播放日期"), m_schedule);
    auto *dateLayout = new QGridLayout(dates);
    auto makeDate = [&](const QString &name, const QString &label, int row) {
        auto *edit = new QDateEdit(QDate(2009, 5, 5), dates);
        edit->setObjectName(name);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        dateLayout->addWidget(new QLabel(label, dates), row, 0);
        dateLayout->addWidget(edit, row, 1);
        return edit;
    };
    m_startDate = makeDate(QStringLiteral("disp_startdate"), QStringLiteral("起播日期"), 0);
    m_stopDate = makeDate(QStringLiteral("disp_enddate"), QStringLiteral("停播日期"), 1);
    left->addWidget(dates);

    auto *days = new QGridLayout;
    const char *dayNames[7] = {"CheckBox5", "CheckBox1", "CheckBox3", "CheckBox4",
                               "CheckBox6", "CheckBox7", "CheckBox8"};
    const QString dayCaptions[7] = {QStringLiteral("星期一"), QStringLiteral("星期二"), QStringLiteral("星期三"),
                                    QStringLiteral("星期四"), QStringLiteral("星期五"), QStringLiteral("星期六"),
                                    QStringLiteral("星期日")};
    for (int i = 0; i < 7; ++i) {
        auto *box = new QCheckBox(dayCaptions[i], m_schedule);
        box->setObjectName(QString::fromLatin1(dayNames[i]));
        box->setChecked(true);
        days->addWidget(box, i / 4, i % 4);
        m_weekdays[static_cast<std::size_t>(i)] = box;
    }
    left->addLayout(days);
    left->addStretch(1);
    scheduleLayout->addLayout(left);

    auto *times = new QGroupBox(QStringLiteral("播放时间"), m_schedule);
    auto *timeLayout = new QGridLayout(times);
    timeLayout->setVerticalSpacing(2);
    for (int n = 1; n <= 5; ++n) {
        const std::size_t i = static_cast<std::size_t>(n - 1);
        auto makeTime = [&](const QString &name) {
            auto *edit = new QTimeEdit(times);
            edit->setObjectName(name);
            edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
            return edit;
        };
        m_startTimes[i] = makeTime(QStringLiteral("sj%1ks").arg(n));
        m_stopTimes[i] = makeTime(QStringLiteral("sj%1js").arg(n));
        m_volumes[i] = new QComboBox(times);
        m_volumes[i]->setObjectName(QStringLiteral("sound%1").arg(n));
        for (int v = 0; v <= MaxVolume; ++v)
            m_volumes[i]->addItem(QString::number(v));
        timeLayout->addWidget(new QLabel(QStringLiteral("起播时间%1").arg(n), times), n - 1, 0);
        timeLayout->addWidget(m_startTimes[i], n - 1, 1);
        timeLayout->addWidget(new QLabel(QStringLiteral("停播时间"), times), n - 1, 2);
        timeLayout->addWidget(m_stopTimes[i], n - 1, 3);
        timeLayout->addWidget(new QLabel(QStringLiteral("音量"), times), n - 1, 4);
        timeLayout->addWidget(m_volumes[i], n - 1, 5);
    }
    scheduleLayout->addWidget(times);
    outer->addWidget(m_schedule, 1);
    setScheduleEnabled(false);

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
