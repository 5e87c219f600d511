#include "ui/project/zonepropertiespanel.h"

#include "project/programcommands.h"
#include "project/zonepropertyrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace lumetra {

ZonePropertiesPanel::ZonePropertiesPanel(Workspace &workspace, QWidget *parent)
    : QGroupBox(QStringLiteral("节目属性"), parent), m_workspace(workspace)
{
    setObjectName(QStringLiteral("ZonePropertiesGroup"));
    auto *layout = new QGridLayout(this);
    layout->setVerticalSpacing(4);

    m_effect = new QComboBox(this);
    m_effect->setObjectName(QStringLiteral("ComboBox3"));
    m_effect->setToolTip(QStringLiteral("显示屏进入显示方式"));
    m_effect->addItems(playModeNames());
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("ComboBox5"));
    m_speed->setToolTip(QStringLiteral("显示屏移动的速度"));
    m_speed->addItems(speedNames());
    m_speed->setMaxVisibleItems(12);
    m_stay = new QLineEdit(this);
    m_stay->setObjectName(QStringLiteral("Edit1"));
    // Digits only, and no more than the byte the controller keeps.
    m_stay->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^(\\d{0,2}|1\\d\\d|2[0-4]\\d|25[0-5])$")), m_stay));
    m_stay->setMaximumWidth(60);
    m_fixed = new QCheckBox(QStringLiteral("固定不动"), this);
    m_fixed->setObjectName(QStringLiteral("CheckBox14"));
    m_clear = new QCheckBox(QStringLiteral("播放前清场"), this);
    m_clear->setObjectName(QStringLiteral("CheckBox29"));
    m_clear->setChecked(true);
    auto *note =
        new QLabel(QStringLiteral("注意：当左右移动时，页间停留为0和选择单行处理，文本之间不会出现空格。"), this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));

    layout->addWidget(new QLabel(QStringLiteral("播放方式"), this), 0, 0);
    layout->addWidget(m_effect, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("动画速度"), this), 1, 0);
    layout->addWidget(m_speed, 1, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("页间停留"), this), 2, 0);
    layout->addWidget(m_stay, 2, 1);
    layout->addWidget(m_fixed, 2, 2);
    layout->addWidget(m_clear, 3, 0, 1, 3);
    layout->addWidget(note, 4, 0, 1, 3);
    layout->setRowStretch(5, 1);

    connect(m_effect, &QComboBox::currentIndexChanged, this, &ZonePropertiesPanel::ComboBox3Change);
    connect(m_speed, &QComboBox::currentIndexChanged, this, &ZonePropertiesPanel::ComboBox5Change);
    connect(m_stay, &QLineEdit::textChanged, this, &ZonePropertiesPanel::Edit1Change);
    connect(m_fixed, &QCheckBox::toggled, this, &ZonePropertiesPanel::CheckBox14Click);
    connect(m_clear, &QCheckBox::toggled, this, &ZonePropertiesPanel::CheckBox29Click);
}

bool ZonePropertiesPanel::ready() const
{
    return m_workspace.UiReady > 0 && m_workspace.CurrentProgram >= 1;
}

void ZonePropertiesPanel::fill(const ZoneRecord &zone)
{
    const QSignalBlocker b1(m_effect), b2(m_speed), b3(m_stay), b4(m_fixed), b5(m_clear);
    m_effect->setCurrentIndex(zone.PlayMode - 1);
    m_speed->setCurrentIndex(zone.Speed - 1);
    m_stay->setText(QString::number(zone.StayTime));
    m_fixed->setChecked(zone.StayTime == FixedStayTime);
    m_clear->setChecked(zone.ClearBeforePlay != 0);
}

void ZonePropertiesPanel::ComboBox3Change()
{
    if (!ready())
        return;
    const int item = effectiveEffectItem(m_effect->currentIndex(), m_fixed->isChecked());
    if (item != m_effect->currentIndex()) {
        const QSignalBlocker block(m_effect);
        m_effect->setCurrentIndex(item);
    }
    m_workspace.currentZone().PlayMode = item + 1;
    markModified(m_workspace);
}

void ZonePropertiesPanel::ComboBox5Change()
{
    if (!ready())
        return;
    m_workspace.currentZone().Speed = m_speed->currentIndex() + 1;
    markModified(m_workspace);
}

void ZonePropertiesPanel::setStayText(const QString &text)
{
    const QSignalBlocker block(m_stay);
    m_stay->setText(text);
}

void ZonePropertiesPanel::Edit1Change()
{
    if (!ready())
        return;
    const bool fixed = stayTextMeansFixed(m_stay->text());
    if (fixed != m_fixed->isChecked()) {
        // As a click on the box: switching off puts "10" into the stay box.
        const QSignalBlocker block(m_fixed);
        m_fixed->setChecked(fixed);
        CheckBox14Click();
    }
    if (const auto stay = stayTimeFromText(m_stay->text())) {
        m_workspace.currentZone().StayTime = *stay;
        markModified(m_workspace);
        if (m_workspace.currentZone().ZoneType == TextZone && m_rerender)
            m_rerender();
    }
}

void ZonePropertiesPanel::CheckBox14Click()
{
    if (!ready())
        return;
    ZoneRecord &zone = m_workspace.currentZone();
    if (m_fixed->isChecked()) {
        setStayText(QString::number(FixedStayTime));
        zone.StayTime = FixedStayTime;
        const QSignalBlocker block(m_effect);
        m_effect->setCurrentIndex(PageTurnEffect);
        zone.PlayMode = PageTurnEffect + 1;
    } else {
        setStayText(QString::number(UnfixedStayTime));
        zone.StayTime = UnfixedStayTime;
    }
    markModified(m_workspace);
}

void ZonePropertiesPanel::CheckBox29Click()
{
    if (!ready())
        return;
    m_workspace.currentZone().ClearBeforePlay = m_clear->isChecked() ? 1 : 0;
    markModified(m_workspace);
}

} // namespace lumetra
