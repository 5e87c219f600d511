#include "sign/ledboardview.h"

#include <QPaintEvent>
#include <QPainter>

namespace lumetra::sign {

LedBoardView::LedBoardView(int pitch, QWidget *parent) : QWidget(parent), m_board(pitch)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedBoardView::setPitch(int pitch)
{
    m_board.setPitch(pitch);
    resize(sizeHint());
    update();
}

void LedBoardView::setLeds(const QImage &leds)
{
    const bool resized = leds.size() != m_leds.size();
    m_leds = leds;
    if (resized)
        resize(sizeHint());
    update();
}

QSize LedBoardView::sizeHint() const
{
    return m_leds.size() * m_board.pitch();
}

void LedBoardView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int p = m_board.pitch();
    const QRect exposed = event->rect();
    const QRect leds(exposed.left() / p, exposed.top() / p, exposed.right() / p - exposed.left() / p + 1,
                     exposed.bottom() / p - exposed.top() / p + 1);
    const QRect part = leds.intersected(m_leds.rect());
    if (part.isEmpty()) {
        painter.fillRect(exposed, Qt::black);
        return;
    }
    m_board.render(m_leds, part, m_part);
    painter.drawImage(part.topLeft() * p, m_part);
}

} // namespace lumetra::sign
