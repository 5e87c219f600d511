#include "ui/link/tfdown.h"

#include "link/programsender.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace lumetra {

namespace {

QLabel *statusPanel(QStatusBar *bar, const QString &name, const QString &text, int stretch)
{
    auto *label = new QLabel(text, bar);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    bar->addWidget(label, stretch);
    return label;
}

} // namespace

TFDown::TFDown(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("TFDown"));
    setWindowTitle(QStringLiteral("节目信息下载进度"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 0);
    auto *caption = new QLabel(QStringLiteral("完成进度"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(caption);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    layout->addWidget(m_bar);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    m_program = statusPanel(status, QStringLiteral("StatusBar1Panel0"), QStringLiteral("正在下载节目1"), 1);
    m_program->setAlignment(Qt::AlignCenter);
    m_percent = statusPanel(status, QStringLiteral("StatusBar1Panel1"), QStringLiteral("1%"), 0);
    m_percent->setMinimumWidth(60);
    layout->addWidget(status);
    setFixedSize(360, 110);
}

void TFDown::showProgress(const TransferProgress &p)
{
    m_program->setText(QStringLiteral("正在下载节目%1").arg(p.program));
    // The bar counts the program's bytes; its range is kept within an int.
    const qint64 maximum = std::max<qint64>(p.maximum, 1);
    m_bar->setMaximum(int(std::min<qint64>(maximum, 1 << 30)));
    m_bar->setValue(int(p.position * m_bar->maximum() / maximum));
    m_percent->setText(p.position == 0 && p.maximum > 0 ? QString() : QStringLiteral("%1%").arg(p.percent()));
}

} // namespace lumetra
