#include "sign/signwindow.h"

#include "sign/ledboardview.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

namespace lumetra::sign {

SignWindow::SignWindow(int pitch, QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("虚拟显示屏"));
    auto *tools = addToolBar(QStringLiteral("点距"));
    tools->setObjectName(QStringLiteral("pitchBar"));
    tools->addWidget(new QLabel(QStringLiteral("点距 "), tools));
    m_pitch = new QComboBox(tools);
    m_pitch->setObjectName(QStringLiteral("pitch"));
    for (int p = LedBoard::MinPitch; p <= LedBoard::MaxPitch; ++p)
        m_pitch->addItem(QString::number(p));
    m_view = new LedBoardView(pitch);
    m_view->setObjectName(QStringLiteral("board"));
    m_pitch->setCurrentIndex(m_view->pitch() - LedBoard::MinPitch);
    tools->addWidget(m_pitch);
    connect(m_pitch, &QComboBox::currentIndexChanged, this, &SignWindow::pitchChosen);

    auto *scroll = new QScrollArea(this);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setStyleSheet(QStringLiteral("background: #080808"));
    scroll->setWidget(m_view);
    scroll->setAlignment(Qt::AlignCenter);
    setCentralWidget(scroll);
    m_status = new QLabel(this);
    statusBar()->addWidget(m_status);

    // Sixty frames a second; the play runs on the elapsed time, not on ticks.
    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, this, &SignWindow::tick);
    m_elapsed.start();
    m_timer.start();
    resize(900, 400);
}

void SignWindow::setContent(const CardContent &content, bool programsChanged, const QDateTime &clock)
{
    if (programsChanged || !m_player) {
        const QDateTime now = clock.isValid() ? clock : content.clockAt(QDateTime::currentDateTime());
        m_player = std::make_unique<SignPlayer>(content, now);
        m_elapsed.restart();
    } else {
        m_player->updateControls(content, m_elapsed.elapsed());
    }
    tick();
}

void SignWindow::pitchChosen(int item)
{
    m_view->setPitch(item + LedBoard::MinPitch);
}

void SignWindow::tick()
{
    if (!m_player)
        return;
    const qint64 ms = m_elapsed.elapsed();
    m_leds = m_player->frame(ms);
    m_view->setLeds(m_leds);
    const int program = m_player->currentProgram();
    m_status->setText(QStringLiteral("%1 × %2   %3   %4")
                          .arg(m_leds.width())
                          .arg(m_leds.height())
                          .arg(m_player->clockAt(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                          .arg(program > 0 ? QStringLiteral("节目 %1").arg(program) : QStringLiteral("无节目")));
}

} // namespace lumetra::sign
