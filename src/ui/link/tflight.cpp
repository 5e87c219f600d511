#include "ui/link/tflight.h"

#include "link/displaycontrol.h"
#include "model/error.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui_tflight.h"

#include <algorithm>

namespace lumetra {

namespace {

// A stored level outside 1 … 200 shows as the nearest entry.
int entryOf(int level)
{
    return std::clamp(level, 1, 200) - 1;
}

} // namespace

TFLight::TFLight(const ControlContext &context, QWidget *parent)
    : QDialog(parent), m_context(context), m_ui(std::make_unique<Ui::TFLight>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    connect(m_ui->Button1, &QPushButton::clicked, this, &TFLight::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->Button3, &QPushButton::clicked, this, &TFLight::Button3Click);

    const QStringList entries = DisplayControl::brightnessEntries();
    m_ui->ComboBox18->addItems(entries);
    m_ui->ComboBox19->addItems(entries);
    const DisplayRecord &d = m_context.workspace->display();
    m_ui->DateTimePicker1->setTime(QTime(d.DayBrightnessHour, d.DayBrightnessMinute, 0));
    m_ui->DateTimePicker2->setTime(QTime(d.NightBrightnessHour, d.NightBrightnessMinute, 0));
    m_ui->ComboBox18->setCurrentIndex(entryOf(d.DayBrightness));
    m_ui->ComboBox19->setCurrentIndex(entryOf(d.NightBrightness));
}

TFLight::~TFLight() = default;

QComboBox *TFLight::dayLevels() const
{
    return m_ui->ComboBox18;
}

QComboBox *TFLight::nightLevels() const
{
    return m_ui->ComboBox19;
}

QTimeEdit *TFLight::dayPicker() const
{
    return m_ui->DateTimePicker1;
}

QTimeEdit *TFLight::nightPicker() const
{
    return m_ui->DateTimePicker2;
}

QPushButton *TFLight::sendButton() const
{
    return m_ui->Button1;
}

QPushButton *TFLight::saveButton() const
{
    return m_ui->Button3;
}

BrightnessValues TFLight::shownValues() const
{
    BrightnessValues values;
    values.DayHour = m_ui->DateTimePicker1->time().hour();
    values.DayMinute = m_ui->DateTimePicker1->time().minute();
    values.NightHour = m_ui->DateTimePicker2->time().hour();
    values.NightMinute = m_ui->DateTimePicker2->time().minute();
    values.DayBrightness = m_ui->ComboBox18->currentIndex() + 1;
    values.NightBrightness = m_ui->ComboBox19->currentIndex() + 1;
    return values;
}

bool TFLight::Button3Click()
{
    try {
        DisplayControl::saveBrightness(*m_context.workspace, m_context.defaultProject, shownValues());
    } catch (const Error &e) {
        // The default project file could not be written.
        m_context.prompts().information(this, e.text());
        return false;
    }
    return true;
}

void TFLight::Button1Click()
{
    if (!Button3Click())
        return;
    m_ui->Button1->setEnabled(false);
    const CommandOutcome outcome = DisplayControl::SendLight(m_context.port->link(), *m_context.workspace, shownValues());
    m_ui->Button1->setEnabled(true);
    if (!outcome.Message.isEmpty())
        m_context.prompts().information(this, outcome.Message);
}

} // namespace lumetra
