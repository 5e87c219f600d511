#include "ui/app/savingwindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace lumetra {

SavingWindow::SavingWindow(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SavingWindow"));
    setWindowTitle(QStringLiteral("正在保存节目信息中"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("正在保存节目信息中"), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    setFixedSize(260, 70);
    setStyleSheet(QStringLiteral("QWidget#SavingWindow { border: 1px solid gray; }"));
}

void SavingWindow::showNow()
{
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    show();
    // Painted before the save blocks the event loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lumetra
