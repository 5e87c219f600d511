#include "ui/link/tfusb.h"

#include "link/usbexport.h"
#include "model/error.h"
#include "ui/app/userprompts.h"
#include "ui/link/tfseltime.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace lumetra {

namespace {

// Where desktops mount sticks and cards.
bool looksRemovable(const QString &root)
{
    for (const char *prefix : {"/media/", "/run/media/", "/mnt/"})
        if (root.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

} // namespace

QStringList TF_usb::volumes()
{
    QStringList removable, fixed;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        (looksRemovable(root) ? removable : fixed) << root;
    }
    removable.sort();
    fixed.sort();
    return removable + fixed;
}

TF_usb::TF_usb(const UsbDialogParts &parts, QWidget *parent) : QDialog(parent), m_parts(parts)
{
    setObjectName(QStringLiteral("TF_usb"));
    setWindowTitle(QStringLiteral("U盘数据保存"));
    auto *layout = new QVBoxLayout(this);

    auto *group = new QGroupBox(QStringLiteral("请选择U盘所在的设备"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *groupLayout = new QVBoxLayout(group);
    m_drives = new QComboBox(group);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    // Any folder may be typed, e.g. a stick mounted elsewhere.
    m_drives->setEditable(true);
    m_drives->addItems(volumes());
    groupLayout->addWidget(m_drives);
    layout->addWidget(group);

    m_border = new QCheckBox(QStringLiteral("选择流水边框效果"), this);
    m_border->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(m_border);
    auto *clockRow = new QHBoxLayout;
    m_clock = new QCheckBox(QStringLiteral("选择U盘带时间校准"), this);
    m_clock->setObjectName(QStringLiteral("CheckBox2"));
    m_editTime = new QPushButton(QStringLiteral("编辑时间"), this);
    m_editTime->setObjectName(QStringLiteral("Button1"));
    m_editTime->setEnabled(false);
    clockRow->addWidget(m_clock);
    clockRow->addStretch();
    clockRow->addWidget(m_editTime);
    layout->addLayout(clockRow);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    layout->addWidget(m_bar);

    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("BitBtn1"));
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    const QString designTexts[3] = {QStringLiteral("正在下载节目1"), QStringLiteral("1%"), QString()};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(designTexts[i], status);
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(i == 0 ? 120 : 60);
        status->addWidget(label, i == 2 ? 1 : 0);
        m_panels[i] = label;
    }
    layout->addWidget(status);

    connect(m_clock, &QCheckBox::toggled, m_editTime, &QWidget::setEnabled);
    connect(m_editTime, &QPushButton::clicked, this, &TF_usb::Button1Click);
    connect(m_save, &QPushButton::clicked, this, &TF_usb::BitBtn1Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(380);
}

void TF_usb::Button1Click()
{
    TF_seltime *dialog = m_parts.timeDialog;
    if (!dialog)
        return;
    dialog->calendar()->setSelectedDate(*m_parts.clockDate);
    dialog->timePicker()->setTime(*m_parts.clockTime);
    if (m_parts.runModal(*dialog) != QDialog::Accepted)
        return;
    *m_parts.clockDate = dialog->calendar()->selectedDate();
    *m_parts.clockTime = dialog->timePicker()->time();
}

void TF_usb::showProgress(const TransferProgress &p)
{
    m_panels[0]->setText(QStringLiteral("正在下载节目%1").arg(p.program));
    m_panels[1]->setText(QStringLiteral("%1%").arg(p.maximum > 0 ? p.percent() : 100));
    m_bar->setValue(p.maximum > 0 ? p.percent() : 100);
    // The export does not return to the event loop; paint as it goes.
    m_panels[0]->repaint();
    m_panels[1]->repaint();
    m_bar->repaint();
}

void TF_usb::BitBtn1Click()
{
    for (QLabel *panel : m_panels)
        panel->clear();
    UsbExportOptions options;
    options.volume = m_drives->currentText().trimmed();
    options.border = m_border->isChecked();
    options.clock = m_clock->isChecked();
    options.clockDate = *m_parts.clockDate;
    options.clockTime = *m_parts.clockTime;
    UsbExport exporter(*m_parts.workspace, *m_parts.preparation, *m_parts.selectors);
    exporter.progress = [this](const TransferProgress &p) { showProgress(p); };
    exporter.message = [this](const QString &text) { m_parts.prompts->information(this, text); };
    try {
        if (options.volume.isEmpty())
            throw Error(QStringLiteral("数据没有导入成功。"));
        exporter.transdata_usb(options);
    } catch (const Error &) {
        m_parts.prompts->error(this, QStringLiteral("数据没有导入成功。"));
        return;
    }
    m_parts.prompts->information(this, QStringLiteral("数据导入到") + options.volume + QStringLiteral("盘。"));
}

} // namespace lumetra
