#include "ui/project/zonepropertiespanel.h"

#include "ui_zonepropertiespanel.h"

#include "project/programcommands.h"
#include "project/zonepropertyrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace lumetra {

ZonePropertiesPanel::ZonePropertiesPanel(Workspace &workspace, QWidget *parent)
    : QGroupBox(parent), m_workspace(workspace), m_ui(std::make_unique<Ui::ZonePropertiesPanel>())
{
    m_ui->setupUi(this);
    m_effect = m_ui->ComboBox3;
    m_effect->addItems(playModeNames());
    m_speed = m_ui->ComboBox5;
    m_speed->addItems(speedNames());
    m_stay = m_ui->Edit1;
    // Digits only, and no more than the byte the controller keeps.
    m_stay->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^(\\d{0,2}|1\\d\\d|2[0-4]\\d|25[0-5])$")), m_stay));
    m_fixed = m_ui->CheckBox14;
    m_clear = m_ui->CheckBox29;

    connect(m_effect, &QComboBox::currentIndexChanged, this, &ZonePropertiesPanel::ComboBox3Change);
    connect(m_speed, &QComboBox::currentIndexChanged, this, &ZonePropertiesPanel::ComboBox5Change);
    connect(m_stay, &QLineEdit::textChanged, this, &ZonePropertiesPanel::Edit1Change);
    connect(m_fixed, &QCheckBox::toggled, this, &ZonePropertiesPanel::CheckBox14Click);
    connect(m_clear, &QCheckBox::toggled, this, &ZonePropertiesPanel::CheckBox29Click);
}

ZonePropertiesPanel::~ZonePropertiesPanel() = default;

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
