#include "ui/link/tfdown.h"

#include "ui_tfdown.h"

#include "link/programsender.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

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
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::TFDown>())
{
    m_ui->setupUi(this);
    setModal(false);
    setFixedSize(size());
    m_program = statusPanel(m_ui->StatusBar1, QStringLiteral("StatusBar1Panel0"), QStringLiteral("正在下载节目1"), 1);
    m_program->setAlignment(Qt::AlignCenter);
    m_percent = statusPanel(m_ui->StatusBar1, QStringLiteral("StatusBar1Panel1"), QStringLiteral("1%"), 0);
    m_percent->setMinimumWidth(60);
}

TFDown::~TFDown() = default;

QProgressBar *TFDown::progressBar() const
{
    return m_ui->ProgressBar1;
}

void TFDown::showProgress(const TransferProgress &p)
{
    m_program->setText(QStringLiteral("正在下载节目%1").arg(p.program));
    // The bar counts the program's bytes; its range is kept within an int.
    const qint64 maximum = std::max<qint64>(p.maximum, 1);
    m_ui->ProgressBar1->setMaximum(int(std::min<qint64>(maximum, 1 << 30)));
    m_ui->ProgressBar1->setValue(int(p.position * m_ui->ProgressBar1->maximum() / maximum));
    m_percent->setText(p.position == 0 && p.maximum > 0 ? QString() : QStringLiteral("%1%").arg(p.percent()));
}

} // namespace lumetra
