#include "ui/link/tfusb.h"

#include "ui_tfusb.h"

#include "link/usbexport.h"
#include "model/error.h"
#include "ui/app/userprompts.h"
#include "ui/link/tfseltime.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTimeEdit>

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
        // A read-only volume could never take the file.
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly())
            continue;
        const QString root = volume.rootPath();
        (looksRemovable(root) ? removable : fixed) << root;
    }
    removable.sort();
    fixed.sort();
    return removable + fixed;
}

TF_usb::TF_usb(const UsbDialogParts &parts, QWidget *parent)
    : QDialog(parent), m_parts(parts), m_ui(std::make_unique<Ui::TF_usb>())
{
    m_ui->setupUi(this);
    setFixedSize(size());
    // Any folder may be typed too, e.g. a stick mounted elsewhere.
    m_ui->DriveComboBox1->addItems(volumes());
    const QString designTexts[3] = {QStringLiteral("正在下载节目1"), QStringLiteral("1%"), QString()};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(designTexts[i], m_ui->StatusBar1);
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(i == 0 ? 120 : 60);
        m_ui->StatusBar1->addWidget(label, i == 2 ? 1 : 0);
        m_panels[i] = label;
    }
    connect(m_ui->CheckBox2, &QCheckBox::toggled, m_ui->Button1, &QWidget::setEnabled);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TF_usb::Button1Click);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TF_usb::BitBtn1Click);
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

TF_usb::~TF_usb() = default;

QComboBox *TF_usb::drives() const
{
    return m_ui->DriveComboBox1;
}

QCheckBox *TF_usb::borderBox() const
{
    return m_ui->CheckBox1;
}

QCheckBox *TF_usb::clockBox() const
{
    return m_ui->CheckBox2;
}

QPushButton *TF_usb::editTimeButton() const
{
    return m_ui->Button1;
}

QPushButton *TF_usb::saveButton() const
{
    return m_ui->BitBtn1;
}

QProgressBar *TF_usb::progressBar() const
{
    return m_ui->ProgressBar1;
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
    m_ui->ProgressBar1->setValue(p.maximum > 0 ? p.percent() : 100);
    // The export does not return to the event loop; paint as it goes.
    m_panels[0]->repaint();
    m_panels[1]->repaint();
    m_ui->ProgressBar1->repaint();
}

void TF_usb::BitBtn1Click()
{
    for (QLabel *panel : m_panels)
        panel->clear();
    UsbExportOptions options;
    options.volume = m_ui->DriveComboBox1->currentText().trimmed();
    options.border = m_ui->CheckBox1->isChecked();
    options.clock = m_ui->CheckBox2->isChecked();
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
